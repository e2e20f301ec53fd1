// The few things the whole process shares: the one event record every screen
// polls into, the screen surface, the running game, the main menu and the
// two flags. Created at start-up, alive until the process ends.
#pragma once

#include <SDL/SDL.h>

#include <cstdint>

class Game;
class MainMenu;

struct AppState {
    SDL_Event event{};
    SDL_Surface* screen = nullptr;
    Game* currentGame = nullptr;
    MainMenu* mainMenu = nullptr;
    int32_t gameQuit = 0;
    uint8_t fullScreen = 0;
};

extern AppState app;
