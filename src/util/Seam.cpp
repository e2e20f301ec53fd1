#include "util/Seam.h"

#include <SDL/SDL.h>

#include <cstdlib>

namespace seam {
namespace {
std::function<uint32_t()> ticksSource;
std::function<int()> rollSource;
}  // namespace

uint32_t ticks() { return ticksSource ? ticksSource() : SDL_GetTicks(); }
int roll() { return rollSource ? rollSource() : std::rand(); }

void setTicks(std::function<uint32_t()> source) { ticksSource = std::move(source); }
void setRoll(std::function<int()> source) { rollSource = std::move(source); }
void reset() {
    ticksSource = nullptr;
    rollSource = nullptr;
}

}  // namespace seam
