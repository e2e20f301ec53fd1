#include "app/FullScreen.h"

#include "app/AppState.h"

SDL_Surface* toggleFullScreen(uint8_t& flag) {
    Uint32 wanted = flag == 1 ? 0 : SDL_FULLSCREEN;
    SDL_Surface* surface = SDL_SetVideoMode(800, 600, 32, wanted);
    if (surface) {
        flag = flag == 1 ? 0 : 1;
    } else {
        surface = SDL_SetVideoMode(800, 600, 32, flag == 1 ? SDL_FULLSCREEN : 0);
    }
    if (surface) app.screen = surface;
    return app.screen;
}
