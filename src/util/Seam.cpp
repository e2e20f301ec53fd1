#include "util/Seam.h"

#include <SDL/SDL.h>

#include <cstdlib>

namespace seam {
namespace {
std::function<uint32_t()> ticksSource;
std::function<void(uint32_t)> delaySink;
std::function<int()> rollSource;
}  // namespace

uint32_t ticks() { return ticksSource ? ticksSource() : SDL_GetTicks(); }
void delay(uint32_t ms) {
    if (delaySink)
        delaySink(ms);
    else
        SDL_Delay(ms);
}
int roll() { return rollSource ? rollSource() : std::rand(); }

void setTicks(std::function<uint32_t()> source) { ticksSource = std::move(source); }
void setDelay(std::function<void(uint32_t)> sleeper) { delaySink = std::move(sleeper); }
void setRoll(std::function<int()> source) { rollSource = std::move(source); }
void reset() {
    ticksSource = nullptr;
    delaySink = nullptr;
    rollSource = nullptr;
}

}  // namespace seam
