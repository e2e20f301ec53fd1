// Bitmap sizes: each picture the game loads has a size it is drawn at.
#pragma once

#include "Report.h"

#include <string>

struct Wanted {
    enum Fit { kExact, kAbout, kAtLeast };
    int w = 0;
    int h = 0;
    Fit fit = kExact;
};

// Reads the picture the way the game decodes it; false when it can't.
bool bitmapSize(const std::string& gamePath, int& w, int& h);
// "missing bitmap" or a wrong size, reported on the picture itself; false
// when it is missing.
bool checkBitmap(Report& report, const std::string& gamePath, Wanted wanted);
// Only the size, of a picture already read.
void checkSize(Report& report, const std::string& gamePath, int w, int h, Wanted wanted);
