// The built game in a real X server, driven like a player would.
#include "support/TestWorld.h"
#include "support/XServer.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

std::string findGameWindow(const XServer& x) {
    std::string id = runOn(x, "timeout 20 xdotool search --sync --onlyvisible --name '^RPG$'");
    std::istringstream in(id);
    std::string first;
    in >> first;
    return first;
}

}  // namespace

TEST(RealWindow, OpensTitledWindowAndQuitsOnEscape) {
    TempWorld world;
    world.copyShippedData();
    XServer x;
    ASSERT_TRUE(x.ready()) << "Xvfb did not start";

    GameProcess game(x, world.root());
    std::string window = findGameWindow(x);
    ASSERT_FALSE(window.empty()) << "no window titled RPG appeared";

    std::string geometry = runOn(x, "xwininfo -id " + window);
    EXPECT_NE(geometry.find("Width: 800"), std::string::npos) << geometry;
    EXPECT_NE(geometry.find("Height: 600"), std::string::npos) << geometry;

    runOn(x, "xdotool mousemove --window " + window + " 5 5 windowfocus --sync " + window + " key Escape");
    int status = game.waitExit(20);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(game.output(), "Loading SDL\nMain cleaning up\n");
}
