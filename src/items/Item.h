// One item, built by reading its directory "data\items\<id>\". Items are
// shared between piles, inventories, slots and corpses through ItemRef; the
// last reference to go frees the item and its pictures.
#pragma once

#include <SDL/SDL.h>

#include <cstdint>
#include <memory>
#include <string>

enum ItemType : int32_t {
    kNoType = 0,
    kOneHanded = 1,
    kTwoHanded = 2,
    kBow = 3,
    kCrossbow = 4,
    kMixtureHP = 5,
    kMixtureMP = 6,
    kArmor = 7,
    kHelmet = 8,
    kNecklace = 9,
    kRing = 10,
    kBoots = 11,
    kArrow = 12,
    kCrossbowBolt = 13,
    kHealRune = 14,
    kDamageRune = 15,
};

class Item {
public:
    explicit Item(const std::string& id);
    ~Item();
    Item(const Item&) = delete;
    Item& operator=(const Item&) = delete;

    // The ten attribute and skill bonuses, strength first, in the same order
    // as the creature's attributes (index 0..9).
    static constexpr int kAttributeCount = 10;
    uint32_t attributeBonus(int index) const;

    std::string id;
    int32_t type = kNoType;
    std::string name;
    uint32_t HP = 0;
    uint32_t maxHP = 0;
    uint32_t MP = 0;
    uint32_t maxMP = 0;
    uint32_t attack = 0;
    uint32_t magicAttack = 0;
    uint32_t defense = 0;
    uint32_t magicDefense = 0;
    uint32_t criticalChance = 0;
    uint32_t strength = 0;
    uint32_t dexterity = 0;
    uint32_t condition = 0;
    uint32_t intelligence = 0;
    uint32_t willpower = 0;
    uint32_t charisma = 0;
    uint32_t oneHandedWeaponSkill = 0;
    uint32_t twoHandedWeaponSkill = 0;
    uint32_t bowSkill = 0;
    uint32_t crossbowSkill = 0;
    uint32_t amount = 0;
    std::string imagePath;
    SDL_Surface* missileImage = nullptr;  // owned
    SDL_Surface* image = nullptr;         // owned
};

using ItemRef = std::shared_ptr<Item>;

// Builds a shared item from its id.
inline ItemRef makeItem(const std::string& id) { return std::make_shared<Item>(id); }

// The kinds the hand rules turn on; false for no item.
inline bool isShooter(const ItemRef& item) { return item && (item->type == kBow || item->type == kCrossbow); }
inline bool isAmmunition(const ItemRef& item) {
    return item && (item->type == kArrow || item->type == kCrossbowBolt);
}
// Held in both hands at once.
inline bool bothHanded(const ItemRef& item) {
    return item && (item->type == kTwoHanded || item->type == kHealRune || item->type == kDamageRune);
}
