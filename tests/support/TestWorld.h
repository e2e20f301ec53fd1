// Test scaffolding: a throw-away working directory holding a data/ folder,
// and SDL started on the dummy video driver.
#pragma once

#include <SDL/SDL.h>

#include <cstdint>
#include <string>

// Creates a fresh temporary folder with data/ inside and makes it the working
// directory; restores the old one and deletes the folder on destruction.
class TempWorld {
public:
    TempWorld();
    ~TempWorld();
    TempWorld(const TempWorld&) = delete;
    TempWorld& operator=(const TempWorld&) = delete;

    // Paths may use either separator ("data\maps\a\map.map" or "data/maps/a/map.map");
    // missing folders are created.
    void write(const std::string& path, const std::string& content) const;
    std::string read(const std::string& path) const;
    bool exists(const std::string& path) const;
    // A bitmap of one colour, w by h.
    void writeBitmap(const std::string& path, int w, int h, uint8_t r, uint8_t g, uint8_t b) const;
    // Copies the shipped data/ folder of the source tree (or one file or
    // folder below it, e.g. "comic.ttf") into this one.
    void copyShippedData(const std::string& below = "") const;

    const std::string& root() const { return dir; }

private:
    std::string dir;
    std::string previous;
};

// SDL with the dummy drivers, an 800x600x32 video mode and the font library.
class SdlSession {
public:
    SdlSession();
    ~SdlSession();
    SDL_Surface* screen = nullptr;
};

// Reads one pixel of a surface as r, g, b.
void pixelAt(SDL_Surface* surface, int x, int y, uint8_t& r, uint8_t& g, uint8_t& b);
