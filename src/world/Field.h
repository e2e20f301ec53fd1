// One cell of a map's grid: terrain code, at most one creature, the item and
// corpse piles (last element = top) and the scenery and travel marks.
#pragma once

#include "characters/Corpse.h"
#include "items/Item.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class Characters;

// Field::scenery values besides a scenery type index (0 or more).
constexpr int32_t kNoScenery = -10;
constexpr int32_t kCoveredByScenery = -1;

// Terrain codes with a fixed meaning.
constexpr char kTravelCode = '*';
constexpr char kNeverEnterCode = '\0';

struct Field {
    Field() = default;
    Field(Field&&) = default;
    Field& operator=(Field&&) = default;
    Field(const Field&) = delete;
    Field& operator=(const Field&) = delete;

    // Not owned here: the map owns every creature on its grid but the player.
    Characters* occupant = nullptr;
    char code = kNeverEnterCode;
    int32_t scenery = kNoScenery;
    std::string moveTarget;
    // Piles are stacks: push, look at and take from the back only. Vectors
    // rather than deques because an empty deque allocates, and a large map
    // has two piles on each of tens of thousands of fields.
    std::vector<ItemRef> items;
    std::vector<std::unique_ptr<Corpse>> corpses;
};
