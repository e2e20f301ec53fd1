// Character directories: sprite sheet, corpse, and data.ini with the worn
// items and the hand rules the character loader applies.
#include "Bitmaps.h"
#include "Files.h"
#include "World.h"

#include "characters/NPC.h"
#include "characters/StatArithmetic.h"
#include "util/DataLine.h"

#include <algorithm>
#include <iterator>

namespace {

constexpr int kSheetWidth = 103;
constexpr int kSheetHeight = 81;

struct WornKey {
    const char* key;
    int32_t type;
};

const WornKey kWorn[] = {{"armor", kArmor}, {"helmet", kHelmet},     {"ring1", kRing},
                         {"ring2", kRing},  {"necklace", kNecklace}, {"boots", kBoots}};

const char* const kNumberKeys[] = {
    "exp", "level", "agression", "strength", "dexterity", "condition", "intelligence", "willpower", "charisma",
    "oneHandedWeaponSkill", "twoHandedWeaponSkill", "bowSkill", "crossbowSkill"
};

const int32_t kHeld[] = {kOneHanded, kTwoHanded, kBow, kCrossbow, kArrow, kCrossbowBolt, kDamageRune};

struct Hand {
    int line = 0;
    std::string id;
    const Item* item = nullptr;
    int32_t type() const { return item ? item->type : kNoType; }
};

struct Definition {
    World& world;
    std::string file;
    Hand left, right;

    void add(int line, const std::string& text) { world.report.add(file, line, text); }

    void apply(int n, const std::string& line) {
        const dataline::KeyValue kv = dataline::split(line);
        if (line.empty() || kv.key == "name") return;
        for (const WornKey& worn : kWorn) {
            if (kv.key != worn.key) continue;
            if (kv.value == "0") return;
            const Item* item = world.itemNamedAt(file, n, kv.value);
            if (item && item->type != worn.type)
                add(n, kv.key + " " + quote(kv.value) + " is of type " + quote(typeWord(item->type)) + ", not " +
                           quote(typeWord(worn.type)) + "; the game drops it");
            return;
        }
        if (kv.key == "leftHand" || kv.key == "rightHand") {
            if (kv.value == "0") return;
            const Item* item = world.itemNamedAt(file, n, kv.value);
            if (!item) return;
            if (std::find(std::begin(kHeld), std::end(kHeld), item->type) == std::end(kHeld)) {
                add(n, kv.key + " " + quote(kv.value) + " is of type " + quote(typeWord(item->type)) +
                           ", which cannot be held; the game drops it");
                return;
            }
            (kv.key == "leftHand" ? left : right) = Hand{n, kv.value, item};
            return;
        }
        if (among(kNumberKeys, kv.key)) {
            uint32_t value = 0;
            if (!dataline::readUnsigned(kv.value, value))
                add(n, quote(kv.value) + " is not a number, the line is ignored");
            return;
        }
        add(n, "key " + quote(kv.key) + " is not a character key, the line is ignored");
    }

    // The weapon in `hand` wants `partner` (or, for a rune, nothing) in `other`.
    bool wants(const Hand& hand, const Hand& other, int32_t weapon, int32_t partner, const char* what) {
        if (hand.type() != weapon) return false;
        if (other.type() == partner || (weapon == kDamageRune && !other.item)) return true;
        add(hand.line, quote(hand.id) + " needs " + what + " in the other hand; the game puts it in the pack");
        return true;
    }

    // A caster whose mana cannot pay one spell puts its rune away at once.
    void mana(const std::string& id) {
        const Hand& rune = left.type() == kDamageRune ? left : right;
        if (rune.type() != kDamageRune) return;
        NPC caster(0, 0, id);  // the game's own sums of willpower and worn items
        const int64_t cost = statmath::fromBits(rune.item->MP);
        if (caster.leftHand && caster.leftHand->type == kDamageRune && caster.maxMP < cost)
            world.report.warn(file, rune.line,
                              quote(rune.id) + " costs " + str(cost) + " MP a spell, but its bearer has only " +
                                  str(caster.maxMP) + ": it never casts and fights on foot");
    }

    // In the order the loader checks the hands once the file is read.
    void hands() {
        const Hand* twoHanded = left.type() == kTwoHanded ? &left : right.type() == kTwoHanded ? &right : nullptr;
        if (twoHanded) {
            const Hand& other = twoHanded == &left ? right : left;
            if (other.item)
                add(std::max(left.line, right.line),
                    "two-handed " + quote(twoHanded->id) + " beside " + quote(other.id) + ": it needs both hands");
            return;
        }
        wants(left, right, kBow, kArrow, "arrows") || wants(left, right, kCrossbow, kCrossbowBolt, "bolts") ||
            wants(right, left, kBow, kArrow, "arrows") || wants(right, left, kCrossbow, kCrossbowBolt, "bolts") ||
            wants(left, right, kDamageRune, kDamageRune, "a damage rune or nothing") ||
            wants(right, left, kDamageRune, kDamageRune, "a damage rune or nothing");
    }
};

// The sheet is cut into eight 25 by 40 frames from its top-left corner;
// anything beyond them is never drawn.
void checkSheet(Report& report, const std::string& path) {
    PictureFacts sheet;
    if (!checkBitmap(report, path, Wanted{kSheetWidth, kSheetHeight, Wanted::kAtLeast}, &sheet)) return;
    checkMagentaKey(report, path, sheet);
    if (sheet.w > kSheetWidth || sheet.h > kSheetHeight)
        report.warn(path, 0,
                    "is " + str(sheet.w) + "x" + str(sheet.h) + ", larger than its eight frames (" + str(kSheetWidth) +
                        "x" + str(kSheetHeight) + "): the game draws only the 25x40 at x 0, 26, 52, 78 and y 0, 41");
}

void checkCharacter(World& world, const std::string& id) {
    const std::string folder = "data\\characters\\" + id + "\\";
    checkSheet(world.report, folder + id + ".bmp");
    if (id == "Gracz") return;  // the player: the sheet is all the game reads of it
    PictureFacts corpse;
    if (checkBitmap(world.report, folder + "dead.bmp", Wanted{25, 25, Wanted::kAbout}, &corpse))
        checkMagentaKey(world.report, folder + "dead.bmp", corpse);

    Definition definition{world, folder + "data.ini", {}, {}};
    std::vector<std::string> lines;
    if (!readLines(definition.file, lines)) {
        world.report.add(definition.file, 0, "missing");
        return;
    }
    size_t i = 0;
    for (; i < lines.size() && lines[i] != "[Inventory]"; ++i) definition.apply(static_cast<int>(i) + 1, lines[i]);
    definition.hands();
    std::vector<std::string>& carried = world.inventories[id];
    for (++i; i < lines.size(); ++i) {
        world.itemNamedAt(definition.file, static_cast<int>(i) + 1, lines[i]);
        carried.push_back(lines[i]);
    }
    definition.mana(id);
}

}  // namespace

void checkCharacters(World& world) {
    std::vector<std::string> ids = foldersIn("data\\characters");
    if (std::find(ids.begin(), ids.end(), "Gracz") == ids.end()) ids.push_back("Gracz");
    for (const std::string& id : ids) checkCharacter(world, id);
}
