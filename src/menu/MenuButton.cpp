#include "menu/MenuButton.h"

#include <cstdint>
#include <sstream>
#include <string>

bool MenuButton::contains(int pointerX, int pointerY) const {
    const SDL_Rect& r = frames[0];
    return x < pointerX && pointerX < x + r.w && y < pointerY && pointerY < y + r.h;
}

void MenuButton::draw(SDL_Surface* screen, int frame) const {
    if (!image || frame < 0 || frame > 2) return;
    SDL_Rect source = frames[frame];
    SDL_Rect place = {static_cast<Sint16>(x), static_cast<Sint16>(y), 0, 0};
    SDL_BlitSurface(image.get(), &source, screen, &place);
}

void readMenuButton(const std::string& line, MenuButton& button) {
    std::istringstream in(line);
    int32_t x = 0, y = 0, w = 0, h = 0;
    std::string name;
    if (!(in >> x >> y >> w >> h >> name)) return;
    // Place and frame must fit SDL's rectangle fields (which also keeps the
    // pointer test from overflowing); anything else is a broken line.
    if (x < INT16_MIN || x > INT16_MAX || y < INT16_MIN || y > INT16_MAX) return;
    if (w < 0 || h < 0 || w > 0xFFFF || h > 0x7FFF / 3) return;
    button.x = x;
    button.y = y;
    button.image.reset(loadImage("data\\menu\\" + name + ".bmp"));
    for (int i = 0; i < 3; ++i)
        button.frames[i] = {0, static_cast<Sint16>(i * h), static_cast<Uint16>(w), static_cast<Uint16>(h)};
}
