// What the checks share: the report, the font the text panels measure with,
// and the maps and items loaded once through the game's own loaders.
#pragma once

#include "Report.h"

#include "items/Item.h"
#include "world/Map.h"

#include <SDL/SDL_ttf.h>

#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

struct World {
    explicit World(Report& report) : report(report) {}
    ~World();
    World(const World&) = delete;
    World& operator=(const World&) = delete;

    Report& report;
    TTF_Font* font = nullptr;  // data\comic.ttf at the panels' 12 points; null when it can't be opened

    // The map of that name, loaded once; null when it has no directory.
    Map* map(const std::string& name);
    // The item of that id, loaded once; null when it has no directory.
    const Item* item(const std::string& id);
    // The same for an id named on a line of a file; a missing directory is
    // reported there.
    const Item* itemNamedAt(const std::string& file, int line, const std::string& id);
    // Every name an item of data\items\ has.
    std::set<std::string> itemNames;
    // Character id -> the ids under [Inventory] of its data.ini.
    std::map<std::string, std::vector<std::string>> inventories;
    // Lines of data\quests\questlist.dat.
    std::vector<std::string> questNames;
    // Quest -> its stages: the lines of its file in data\quest\, which the
    // game counts as it advances; -1 when it has no file there.
    std::vector<int> questStages;
    // The maps the travel fields of a map lead to.
    const std::set<std::string>& exitsOf(const Map& map);

private:
    std::map<std::string, std::unique_ptr<Map>> maps;
    std::map<std::string, ItemRef> items;
    std::map<std::string, std::set<std::string>> exits;
};

// Whether a word is one of a table's.
template <size_t N>
bool among(const char* const (&words)[N], const std::string& word) {
    for (const char* w : words)
        if (word == w) return true;
    return false;
}

// "onehanded", "ring", ...; "no type" for 0.
std::string typeWord(int32_t type);

// The checks, in the order main runs them.
void checkBitmaps(World& world);  // interface, menus, effects, missiles, the font
void checkItems(World& world);    // every item directory
void checkMaps(World& world);     // maps.dat and every map directory
void checkStart(World& world);    // data\maps\start.dat
void checkCharacters(World& world);
void checkQuests(World& world);   // the quest list and both quest folders
void checkScripts(World& world);  // every conversation script
void checkSounds(World& world);   // the effects and every mood
