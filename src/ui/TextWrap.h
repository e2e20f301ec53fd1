// Word wrap to a pixel width, measured with a font.
#pragma once

#include <SDL/SDL_ttf.h>

#include <string>
#include <vector>

// Appends the lines of `text` to `lines`, none wider than `width` as the font
// measures it. The first line starts with `lead`, every later one with
// `continuation`. Lines break at the last blank that fits and at every line
// feed; a word too long for a line of its own is broken where the width
// ends. Without a font nothing is too wide.
void wrapText(TTF_Font* font, const std::string& text, int width, std::vector<std::string>& lines,
              const std::string& lead = "", const std::string& continuation = "");

// The width of a text in that font; 0 without a font.
int textWidth(TTF_Font* font, const std::string& text);

// A quest log row, `number` then `name`, as it fits into `width`: too wide,
// it is cut at its last blank while the width just measured is above
// `width` (so one word more than needed goes, even the number's blank), and
// "..." follows.
std::string shortenRow(TTF_Font* font, const std::string& number, const std::string& name, int width);
