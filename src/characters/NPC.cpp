#include "characters/NPC.h"

#include "characters/StatArithmetic.h"
#include "util/DataLine.h"
#include "util/FileSystem.h"

#include <sstream>

int32_t NPC::nextSerial = 0;

namespace {

using Slot = ItemRef Characters::*;

struct WornKey {
    const char* key;
    int32_t type;
    Slot slot;
};

const WornKey kWornKeys[] = {
    {"armor", kArmor, &Characters::armor},       {"helmet", kHelmet, &Characters::helmet},
    {"ring1", kRing, &Characters::ring1},        {"ring2", kRing, &Characters::ring2},
    {"necklace", kNecklace, &Characters::necklace}, {"boots", kBoots, &Characters::boots},
};

// In the creature's attribute order.
const char* const kAttributeKeys[Item::kAttributeCount] = {
    "strength", "dexterity",           "condition",            "intelligence", "willpower",
    "charisma", "oneHandedWeaponSkill", "twoHandedWeaponSkill", "bowSkill",     "crossbowSkill",
};

bool isType(const ItemRef& item, int32_t type) { return item && item->type == type; }

// A number read as the file's unsigned pattern; a value that is no number
// leaves the member as it was.
void readNumber(const std::string& value, int32_t& member) {
    uint32_t bits = 0;
    if (dataline::readUnsigned(value, bits)) member = statmath::fromBits(bits);
}

// A worn item of the wrong type is dropped. A second line for the same slot
// replaces the earlier item, whose bonuses stay.
void wear(NPC& npc, const WornKey& worn, const std::string& value) {
    if (value == "0") return;
    ItemRef item = makeItem(value);
    if (item->type != worn.type) return;
    npc.*worn.slot = item;
    npc.equip(item);
}

void hold(NPC& npc, Slot hand, Slot otherHand, const std::string& value) {
    if (value == "0") return;
    ItemRef item = makeItem(value);
    switch (item->type) {
        case kOneHanded:
        case kBow:
        case kCrossbow:
        case kArrow:
        case kCrossbowBolt:
        case kDamageRune:
            npc.*hand = item;
            npc.equip(item);
            break;
        case kTwoHanded: {
            ItemRef& other = npc.*otherHand;
            if (isType(other, kTwoHanded)) {
                ItemRef earlier = other;
                npc.inventory.push_back(earlier);
                other.reset();
                npc.unequip(earlier);
            } else if (other) {
                return;  // the other hand is busy: the new weapon is dropped
            }
            npc.*hand = item;
            npc.equip(item);
            break;
        }
        default:
            break;  // not something to hold
    }
}

// Ranged weapons need their ammunition in the other hand, a damage rune a
// damage rune; otherwise they go to the inventory (their bonuses stay).
void checkHands(NPC& npc) {
    auto moveLeft = [&npc] {
        npc.inventory.push_back(npc.leftHand);
        npc.leftHand.reset();
    };
    auto moveRight = [&npc] {
        npc.inventory.push_back(npc.rightHand);
        npc.rightHand.reset();
    };
    auto moveBoth = [&] {
        const bool same = npc.leftHand == npc.rightHand;
        moveLeft();
        if (same) npc.rightHand.reset();
        else moveRight();
    };
    const ItemRef& left = npc.leftHand;
    const ItemRef& right = npc.rightHand;
    // The weapon in the left (or right) hand wants `partner` in the other one.
    auto check = [&](bool weaponLeft, int32_t partner) {
        const ItemRef& other = weaponLeft ? right : left;
        if (!other) {
            if (weaponLeft) moveLeft();
            else moveRight();
        } else if (!isType(other, partner)) {
            moveBoth();
        }
    };
    if (isType(left, kBow)) check(true, kArrow);
    else if (isType(left, kCrossbow)) check(true, kCrossbowBolt);
    else if (isType(right, kBow)) check(false, kArrow);
    else if (isType(right, kCrossbow)) check(false, kCrossbowBolt);
    else if (isType(left, kDamageRune)) check(true, kDamageRune);
    else if (isType(right, kDamageRune)) check(false, kDamageRune);
}

void applyLine(NPC& npc, const std::string& line) {
    const dataline::KeyValue kv = dataline::split(line);
    if (kv.key == "name") {
        npc.name = kv.value;
        return;
    }
    for (const WornKey& worn : kWornKeys)
        if (kv.key == worn.key) return wear(npc, worn, kv.value);
    if (kv.key == "leftHand") return hold(npc, &Characters::leftHand, &Characters::rightHand, kv.value);
    if (kv.key == "rightHand") return hold(npc, &Characters::rightHand, &Characters::leftHand, kv.value);
    if (kv.key == "exp") return readNumber(kv.value, npc.exp);
    if (kv.key == "level") return readNumber(kv.value, npc.level);
    if (kv.key == "agression") {
        uint32_t bits = 0;
        if (dataline::readUnsigned(kv.value, bits)) npc.agression = bits != 0;
        return;
    }
    for (int i = 0; i < Item::kAttributeCount; ++i)
        if (kv.key == kAttributeKeys[i]) return readNumber(kv.value, npc.attribute(i));
}

}  // namespace

NPC::NPC(int32_t x, int32_t y, const std::string& id)
    : Characters(x, y, id), id(id), dialogue(inventory), serial(nextSerial++) {
    const std::string folder = "data\\characters\\" + id + "\\";
    std::istringstream in;
    if (fs::openText(folder + "data.ini", in)) {
        std::string line;
        bool inInventory = false;
        while (dataline::readLine(in, line)) {
            if (inInventory) {
                inventory.push_back(makeItem(line));
            } else if (line == "[Inventory]") {
                inInventory = true;
            } else {
                applyLine(*this, line);
            }
        }
        checkHands(*this);
    }
    recomputeStats();
    HP = maxHP;
    MP = maxMP;
    dialogue.open(folder + id + ".dg");
}

NPC::~NPC() = default;
