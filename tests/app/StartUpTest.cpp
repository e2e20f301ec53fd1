#include "app/AppState.h"
#include "app/StartUp.h"
#include "menu/MainMenu.h"
#include "support/Events.h"
#include "support/TestWorld.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <sys/wait.h>

TEST(StartUp, OpensTheWindowThenLoopsOverMenuAnswersUntilQuit) {
    TempWorld world;
    world.write("data/menu/menu.dat",
                "300 100 200 40 b\n300 160 200 40 b\n300 220 200 40 b\n300 280 200 40 b\n300 340 200 40 b\n");
    world.copyShippedData("comic.ttf");
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);

    testing::internal::CaptureStdout();
    ASSERT_TRUE(startUp());
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Loading SDL\n");
    char* title = nullptr;
    SDL_WM_GetCaption(&title, nullptr);
    ASSERT_NE(title, nullptr);
    EXPECT_STREQ(title, "RPG");
    ASSERT_NE(app.screen, nullptr);
    EXPECT_EQ(app.screen->w, 800);
    EXPECT_EQ(app.screen->h, 600);
    EXPECT_EQ(app.screen->format->BitsPerPixel, 32);
    ASSERT_NE(app.mainMenu, nullptr);

    // Buttons the main menu doesn't show answer nothing; Escape quits.
    pushClick(400, 120);  // resume
    pushClick(400, 240);  // save
    pushKey(SDLK_ESCAPE);
    testing::internal::CaptureStdout();
    EXPECT_EQ(runTopLevel(), 0);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Main cleaning up\n");
}

TEST(StartUp, NewGameStartsAGameWhoseWindowCloseEndsTheProcess) {
    TempWorld world;
    world.write("data/menu/menu.dat",
                "300 100 200 40 b\n300 160 200 40 b\n300 220 200 40 b\n300 280 200 40 b\n300 340 200 40 b\n");
    world.write("data/maps.dat", "town\n");
    world.write("data/town.tmp", "old game");
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    EXPECT_EXIT(
        {
            if (!startUp()) std::exit(3);
            pushClick(400, 180);  // new game: the old working files go
            pushQuit();           // closed while the game runs
            runTopLevel();
            std::exit(0);
        },
        testing::ExitedWithCode(1), "");
    EXPECT_FALSE(world.exists("data/town.tmp"));
}

TEST(StartUp, BinaryReportsSdlFailureAndExitsWithOne) {
    TempWorld world;
    std::string command = "cd '" + world.root() + "' && SDL_VIDEODRIVER=no-such-driver " RPG_BINARY " 2>/dev/null";
    FILE* pipe = popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::string out;
    char buffer[256];
    size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) out.append(buffer, n);
    int status = pclose(pipe);
    EXPECT_EQ(out, "Loading SDL\n>>SDL loading failure\n");
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 1);
}
