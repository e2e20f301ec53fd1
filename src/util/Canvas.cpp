#include "util/Canvas.h"

namespace canvas {
namespace {

bool paintingNow = true;
uint64_t print = 0;

// A word at a time: a pass notes about a thousand blits.
void mix(uint64_t word) {
    print ^= word;
    print *= 0x100000001b3ULL;
    print ^= print >> 29;
}

void mixRect(const SDL_Rect* part) {
    if (!part) {
        mix(~0ULL);
        return;
    }
    mix((uint64_t(uint16_t(part->x)) << 48) | (uint64_t(uint16_t(part->y)) << 32) | (uint64_t(part->w) << 16) |
        part->h);
}

}  // namespace

bool painting() { return paintingNow; }

void blit(SDL_Surface* source, const SDL_Rect* part, SDL_Surface* target, int x, int y) {
    if (!source || !target) return;
    mix(reinterpret_cast<uintptr_t>(source));
    mixRect(part);
    mix(reinterpret_cast<uintptr_t>(target));
    mix((uint64_t(uint32_t(x)) << 32) | uint32_t(y));
    if (!paintingNow) return;
    SDL_Rect at{static_cast<Sint16>(x), static_cast<Sint16>(y), 0, 0};
    SDL_BlitSurface(source, const_cast<SDL_Rect*>(part), target, &at);
}

void noteText(const void* font, const std::string& text, SDL_Color colour, int x, int y) {
    mix(reinterpret_cast<uintptr_t>(font));
    mix((uint64_t(colour.r) << 16) | (uint64_t(colour.g) << 8) | colour.b);
    mix((uint64_t(uint32_t(x)) << 32) | uint32_t(y));
    mix(text.size());
    for (unsigned char c : text) mix(c);
}

uint64_t fingerprint() { return print; }

Pass::Pass(bool paint) : wasPainting(paintingNow) {
    paintingNow = paint;
    print = 0xcbf29ce484222325ULL;
}

Pass::~Pass() { paintingNow = wasPainting; }

}  // namespace canvas
