// maps.dat against the map directories, and each map's data.ini and map.map
// read line by line the way the map loader reads them.
#include "Bitmaps.h"
#include "Files.h"
#include "MapChecks.h"

#include "util/DataLine.h"
#include "world/Map.h"

#include <map>
#include <set>
#include <utility>

namespace {

bool has(const std::string& line, const char* word) { return line.find(word) != std::string::npos; }
// As the loader decides what is an entry: a pair may use any separator.
bool isEntry(const std::string& line) { return has(line, ":") || has(line, "|"); }

std::string undrawnTiles(size_t first, size_t last) {
    if (first == last) return "tile " + str(first) + " of fields.bmp is never drawn, as no code names it";
    return "tiles " + str(first) + " to " + str(last) + " of fields.bmp are never drawn, as no code names them";
}

struct MapFiles {
    World& world;
    const Map& map;
    std::string ini;
    std::string terrain;
    std::vector<std::string> lines;  // data.ini
    std::vector<MoveEntry> moves;
    std::vector<Placed> creatures;
    std::vector<Placed> items;

    void add(int line, const std::string& text) { world.report.add(ini, line, text); }

    void header() {
        const std::string line1 = lines.size() > 0 ? lines[0] : "";
        const size_t eq = line1.find('=');
        int32_t count = 0;
        if (eq == std::string::npos || !dataline::readSigned(line1.substr(eq + 1), count) || count != map.tileCount)
            add(1, "needs the number of tiles after \"=\", such as \"tileCount=14\"; the game takes " +
                       str(map.tileCount));
        for (size_t n = 1; n < 3; ++n)
            if (n >= lines.size() || lines[n].find('"') == std::string::npos)
                add(static_cast<int>(n) + 1, std::string(n == 1 ? "the tile codes" : "the blocking codes") +
                                                 " belong in double quotes; the game takes the whole line");
        const size_t drawn = static_cast<size_t>(map.tileCount - 1);
        if (map.tileCodes.size() > drawn)
            add(2, "codes " + quote(map.tileCodes.substr(drawn)) + " have no tile: a tile count of " +
                       str(map.tileCount) + " leaves " + str(drawn) +
                       " codes, the last tile is the one drawn outside the map");
        else if (map.tileCodes.size() < drawn)
            world.report.warn(ini, 2,
                              str(map.tileCodes.size()) + " codes for the " + str(drawn) + " tiles before the last: " +
                                  undrawnTiles(map.tileCodes.size(), drawn - 1));
    }

    void terrainRows() {
        std::vector<std::string> rows;
        world.report.explain(terrain);
        if (!readLines(terrain, rows)) {
            world.report.add(terrain, 0, "missing");
            return;
        }
        if (static_cast<size_t>(map.rows) != rows.size() || (!rows.empty() && rows[0].size() != size_t(map.cols)))
            world.report.add(terrain, 0,
                             "holds more fields than the game keeps (" + str(Map::kMaxFields) + "), the rest is cut");
        for (size_t r = 1; r < rows.size() && r < size_t(map.rows); ++r)
            if (rows[r].size() != rows[0].size())
                world.report.add(terrain, static_cast<int>(r) + 1,
                                 "has " + str(rows[r].size()) + " fields, the first row " + str(rows[0].size()) +
                                     "; the game reads the fields on across the line ends");
        const size_t drawn = static_cast<size_t>(map.tileCount - 1);
        std::set<char> told;
        for (int32_t r = 0; r < map.rows; ++r)
            for (int32_t c = 0; c < map.cols; ++c) {
                const char code = map.fieldAt(c, r).code;
                const size_t tile = map.tileCodes.find(code);
                // A line feed read as a field comes from a short row, told above.
                if (code != '\n' && (tile == std::string::npos || tile >= drawn) && told.insert(code).second)
                    world.report.add(terrain, r + 1,
                                     "terrain code " + codeText(code) + " (column " + str(c) +
                                         ") has no tile in fields.bmp, nothing is drawn there");
            }
    }

    // The lines before the first one holding "moves" are passed over.
    size_t beforeMoves() {
        size_t k = 3;
        while (k < lines.size() && !has(lines[k], "moves")) ++k;
        if (k == lines.size()) {
            add(0, "has no line with \"moves\", so the game reads no travel fields, characters or items");
            return k;
        }
        for (size_t j = 3; j < k; ++j)
            if (!lines[j].empty()) add(static_cast<int>(j) + 1, "comes before the \"moves\" line, the game ignores it");
        return k + 1;
    }

    // moves and npc: up to the line holding `endWord`; false when the entry is off the grid.
    bool onGrid(size_t k, const dataline::PairText& entry) {
        if (map.contains(entry.column, entry.row)) return true;
        add(static_cast<int>(k) + 1, offMap(map, entry.column, entry.row) + ", the game skips the line");
        return false;
    }

