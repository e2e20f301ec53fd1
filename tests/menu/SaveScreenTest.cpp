// The load/save screen driven by pushed SDL events.
#include "characters/Player.h"
#include "menu/SaveFixture.h"

namespace {
enum { kSave, kLoad, kBack, kDelete };
}  // namespace

TEST_F(SaveTest, EachModeOffersItsOwnButtonsAndASaveStaysSelected) {
    clickButton(kSave);  // nothing selected
    clickLine(0);        // "... "
    for (int button : {kDelete, kLoad, kSave, kSave, kBack}) clickButton(button);
    EXPECT_EQ(menu().runSaveScreen(true), 0);
    ASSERT_EQ(menu().saves.size(), 1u);
    EXPECT_EQ(menu().saves[0].sequence, 2) << "the second save overwrote the first";

    clickLine(0);
    clickButton(kDelete);
    clickButton(kSave);
    pushQuit();
    EXPECT_EQ(menu().runSaveScreen(false), 4);
    EXPECT_EQ(menu().saves.size() * 10 + menu().saveCounter, 12u);
    clickLine(1);
    clickButton(kDelete);
    pushKey(SDLK_ESCAPE);
    EXPECT_EQ(menu().runSaveScreen(true), 0);
    EXPECT_TRUE(menu().saves.empty());
}

// Made at column 6 and the oldest of eleven; the newer ones hold no player,
// who then starts at column 5; the running game has gone on to column 7.
TEST_F(SaveTest, ScrollingKeepsTheSelectionAndALoadReplacesTheRunningGame) {
    game = new Game(sdl.screen);
    for (int i = 0; i < 2; ++i) game->moveRight();
    game->saveWorkingState();
    ASSERT_TRUE(menu().saveGame(0));
    world.write("data/player.tmp", "");
    for (int i = 0; i < 10; ++i) ASSERT_TRUE(menu().saveGame(0));
    game->moveRight();
    ASSERT_EQ(game->player->x, 7);
    pushKey(SDLK_ESCAPE);
    EXPECT_EQ(menu().runSaveScreen(false), 0);
    EXPECT_TRUE(menu().downArrowShown && !menu().upArrowShown) << "nine of eleven lines shown";

    pushClick(400, 300);  // the menu's load
    pushClick(485, 290);  // down, twice: lines 2 to 10 shown
    pushClick(485, 290);
    clickLine(8);
    pushClick(485, 111);  // up
    clickButton(kLoad);
    pushQuit();  // only reached if the load failed
    EXPECT_EQ(menu().run(true), MainMenu::kLoaded);
    EXPECT_EQ(game->player->x, 6);
}
