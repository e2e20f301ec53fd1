#include "util/Image.h"

#include "util/FileSystem.h"

namespace {

SDL_Surface* loadKeyed(const std::string& path, Uint8 r, Uint8 g, Uint8 b) {
    SDL_Surface* loaded = fs::readImage(path);
    if (!loaded) return nullptr;
    SDL_Surface* converted = SDL_DisplayFormat(loaded);
    SDL_FreeSurface(loaded);
    if (converted)
        SDL_SetColorKey(converted, SDL_SRCCOLORKEY | SDL_RLEACCEL, SDL_MapRGB(converted->format, r, g, b));
    return converted;
}

}  // namespace

SDL_Surface* loadImage(const std::string& path) { return loadKeyed(path, 255, 0, 255); }

SDL_Surface* loadInterfaceImage(const std::string& path) { return loadKeyed(path, 255, 255, 255); }
