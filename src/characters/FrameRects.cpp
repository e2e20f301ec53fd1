#include "characters/Characters.h"

SDL_Rect frameRects[8];

void writeFrameRects() {
    for (int row = 0; row < 2; ++row)
        for (int column = 0; column < 4; ++column) {
            SDL_Rect& r = frameRects[4 * row + column];
            r.x = static_cast<Sint16>(26 * column);
            r.y = static_cast<Sint16>(41 * row);
            r.w = 25;
            r.h = 40;
        }
}

int frameColumn(int32_t direction) {
    switch (direction) {
        case 1: return 1;  // up
        case 3: return 3;  // left
        case 4: return 2;  // right
        default: return 0; // down, and anything unknown shows the front
    }
}
