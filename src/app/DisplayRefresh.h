// The display's refresh rate, where the display library can tell it.
#pragma once

// Updates a second, or 0 when unknown. Under sdl12-compat the SDL2 beneath
// it knows the desktop's mode; the classic SDL 1.2 has no way to ask.
int displayRefreshRate();
