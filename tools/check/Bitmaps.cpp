// The pictures every world needs: interface, menus, hit effects, missiles,
// and the font the panels write with.
#include "Bitmaps.h"

#include "Files.h"
#include "World.h"

#include "menu/MenuButton.h"
#include "util/FileSystem.h"

#include <algorithm>
#include <cstdlib>
#include <sstream>

namespace {

struct Picture {
    const char* path;
    Wanted wanted;
};

const Picture kPictures[] = {
    {"data\\GUI\\adds.bmp", {9, 19}},
    {"data\\GUI\\emptyStripes.bmp", {200, 40}},
    {"data\\GUI\\fullStripes.bmp", {198, 34, Wanted::kAbout}},
    {"data\\GUI\\field.bmp", {35, 34, Wanted::kAbout}},
    {"data\\GUI\\NPCPanel.bmp", {100, 140, Wanted::kAbout}},
    {"data\\GUI\\NPCStripesPanel.bmp", {60, 9}},
    {"data\\GUI\\mAttack.bmp", {80, 16, Wanted::kAbout}},
    {"data\\GUI\\mSearch.bmp", {80, 16, Wanted::kAbout}},
    {"data\\GUI\\mTrade.bmp", {80, 16, Wanted::kAbout}},
    {"data\\GUI\\mTalk.bmp", {80, 16, Wanted::kAbout}},
    {"data\\GUI\\mPickUp.bmp", {80, 16, Wanted::kAbout}},
    {"data\\GUI\\panelStats.bmp", {300, 210, Wanted::kAbout}},
    {"data\\GUI\\panelPSPA.bmp", {60, 35, Wanted::kAbout}},
    {"data\\GUI\\panelIventChar.bmp", {219, 160, Wanted::kAbout}},
    {"data\\GUI\\panelIventory.bmp", {385, 280, Wanted::kAbout}},
    {"data\\GUI\\arrows.bmp", {18, 21}},
    {"data\\GUI\\enemyInventory.bmp", {290, 175, Wanted::kAbout}},
    {"data\\GUI\\enemyButtons.bmp", {56, 73}},
    {"data\\GUI\\textPanel.bmp", {445, 250, Wanted::kAbout}},
    {"data\\GUI\\questPanel.bmp", {445, 250, Wanted::kAbout}},
    {"data\\menu\\menubk.bmp", {800, 600}},
    {"data\\menu\\loadsavebk.bmp", {800, 600}},
    {"data\\menu\\arrows.bmp", {18, 21}},
    {"data\\smog.bmp", {75, 25}},
    {"data\\blood.bmp", {75, 25}},
};

// "About" leaves the artist a tenth of the size, and at least 3 pixels.
bool near(int actual, int wanted) { return std::abs(actual - wanted) <= std::max(3, wanted / 10); }

std::string sizeText(int w, int h) { return str(w) + "x" + str(h); }

// One line of menu.dat or slmenu.dat: x y w h name; the picture holds
// `frames` pictures of w by h stacked.
void checkLayoutLine(Report& report, const std::string& file, int lineNumber, const std::string& line, int frames) {
    std::istringstream in(line);
    long long x = 0, y = 0, w = 0, h = 0;
    std::string name;
    MenuButton button;
    readMenuButton(line, button);
    // The game takes the line only when it reads four numbers and a name within bounds.
    const bool taken = (in >> x >> y >> w >> h >> name) && button.x == x && button.y == y && button.frames[0].w == w &&
                       button.frames[0].h == h;
    if (!taken) {
        report.add(file, lineNumber, "needs x, y, width, height and a bitmap name, such as \"290 270 220 46 save\"");
        return;
    }
    const std::string picture = "data\\menu\\" + name + ".bmp";
    if (!button.image) {
        report.add(file, lineNumber, "names bitmap " + report.shown(picture) + ", which is missing");
        return;
    }
    checkSize(report, picture, button.image->w, button.image->h,
              Wanted{static_cast<int>(w), static_cast<int>(h * frames)});
}

void checkLayout(Report& report, const std::string& file, int firstFrames, const char* lineNames) {
    std::vector<std::string> lines;
    if (!readLines(file, lines)) {
        report.add(file, 0, "missing");
        return;
    }
    if (lines.size() < 5) report.add(file, 0, str(lines.size()) + " lines, the game reads 5: " + lineNames);
    for (size_t i = 0; i < lines.size() && i < 5; ++i)
        checkLayoutLine(report, file, static_cast<int>(i) + 1, lines[i], i == 0 ? firstFrames : 3);
}

}  // namespace

