// The music follows the player: each map's own while on it, changed on
// travel, the title screen's at the title; the in-game menu leaves it be.
#include "game/GameFixture.h"

#include "app/AppState.h"
#include "app/GameLoop.h"
#include "characters/Player.h"
#include "menu/MainMenu.h"
#include "support/Events.h"
#include "support/Pace.h"
#include "support/RecordingSpeaker.h"
#include "world/Map.h"

namespace {

class MoodTest : public GameTest {
protected:
    MoodTest() {
        MapFiles village = grassMap(30, 20);
        village.terrain[10][11] = '*';
        village.moves = {"11:10|forest|5:5"};
        writeMap(world, "village", village);
        MapFiles forest = grassMap(12, 12);
        forest.terrain[5][6] = '*';
        forest.moves = {"6:5|village|10:10"};
        writeMap(world, "forest", forest);
        writeStart("village 10 10");
        world.write("data\\maps.dat", "village\nforest\n");
    }

    RecordingSpeaker speaker;
    TestClock clock;
};

TEST_F(MoodTest, EachMapHasItsOwnAndTravelChangesIt) {
    auto game = startGame();
    game->moveRight();  // turns
    game->moveRight();  // into the forest
    EXPECT_EQ(game->map->name, "forest");
    game->moveRight();  // and back
    EXPECT_EQ(game->map->name, "village");
    game->moveDown();
    game->moveDown();
    const std::vector<std::string> expected = {"data\\maps\\village\\music.ogg", "data\\maps\\forest\\music.ogg",
                                               "data\\maps\\village\\music.ogg"};
    EXPECT_EQ(speaker.moods, expected) << "a step on the same map asks for nothing";
}

TEST_F(MoodTest, TheTitleHasItsOwnAndTheInGameMenuKeepsTheMapsOn) {
    world.copyShippedData("menu");
    MainMenu menu(&app.event, sdl.screen, &app.fullScreen, &app.currentGame);
    app.mainMenu = &menu;
    app.screen = sdl.screen;

    pushKey(SDLK_ESCAPE);
    EXPECT_EQ(menu.run(false), MainMenu::kQuit);
    ::startGame();  // the loop's own start: a game in app.currentGame
    pushKey(SDLK_ESCAPE);  // the in-game menu
    pushKey(SDLK_ESCAPE);  // resumes
    gameLoopPass();
    const std::vector<std::string> expected = {kTitleMusic, "data\\maps\\village\\music.ogg"};
    EXPECT_EQ(speaker.moods, expected) << "the in-game menu is a pause";

    app.mainMenu = nullptr;
    delete app.currentGame;
    app.currentGame = nullptr;
}

TEST_F(MoodTest, MTogglesMuteInTheGameAndInTheMenusAndNothingElse) {
    world.copyShippedData("menu");
    MainMenu menu(&app.event, sdl.screen, &app.fullScreen, &app.currentGame);
    app.mainMenu = &menu;
    app.screen = sdl.screen;
    ::startGame();
    const int32_t x = app.currentGame->player->x;

    pushKey(SDLK_m);
    gameLoopPass();
    EXPECT_TRUE(speaker.silent);
    EXPECT_EQ(app.currentGame->player->x, x);
    pushKey(SDLK_m);
    pushKey(SDLK_ESCAPE);
    EXPECT_EQ(menu.run(false), MainMenu::kQuit);
    EXPECT_FALSE(speaker.silent) << "m in the title screen";

    app.mainMenu = nullptr;
    delete app.currentGame;
    app.currentGame = nullptr;
}

}  // namespace
