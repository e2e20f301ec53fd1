// One game from its creation to its end: events, frames, the in-game menu.
#pragma once

void runGameLoop();