bool hasWhiteCorners(SDL_Surface* picture) {
    if (!picture || picture->w < 1 || picture->h < 1 || SDL_LockSurface(picture) != 0) return false;
    const int bytes = picture->format->BytesPerPixel;
    bool white = true;
    for (int corner = 0; corner < 4 && white; ++corner) {
        const int x = corner % 2 ? picture->w - 1 : 0;
        const int y = corner / 2 ? picture->h - 1 : 0;
        const Uint8* at = static_cast<const Uint8*>(picture->pixels) + y * picture->pitch + x * bytes;
        Uint32 pixel = 0;
        for (int b = 0; b < bytes; ++b)
            pixel |= Uint32(at[b]) << (SDL_BYTEORDER == SDL_LIL_ENDIAN ? 8 * b : 8 * (bytes - 1 - b));
        Uint8 r = 0, g = 0, b = 0;
        SDL_GetRGB(pixel, picture->format, &r, &g, &b);
        white = r == 255 && g == 255 && b == 255;
    }
    SDL_UnlockSurface(picture);
    return white;
}

bool readPicture(const std::string& gamePath, PictureFacts& facts) {
    SDL_Surface* picture = fs::readImage(gamePath);
    if (!picture) return false;
    facts.w = picture->w;
    facts.h = picture->h;
    facts.whiteCorners = hasWhiteCorners(picture);
    SDL_FreeSurface(picture);
    return true;
}

bool bitmapSize(const std::string& gamePath, int& w, int& h) {
    PictureFacts facts;
    if (!readPicture(gamePath, facts)) return false;
    w = facts.w;
    h = facts.h;
    return true;
}

void checkMagentaKey(Report& report, const std::string& gamePath, const PictureFacts& facts) {
    if (facts.whiteCorners)
        report.warn(gamePath, 0,
                    "its corners are white, which the game draws: outside GUI/ the see-through colour is magenta "
                    "(255, 0, 255)");
}

void checkSize(Report& report, const std::string& gamePath, int w, int h, Wanted wanted) {
    bool fits = w == wanted.w && h == wanted.h;
    const char* how = "";
    if (wanted.fit == Wanted::kAbout) {
        fits = near(w, wanted.w) && near(h, wanted.h);
        how = "about ";
    } else if (wanted.fit == Wanted::kAtLeast) {
        fits = w >= wanted.w && h >= wanted.h;
        how = "at least ";
    }
    if (!fits) report.add(gamePath, 0, "is " + sizeText(w, h) + ", should be " + how + sizeText(wanted.w, wanted.h));
}

bool checkBitmap(Report& report, const std::string& gamePath, Wanted wanted, PictureFacts* facts) {
    report.explain(gamePath);
    PictureFacts read;
    if (!readPicture(gamePath, read)) {
        report.add(gamePath, 0, "missing bitmap");
        return false;
    }
    checkSize(report, gamePath, read.w, read.h, wanted);
    if (facts) *facts = read;
    return true;
}

void checkBitmaps(World& world) {
    for (const Picture& p : kPictures) checkBitmap(world.report, p.path, p.wanted);
    checkLayout(world.report, "data\\menu\\menu.dat", 3, "resume, new game, save, load and quit");
    checkLayout(world.report, "data\\menu\\slmenu.dat", 1, "the list box, then save, load, back and delete");
    for (const std::string& missile : filesIn("data\\missiles", ".bmp")) {
        PictureFacts facts;
        if (checkBitmap(world.report, "data\\missiles\\" + missile, Wanted{100, 25}, &facts))
            checkMagentaKey(world.report, "data\\missiles\\" + missile, facts);
    }

    world.font = fs::openFont("data\\comic.ttf", 12);
    if (!world.font) world.report.add("data\\comic.ttf", 0, "the game cannot open this font");
}
