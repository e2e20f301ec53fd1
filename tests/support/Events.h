// Pushing real SDL events into the queue, as a player's hand would.
#pragma once

#include <SDL/SDL.h>

// Empties the queue of whatever the library put there itself: sdl12-compat
// queues a burst of activation events when a video mode is set, which would
// otherwise be taken before the events a test pushes.
inline void drainEvents() {
    SDL_Event e;
    while (SDL_PollEvent(&e) == 1) {
    }
}

inline void pushKey(SDLKey key) {
    SDL_Event e{};
    e.type = SDL_KEYDOWN;
    e.key.type = SDL_KEYDOWN;
    e.key.state = SDL_PRESSED;
    e.key.keysym.sym = key;
    SDL_PushEvent(&e);
}

inline void pushMotion(int x, int y) {
    SDL_Event e{};
    e.type = SDL_MOUSEMOTION;
    e.motion.type = SDL_MOUSEMOTION;
    e.motion.x = static_cast<Uint16>(x);
    e.motion.y = static_cast<Uint16>(y);
    SDL_PushEvent(&e);
}

inline void pushButton(Uint8 type, int x, int y, Uint8 button = SDL_BUTTON_LEFT) {
    SDL_Event e{};
    e.type = type;
    e.button.type = type;
    e.button.button = button;
    e.button.state = type == SDL_MOUSEBUTTONDOWN ? SDL_PRESSED : SDL_RELEASED;
    e.button.x = static_cast<Uint16>(x);
    e.button.y = static_cast<Uint16>(y);
    SDL_PushEvent(&e);
}

// A left click: press and release at the same place.
inline void pushClick(int x, int y, Uint8 button = SDL_BUTTON_LEFT) {
    pushButton(SDL_MOUSEBUTTONDOWN, x, y, button);
    pushButton(SDL_MOUSEBUTTONUP, x, y, button);
}

inline void pushQuit() {
    SDL_Event e{};
    e.type = SDL_QUIT;
    SDL_PushEvent(&e);
}
