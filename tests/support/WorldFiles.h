// Writing small worlds into a TempWorld: map directories, strips of coloured
// frames (tiles, effects) and sprite sheets whose every frame has its own
// colour, so a test can tell from one pixel what was drawn where.
#pragma once

#include "support/TestWorld.h"

#include <SDL/SDL.h>

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

struct Colour {
    uint8_t r = 0, g = 0, b = 0;
    bool operator==(const Colour& o) const { return r == o.r && g == o.g && b == o.b; }
    bool operator!=(const Colour& o) const { return !(*this == o); }
};
std::ostream& operator<<(std::ostream& out, const Colour& c);

Colour colourAt(SDL_Surface* surface, int x, int y);
// Fills a whole surface with one colour.
void paint(SDL_Surface* surface, Colour colour);

// A horizontal strip of frames, frame i filled with colours[i].
void writeStrip(const TempWorld& world, const std::string& path, const std::vector<Colour>& colours, int frameWidth,
                int frameHeight);

// "data\characters\<id>\<id>.bmp": the eight 25 by 40 frames, magenta in the
// gutters. Frame f has the colour spriteColour(red, f).
void writeSpriteSheet(const TempWorld& world, const std::string& id, uint8_t red);
Colour spriteColour(uint8_t red, int frame);
// "data\characters\<id>\dead.bmp", 25 by 25.
void writeCorpseImage(const TempWorld& world, const std::string& id, Colour colour);
// An item directory with a 25 by 25 picture of one colour.
void writeColouredItem(const TempWorld& world, const std::string& id, Colour colour);

struct MapFiles {
    std::vector<std::string> terrain;  // map.map, one line per row
    std::string tileCodes;             // one code per tile; the outside tile comes last
    std::vector<Colour> tileColours;   // tileCodes.size() + 1 colours
    std::string blockingCodes;
    std::vector<std::string> moves;  // "4:7|forest|10:2"
    std::vector<std::string> npcs;   // "3:9|guard"
    std::vector<std::string> items;  // "3:9|sword"
    std::string scenery;             // scenery.dat, verbatim
};
void writeMap(const TempWorld& world, const std::string& name, const MapFiles& files);

// Rows of one terrain code.
std::vector<std::string> plainTerrain(int columns, int rows, char code);
