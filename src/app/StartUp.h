// Starting and stopping the process: SDL, the window, fonts, the main menu,
// and the loop between the main menu and a running game.
#pragma once

// True when SDL, the window, the font library and the main menu are ready.
bool startUp();
// Main menu until it answers quit; returns the process exit status.
int runTopLevel();
