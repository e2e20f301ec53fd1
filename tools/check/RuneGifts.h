// A damage rune handed to a character that holds the same rune: the map's
// kept state stores the pack but not the hands, so on the next visit the
// game takes the gift for the rune the character packed itself when its mana
// ran out, and drops it.
#pragma once

#include "World.h"

void checkRuneGifts(World& world);
