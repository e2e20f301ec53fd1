// A running game on small hand-made maps: SDL on the dummy driver, a
// temporary data folder, and colours that tell what was drawn where.
#pragma once

#include "game/Game.h"
#include "support/TestWorld.h"
#include "support/WorldFiles.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

// Terrain of the test maps.
constexpr Colour kGrass{0, 160, 0};
constexpr Colour kStone{120, 120, 120};
constexpr Colour kPath{200, 180, 40};
constexpr Colour kOutside{0, 0, 90};
constexpr uint8_t kPlayerRed = 40;
constexpr uint8_t kWolfRed = 140;
constexpr uint8_t kBearRed = 220;

class GameTest : public ::testing::Test {
protected:
    GameTest();
    ~GameTest() override;

    // A map of grass ('g'), stone ('s', blocking) and travel fields ('*',
    // drawn as path); the caller fills in terrain and sections.
    static MapFiles grassMap(int columns, int rows);
    void writeStart(const std::string& line) const { world.write("data\\maps\\start.dat", line); }
    // A creature with its own sheet; without a definition file it is hostile.
    void writeCreature(const std::string& id, uint8_t red, bool hostile = true) const {
        writeSpriteSheet(world, id, red);
        if (!hostile) world.write("data\\characters\\" + id + "\\data.ini", "agression=0\n");
    }
    std::unique_ptr<Game> startGame() const { return std::make_unique<Game>(sdl.screen); }

    SdlSession sdl;
    TempWorld world;
};
