// Drawing a creature over its field: its sprite frame stands 15 pixels
// higher, so the figure's feet are on the field and its head above the one
// behind it.
#pragma once

#include "characters/Characters.h"
#include "util/Blit.h"

constexpr int kSpriteLift = 15;

// (x, y): the top-left corner of the field the creature is drawn on.
inline void drawCreatureAt(const Characters& creature, SDL_Surface* target, int x, int y) {
    blitAt(creature.sprite, creature.spriteFrame, target, x, y - kSpriteLift);
}
