#include "app/GameLoop.h"

#include "app/AppState.h"

// The game itself arrives with the world; until then a chosen game ends at once
// and control returns to the main menu.
void runGameLoop() { app.gameQuit = 0; }
