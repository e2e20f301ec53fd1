// Building a game from start.dat or from the working files, writing them,
// and wiping them at the end.
#include "game/GameFixture.h"

#include "characters/NPC.h"
#include "characters/Player.h"
#include "ui/Interface.h"

#include <tuple>
#include "world/Map.h"

namespace {

const std::string kStartFailure = "Loading file: \"data\\maps\\start.dat\" FAILURE";

class GameLifecycleTest : public GameTest {
protected:
    GameLifecycleTest() {
        writeMap(world, "village", grassMap(20, 15));
        writeMap(world, "forest", grassMap(12, 10));
    }
};

TEST_F(GameLifecycleTest, NewGameStartsOnTheStartMapAtTheStartPosition) {
    for (const char* line : {"village 3 4", "village 3,4\nforest 1 1"}) {
        writeStart(line);
        auto game = startGame();
        EXPECT_EQ(game->map->name, "village") << line;
        EXPECT_EQ(game->player->x, 3) << line;
        EXPECT_EQ(game->player->y, 4) << line;
        EXPECT_EQ(game->map->fieldAt(3, 4).occupant, game->player.get());
        EXPECT_EQ(game->map->player, game->player.get());
        EXPECT_EQ(game->interface->player, game->player.get());
        EXPECT_FALSE(game->gameOver);
        EXPECT_TRUE(game->wipeWorkingFiles);
        EXPECT_TRUE(game->missiles.empty());
    }
}

TEST_F(GameLifecycleTest, BuffersImagesAndFramesAreSetUp) {
    writeStart("village 3 4");
    writeStrip(world, "data\\smog.bmp", {{1, 1, 1}, {2, 2, 2}, {3, 3, 3}}, 25, 25);
    writeStrip(world, "data\\blood.bmp", {{9, 1, 1}, {9, 2, 2}, {9, 3, 3}}, 25, 25);
    auto game = startGame();

    SDL_Surface* buffer = game->worldBuffer.get();
    ASSERT_NE(buffer, nullptr);
    EXPECT_EQ(buffer->w, 850);
    EXPECT_EQ(buffer->h, 650);
    const SDL_PixelFormat* screenFormat = sdl.screen->format;
    EXPECT_EQ(buffer->format->BitsPerPixel, screenFormat->BitsPerPixel);
    EXPECT_EQ(buffer->format->Rmask, screenFormat->Rmask);
    EXPECT_EQ(buffer->format->Gmask, screenFormat->Gmask);
    EXPECT_EQ(buffer->format->Bmask, screenFormat->Bmask);
    EXPECT_EQ(game->screen, sdl.screen);

    ASSERT_NE(game->effectImages[0], nullptr);
    ASSERT_NE(game->effectImages[1], nullptr);
    EXPECT_EQ(colourAt(game->effectImages[0].get(), 30, 5), (Colour{2, 2, 2}));
    EXPECT_EQ(colourAt(game->effectImages[1].get(), 60, 5), (Colour{9, 3, 3}));
    auto strip = [](const SDL_Rect& r) { return std::make_tuple(r.x, r.y, r.w, r.h); };
    for (int i = 0; i < 4; ++i) {
        const auto expected = std::make_tuple(Sint16(25 * i), Sint16(0), Uint16(25), Uint16(25));
        if (i < 3) {
            EXPECT_EQ(strip(game->effectFrames[i]), expected);
        }
        EXPECT_EQ(strip(game->missileFrames[i]), expected);
    }
}

TEST_F(GameLifecycleTest, ContinuedGameFollowsStartTmpPlayerTmpAndTheKeptMap) {
    writeStart("village 3 4");
    // The forest as left on an earlier visit: the wolf moved from (2, 2) to (5, 5).
    writeCreature("wolf", kWolfRed);
    MapFiles forest = grassMap(12, 10);
    forest.npcs = {"2:2|wolf"};
    writeMap(world, "forest", forest);
    {
        Map kept(sdl.screen, "forest", nullptr);
        Characters* wolf = kept.fieldAt(2, 2).occupant;
        ASSERT_NE(wolf, nullptr);
        kept.moveCreature(5, 5, wolf);
    }
    { Player earlier(7, 2, "Gracz"); }  // leaves player.tmp
    world.write("data\\start.tmp", "forest");

    auto game = startGame();
    EXPECT_EQ(game->map->name, "forest");
    EXPECT_EQ(game->player->x, 7);
    EXPECT_EQ(game->player->y, 2);
    EXPECT_EQ(game->map->fieldAt(7, 2).occupant, game->player.get());
    EXPECT_EQ(game->map->fieldAt(2, 2).occupant, nullptr);
    ASSERT_NE(game->map->fieldAt(5, 5).occupant, nullptr);
    EXPECT_EQ(static_cast<NPC*>(game->map->fieldAt(5, 5).occupant)->id, "wolf");
}

TEST_F(GameLifecycleTest, SaveWorkingStateWritesAllThreeKinds) {
    writeStart("village 3 4");
    writeCreature("wolf", kWolfRed);
    MapFiles village = grassMap(20, 15);
    village.npcs = {"9:9|wolf"};
    writeMap(world, "village", village);
    world.write("data\\start.tmp", "village");  // a longer, older name must not linger

    auto game = startGame();
    game->player->exp = 123;
    game->map->moveCreature(10, 9, game->map->fieldAt(9, 9).occupant);
    game->saveWorkingState();

    EXPECT_EQ(world.read("data\\start.tmp"), "village");
    ASSERT_TRUE(world.exists("data\\player.tmp"));
    ASSERT_TRUE(world.exists("data\\village.tmp"));
    game->wipeWorkingFiles = false;
    game.reset();

    // What was written is what a continued game finds.
    auto again = startGame();
    EXPECT_EQ(again->player->exp, 123);
    EXPECT_NE(again->map->fieldAt(10, 9).occupant, nullptr);
    EXPECT_EQ(again->map->fieldAt(9, 9).occupant, nullptr);
}

TEST_F(GameLifecycleTest, DestructionWipesTheListedWorkingFilesUnlessTold) {
    writeStart("village 3 4");
    world.write("data\\maps.dat", "village\nforest\n");
    for (bool wipe : {true, false}) {
        world.write("data\\forest.tmp", "kept");
        world.write("data\\unlisted.tmp", "kept");
        auto game = startGame();
        game->saveWorkingState();
        game->wipeWorkingFiles = wipe;
        game.reset();
        EXPECT_EQ(world.exists("data\\player.tmp"), !wipe);
        EXPECT_EQ(world.exists("data\\start.tmp"), !wipe);
        EXPECT_EQ(world.exists("data\\village.tmp"), !wipe);
        EXPECT_EQ(world.exists("data\\forest.tmp"), !wipe);
        EXPECT_TRUE(world.exists("data\\unlisted.tmp"));
        EXPECT_TRUE(world.exists("data\\maps\\village\\map.map"));
    }
}

TEST_F(GameLifecycleTest, WithoutMapsDatOnlyThePlayerAndStartFilesGo) {
    writeStart("village 3 4");
    auto game = startGame();
    game->saveWorkingState();
    game.reset();
    EXPECT_FALSE(world.exists("data\\player.tmp"));
    EXPECT_FALSE(world.exists("data\\start.tmp"));
    EXPECT_TRUE(world.exists("data\\village.tmp"));
}

TEST_F(GameLifecycleTest, NoUsableStartDatIsReportedAndTheGameStillRuns) {
    for (const char* content : {static_cast<const char*>(nullptr), "village", ""}) {
        if (content) writeStart(content);
        testing::internal::CaptureStdout();
        auto game = startGame();
        const std::string out = testing::internal::GetCapturedStdout();
        EXPECT_NE(out.find(kStartFailure + "\n"), std::string::npos) << out;
        EXPECT_EQ(out.find(kStartFailure), out.rfind(kStartFailure)) << "reported once";
        EXPECT_EQ(game->map->name, "");
        EXPECT_EQ(game->map->rows, 0);
        EXPECT_EQ(game->player->x, 0);
        EXPECT_EQ(game->player->y, 0);

        EXPECT_TRUE(game->frame());
        EXPECT_TRUE(game->moveRight());
        EXPECT_TRUE(game->moveRight());
        EXPECT_EQ(game->player->x, 0);
        game->saveWorkingState();
        EXPECT_EQ(world.read("data\\start.tmp"), "");
        game.reset();
        EXPECT_FALSE(world.exists("data\\.tmp")) << "a map without a name keeps no file";
    }
}

TEST_F(GameLifecycleTest, StartTmpStillLeadsWhenStartDatIsMissing) {
    world.write("data\\start.tmp", "forest");
    testing::internal::CaptureStdout();
    auto game = startGame();
    const std::string out = testing::internal::GetCapturedStdout();
    EXPECT_NE(out.find(kStartFailure), std::string::npos);
    EXPECT_EQ(game->map->name, "forest");
    EXPECT_EQ(game->map->fieldAt(0, 0).occupant, game->player.get());
}

TEST_F(GameLifecycleTest, AnEmptyStartTmpKeepsTheStartMap) {
    writeStart("village 3 4");
    world.write("data\\start.tmp", "");
    auto game = startGame();
    EXPECT_EQ(game->map->name, "village");
}

}  // namespace
