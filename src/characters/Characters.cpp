#include "characters/Characters.h"

#include "characters/StatArithmetic.h"
#include "util/Image.h"
#include "util/Seam.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace {

int32_t Characters::*const kAttributes[Item::kAttributeCount] = {
    &Characters::strength,    &Characters::dexterity,           &Characters::condition,
    &Characters::intelligence, &Characters::willpower,          &Characters::charisma,
    &Characters::oneHandedWeaponSkill, &Characters::twoHandedWeaponSkill, &Characters::bowSkill,
    &Characters::crossbowSkill,
};

}  // namespace

Characters::Characters(int32_t x, int32_t y, const std::string& id)
    : x(x), y(y), spritePath("data\\characters\\" + id + "\\" + id + ".bmp"), self(std::make_shared<Characters*>(this)) {
    sprite = loadImage(spritePath);
    writeFrameRects();
    spriteFrame = &frameRects[0];
    nextLevelExp = levelThreshold(level);
    recomputeStats();
    lastActionTime = seam::ticks();
}

Characters::~Characters() {
    *self = nullptr;
    if (sprite) SDL_FreeSurface(sprite);
}

int32_t Characters::getDexterity() { return dexterity; }
int32_t Characters::getAttack() { return attack; }
int32_t Characters::getCriticalChance() { return criticalChance; }

int32_t& Characters::attribute(int index) {
    if (index < 0 || index >= Item::kAttributeCount) return noAttribute;
    return this->*kAttributes[index];
}

void Characters::recomputeStats() {
    const int32_t lostHP = statmath::sub(maxHP, HP);
    const int32_t lostMP = statmath::sub(maxMP, MP);

    maxHP = statmath::product(20, condition);
    maxMP = statmath::product(16, willpower);
    attack = strength;
    magicAttack = intelligence;
    criticalChance = 0;

    // A weapon adds its attack and critical chance, then the skill bonus is
    // taken on everything accumulated so far.
    auto wield = [this](const Item& weapon, int32_t skill) {
        attack = statmath::add(attack, weapon.attack);
        criticalChance = statmath::add(criticalChance, weapon.criticalChance);
        attack = statmath::add(attack, statmath::quotient(statmath::product(skill, attack), 100));
    };
    if (leftHand) {
        switch (leftHand->type) {
            case kOneHanded: wield(*leftHand, oneHandedWeaponSkill); break;
            case kTwoHanded: wield(*leftHand, twoHandedWeaponSkill); break;
            case kBow: wield(*leftHand, bowSkill); break;
            case kCrossbow: wield(*leftHand, crossbowSkill); break;
            case kHealRune:
            case kDamageRune: magicAttack = statmath::add(magicAttack, leftHand->magicAttack); break;
            default: break;
        }
    }
    // Two-handed weapons and runes were counted through the left hand.
    if (rightHand) {
        switch (rightHand->type) {
            case kOneHanded: wield(*rightHand, oneHandedWeaponSkill); break;
            case kBow: wield(*rightHand, bowSkill); break;
            case kCrossbow: wield(*rightHand, crossbowSkill); break;
            default: break;
        }
    }

    defense = statmath::quotient(condition, 10);
    magicDefense = statmath::quotient(willpower, 10);
    for (const ItemRef* worn : {&armor, &helmet, &boots, &necklace, &ring1, &ring2}) {
        if (!*worn) continue;
        const Item& item = **worn;
        defense = statmath::add(defense, item.defense);
        maxHP = statmath::add(maxHP, item.maxHP);
        maxMP = statmath::add(maxMP, item.maxMP);
        magicDefense = statmath::add(magicDefense, item.magicDefense);
        magicAttack = statmath::add(magicAttack, item.magicAttack);
    }

    // Keep what was lost, but recomputing never kills.
    HP = statmath::sub(maxHP, lostHP);
    if (HP < 1) HP = 1;
    MP = statmath::sub(maxMP, lostMP);
    if (MP < 0) MP = 0;
}

void Characters::equip(const ItemRef& item) {
    if (!item) return;
    if (bothHanded(item)) {
        if (leftHand == item) rightHand = item;
        if (rightHand == item) leftHand = item;
    }
    for (int i = 0; i < Item::kAttributeCount; ++i) attribute(i) = statmath::add(attribute(i), item->attributeBonus(i));
    recomputeStats();
}

void Characters::unequip(const ItemRef& handedOver) {
    // The caller may pass the hand itself, which is emptied below.
    const ItemRef item = handedOver;
    if (!item) return;
    // Only the hands that really hold this item are its own: a state file may
    // hold it in one hand beside something else, or in another slot.
    const bool inHand = leftHand == item || rightHand == item;
    if (isShooter(item)) {
        // The ammunition leaves with its weapon, also when the caller already
        // took the weapon out; one item in both hands goes once.
        const bool ammunitionLeft = (!leftHand && isAmmunition(rightHand)) || (!rightHand && isAmmunition(leftHand));
        if (inHand || ammunitionLeft) {
            ItemRef left = std::move(leftHand);
            ItemRef right = std::move(rightHand);
            if (left) inventory.push_back(left);
            if (right && right != left) inventory.push_back(right);
        }
    } else if (bothHanded(item)) {
        if (leftHand == item) leftHand.reset();
        if (rightHand == item) rightHand.reset();
    }
    for (int i = 0; i < Item::kAttributeCount; ++i) attribute(i) = statmath::sub(attribute(i), item->attributeBonus(i));
    recomputeStats();
}

void Characters::consume(const ItemRef& item) {
    if (!item) return;
    HP = statmath::add(HP, item->HP);
    if (HP > maxHP) HP = maxHP;
    MP = statmath::add(MP, item->MP);
    if (MP > maxMP) MP = maxMP;
    for (int i = 0; i < Item::kAttributeCount; ++i) attribute(i) = statmath::add(attribute(i), item->attributeBonus(i));
    recomputeStats();
}

void Characters::addItem(const ItemRef& item) {
    if (!item) return;
    // An item already carried stays where it is: merging or appending it again
    // would count its pieces twice or hold it in two places.
    if (std::find(inventory.begin(), inventory.end(), item) != inventory.end()) return;
    if (isAmmunition(item)) {
        for (const ItemRef& stack : inventory) {
            if (!stack || stack->type != item->type) continue;
            // Two stacks that together pass the largest amount stay apart
            // rather than lose pieces.
            if (stack->amount > std::numeric_limits<uint32_t>::max() - item->amount) break;
            stack->amount += item->amount;
            return;
        }
    }
    inventory.push_back(item);
}

int32_t levelThreshold(int32_t level) {
    const int64_t factor = (static_cast<int64_t>(level) + 1) * (static_cast<int64_t>(level) + 2);
    // Beyond any reachable experience: stay at the largest value instead of wrapping negative.
    constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
    if (factor > kMax / 250) return kMax;
    return static_cast<int32_t>(250 * factor);
}
