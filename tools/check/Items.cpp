// Item directories: the picture, and every line of data.ini the item loader
// would pass over.
#include "Bitmaps.h"
#include "Files.h"
#include "World.h"

#include "util/DataLine.h"

#include <iterator>

namespace {

const char* const kNumberKeys[] = {
    "HP", "maxHP", "MP", "maxMP", "attack", "magicAttack", "defense", "magicDefense", "criticalChance", "strength",
    "dexterity", "condition", "intelligence", "willpower", "charisma", "oneHandedWeaponSkill",
    "twoHandedWeaponSkill", "bowSkill", "crossbowSkill", "amount"
};

const char* const kTypeWords[] = {
    "onehanded", "twohanded", "bow",   "crossbow", "mixtureHP", "mixtureMP", "armor",   "helmet",
    "necklace",  "ring",      "boots", "arrow",    "carrow",    "healRune",  "dmgRune",
};

void checkLine(World& world, const std::string& file, int n, const std::string& line) {
    Report& report = world.report;
    const dataline::KeyValue kv = dataline::split(line);
    if (line.empty() || kv.key == "name") return;
    if (kv.key == "missileName") {
        const std::string missile = "data\\missiles\\" + kv.value + ".bmp";
        int w = 0, h = 0;
        // Its size is checked with the missiles folder.
        if (!bitmapSize(missile, w, h))
            report.add(file, n, "missile " + quote(kv.value) + " has no bitmap " + report.shown(missile));
    } else if (kv.key == "type") {
        if (!among(kTypeWords, kv.value))
            report.add(file, n, "type " + quote(kv.value) + " is not an item type, the line is ignored");
    } else if (among(kNumberKeys, kv.key)) {
        uint32_t value = 0;
        if (!dataline::readUnsigned(kv.value, value))
            report.add(file, n, quote(kv.value) + " is not a number, the line is ignored");
    } else {
        report.add(file, n, "key " + quote(kv.key) + " is not an item key, the line is ignored");
    }
}

void checkItem(World& world, const std::string& id) {
    const std::string folder = "data\\items\\" + id + "\\";
    const Item* item = world.item(id);
    checkBitmap(world.report, folder + id + ".bmp", Wanted{25, 25, Wanted::kAbout});
    std::vector<std::string> lines;
    world.report.explain(folder + "data.ini");
    if (!readLines(folder + "data.ini", lines)) {
        world.report.add(folder + "data.ini", 0, "missing");
        return;
    }
    for (size_t i = 0; i < lines.size(); ++i) checkLine(world, folder + "data.ini", static_cast<int>(i) + 1, lines[i]);
    if (item) world.itemNames.insert(item->name);
}

}  // namespace

std::string typeWord(int32_t type) {
    if (type < 1 || type > static_cast<int32_t>(std::size(kTypeWords))) return "no type";
    return kTypeWords[type - 1];
}

void checkItems(World& world) {
    for (const std::string& id : foldersIn("data\\items")) checkItem(world, id);
}
