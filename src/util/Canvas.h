// What a pass of the world draws. The world goes on every pass, but its
// picture is only painted on passes whose picture can reach the display; on
// the others the drawing code still runs for its bookkeeping (which creatures
// are in view, the hit effects' frames) and every blit is left out.
// Painted or not, each blit and text is noted in a fingerprint of the picture:
// the same things drawn from the same pictures at the same places give the
// same picture, so a scene that has not changed need not even be painted.
#pragma once

#include <SDL/SDL.h>

#include <cstdint>
#include <string>

namespace canvas {

// True outside any pass (menus, tests, tools): everything is painted.
bool painting();

// Blits a picture, or part of it, with its top-left corner at (x, y), and notes it.
void blit(SDL_Surface* source, const SDL_Rect* part, SDL_Surface* target, int x, int y);
// Notes a text drawn from a font (rendered anew each time, so its surface
// says nothing).
void noteText(const void* font, const std::string& text, SDL_Color colour, int x, int y);

// Of everything noted since the pass began.
uint64_t fingerprint();

// One pass: painting or not, with a fresh fingerprint; as before afterwards.
class Pass {
public:
    explicit Pass(bool paint);
    ~Pass();
    Pass(const Pass&) = delete;
    Pass& operator=(const Pass&) = delete;

private:
    bool wasPainting;
};

}  // namespace canvas
