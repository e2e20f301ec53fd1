#include "menu/MainMenu.h"
#include "support/Events.h"
#include "support/TestWorld.h"

#include <gtest/gtest.h>

namespace {

// Buttons 0..4 in a column: x 300, y 100 + 60 i, 200 by 40 each.
const char* kMenuDat =
    "300 100 200 40 b0\n"
    "300 160 200 40 b1\n"
    "300 220 200 40 b2\n"
    "300 280 200 40 b3\n"
    "300 340 200 40 b4\n";

int centreY(int button) { return 120 + 60 * button; }

// A button bitmap whose frames are red, green and blue.
void writeButtonBitmap(const TempWorld& world, const std::string& name) {
    SDL_Surface* s = SDL_CreateRGBSurface(SDL_SWSURFACE, 200, 120, 32, 0xFF0000, 0xFF00, 0xFF, 0);
    const Uint8 colours[3][3] = {{200, 0, 0}, {0, 200, 0}, {0, 0, 200}};
    for (int i = 0; i < 3; ++i) {
        SDL_Rect band = {0, static_cast<Sint16>(40 * i), 200, 40};
        SDL_FillRect(s, &band, SDL_MapRGB(s->format, colours[i][0], colours[i][1], colours[i][2]));
    }
    SDL_SaveBMP(s, (world.root() + "/data/menu/" + name + ".bmp").c_str());
    SDL_FreeSurface(s);
}

class MainMenuTest : public testing::Test {
protected:
    void SetUp() override {
        world.write("data/menu/menu.dat", kMenuDat);
        for (int i = 0; i < 5; ++i) writeButtonBitmap(world, "b" + std::to_string(i));
        world.writeBitmap("data/menu/menubk.bmp", 800, 600, 40, 40, 40);
        menu = std::make_unique<MainMenu>(&event, sdl.screen, &fullScreen, &game);
    }

    // Colour of the middle of button i on the screen as last drawn.
    std::array<uint8_t, 3> colourOf(int button) {
        std::array<uint8_t, 3> c{};
        pixelAt(menu->screen, 400, centreY(button), c[0], c[1], c[2]);
        return c;
    }

    SdlSession sdl;
    TempWorld world;
    SDL_Event event{};
    uint8_t fullScreen = 0;
    Game* game = nullptr;
    std::unique_ptr<MainMenu> menu;
};

using Colour = std::array<uint8_t, 3>;
const Colour kNormal = {200, 0, 0}, kHover = {0, 200, 0}, kPressed = {0, 0, 200}, kBackground = {40, 40, 40};

}  // namespace

TEST_F(MainMenuTest, EscapeAndWindowCloseAnswers) {
    pushKey(SDLK_ESCAPE);
    EXPECT_EQ(menu->run(false), MainMenu::kQuit);
    pushKey(SDLK_ESCAPE);
    EXPECT_EQ(menu->run(true), MainMenu::kResume);
    pushQuit();
    EXPECT_EQ(menu->run(true), MainMenu::kQuit);
    pushKey(SDLK_a);  // other keys do nothing
    pushQuit();
    EXPECT_EQ(menu->run(false), MainMenu::kQuit);
}

TEST_F(MainMenuTest, EachButtonAnswers) {
    pushClick(400, centreY(0));
    EXPECT_EQ(menu->run(true), MainMenu::kResume);
    pushClick(400, centreY(1));
    EXPECT_EQ(menu->run(false), MainMenu::kNewGame);
    pushClick(400, centreY(4));
    EXPECT_EQ(menu->run(false), MainMenu::kQuit);
    // Save and load open the save screen; backing out of it keeps the menu running.
    pushClick(400, centreY(2));
    pushKey(SDLK_ESCAPE);
    pushClick(400, centreY(3));
    pushKey(SDLK_ESCAPE);
    pushKey(SDLK_ESCAPE);
    EXPECT_EQ(menu->run(true), MainMenu::kResume);
    // Closing the window on the save screen quits.
    pushClick(400, centreY(3));
    pushQuit();
    EXPECT_EQ(menu->run(false), MainMenu::kQuit);
}

TEST_F(MainMenuTest, ResumeAndSaveAreNeitherDrawnNorClickableInTheMainMenu) {
    pushClick(400, centreY(0));
    pushClick(400, centreY(2));
    pushKey(SDLK_ESCAPE);
    EXPECT_EQ(menu->run(false), MainMenu::kQuit);
    EXPECT_EQ(colourOf(0), kBackground);
    EXPECT_EQ(colourOf(2), kBackground);
    EXPECT_EQ(colourOf(1), kNormal);
    EXPECT_EQ(colourOf(4), kNormal);

    pushKey(SDLK_ESCAPE);
    menu->run(true);
    EXPECT_EQ(colourOf(0), kNormal);
    EXPECT_EQ(colourOf(2), kNormal);
}

TEST_F(MainMenuTest, PointerOnTheEdgeIsNotOnTheButton) {
    // Quit spans x 300..499, y 340..379; the outermost rows and columns don't count.
    for (auto [x, y] : {std::pair{300, 360}, {400, 340}, {500, 360}, {400, 380}, {499, 379}}) {
        pushClick(x, y);
        if (x == 499) {
            EXPECT_EQ(menu->run(false), MainMenu::kQuit) << x << "," << y;
        } else {
            pushKey(SDLK_ESCAPE);
            // Only the Escape ends it: in-game Escape answers 0, quit would answer 4.
            EXPECT_EQ(menu->run(true), MainMenu::kResume) << x << "," << y;
        }
    }
}

