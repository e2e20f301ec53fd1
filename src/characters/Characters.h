// What every creature on the map shares: position, facing, sprite, the hit
// effect, ten attributes and skills, the derived combat statistics, eight
// equipment slots and an inventory.
#pragma once

#include "items/Item.h"

#include <SDL/SDL.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// The one table of sprite rectangles: 0..3 standing facing down, up, right,
// left; 4..7 walking in the same order.
extern SDL_Rect frameRects[8];
// Writes the table (always the same values).
void writeFrameRects();
// Column of the sprite sheet for a facing (1 up, 2 down, 3 left, 4 right).
int frameColumn(int32_t direction);

class Characters;
// A hold on a creature that outlives it: reads null once the creature is
// destroyed. Missiles keep their shooter through one.
using CreatureLink = std::shared_ptr<Characters* const>;

class Characters {
public:
    Characters(int32_t x, int32_t y, const std::string& id);
    virtual ~Characters();
    Characters(const Characters&) = delete;
    Characters& operator=(const Characters&) = delete;

    virtual void checkLevelUp() = 0;
    virtual int32_t getDexterity();
    virtual int32_t getAttack();
    virtual int32_t getCriticalChance();

    void recomputeStats();
    // Call right after the item was put into one of the eight slots.
    void equip(const ItemRef& item);
    // Call when the item has been taken out of its slot. A hand may be passed
    // as it is: a two-handed weapon or rune leaves every hand that holds it, a
    // bow or crossbow still held, or just taken out beside its ammunition,
    // empties both hands into the inventory.
    void unequip(const ItemRef& item);
    // Uses the item up; the caller drops its reference afterwards.
    void consume(const ItemRef& item);
    // Puts an item into the inventory: arrows and bolts join the first stack
    // of their type already there (the added stack is then dropped) unless
    // together they would pass the largest amount; anything else is
    // appended. An item already carried is left where it is.
    void addItem(const ItemRef& item);

    // The ten attributes and skills, strength first (index 0..9).
    int32_t& attribute(int index);

    CreatureLink link() const { return self; }

    std::vector<ItemRef> inventory;
    int32_t direction = 2;
    ItemRef necklace;
    ItemRef helmet;
    ItemRef armor;
    ItemRef leftHand;
    ItemRef rightHand;
    ItemRef ring1;
    ItemRef ring2;
    ItemRef boots;
    int32_t exp = 0;
    int32_t level = 0;
    int32_t nextLevelExp = 0;
    int32_t HP = 0;
    int32_t maxHP = 0;
    int32_t MP = 0;
    int32_t maxMP = 0;
    int32_t attack = 0;
    int32_t magicAttack = 0;
    int32_t defense = 0;
    int32_t magicDefense = 0;
    int32_t criticalChance = 0;
    int32_t strength = 5;
    int32_t dexterity = 5;
    int32_t condition = 5;
    int32_t intelligence = 5;
    int32_t willpower = 5;
    int32_t charisma = 5;
    int32_t oneHandedWeaponSkill = 5;
    int32_t twoHandedWeaponSkill = 5;
    int32_t bowSkill = 5;
    int32_t crossbowSkill = 5;
    int32_t x = 0;
    int32_t y = 0;
    uint32_t lastActionTime = 0;
    std::string spritePath;
    SDL_Surface* sprite = nullptr;  // owned
    const SDL_Rect* spriteFrame = nullptr;
    int32_t hitEffectFrame = 0;
    bool hitEffectActive = false;
    uint8_t hitEffectWound = 0;

private:
    // What attribute() hands out for an index outside 0..9.
    int32_t noAttribute = 0;
    // Points at this creature while it lives; the destructor clears it.
    std::shared_ptr<Characters*> self;
};

// Experience needed for the level after `level`: 250 (L + 1)(L + 2).
int32_t levelThreshold(int32_t level);
