// The arrow keys: turning before stepping, what stops a step, the sliding
// view of a step, and travel through travel fields.
#include "game/GameFixture.h"

#include "characters/NPC.h"
#include "characters/Player.h"
#include "game/HitEffect.h"
#include "support/Pace.h"
#include "util/PassClock.h"
#include "world/Map.h"

namespace {

class MovementTest : public GameTest {
protected:
    MovementTest() {
        writeCreature("wolf", kWolfRed, false);
        village = grassMap(40, 30);
        village.terrain[15][19] = 's';  // left of the player
        village.terrain[10][10] = 's';  // a landmark for the view
    }
    void start(const std::string& startLine = "village 20 15") {
        writeMap(world, "village", village);
        writeStart(startLine);
        game = startGame();
    }
    ~MovementTest() override { game.reset(); }

    Player& player() const { return *game->player; }
    Characters* at(int32_t column, int32_t row) const { return game->map->fieldAt(column, row).occupant; }

    TestClock clock;
    EveryPassShown everyPicture;
    MapFiles village;
    std::unique_ptr<Game> game;
};

TEST_F(MovementTest, APlayerFacingAnotherWayTurnsFirstThenSteps) {
    start();
    ASSERT_EQ(player().direction, 2);
    struct Press {
        bool (Game::*move)();
        int32_t direction;
        int frame;
        int32_t column, row;
    };
    const Press presses[] = {
        {&Game::moveRight, 4, 2, 20, 15}, {&Game::moveRight, 4, 2, 21, 15},
        {&Game::moveUp, 1, 1, 21, 15},    {&Game::moveUp, 1, 1, 21, 14},
        {&Game::moveLeft, 3, 3, 21, 14},  {&Game::moveLeft, 3, 3, 20, 14},
        {&Game::moveDown, 2, 0, 20, 14},  {&Game::moveDown, 2, 0, 20, 15},
    };
    for (const Press& press : presses) {
        EXPECT_TRUE((game.get()->*press.move)());
        EXPECT_EQ(player().direction, press.direction);
        EXPECT_EQ(player().spriteFrame, &frameRects[press.frame]);
        EXPECT_EQ(player().x, press.column);
        EXPECT_EQ(player().y, press.row);
        EXPECT_EQ(at(press.column, press.row), &player());
    }
    EXPECT_EQ(at(21, 15), nullptr);
    EXPECT_EQ(at(21, 14), nullptr);
    EXPECT_EQ(at(20, 14), nullptr);
}

TEST_F(MovementTest, BlockedFieldsMapEdgesAndCreaturesStopTheStep) {
    village.npcs = {"20:16|wolf", "1:0|wolf"};
    start();
    NPC* wolf = static_cast<NPC*>(at(20, 16));
    EXPECT_TRUE(game->moveDown());  // already facing it: no turn, no blow
    EXPECT_EQ(player().y, 15);
    EXPECT_EQ(player().direction, 2);
    EXPECT_EQ(wolf->HP, wolf->maxHP);
    EXPECT_FALSE(wolf->hitEffectActive);
    EXPECT_EQ(at(20, 16), wolf);

    game->moveLeft();
    EXPECT_TRUE(game->moveLeft());  // stone
    EXPECT_EQ(player().x, 20);
    EXPECT_EQ(at(20, 15), &player());
    EXPECT_EQ(at(19, 15), nullptr);

    game.reset();
    start("village 0 0");
    game->moveUp();
    EXPECT_TRUE(game->moveUp());
    game->moveLeft();
    EXPECT_TRUE(game->moveLeft());
    game->moveRight();
    EXPECT_TRUE(game->moveRight());  // the wolf at (1, 0)
    EXPECT_EQ(player().x, 0);
    EXPECT_EQ(player().y, 0);
    EXPECT_EQ(at(0, 0), &player());
}

TEST_F(MovementTest, AStepSlidesTheViewInElevenPicturesWithTheWorldGoingOn) {
    village.npcs = {"25:20|wolf"};
    start();
    NPC* wolf = static_cast<NPC*>(at(25, 20));
    game->map->moveCreature(26, 20, wolf);
    wolf->moveState = 4;
    game->moveRight();
    EXPECT_EQ(wolf->offsetX, 0) << "turning draws nothing";

    paint(sdl.screen, {255, 255, 255});
    passClock().endPass();  // the pass that took the key
    clock.sleeps.clear();
    game->moveRight();
    EXPECT_EQ(wolf->offsetX, 11) << "one world tick per picture";
    EXPECT_EQ(clock.sleeps, std::vector<uint32_t>(11, PassClock::kPeriod)) << "each picture a pass's period";
    EXPECT_TRUE(game->map->visibleCreatures.empty());
    // The last picture shows the buffer from x = 22: the landmark (10, 10),
    // drawn at buffer (125, 175) around the new field, is 3 pixels right of
    // where it rests.
    EXPECT_EQ(colourAt(sdl.screen, 103, 150), kStone);
    EXPECT_EQ(colourAt(sdl.screen, 102, 150), kGrass);
    EXPECT_EQ(colourAt(sdl.screen, 375, 260), spriteColour(kPlayerRed, 2));
    game->frame();
    EXPECT_EQ(colourAt(sdl.screen, 100, 150), kStone);
    EXPECT_EQ(colourAt(sdl.screen, 99, 150), kGrass);

    // Upward the view starts one field lower and climbs: last picture from y = 28.
    game->moveUp();
    game->moveUp();  // now at (21, 14): the landmark at buffer (125, 200)
    EXPECT_EQ(colourAt(sdl.screen, 100, 172), kStone);
    EXPECT_EQ(colourAt(sdl.screen, 100, 171), kGrass);
    EXPECT_EQ(colourAt(sdl.screen, 375, 260), spriteColour(kPlayerRed, 1));
}

TEST_F(MovementTest, TheSlideRunsThePlayersHitEffectOnItsOwnParityFlag) {
    start();
    game->moveRight();
    player().hitEffectActive = true;
    hiteffect::scrollParity[3] = 1;
    hiteffect::playerParity = 1;
    game->moveRight();
    // Frames 1, 1, 2, 2, then off: within the eleven pictures.
    EXPECT_FALSE(player().hitEffectActive);
    EXPECT_EQ(player().hitEffectFrame, 0);
    EXPECT_EQ(hiteffect::scrollParity[3], 0);
    EXPECT_EQ(hiteffect::playerParity, 1);
    EXPECT_EQ(hiteffect::scrollParity[0], 0);
}

TEST_F(MovementTest, ATravelFieldLeadsToItsMapAndTheOldMapKeepsItsState) {
    village.terrain[15][21] = '*';
    village.moves = {"21:15|forest|7:2"};
    village.npcs = {"25:15|wolf"};
    MapFiles forest = grassMap(12, 10);
    forest.terrain[2][8] = '*';
    forest.moves = {"8:2|village|20:15"};
    writeMap(world, "forest", forest);
    start();
    game->map->killCreature(25, 15);
    game->missiles.push_back(Missile{});

    game->moveRight();
    EXPECT_TRUE(game->moveRight());
    EXPECT_EQ(game->map->name, "forest");
    EXPECT_EQ(player().x, 7);
    EXPECT_EQ(player().y, 2);
    EXPECT_EQ(player().direction, 4);
    EXPECT_EQ(player().spriteFrame, &frameRects[2]);
    EXPECT_EQ(at(7, 2), &player());
    EXPECT_EQ(game->map->player, &player());
    EXPECT_EQ(player().target, nullptr);
    EXPECT_TRUE(game->missiles.empty()) << "their shooters stayed behind";
    EXPECT_EQ(world.read("data\\village.tmp"), std::string(8, '\0')) << "no items, no creatures";

    EXPECT_TRUE(game->moveRight());
    EXPECT_EQ(game->map->name, "village");
    EXPECT_EQ(player().x, 20);
    EXPECT_EQ(at(20, 15), &player());
    EXPECT_EQ(at(25, 15), nullptr) << "the dead wolf is not back";
    EXPECT_TRUE(world.exists("data\\forest.tmp"));
    EXPECT_TRUE(game->frame());
}

TEST_F(MovementTest, TravelFieldsThatLeadNowhereOrHoldACreature) {
    village.terrain[15][21] = '*';  // no destination in the map's data
    village.terrain[14][20] = '*';
    village.moves = {"20:14|forest|1:1"};
    village.npcs = {"20:14|wolf"};
    start();
    game->moveRight();
    EXPECT_TRUE(game->moveRight());
    EXPECT_EQ(game->map->name, "village");
    EXPECT_EQ(at(21, 15), &player());

    game->moveLeft();
    game->moveLeft();
    game->moveUp();
    EXPECT_TRUE(game->moveUp());  // the wolf stands on it
    EXPECT_EQ(game->map->name, "village");
    EXPECT_EQ(player().y, 15);
}

TEST_F(MovementTest, MovesReportTheEndOfTheGame) {
    start();
    game->gameOver = true;
    EXPECT_FALSE(game->moveRight());  // a turn
    EXPECT_FALSE(game->moveRight());  // a step
    EXPECT_EQ(player().x, 21);
    EXPECT_FALSE(game->moveLeft());
    EXPECT_FALSE(game->moveUp());
    EXPECT_FALSE(game->moveDown());
}

}  // namespace
