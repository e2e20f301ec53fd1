// A game saved in one run of the built game and loaded in the next, through
// the shipped menus in a real X window.
#include "support/RealWindow.h"

TEST_F(RealWindow, SavedInOneRunAndLoadedInTheNextThePlayerStandsWhereItWas) {
    // The shipped layout: the menus' save (290, 270) and load (290, 382), 220
    // by 46; the list's first line below (140, 112); the screen's save and
    // load buttons at (140, 452), back at (510, 452), 150 by 42.
    auto click = [this](std::initializer_list<std::pair<int, int>> points) {
        for (auto [px, py] : points) {
            xdotool("mousemove --window " + window + " " + std::to_string(px) + " " + std::to_string(py) + " click 1");
            pause(500);
        }
    };
    startNewGame();
    xdotool("windowfocus --sync " + window + " key --delay 400 Right Right Right");
    const std::string saved = stateAtTheMenu();
    ASSERT_FALSE(saved.empty());
    click({{400, 293}, {300, 125}, {215, 473}, {585, 473}});
    EXPECT_TRUE(world.exists("data/saves/1.sav") && world.exists("data/saves/savelist.sav"));
    quitFromTheMenu();
    ASSERT_FALSE(world.exists("data/player.tmp")) << "quitting wipes the working files";

    startAgain();
    pause(500);
    click({{400, 405}, {300, 125}, {215, 473}});
    for (int i = 0; i < 50 && !hpBarShown(screenshot(x, window)); ++i) pause(200);
    const std::string loaded = stateAtTheMenu();
    ASSERT_FALSE(loaded.empty()) << "the loaded game did not start";
    quitFromTheMenu();

    SdlSession sdl;
    const Player before = playerFrom(saved);
    const Player after = playerFrom(loaded);
    EXPECT_EQ(before.x, 27) << "two steps right of the start";
    EXPECT_EQ(after.x * 1000 + after.y, before.x * 1000 + before.y);
}
