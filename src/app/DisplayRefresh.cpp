#include "app/DisplayRefresh.h"

#include <dlfcn.h>

#include <cstdint>

namespace {

// SDL2's SDL_DisplayMode, whose layout is part of its stable ABI.
struct Sdl2DisplayMode {
    uint32_t format;
    int w;
    int h;
    int refreshRate;
    void* driverData;
};

}  // namespace

int displayRefreshRate() {
    // Only an SDL2 already in the process: sdl12-compat's own.
    void* sdl2 = dlopen("libSDL2-2.0.so.0", RTLD_LAZY | RTLD_NOLOAD);
    if (!sdl2) return 0;
    int rate = 0;
    using DesktopMode = int (*)(int, Sdl2DisplayMode*);
    if (auto desktopMode = reinterpret_cast<DesktopMode>(dlsym(sdl2, "SDL_GetDesktopDisplayMode"))) {
        Sdl2DisplayMode mode{};
        if (desktopMode(0, &mode) == 0 && mode.refreshRate > 0) rate = mode.refreshRate;
    }
    dlclose(sdl2);
    return rate;
}
