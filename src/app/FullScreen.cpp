#include "app/FullScreen.h"

#include "app/AppState.h"
#include "game/Game.h"
#include "menu/MainMenu.h"
#include "ui/Interface.h"
#include "util/ScreenUpdates.h"
#include "world/Map.h"

namespace {

// SDL may free the old screen surface when the mode changes (it does when it
// needs a shadow surface, e.g. on a 16-bit desktop), so everything that keeps
// the screen gets the new one.
void rebindScreen(SDL_Surface* surface) {
    app.screen = surface;
    if (app.mainMenu) app.mainMenu->screen = surface;
    if (Game* game = app.currentGame) {
        game->screen = surface;
        if (game->interface) game->interface->screen = surface;
        if (game->map) game->map->screen = surface;
    }
}

}  // namespace

SDL_Surface* toggleFullScreen(uint8_t& flag) {
    Uint32 wanted = flag == 1 ? 0 : SDL_FULLSCREEN;
    SDL_Surface* surface = SDL_SetVideoMode(800, 600, 32, wanted);
    if (surface) {
        flag = flag == 1 ? 0 : 1;
    } else {
        surface = SDL_SetVideoMode(800, 600, 32, flag == 1 ? SDL_FULLSCREEN : 0);
    }
    if (surface) rebindScreen(surface);
    screenUpdates().invalidate();
    return app.screen;
}
