// The parts of a map's check that need more than one file of it.
#pragma once

#include "World.h"

#include <cstdint>
#include <string>
#include <vector>

// A line of the moves section that the loader read onto the grid.
struct MoveEntry {
    int line = 0;
    int32_t column = 0;
    int32_t row = 0;
    std::string target;
};

// An entry of the npc or items section that the loader put on the grid.
struct Placed {
    int line = 0;
    int32_t column = 0;
    int32_t row = 0;
    std::string id;
};

// An object of scenery.dat that the loader put on the grid.
struct Placement {
    int line = 0;
    std::string type;
    int32_t column = 0;
    int32_t row = 0;
    int32_t width = 0;
    int32_t height = 0;
    bool covers(int32_t c, int32_t r) const;
};

std::string mapFolder(const std::string& name);
// "12:30"
std::string place(int32_t column, int32_t row);
// "12:30 is off the map (48 by 36 fields)"
std::string offMap(const Map& map, int32_t column, int32_t row);
// " (off the map)", " (guard stands there)" and the like: why canEnter
// turned a field down. Empty for a field that can be entered.
std::string whyClosed(const Map& map, int32_t column, int32_t row);
// A terrain code as it can be printed.
std::string codeText(char code);

void checkTravel(World& world, const Map& map, const std::vector<MoveEntry>& moves);
// Returns the objects it placed, in file order.
std::vector<Placement> checkScenery(World& world, const Map& map);
// Creatures and items on fields where they cannot be met or picked up.
void checkStanding(World& world, const Map& map, const std::vector<Placed>& creatures,
                   const std::vector<Placed>& items, const std::vector<Placement>& scenery);
