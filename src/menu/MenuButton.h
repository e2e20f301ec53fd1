// One button of a menu screen: its place, its bitmap of three stacked frames
// (normal, under the pointer, pressed) and, for the load/save screen, its state.
#pragma once

#include "util/Image.h"

#include <SDL/SDL.h>

#include <cstdint>
#include <istream>

struct MenuButton {
    int32_t x = 0;
    int32_t y = 0;
    int32_t state = 0;
    SurfacePtr image;
    SDL_Rect frames[3] = {};

    // Strictly inside: the outermost rows and columns don't count.
    bool contains(int pointerX, int pointerY) const;
    void draw(SDL_Surface* screen, int frame) const;
};

// Reads "x y w h name" from one layout line and loads "data\menu\<name>.bmp".
// A line that doesn't hold four numbers and a word leaves the button empty.
void readMenuButton(const std::string& line, MenuButton& button);
