// rpg-check --picture: the whole of one map as the game draws it, for
// finding free fields and checking placements by eye.
#pragma once

#include <SDL/SDL.h>

#include <string>

// One field of the map is 25 by 25 pixels; a band of this width along the
// top and the left holds the column and row numbers.
constexpr int kPictureMargin = 25;

// Draws map `name` of the current data\ folder into a new surface of
// 25 * (cols + 1) by 25 * (rows + 1) pixels: tiles, top items, scenery,
// each creature in its standing frame, travel fields outlined in yellow with
// their destination beside, a light grid, and the numbers of every fifth
// column and row. Null, with `why` set, when it cannot.
SDL_Surface* drawMapPicture(const std::string& name, std::string& why);
