// What an idle creature in view does on its tick.
#include "game/Game.h"

#include "characters/NPC.h"

// Creatures stand still until they learn to walk up to the player, strike
// and shoot.
void Game::behave(NPC&) {}
