// The clock and the dice reach game code only through here, so tests can set
// the time and the rolls. The defaults are SDL_GetTicks, SDL_Delay and rand.
#pragma once

#include <cstdint>
#include <functional>

namespace seam {

uint32_t ticks();
// Sleeps; a test's clock moves on instead.
void delay(uint32_t ms);
int roll();

void setTicks(std::function<uint32_t()> source);
void setDelay(std::function<void(uint32_t)> sleeper);
void setRoll(std::function<int()> source);
// Back to SDL_GetTicks, SDL_Delay and rand.
void reset();

}  // namespace seam
