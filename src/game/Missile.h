// A projectile in flight: an arrow, a bolt or a spell.
#pragma once

#include <SDL/SDL.h>

#include <cstdint>

class Characters;

struct Missile {
    int32_t direction = 0;  // 0 up, 1 down, 2 left, 3 right
    Characters* shooter = nullptr;
    SDL_Surface* image = nullptr;  // not owned: the shooter's item owns it
    int32_t steps = 0;
    int32_t column = 0;
    int32_t row = 0;
    bool magic = false;
};
