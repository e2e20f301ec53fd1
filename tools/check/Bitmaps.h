// Bitmap sizes: each picture the game loads has a size it is drawn at.
#pragma once

#include "Report.h"

#include <SDL/SDL.h>

#include <string>

struct Wanted {
    enum Fit { kExact, kAbout, kAtLeast };
    int w = 0;
    int h = 0;
    Fit fit = kExact;
};

struct PictureFacts {
    int w = 0;
    int h = 0;
    bool whiteCorners = false;  // all four corner pixels pure white
};

// Reads the picture the way the game decodes it; false when it can't.
bool readPicture(const std::string& gamePath, PictureFacts& facts);
bool bitmapSize(const std::string& gamePath, int& w, int& h);
// "missing bitmap" or a wrong size, reported on the picture itself; false
// when it is missing. `facts`, when given, receives what was read.
bool checkBitmap(Report& report, const std::string& gamePath, Wanted wanted, PictureFacts* facts = nullptr);
// A picture keyed magenta whose corners are white was drawn for the other
// key: its background shows.
bool hasWhiteCorners(SDL_Surface* picture);
void checkMagentaKey(Report& report, const std::string& gamePath, const PictureFacts& facts);
// Only the size, of a picture already read.
void checkSize(Report& report, const std::string& gamePath, int w, int h, Wanted wanted);
