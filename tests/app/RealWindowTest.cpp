// The built game in a real X server, driven like a player would.
#include "support/RealWindow.h"

namespace {

size_t differingPixels(const std::string& a, const std::string& b) {
    size_t n = 0;
    for (size_t i = 0; i + 2 < a.size() && i + 2 < b.size(); i += 3)
        if (a.compare(i, 3, b, i, 3) != 0) ++n;
    return n;
}

// The colour key of the world's bitmaps, which must never reach the screen.
size_t magentaPixels(const std::string& shot) {
    size_t n = 0;
    for (size_t i = 0; i + 2 < shot.size(); i += 3)
        if (shot.compare(i, 3, "\xff\x00\xff", 3) == 0) ++n;
    return n;
}

}  // namespace

TEST_F(RealWindow, OpensTitledWindowAndQuitsOnEscape) {
    std::string geometry = runOn(x, "xwininfo -id " + window);
    EXPECT_NE(geometry.find("Width: 800"), std::string::npos) << geometry;
    EXPECT_NE(geometry.find("Height: 600"), std::string::npos) << geometry;

    runOn(x, "xdotool mousemove --window " + window + " 5 5 windowfocus --sync " + window + " key Escape");
    int status = game->waitExit(20);
    EXPECT_EQ(status, 0) << game->errors();
    EXPECT_EQ(game->output(), "Loading SDL\nMain cleaning up\n");
}


// What the window system asks of the game, the same under either SDL library.
TEST_F(RealWindow, FullScreenTwiceGivesTheWindowBackAndTheCloseButtonQuits) {
    pause(500);
    std::string before = screenshot(x, window);
    xdotool("mousemove --window " + window + " 5 5 windowfocus --sync " + window + " key --delay 1000 F12 F12");
    pause(1000);
    findWindow();  // a mode change may give the game another X window
    std::string geometry = runOn(x, "xwininfo -id " + window);
    EXPECT_NE(geometry.find("Width: 800"), std::string::npos) << geometry;
    EXPECT_NE(geometry.find("Height: 600"), std::string::npos) << geometry;
    EXPECT_LT(differingPixels(screenshot(x, window), before), 800u * 600u / 100u);

    // At the title: the menu's quit, status 0.
    closeWindow(x, window);
    EXPECT_EQ(game->waitExit(20), 0) << game->errors();
    EXPECT_EQ(game->output(), "Loading SDL\nMain cleaning up\n");

    // In a game: the process ends at once with 1 and the working files go.
    startAgain();
    startNewGame();
    closeWindow(x, window);
    EXPECT_EQ(game->waitExit(20), 1) << game->errors();
    EXPECT_EQ(game->output(), "Loading SDL\n");
    EXPECT_FALSE(world.exists("data/player.tmp"));
}

TEST_F(RealWindow, NewGameShowsTheWorldAndQuitFromTheGameEndsWithOne) {
    pause(500);
    std::string menu = screenshot(x, window);
    ASSERT_EQ(menu.size(), 800u * 600u * 3u);
    EXPECT_FALSE(hpBarShown(menu));
    EXPECT_EQ(magentaPixels(menu), 0u);

    startNewGame();
    runOn(x, "xdotool windowfocus --sync " + window + " key --delay 400 Right Right Down Left");
    pause(1000);
    std::string shot = screenshot(x, window);
    ASSERT_EQ(shot.size(), menu.size());

    // The world, not the menu and not a blank screen: most pixels changed and
    // the picture has many colours.
    size_t changed = 0;
    std::vector<bool> seen(1 << 15);
    size_t colours = 0;
    for (size_t i = 0; i + 2 < shot.size(); i += 3) {
        if (shot.compare(i, 3, menu, i, 3) != 0) ++changed;
        int key = ((static_cast<unsigned char>(shot[i]) >> 3) << 10) |
                  ((static_cast<unsigned char>(shot[i + 1]) >> 3) << 5) | (static_cast<unsigned char>(shot[i + 2]) >> 3);
        if (!seen[key]) {
            seen[key] = true;
            ++colours;
        }
    }
    EXPECT_GT(changed, shot.size() / 3 / 2);
    EXPECT_GT(colours, 100u);
    EXPECT_TRUE(hpBarShown(shot));
    EXPECT_EQ(magentaPixels(shot), 0u);

    // Escape opens the in-game menu; Quit there ends the process with 1.
    runOn(x, "xdotool key Escape");
    pause(1000);
    runOn(x, "xdotool mousemove --window " + window + " 400 461 click 1");
    EXPECT_EQ(game->waitExit(20), 1);
    EXPECT_EQ(game->output(), "Loading SDL\n");
    EXPECT_FALSE(world.exists("data/player.tmp"));
}

