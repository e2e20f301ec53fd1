// A game on an open 30 by 24 field with the player at (10, 10) facing down,
// creatures and items written by each test, the clock set by the test and
// the dice thrown from a queue the test fills.
#pragma once

#include "characters/NPC.h"
#include "characters/Player.h"
#include "game/GameFixture.h"
#include "world/Map.h"

#include <deque>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

constexpr Colour kArrowFrames[4] = {{10, 200, 10}, {20, 200, 20}, {30, 200, 30}, {40, 200, 40}};

class CombatTest : public GameTest {
protected:
    CombatTest();
    ~CombatTest() override;

    // "name=...\nstrength=..." under data\characters\<id>\; a sprite of its own.
    void writeCreature(const std::string& id, const std::string& dataIni, uint8_t red = kWolfRed) const;
    // Bow, arrows, crossbow, bolts, fire and healing runes, a sword; the
    // arrow picture has a colour per flight direction.
    void writeArmoury() const;
    // Starts the game with these "column:row|id" entries on the field map.
    void start(const std::vector<std::string>& npcs);

    // The dice give these, in order; once they run out every roll is 0.
    void rolls(std::initializer_list<int> values) { queued.assign(values); }
    // Puts a fresh item into a hand and wears it, as the inventory would.
    void hold(Characters& creature, ItemRef Characters::*hand, const std::string& id) const;

    Player& hero() const { return *game->player; }
    NPC* npcAt(int32_t column, int32_t row) const;
    // One pass of the world at the current time, then the clock moves on.
    void tick(uint32_t step = 0);

    MapFiles field = grassMap(30, 24);
    uint32_t now = 5000;
    std::deque<int> queued;
    std::unique_ptr<Game> game;
};
