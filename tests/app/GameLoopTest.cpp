// The game event loop driven by real SDL events: the key table, pointer
// tracking, the in-game menu and closing the window.
#include "app/AppState.h"
#include "app/GameLoop.h"
#include "characters/Player.h"
#include "game/Game.h"
#include "menu/MainMenu.h"
#include "support/Events.h"
#include "support/Pace.h"
#include "support/TestWorld.h"
#include "support/WorldFiles.h"
#include "ui/Interface.h"
#include "util/PassClock.h"

#include <gtest/gtest.h>

namespace {

// Menu buttons 0..4 in a column: x 300..499, y 100 + 60 i, 40 high.
int menuButtonY(int button) { return 120 + 60 * button; }

class GameLoopTest : public testing::Test {
protected:
    GameLoopTest() {
        MapFiles town;
        town.terrain = plainTerrain(12, 10, 'g');
        town.terrain[2][5] = 's';  // a rock above (5, 3)
        town.tileCodes = "gs";
        town.tileColours = {{0, 160, 0}, {120, 120, 120}, {0, 0, 90}};
        town.blockingCodes = "s";
        writeMap(world, "town", town);
        world.write("data/maps/start.dat", "town 5 4");
        world.write("data/maps.dat", "town\n");
        world.write("data/menu/menu.dat",
                    "300 100 200 40 b\n300 160 200 40 b\n300 220 200 40 b\n300 280 200 40 b\n300 340 200 40 b\n");
        world.copyShippedData("comic.ttf");
        app = AppState{};
        app.screen = sdl.screen;
        menu = std::make_unique<MainMenu>(&app.event, app.screen, &app.fullScreen, &app.currentGame);
        app.mainMenu = menu.get();
        startGame();
        drainEvents();
    }
    ~GameLoopTest() override {
        delete app.currentGame;
        app = AppState{};
    }

    Game& game() { return *app.currentGame; }
    Player& player() { return *game().player; }
    Interface& ui() { return *game().interface; }
    // One pass for each event pushed, plus one more.
    void passes(int n) {
        for (int i = 0; i < n; ++i) gameLoopPass();
    }

    SdlSession sdl;
    TempWorld world;
    std::unique_ptr<MainMenu> menu;
};

}  // namespace

TEST_F(GameLoopTest, ArrowKeysTurnThenWalkAndRocksStopThem) {
    ASSERT_EQ(player().x, 5);
    ASSERT_EQ(player().y, 4);
    pushKey(SDLK_RIGHT);
    passes(1);
    EXPECT_EQ(player().direction, 4);
    EXPECT_EQ(player().x, 5);
    pushKey(SDLK_RIGHT);
    passes(1);
    EXPECT_EQ(player().x, 6);
    pushKey(SDLK_LEFT);
    pushKey(SDLK_LEFT);
    pushKey(SDLK_UP);
    pushKey(SDLK_UP);
    pushKey(SDLK_UP);  // the rock at (5, 2)
    passes(5);
    EXPECT_EQ(player().x, 5);
    EXPECT_EQ(player().y, 3);
    EXPECT_EQ(player().direction, 1);
    pushKey(SDLK_DOWN);
    pushKey(SDLK_DOWN);
    passes(2);
    EXPECT_EQ(player().y, 4);
    EXPECT_EQ(app.gameQuit, 0);
}

TEST_F(GameLoopTest, APassTakesOnePeriodAndAStepTwelveWhateverTheDrawingCosts) {
    TestClock clock;
    passes(1);
    clock.sleeps.clear();
    passes(2);
    EXPECT_EQ(clock.sleeps, std::vector<uint32_t>(2, PassClock::kPeriod));
    pushKey(SDLK_RIGHT);  // turns
    passes(1);
    clock.sleeps.clear();
    pushKey(SDLK_RIGHT);  // steps: eleven pictures of the slide, then the pass's own
    passes(1);
    EXPECT_EQ(clock.sleeps, std::vector<uint32_t>(12, PassClock::kPeriod));
}

TEST_F(GameLoopTest, PanelKeysToggleTheirPanelsAndOnlyOneEventIsTakenPerPass) {
    pushKey(SDLK_q);
    pushKey(SDLK_TAB);
    pushKey(SDLK_t);
    passes(1);
    EXPECT_TRUE(ui().statsShown);
    EXPECT_FALSE(ui().inventoryShown);
    passes(2);
    EXPECT_TRUE(ui().inventoryShown);
    EXPECT_TRUE(ui().questLogShown);
    pushKey(SDLK_q);
    pushKey(SDLK_TAB);
    pushKey(SDLK_t);
    passes(3);
    EXPECT_FALSE(ui().statsShown);
    EXPECT_FALSE(ui().inventoryShown);
    EXPECT_FALSE(ui().questLogShown);
    // Keys with no binding, and number keys without a conversation, change nothing.
    for (SDLKey key : {SDLK_F11, SDLK_HOME, SDLK_PAGEUP, SDLK_1, SDLK_9}) pushKey(key);
    passes(5);
    EXPECT_EQ(player().x, 5);
    EXPECT_FALSE(ui().statsShown || ui().inventoryShown || ui().questLogShown || ui().dialogueShown);
}

