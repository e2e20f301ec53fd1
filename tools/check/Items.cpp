// Item directories: the picture, and every line of data.ini the item loader
// would pass over.
#include "Bitmaps.h"
#include "Files.h"
#include "World.h"

#include "util/DataLine.h"

#include <iterator>
#include <map>

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

// What an item needs beyond lines the loader understands.
void checkUse(Report& report, const std::string& file, const Item& item, bool namesMissile) {
    if ((item.type == kBow || item.type == kCrossbow || item.type == kDamageRune) && !namesMissile)
        report.warn(file, 0, "a " + typeWord(item.type) + " without a missileName: nothing is seen flying");
    if ((item.type == kArrow || item.type == kCrossbowBolt) && item.amount == 0)
        report.warn(file, 0, "a stack without an amount is gone after one shot");
}

// Returns the line of the name the item ends up with; 0 when it has none.
int checkItem(World& world, const std::string& id) {
    const std::string folder = "data\\items\\" + id + "\\";
    const std::string file = folder + "data.ini";
    const Item* item = world.item(id);
    PictureFacts picture;
    if (checkBitmap(world.report, folder + id + ".bmp", Wanted{25, 25, Wanted::kAbout}, &picture))
        checkMagentaKey(world.report, folder + id + ".bmp", picture);
    std::vector<std::string> lines;
    world.report.explain(file);
    if (!readLines(file, lines)) {
        world.report.add(file, 0, "missing");
        return 0;
    }
    int nameLine = 0;
    bool namesMissile = false;
    for (size_t i = 0; i < lines.size(); ++i) {
        checkLine(world, file, static_cast<int>(i) + 1, lines[i]);
        const std::string key = dataline::split(lines[i]).key;
        if (key == "name") nameLine = static_cast<int>(i) + 1;
        namesMissile = namesMissile || key == "missileName";
    }
    if (!item) return nameLine;
    world.itemNames.insert(item->name);
    checkUse(world.report, file, *item, namesMissile);
    if (item->name.empty())
        world.report.warn(file, nameLine,
                          "no name: the game shows none, and no conversation can give, take or check the item");
    return nameLine;
}

}  // namespace

std::string typeWord(int32_t type) {
    if (type < 1 || type > static_cast<int32_t>(std::size(kTypeWords))) return "no type";
    return kTypeWords[type - 1];
}

void checkItems(World& world) {
    std::map<std::string, std::string> named;  // name -> the first item of it
    for (const std::string& id : foldersIn("data\\items")) {
        const int line = checkItem(world, id);
        const Item* item = world.item(id);
        if (!item || item->name.empty()) continue;
        auto [first, fresh] = named.emplace(item->name, id);
        if (!fresh)
            world.report.warn("data\\items\\" + id + "\\data.ini", line,
                              "the name " + quote(item->name) + " is item " + quote(first->second) +
                                  "'s too: conversations go by name and cannot tell the two apart");
    }
}
