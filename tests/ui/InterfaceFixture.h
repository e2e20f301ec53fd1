// A temporary data folder holding interface bitmaps in colours of their own
// (never white, the GUI colour key), the shipped font, a fresh player and the
// interface drawing onto the dummy video screen.
#pragma once

#include "support/TestWorld.h"
#include "ui/Interface.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>

using Colour = std::array<uint8_t, 3>;

namespace colours {
constexpr Colour kBackground = {30, 30, 30};
constexpr Colour kText = {255, 255, 0};
constexpr Colour kEmptyHP = {0, 0, 90};
constexpr Colour kEmptyMP = {0, 90, 0};
constexpr Colour kFullHP = {220, 0, 0};
constexpr Colour kFullMP = {0, 0, 220};
constexpr Colour kSlotFrame = {100, 100, 0};
constexpr Colour kNpcPanel = {80, 40, 0};
constexpr Colour kStripeHP = {250, 0, 0};
constexpr Colour kStripeMP = {0, 0, 250};
constexpr Colour kAttack = {150, 0, 0};
constexpr Colour kSearch = {0, 150, 0};
constexpr Colour kTalk = {0, 0, 150};
constexpr Colour kPickUp = {150, 150, 0};
constexpr Colour kStatsPanel = {40, 0, 80};
constexpr Colour kPointsBox = {0, 80, 80};
constexpr Colour kPlusReleased = {255, 128, 0};
constexpr Colour kPlusPressed = {0, 128, 255};
// Pictures loaded with the magenta key.
constexpr Colour kHpPotion = {200, 60, 60};
constexpr Colour kMpPotion = {60, 60, 200};
constexpr Colour kSprite = {90, 0, 60};
constexpr Colour kDead = {70, 70, 70};
}  // namespace colours

struct Band {
    int rows;
    Colour colour;
};

class InterfaceTest : public testing::Test {
protected:
    InterfaceTest();

    // Bitmap of horizontal bands, top to bottom.
    void writeBands(const std::string& path, int width, std::initializer_list<Band> bands) const;
    void writeGuiBitmaps() const;
    // An item directory with a 25 by 25 picture of one colour.
    void writeItem(const std::string& id, const std::string& type, Colour picture) const;
    // A character directory: sprite sheet, dead.bmp and data.ini; a script
    // file when `talks`.
    void writeCharacter(const std::string& id, const std::string& dataIni, bool talks) const;

    // Built on first use, so a test can arrange the data folder first.
    Interface& ui();
    // Clears the screen to the background colour, then draws one frame.
    void drawFrame(const ItemRef& item = nullptr, Corpse* corpse = nullptr);
    Colour at(int x, int y) const;
    // How many pixels from (x, y) rightward have the colour.
    int runOf(Colour colour, int x, int y) const;
    bool anyPixel(Colour colour, int x, int y, int w, int h) const;

    SdlSession sdl;
    TempWorld world;
    std::unique_ptr<Player> player;
    std::unique_ptr<Interface> interface;
};