TEST_F(MainMenuTest, ReleaseDecidesAndPressOutsideIsForgotten) {
    pushButton(SDL_MOUSEBUTTONDOWN, 400, centreY(1));
    pushButton(SDL_MOUSEBUTTONUP, 400, centreY(4));
    EXPECT_EQ(menu->run(false), MainMenu::kQuit);
    EXPECT_EQ(menu->pressedButton, -1);

    pushButton(SDL_MOUSEBUTTONDOWN, 400, centreY(4));
    pushButton(SDL_MOUSEBUTTONUP, 50, 50);
    pushKey(SDLK_ESCAPE);
    EXPECT_EQ(menu->run(true), MainMenu::kResume);
    EXPECT_EQ(menu->pressedButton, -1);
    EXPECT_EQ(menu->hoveredButton, -1);

    // Right button presses don't press anything.
    pushButton(SDL_MOUSEBUTTONDOWN, 400, centreY(4), SDL_BUTTON_RIGHT);
    pushKey(SDLK_ESCAPE);
    menu->run(false);
    EXPECT_EQ(menu->pressedButton, -1);
}

TEST_F(MainMenuTest, HoverAndPressedFramesAreDrawnAndKeptBetweenRuns) {
    pushMotion(400, centreY(3));
    pushKey(SDLK_ESCAPE);
    menu->run(false);
    EXPECT_EQ(colourOf(3), kHover);
    EXPECT_EQ(colourOf(1), kNormal);

    pushButton(SDL_MOUSEBUTTONDOWN, 400, centreY(1));
    pushKey(SDLK_ESCAPE);
    menu->run(false);
    EXPECT_EQ(colourOf(1), kPressed);

    // Next run: still pressed and hovered until a release.
    pushKey(SDLK_ESCAPE);
    menu->run(false);
    EXPECT_EQ(menu->pressedButton, 1);
    EXPECT_EQ(colourOf(1), kPressed);
}

TEST_F(MainMenuTest, F12TogglesTheSharedFullScreenFlag) {
    pushKey(SDLK_F12);
    pushKey(SDLK_ESCAPE);
    menu->run(false);
    EXPECT_EQ(fullScreen, 1);
    EXPECT_TRUE(menu->screen->flags & SDL_FULLSCREEN);
    pushKey(SDLK_F12);
    pushKey(SDLK_ESCAPE);
    menu->run(false);
    EXPECT_EQ(fullScreen, 0);
    EXPECT_FALSE(menu->screen->flags & SDL_FULLSCREEN);
}

TEST_F(MainMenuTest, NewGameRemovesExactlyTheListedWorkingFiles) {
    world.write("data/maps.dat", "village\r\nforest\ncave\n");
    world.write("data/village.tmp", "v");
    world.write("data/cave.tmp", "c");
    world.write("data/player.tmp", "p");
    world.write("data/start.tmp", "village");
    world.write("data/other.tmp", "not listed");
    world.write("data/saves/1.sav", "kept");
    pushClick(400, centreY(1));
    EXPECT_EQ(menu->run(false), MainMenu::kNewGame);
    EXPECT_FALSE(world.exists("data/village.tmp"));
    EXPECT_FALSE(world.exists("data/cave.tmp"));
    EXPECT_FALSE(world.exists("data/player.tmp"));
    EXPECT_FALSE(world.exists("data/start.tmp"));
    EXPECT_TRUE(world.exists("data/other.tmp"));
    EXPECT_TRUE(world.exists("data/saves/1.sav"));
    EXPECT_TRUE(world.exists("data/maps.dat"));
}

TEST(MainMenuLayout, DamagedLayoutFilesLeaveEmptyButtonsAndMissingFontIsLogged) {
    SdlSession sdl;
    TempWorld world;
    // Button 3 sits where no screen position can be: it must not be loaded.
    world.write("data/menu/menu.dat",
                "10 10 100 30 ok\nbroken line\n20 20 x 30 b\n2147483647 2147483647 100 30 ok\n");
    world.write("data/menu/slmenu.dat", "1 2 3\n");
    world.writeBitmap("data/menu/ok.bmp", 100, 90, 1, 2, 3);
    SDL_Event event{};
    uint8_t flag = 0;
    Game* game = nullptr;
    testing::internal::CaptureStdout();
    MainMenu menu(&event, sdl.screen, &flag, &game);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Loading file: \"data\\comic.ttf\" FAILURE\n");

    EXPECT_TRUE(menu.buttons[0].image);
    EXPECT_EQ(menu.buttons[0].frames[2].y, 60);
    for (int i = 1; i < 5; ++i) {
        EXPECT_FALSE(menu.buttons[i].image) << i;
        EXPECT_EQ(menu.buttons[i].frames[0].w, 0) << i;
    }
    EXPECT_EQ(menu.listWidth, 0);
    EXPECT_FALSE(menu.listImage);
    // Clicking where broken buttons would be does nothing; Escape still works.
    pushClick(20, 20);
    pushClick(0, 0);
    pushKey(SDLK_ESCAPE);
    EXPECT_EQ(menu.run(false), MainMenu::kQuit);
}
