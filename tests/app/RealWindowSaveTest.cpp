// A game saved in one run of the built game and loaded in the next, through
// the shipped menus in a real X window.
#include "support/RealWindow.h"

TEST_F(RealWindow, SavedInOneRunAndLoadedInTheNextThePlayerStandsWhereItWas) {
    startNewGame();
    xdotool("windowfocus --sync " + window + " key --delay 400 Right Right Right");
    const std::string saved = stateAtTheMenu();
    ASSERT_FALSE(saved.empty());
    saveInANewSlot();
    EXPECT_TRUE(world.exists("data/saves/1.sav") && world.exists("data/saves/savelist.sav"));
    quitFromTheMenu();
    ASSERT_FALSE(world.exists("data/player.tmp")) << "quitting wipes the working files";

    startAgain();
    loadTheNewest();
    const std::string loaded = stateAtTheMenu();
    ASSERT_FALSE(loaded.empty()) << "the loaded game did not start";
    quitFromTheMenu();

    SdlSession sdl;
    const Player before = playerFrom(saved);
    const Player after = playerFrom(loaded);
    EXPECT_EQ(before.x, 27) << "two steps right of the start";
    EXPECT_EQ(after.x * 1000 + after.y, before.x * 1000 + before.y);
}
