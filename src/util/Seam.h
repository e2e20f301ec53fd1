// The clock and the dice reach game code only through here, so tests can set
// the time and the rolls. The defaults are SDL_GetTicks and rand.
#pragma once

#include <cstdint>
#include <functional>

namespace seam {

uint32_t ticks();
int roll();

void setTicks(std::function<uint32_t()> source);
void setRoll(std::function<int()> source);
// Back to SDL_GetTicks and rand.
void reset();

}  // namespace seam