    size_t list(size_t k, const char* endWord, const char* section, bool npcSection) {
        std::map<std::pair<int32_t, int32_t>, int> taken;  // field -> line of its creature
        for (; k < lines.size() && !has(lines[k], endWord); ++k) {
            const int n = static_cast<int>(k) + 1;
            if (!isEntry(lines[k])) {
                if (!lines[k].empty()) add(n, "has no column:row, the game ignores it");
                continue;
            }
            const dataline::PairText entry = dataline::readPairText(lines[k]);
            if (!onGrid(k, entry)) continue;
            if (!npcSection) {
                moves.push_back(MoveEntry{n, entry.column, entry.row, entry.text});
                continue;
            }
            auto [earlier, fresh] = taken.emplace(std::make_pair(entry.column, entry.row), n);
            if (!fresh) {
                add(n, place(entry.column, entry.row) + " already holds the character of line " + str(earlier->second) +
                           ", this one is not made");
            } else if (!hasFolder("data\\characters\\", entry.text)) {
                add(n, "character " + quote(entry.text) + " has no directory " +
                           world.report.shown("data\\characters\\" + entry.text + "\\"));
            } else {
                creatures.push_back(Placed{n, entry.column, entry.row, entry.text});
            }
        }
        if (k < lines.size() && isEntry(lines[k]))
            add(static_cast<int>(k) + 1, "holds \"" + std::string(endWord) + "\", so it ends the " + section +
                                             " section and its entry is not read");
        return k + 1;
    }

    void itemList(size_t k) {
        for (; k < lines.size() && isEntry(lines[k]); ++k) {
            const dataline::PairText entry = dataline::readPairText(lines[k]);
            if (!onGrid(k, entry)) continue;
            if (world.itemNamedAt(ini, static_cast<int>(k) + 1, entry.text))
                items.push_back(Placed{static_cast<int>(k) + 1, entry.column, entry.row, entry.text});
        }
        for (size_t j = k + 1; j < lines.size(); ++j)
            if (!lines[j].empty())
                add(static_cast<int>(j) + 1, "comes after line " + str(k + 1) +
                                                 ", which has no column:row and ends the items section; the game "
                                                 "does not read it");
    }
};

void checkMap(World& world, const std::string& name) {
    const std::string folder = mapFolder(name);
    const Map* map = world.map(name);
    if (!map) return;
    MapFiles files{world, *map, folder + "data.ini", folder + "map.map", {}, {}, {}, {}};
    world.report.explain(files.ini);
    world.report.explain(folder + "scenery.dat");
    if (!readLines(files.ini, files.lines))
        world.report.add(files.ini, 0, "missing");
    else
        files.header();
    files.terrainRows();
    checkBitmap(world.report, folder + "fields.bmp", Wanted{25 * map->tileCount, 25});
    // Without fields every entry would be off the map: map.map's own finding says it.
    if (!files.lines.empty() && map->rows > 0 && map->cols > 0) {
        size_t k = files.beforeMoves();
        k = files.list(k, "npc", "moves", false);
        k = files.list(k, "items", "npc", true);
        files.itemList(k);
    }
    const std::vector<Placement> scenery = checkScenery(world, *map);
    checkStanding(world, *map, files.creatures, files.items, scenery);
    checkTravel(world, *map, files.moves);
}

}  // namespace

std::string mapFolder(const std::string& name) { return "data\\maps\\" + name + "\\"; }

std::string place(int32_t column, int32_t row) { return str(column) + ":" + str(row); }

std::string offMap(const Map& map, int32_t column, int32_t row) {
    return place(column, row) + " is off the map (" + str(map.cols) + " by " + str(map.rows) + " fields)";
}

std::string codeText(char code) {
    const unsigned char c = static_cast<unsigned char>(code);
    if (c >= 0x20 && c < 0x7F) return "'" + std::string(1, code) + "'";
    const char* digits = "0123456789ABCDEF";
    return std::string("byte 0x") + digits[c >> 4] + digits[c & 15];
}

void checkMaps(World& world) {
    std::vector<std::string> listed;
    if (!readLines("data\\maps.dat", listed)) world.report.add("data\\maps.dat", 0, "missing");
    std::set<std::string> names;
    for (size_t i = 0; i < listed.size(); ++i) {
        if (listed[i].empty()) continue;
        names.insert(listed[i]);
        if (Map::isWorkingFileName(listed[i]))
            world.report.add("data\\maps.dat", static_cast<int>(i) + 1,
                             "map " + quote(listed[i]) + " keeps no state: " +
                                 world.report.shown("data\\" + listed[i] + ".tmp") +
                                 " is one of the game's own working files");
        if (!hasFolder("data\\maps\\", listed[i]))
            world.report.add(
                "data\\maps.dat", static_cast<int>(i) + 1,
                "map " + quote(listed[i]) + " has no directory " + world.report.shown(mapFolder(listed[i])));
    }
    for (const std::string& folder : foldersIn("data\\maps"))
        if (!names.count(folder))
            world.report.add(mapFolder(folder), 0,
                             "map directory not listed in " + world.report.shown("data\\maps.dat") +
                                 ", so a new game finds the last game's creatures and items on it");
    for (const std::string& name : names) checkMap(world, name);
    for (const std::string& folder : foldersIn("data\\maps"))
        if (!names.count(folder)) checkMap(world, folder);
}
