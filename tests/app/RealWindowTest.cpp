// The built game in a real X server, driven like a player would.
#include "characters/Player.h"
#include "support/TestWorld.h"
#include "support/XServer.h"

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <sstream>
#include <thread>

namespace {

// Polls rather than using xdotool's --sync, which gives up at the first X
// error (a window SDL replaces while it sets the video mode, say).
std::string findGameWindow(const XServer& x) {
    std::string first;
    for (int i = 0; i < 100 && first.empty(); ++i) {
        if (i > 0) std::this_thread::sleep_for(std::chrono::milliseconds(200));
        std::istringstream in(runOn(x, "xdotool search --onlyvisible --name '^RPG$'"));
        in >> first;
    }
    return first;
}

// The window's pixels as 800 x 600 RGB triples.
std::string screenshot(const XServer& x, const std::string& window) {
    return runOn(x, "xwd -silent -id " + window + " | convert xwd:- -depth 8 rgb:-");
}

struct Rgb {
    int r, g, b;
};
Rgb pixel(const std::string& shot, int px, int py) {
    size_t at = (static_cast<size_t>(py) * 800 + px) * 3;
    if (shot.size() < at + 3) return {-1, -1, -1};
    return {static_cast<unsigned char>(shot[at]), static_cast<unsigned char>(shot[at + 1]),
            static_cast<unsigned char>(shot[at + 2])};
}

// The HP bar of the bottom bar is red only once a game is on screen.
bool hpBarShown(const std::string& shot) {
    Rgb p = pixel(shot, 100, 570);
    return p.r > 150 && p.g < 100 && p.b < 100;
}

void pause(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

// The shipped world in a temporary folder, the game started on a private X
// display, and its window found.
class RealWindow : public testing::Test {
protected:
    void SetUp() override {
        world.copyShippedData();
        adjustWorld();
        ASSERT_TRUE(x.ready()) << "Xvfb did not start";
        game = std::make_unique<GameProcess>(x, world.root());
        window = findGameWindow(x);
        ASSERT_FALSE(window.empty()) << "no window titled RPG appeared on " << x.display() << "; the game said:\n"
                                     << game->output().substr(0, 300) << "\nstill running: " << (game->waitExit(0) == -1);
    }

    // Changes to the shipped world before the game starts.
    virtual void adjustWorld() {}
    void startNewGame() {
        // New game sits at (290, 326), 220 by 46, in the shipped layout.
        runOn(x, "xdotool mousemove --window " + window + " 400 349 click 1");
        std::string shot;
        for (int i = 0; i < 100 && !hpBarShown(shot); ++i) {
            pause(200);
            shot = screenshot(x, window);
        }
        ASSERT_TRUE(hpBarShown(shot)) << "the game did not start";
    }

    // Escape, and data/player.tmp once the menu is up (the working files
    // are written before it opens); empty if it never came.
    std::string stateAtTheMenu() {
        runOn(x, "xdotool key Escape");
        for (int i = 0; i < 50; ++i) {
            pause(200);
            if (!hpBarShown(screenshot(x, window)))
                return world.exists("data/player.tmp") ? world.read("data/player.tmp") : "";
        }
        return "";
    }

    // Quit in the in-game menu: the process ends with 1.
    void quitFromTheMenu() {
        runOn(x, "xdotool mousemove --window " + window + " 400 461 click 1");
        EXPECT_EQ(game->waitExit(20), 1);
    }
    // The player as the game would read it back from that state file.
    Player playerFrom(const std::string& state) {
        world.write("data/player.tmp", state);
        return Player(0, 0, "Gracz");
    }

    TempWorld world;
    XServer x;
    std::unique_ptr<GameProcess> game;
    std::string window;
};

}  // namespace

TEST_F(RealWindow, OpensTitledWindowAndQuitsOnEscape) {
    std::string geometry = runOn(x, "xwininfo -id " + window);
    EXPECT_NE(geometry.find("Width: 800"), std::string::npos) << geometry;
    EXPECT_NE(geometry.find("Height: 600"), std::string::npos) << geometry;

    runOn(x, "xdotool mousemove --window " + window + " 5 5 windowfocus --sync " + window + " key Escape");
    int status = game->waitExit(20);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(game->output(), "Loading SDL\nMain cleaning up\n");
}

TEST_F(RealWindow, NewGameShowsTheWorldAndQuitFromTheGameEndsWithOne) {
    pause(500);
    std::string menu = screenshot(x, window);
    ASSERT_EQ(menu.size(), 800u * 600u * 3u);
    EXPECT_FALSE(hpBarShown(menu));

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
        world.write("data/characters/rat/data.ini", "name=Rat\nexp=77\ncondition=0\nstrength=0\n");
        world.write("data/characters/rat/rat.bmp", world.read("data/characters/wolf/wolf.bmp"));
        world.write("data/characters/rat/dead.bmp", world.read("data/characters/wolf/dead.bmp"));
        std::string village = world.read("data/maps/village/data.ini");
        const size_t npcs = village.find("[npc]\n");
        ASSERT_NE(npcs, std::string::npos);
        village.insert(npcs + 6, "25:20|rat\n");
        world.write("data/maps/village/data.ini", village);
    }
};

// A short sword lying on the start field.
class RealWindowItems : public RealWindow {
protected:
    void adjustWorld() override {
        std::string village = world.read("data/maps/village/data.ini");
        const size_t items = village.find("[items]\n");
        ASSERT_NE(items, std::string::npos);
        village.insert(items + 8, "25:19|shortsword\n");
        world.write("data/maps/village/data.ini", village);
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