namespace {

// A weak hostile creature right below the start, where the new player looks.
class RealWindowFight : public RealWindow {
protected:
    void adjustWorld() override {
        addCreature("rat", "name=Rat\nexp=77\ncondition=0\nstrength=0\n", "25:20");
    }
};

// A short sword lying on the start field.
class RealWindowItems : public RealWindow {
protected:
    void adjustWorld() override {
        addToMap("village", "[items]", "25:19|shortsword");
    }
};

}  // namespace

TEST_F(RealWindowItems, PickedUpAndDraggedIntoTheLeftHand) {
    startNewGame();
    // Pick it up, open the pack, drag the first cell onto the left hand.
    runOn(x, "xdotool windowfocus --sync " + window + " key --delay 300 p Tab");
    pause(500);
    runOn(x, "xdotool mousemove --window " + window + " 258 30 mousedown 1 sleep 0.3 mousemove --window " + window +
                 " 180 90 sleep 0.3 mousemove --window " + window + " 100 138 sleep 0.3 mouseup 1");
    pause(500);
    const std::string state = stateAtTheMenu();
    ASSERT_FALSE(state.empty());
    quitFromTheMenu();

    SdlSession sdl;
    const Player player = playerFrom(state);
    ASSERT_TRUE(player.leftHand);
    EXPECT_EQ(player.leftHand->id, "shortsword");
    EXPECT_TRUE(player.inventory.empty());
    EXPECT_EQ(player.attack, 5 + 7) << "its attack counts";
}

TEST_F(RealWindowFight, TheAttackKeyKillsTheCreatureInFrontAndPaysItsExperience) {
    startNewGame();
    // A blow a second at most; a blow of this fresh player kills the rat
    // seven times in ten.
    runOn(x, "xdotool windowfocus --sync " + window + " key --delay 1100 a a a a a a a a");
    const std::string state = stateAtTheMenu();
    ASSERT_FALSE(state.empty());
    quitFromTheMenu();

    SdlSession sdl;
    const Player player = playerFrom(state);
    EXPECT_EQ(player.exp, 77);
    EXPECT_GT(player.HP, 0);
}

namespace {

// The new player starts right of Tomas, the villager by the well.
class RealWindowTalk : public RealWindow {
protected:
    void adjustWorld() override { world.write("data/maps/start.dat", "village 22 18"); }
};

}  // namespace

TEST_F(RealWindowTalk, TomasGivesTheWolfQuestThroughTheNumberKeys) {
    startNewGame();
    // Face him, talk, "You look worried." (third), "I will hunt them for you." (first).
    xdotool("windowfocus --sync " + window + " key --delay 400 Left r 3 1");
    pause(500);
    const std::string state = stateAtTheMenu();
    ASSERT_FALSE(state.empty());
    quitFromTheMenu();

    SdlSession sdl;
    const Player player = playerFrom(state);
    ASSERT_EQ(player.quests.size(), 1u);
    EXPECT_EQ(player.quests[0].id, 0);
    EXPECT_EQ(player.quests[0].name, "Wolf pelts for Tomas");
    EXPECT_EQ(player.quests[0].stage, 0);
}
