// The two bitmap loaders: world and menu art keys out magenta, interface art
// keys out white. Both need the video mode to be set already.
#pragma once

#include <SDL/SDL.h>

#include <memory>
#include <string>

SDL_Surface* loadImage(const std::string& path);
SDL_Surface* loadInterfaceImage(const std::string& path);

struct SurfaceDeleter {
    void operator()(SDL_Surface* s) const {
        if (s) SDL_FreeSurface(s);
    }
};
// An owned surface; frees itself.
using SurfacePtr = std::unique_ptr<SDL_Surface, SurfaceDeleter>;
