// F12: switch between the window and full screen, in the game and the menus.
#pragma once

#include <SDL/SDL.h>

#include <cstdint>

// Flips the shared flag and sets the matching video mode. Returns the new
// screen surface, which also replaces the screen the main menu and the running
// game draw on. When the new mode can't be set the old one is restored and
// the flag stays.
SDL_Surface* toggleFullScreen(uint8_t& flag);
