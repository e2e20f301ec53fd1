// Missiles in flight, moved once per world tick after the creatures acted.
#include "game/Game.h"

// Nothing fires missiles yet: the queue stays empty until creatures and the
// player can shoot, and then this flies each one a field on and lets it hit.
void Game::moveMissiles() {}
