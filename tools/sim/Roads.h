// The ways a stranger walks between the quest places, and what goes wrong
// on them: scenery in the way of a straight road, and hostile creatures that
// see the player on the road but cannot reach it (a tree in their way).
#pragma once

#include "Sandbox.h"

#include <SDL/SDL.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

struct Route {
    std::string name;
    std::string map;
    // Corners of the way; each leg is straight, along a row or a column.
    std::vector<std::pair<int32_t, int32_t>> corners;
};

// The roads of the shipped world (see tools/art/world_forest.py, which keeps
// them free).
std::vector<Route> shippedRoutes();

// Walks every route with the game's own steps, the map's creatures taken
// away, and then lets each hostile creature of the map come at the player
// where it first sees the player on a route. One line for each step that is
// refused and each creature that has neither struck nor shot after
// `patienceMs`.
std::vector<std::string> checkRoutes(SDL_Surface* screen, const Sandbox& sandbox, const std::vector<Route>& routes,
                                     uint32_t patienceMs = 15000);
