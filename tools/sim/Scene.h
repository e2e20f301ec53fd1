// Where a fight happens: a duel with one creature on open grass, or a place
// of the shipped world with the creatures that stand in it.
#pragma once

#include "Sandbox.h"

#include <cstdint>
#include <string>
#include <vector>

struct Area {
    int32_t left, top, right, bottom;  // fields, inclusive
    bool contains(int32_t column, int32_t row) const {
        return column >= left && column <= right && row >= top && row <= bottom;
    }
};

struct Scene {
    std::string name;
    std::string map;
    int32_t column = 0, row = 0;  // where the player starts
    Area area{0, 0, -1, -1};      // the creatures that fight; the rest of the map's are taken away
    std::string kind;             // a duel's creature
};

// The open field duels are fought on, and where the creature stands.
constexpr const char* kArena = "arena";
constexpr int32_t kArenaSize = 21;
constexpr int32_t kDuelColumn = 16, kDuelRow = 8;

// One duel for each hostile kind under data\characters\, the weakest (by the
// experience it is worth) first.
std::vector<Scene> duels();
// The places of the shipped world a stranger fights through, in order.
std::vector<Scene> places();

// Makes the sandbox start the game there: start.dat, and for a duel the
// arena with the creature on it.
void stage(const Sandbox& sandbox, const Scene& scene);
