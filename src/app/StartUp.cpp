#include "app/StartUp.h"

#include "app/AppState.h"
#include "app/DisplayRefresh.h"
#include "app/GameLoop.h"
#include "audio/Audio.h"
#include "menu/MainMenu.h"
#include "util/Log.h"
#include "util/ScreenUpdates.h"

#include <SDL/SDL_ttf.h>

#include <iostream>

AppState app;

bool startUp() {
    logging::line("Loading SDL");
    if (SDL_Init(0xFFFF) == -1) {
        logging::line(">>SDL loading failure");
        return false;
    }
    app.screen = SDL_SetVideoMode(800, 600, 32, 0);
    if (!app.screen) {
        logging::line("Screen loading failure");
        return false;
    }
    screenUpdates().setRefreshRate(displayRefreshRate());
    if (TTF_Init() == -1) {
        logging::line("SDL_ttf loading failure");
        return false;
    }
    SDL_WM_SetCaption("RPG", nullptr);
    SDL_EnableKeyRepeat(100, 100);
    audio::open();
    // Never destroyed: it lives as long as the process.
    app.mainMenu = new MainMenu(&app.event, app.screen, &app.fullScreen, &app.currentGame);
    return true;
}

int runTopLevel() {
    for (;;) {
        int32_t answer = app.mainMenu->run(false);
        if (answer == MainMenu::kQuit) break;
        if (answer == MainMenu::kNewGame || answer == MainMenu::kLoaded) runGameLoop();
    }
    std::cout << "Main cleaning up\n";
    audio::close();
    SDL_FreeSurface(app.screen);
    TTF_Quit();
    SDL_Quit();
    return 0;
}
