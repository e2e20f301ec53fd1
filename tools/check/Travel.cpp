// Where travel fields lead and where a new game starts: the field must be
// one the map lets a creature enter.
#include "Files.h"
#include "MapChecks.h"

#include "characters/NPC.h"
#include "util/DataLine.h"

#include <set>

namespace {

// Checks the field (column, row) of map `name` as an arrival; "" when it is fine.
std::string arrival(World& world, const std::string& name, int32_t column, int32_t row) {
    const Map* map = world.map(name);
    if (!map) return "map " + quote(name) + ", which has no directory " + world.report.shown(mapFolder(name));
    const std::string why = whyClosed(*map, column, row);
    if (why.empty()) return "";
    return "field " + place(column, row) + " of map " + quote(name) + ", which cannot be entered" + why;
}

}  // namespace

std::string whyClosed(const Map& map, int32_t column, int32_t row) {
    const int answer = map.canEnter(column, row);
    if (answer == kFree || answer == kTravel) return "";
    if (!map.contains(column, row)) return " (off the map)";
    const Field& field = map.fieldAt(column, row);
    if (answer == kOccupied) {
        const NPC* npc = dynamic_cast<const NPC*>(field.occupant);
        return " (" + quote(npc ? npc->id : std::string()) + " stands there)";
    }
    if (field.scenery != kNoScenery && map.blockingCodes.find(field.code) == std::string::npos &&
        field.code != kNeverEnterCode)
        return " (scenery stands there)";
    return " (terrain " + codeText(field.code) + " blocks)";
}

void checkTravel(World& world, const Map& map, const std::vector<MoveEntry>& moves) {
    const std::string folder = mapFolder(map.name);
    for (const MoveEntry& move : moves) {
        auto add = [&](const std::string& text) { world.report.add(folder + "data.ini", move.line, text); };
        const Field& field = map.fieldAt(move.column, move.row);
        if (field.code != kTravelCode) {
            add(place(move.column, move.row) + " is no travel field (its code is " + codeText(field.code) +
                ", not '*'), the entry is never used");
            continue;
        }
        if (field.moveTarget != move.target) {
            add("a later line gives " + place(move.column, move.row) + " another target, this one is lost");
            continue;
        }
        const size_t bar = move.target.find('|');
        if (bar == std::string::npos) {
            add("the target " + quote(move.target) +
                " needs a map name, \"|\" and a column and row, such as \"forest|1:19\"");
            continue;
        }
        int32_t column = 0, row = 0;
        dataline::readPair(move.target.substr(bar + 1), column, row);
        const std::string destination = move.target.substr(0, bar);
        const std::string wrong = arrival(world, destination, column, row);
        if (!wrong.empty()) {
            add("leads to " + wrong);
            continue;
        }
        const std::set<std::string>& exits = world.exitsOf(*world.map(destination));
        if (exits.empty())
            add("leads to map " + quote(destination) + ", which has no travel field: the player can never leave it");
        else if (!exits.count(map.name))
            world.report.warn(folder + "data.ini", move.line,
                              "leads to map " + quote(destination) + ", but no travel field there leads back to " +
                                  quote(map.name));
    }
    for (int32_t r = 0; r < map.rows; ++r)
        for (int32_t c = 0; c < map.cols; ++c)
            if (map.fieldAt(c, r).code == kTravelCode && map.fieldAt(c, r).moveTarget.empty())
                world.report.add(
                    folder + "map.map", r + 1,
                    "travel field " + place(c, r) + " has no entry in the moves section of data.ini, it leads nowhere");
}

void checkStart(World& world) {
    const std::string file = "data\\maps\\start.dat";
    std::vector<std::string> lines;
    if (!readLines(file, lines)) {
        world.report.add(file, 0, "missing");
        return;
    }
    const std::string line = lines.empty() ? "" : lines[0];
    const size_t blank = line.find(' ');
    if (blank == std::string::npos) {
        world.report.add(file, 1,
                         "needs the start map's name, a blank, then the column and row, such as "
                         "\"village 25 19\"");
        return;
    }
    int32_t column = 0, row = 0;
    dataline::readPair(line.substr(blank), column, row);
    const std::string wrong = arrival(world, line.substr(0, blank), column, row);
    if (!wrong.empty()) world.report.add(file, 1, "starts on " + wrong);
}
