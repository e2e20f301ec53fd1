// Blitting a picture, or one part of it, with its top-left corner at a point.
// A missing picture (null) draws nothing; nor does a pass that is not painted
// (util/Canvas).
#pragma once

#include "util/Canvas.h"

inline void blitAt(SDL_Surface* source, const SDL_Rect* part, SDL_Surface* target, int x, int y) {
    canvas::blit(source, part, target, x, y);
}
