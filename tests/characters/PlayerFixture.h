// Shared scaffolding of the player tests: a temporary data folder with SDL
// running (items load their pictures in the display format), real item
// directories, and the expected bytes of player.tmp spelled out by hand.
#pragma once

#include "characters/Player.h"
#include "support/TestWorld.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>

// Little-endian int32 and length-prefixed texts, appended in file order.
struct Bytes {
    std::string data;
    Bytes& num(int32_t value);
    Bytes& text(const std::string& value);
    Bytes& texts(int count, const std::string& value = "");
};

// The 22 statistics, exp to crossbowSkill, in the order player.tmp stores them.
std::array<int32_t*, 22> statisticsOf(Player& player);

class PlayerTest : public ::testing::Test {
protected:
    // An item directory with its picture and a data.ini of the given lines.
    void writeItem(const std::string& id, const std::string& ini) const;
    // A few real items: a two-handed axe, a bow, arrows (amount 50), a potion
    // (amount 3) and a helmet.
    void writeStandardItems() const;
    std::string stateFile() const { return world.read("data\\player.tmp"); }
    void writeStateFile(const std::string& bytes) const { world.write("data\\player.tmp", bytes); }

    SdlSession sdl;
    TempWorld world;
};
