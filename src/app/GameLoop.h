// One game from its creation to its end: events, frames, the in-game menu.
#pragma once

#include <SDL/SDL.h>

// Creates a game, runs passes until it ends, destroys it.
void runGameLoop();

// The pieces of the loop, apart so that they can be driven one at a time.
// Replaces any running game with a new one.
void startGame();
// At most one event, then one frame, the flip and a short sleep.
void gameLoopPass();
// Carries out one event: keys, mouse, window close (which ends the process).
void handleGameEvent(const SDL_Event& event);
