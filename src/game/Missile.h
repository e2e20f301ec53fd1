// A projectile in flight: an arrow, a bolt or a spell.
#pragma once

#include "characters/Characters.h"
#include "items/Item.h"

#include <SDL/SDL.h>

#include <cstdint>

struct Missile {
    int32_t direction = 0;  // 0 up, 1 down, 2 left, 3 right
    // Who fired it; reads null once the shooter is gone (killed, or its map
    // unloaded), and such a missile is dropped.
    CreatureLink shooter;
    SDL_Surface* image = nullptr;  // the firing item's missile picture
    int32_t steps = 0;
    int32_t column = 0;
    int32_t row = 0;
    bool magic = false;
    // The item that fired it, kept alive so that `image` is too: the last
    // arrow, a corpse taken away or a map unloaded can drop every other hold.
    ItemRef source;

    Characters* shooterNow() const { return shooter ? *shooter : nullptr; }
};

// A missile fired by `shooter` with `weapon` along missile direction d, from
// the shooter's own field.
Missile launch(Characters& shooter, const ItemRef& weapon, int32_t direction, bool magic);