TEST_F(GameLoopTest, MouseEventsMoveThePointerAndKeysDoNot) {
    pushMotion(100, 200);
    passes(1);
    EXPECT_EQ(ui().pointerX, 100);
    EXPECT_EQ(ui().pointerY, 200);
    pushKey(SDLK_q);
    passes(1);
    EXPECT_EQ(ui().pointerX, 100);
    EXPECT_EQ(ui().pointerY, 200);
    pushButton(SDL_MOUSEBUTTONDOWN, 300, 310);
    passes(1);
    EXPECT_EQ(ui().pointerX, 300);
    pushButton(SDL_MOUSEBUTTONUP, 310, 320, SDL_BUTTON_RIGHT);
    passes(1);
    EXPECT_EQ(ui().pointerY, 320);
}

TEST_F(GameLoopTest, PlusButtonClickedWithTheMouseSpendsAPoint) {
    player().attributePoints = 1;
    int strength = player().strength;
    pushKey(SDLK_q);
    pushClick(138, 402);  // the plus sign beside strength
    passes(3);
    EXPECT_EQ(player().strength, strength + 1);
    EXPECT_EQ(player().attributePoints, 0);
}

TEST_F(GameLoopTest, EscapeWritesTheWorkingFilesAndResumeKeepsTheSameGame) {
    pushKey(SDLK_RIGHT);
    pushKey(SDLK_RIGHT);
    passes(2);
    Game* before = app.currentGame;
    pushKey(SDLK_ESCAPE);
    pushKey(SDLK_ESCAPE);  // answered by the in-game menu: resume
    passes(1);
    EXPECT_EQ(app.currentGame, before);
    EXPECT_EQ(player().x, 6);
    EXPECT_EQ(world.read("data/start.tmp"), "town");
    EXPECT_TRUE(world.exists("data/player.tmp"));
    EXPECT_TRUE(world.exists("data/town.tmp"));
    EXPECT_EQ(app.gameQuit, 0);
}

TEST_F(GameLoopTest, NewGameFromTheInGameMenuStartsAfresh) {
    pushKey(SDLK_RIGHT);
    pushKey(SDLK_RIGHT);
    passes(2);
    ASSERT_EQ(player().x, 6);
    pushKey(SDLK_ESCAPE);
    pushClick(400, menuButtonY(1));
    passes(1);
    EXPECT_EQ(player().x, 5);
    EXPECT_EQ(player().direction, 2);
}

TEST_F(GameLoopTest, F12TwiceReturnsToTheWindowAndEveryoneDrawsOnTheNewScreen) {
    // Stand-ins for a screen surface SDL has since replaced.
    SDL_Surface stale{};
    game().screen = &stale;
    ui().screen = &stale;
    menu->screen = &stale;
    pushKey(SDLK_F12);
    passes(1);
    EXPECT_EQ(app.fullScreen, 1);
    EXPECT_EQ(game().screen, app.screen);
    EXPECT_EQ(ui().screen, app.screen);
    EXPECT_EQ(menu->screen, app.screen);
    drainEvents();  // what the library queued for the new mode
    pushKey(SDLK_F12);
    passes(1);
    EXPECT_EQ(app.fullScreen, 0);
    EXPECT_FALSE(app.screen->flags & SDL_FULLSCREEN);
}

TEST_F(GameLoopTest, AFinishedGameEndsTheLoop) {
    passes(1);
    EXPECT_EQ(app.gameQuit, 0);
    game().gameOver = true;
    passes(1);
    EXPECT_EQ(app.gameQuit, 1);
}

TEST_F(GameLoopTest, ClosingTheWindowOrQuittingFromTheMenuEndsTheProcessWithOne) {
    SDL_Event close{};
    close.type = SDL_QUIT;
    EXPECT_EXIT(handleGameEvent(close), testing::ExitedWithCode(1), "");

    EXPECT_EXIT(
        {
            pushKey(SDLK_ESCAPE);
            pushClick(400, menuButtonY(4));
            gameLoopPass();
        },
        testing::ExitedWithCode(1), "");
}

TEST_F(GameLoopTest, QuittingDiscardsTheWorkingFiles) {
    EXPECT_EXIT(
        {
            pushKey(SDLK_ESCAPE);
            pushQuit();  // window closed while the menu is shown
            gameLoopPass();
        },
        testing::ExitedWithCode(1), "");
    EXPECT_FALSE(world.exists("data/player.tmp"));
    EXPECT_FALSE(world.exists("data/start.tmp"));
    EXPECT_FALSE(world.exists("data/town.tmp"));
}
