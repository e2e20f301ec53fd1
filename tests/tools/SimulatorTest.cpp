// The fight simulator's own figures against fights worked out by hand: a
// player with a sword beside a rat, the dice scripted throw by throw, the
// game's clock at its six milliseconds a pass and the player's keys every
// seventeen passes (102 ms, the key repeat's 100 ms rounded up to passes).
#include "sim/Fight.h"
#include "support/ItemFiles.h"
#include "support/MapFiles.h"
#include "support/TestWorld.h"

#include <gtest/gtest.h>

#include <deque>

namespace {

struct HandWorked {
    const char* what;
    const char* rat;         // its data.ini
    std::deque<int> throws;  // in the order the blows take them; 0 once they run out
    bool won;
    int32_t hpLeft;
    double seconds;
    int potions;
};

class SimulatorTest : public ::testing::Test {
protected:
    Outcome play(const HandWorked& c) {
        writeItem(world, "sword", "type=onehanded\nattack=15\n");
        writeItem(world, "hppotion", "type=mixtureHP\nHP=50\n");
        writeCharacter(world, "rat", c.rat);
        writeMap(world, "cellar", mapDataIni("", "6:5|rat\n", ""), terrain(12, 12, 'a'));
        world.write("data\\maps\\start.dat", "cellar 5 5");
        world.write("data\\maps.dat", "cellar\n");
        Scene scene{"the rat", "cellar", 5, 5, {0, 0, 11, 11}, ""};
        const Build build{"a sword", 0, {}, {"sword"}, 1};
        std::deque<int> throws = c.throws;
        return fight(sdl.screen, scene, build, [&throws] {
            if (throws.empty()) return 0;
            const int value = throws.front();
            throws.pop_front();
            return value;
        });
    }

    TempWorld world;
    SdlSession sdl;
};

TEST_F(SimulatorTest, PlaysFightsWorkedOutByHand) {
    // The player: attack 5 + 15 + 5 * 20 / 100 = 21, dexterity 5, 100 HP,
    // no defence; it turns to the rat at once, then its attack key comes
    // every 102 ms and is taken first at 1020 ms (a second after the game
    // began), then at 2040, 3060 and 4080 ms. The rat (40 HP) strikes at the
    // first pass of each second: 1002, 2004, 3006 ms.
    const HandWorked cases[] = {
        {"every throw 0: 0 + 21 - 10 = 11 a blow, never doubled; the rat's 5 - 10 hurts nothing",
         "strength=5\ndexterity=5\ncondition=2\n", {}, true, 100, 4.080, 0},
        {"a miss, a critical, a potion",
         // Dexterity 10: the rat always hits, the player only on 10 or less.
         "strength=35\ndexterity=10\ncondition=2\n",
         {0, 6, 50,   // 1002: the rat hits, 6 + 35 - 10 = 31, doubled: 38 HP left
          50,         // 1020 the player drinks (38 is below 40%): 88; 1122 it misses
          0, 9, 0,    // 2004: 9 + 25 = 34, not doubled: 54 left
          3, 19, 99}, // 2142: hit, 19 + 21 - 10 = 30, doubled: 60, the rat dies
         true, 54, 2.142, 1},
        {"a rat that kills",
         "strength=60\ndexterity=10\ncondition=20\n",
         {0, 19, 99,  // 1002: 19 + 50 = 69, doubled: dead
          }, false, 0, 1.002, 0},
    };
    for (const HandWorked& c : cases) {
        SCOPED_TRACE(c.what);
        const Outcome outcome = play(c);
        EXPECT_EQ(outcome.won, c.won);
        EXPECT_EQ(outcome.died, !c.won);
        EXPECT_EQ(outcome.hpLeft, c.hpLeft);
        EXPECT_NEAR(outcome.seconds, c.seconds, 1e-9);
        EXPECT_EQ(outcome.potions, c.potions);
    }
}

}  // namespace
