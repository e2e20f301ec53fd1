// The wound and miss effect shown over a creature after a blow: three frames,
// each held for two drawing passes by a parity flag. The six flags are
// process-wide, not per game: one shared by every creature's effect, one for
// the player's effect in a frame, and one for each direction of the sliding
// view (indexed by direction - 1: up, down, left, right).
#pragma once

#include <cstdint>

namespace hiteffect {

extern uint8_t creatureParity;
extern uint8_t playerParity;
extern uint8_t scrollParity[4];

// Every second call moves the counter on to the next frame.
inline void stepParity(int32_t& frameCounter, uint8_t& parity) {
    if (parity) {
        ++frameCounter;
        parity = 0;
    } else {
        parity = 1;
    }
}

}  // namespace hiteffect
