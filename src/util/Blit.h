// Blitting a picture, or one part of it, with its top-left corner at a point.
// A missing picture (null) draws nothing.
#pragma once

#include <SDL/SDL.h>

inline void blitAt(SDL_Surface* source, const SDL_Rect* part, SDL_Surface* target, int x, int y) {
    if (!source || !target) return;
    SDL_Rect at{static_cast<Sint16>(x), static_cast<Sint16>(y), 0, 0};
    SDL_BlitSurface(source, const_cast<SDL_Rect*>(part), target, &at);
}
