#include "Picture.h"

#include "Files.h"
#include "Report.h"

#include "characters/SpriteDrawing.h"
#include "util/FileSystem.h"
#include "world/Map.h"

#include <SDL/SDL_ttf.h>

#include <algorithm>
#include <memory>

namespace {

// Blit positions are 16-bit, and a picture should fit in memory.
constexpr int kMaxSide = 32767;
constexpr int64_t kMaxFields = 100000;
constexpr int kNumbersEvery = 5;
constexpr int kTextPoints = 11;

const SDL_Color kTravelColour{255, 230, 0, 0};
const SDL_Color kLabelBack{30, 30, 30, 0};
const SDL_Color kMarginColour{235, 235, 235, 0};
const SDL_Color kInk{40, 40, 40, 0};

struct FontCloser {
    void operator()(TTF_Font* font) const {
        if (font) TTF_CloseFont(font);
    }
};

class Canvas {
public:
    explicit Canvas(SDL_Surface* surface) : s(surface) {}

    Uint32 colour(SDL_Color c) const { return SDL_MapRGB(s->format, c.r, c.g, c.b); }

    void fill(int x, int y, int w, int h, SDL_Color c) {
        SDL_Rect area{static_cast<Sint16>(x), static_cast<Sint16>(y), static_cast<Uint16>(w), static_cast<Uint16>(h)};
        SDL_FillRect(s, &area, colour(c));
    }

    // The grid: each line between fields a little lighter, every fifth more.
    void grid(int cols, int rows) {
        if (SDL_LockSurface(s) != 0) return;
        for (int c = 1; c < cols; ++c)
            for (int y = kPictureMargin; y < s->h; ++y) lighten(kPictureMargin + kFieldSize * c, y, c);
        for (int r = 1; r < rows; ++r)
            for (int x = kPictureMargin; x < s->w; ++x)
                // Where a column line crosses, it is light enough already.
                if (x == kPictureMargin || (x - kPictureMargin) % kFieldSize != 0)
                    lighten(x, kPictureMargin + kFieldSize * r, r);
        SDL_UnlockSurface(s);
    }

    // A frame two pixels wide just inside the field.
    void outline(int x, int y, SDL_Color c) {
        fill(x, y, kFieldSize, 2, c);
        fill(x, y + kFieldSize - 2, kFieldSize, 2, c);
        fill(x, y, 2, kFieldSize, c);
        fill(x + kFieldSize - 2, y, 2, kFieldSize, c);
    }

    // Text with its top-left corner at (x, y).
    void text(TTF_Font* font, const std::string& words, SDL_Color c, int x, int y) {
        if (!font || words.empty()) return;
        SDL_Surface* rendered = TTF_RenderText_Blended(font, words.c_str(), c);
        blitAt(rendered, nullptr, s, x, y);
        if (rendered) SDL_FreeSurface(rendered);
    }

    SDL_Surface* s;

private:
    void lighten(int x, int y, int index) {
        const int percent = index % kNumbersEvery == 0 ? 45 : 20;
        Uint32* pixel = reinterpret_cast<Uint32*>(static_cast<Uint8*>(s->pixels) + y * s->pitch) + x;
        Uint8 r = 0, g = 0, b = 0;
        SDL_GetRGB(*pixel, s->format, &r, &g, &b);
        auto up = [percent](Uint8 v) { return static_cast<Uint8>(v + (255 - v) * percent / 100); };
        *pixel = SDL_MapRGB(s->format, up(r), up(g), up(b));
    }
};

int widthOf(TTF_Font* font, const std::string& words) {
    int w = 0, h = 0;
    if (!font || TTF_SizeText(font, words.c_str(), &w, &h) != 0) return 0;
    return w;
}

// Where a travel field leads, written beside it: right of it where there is
// room, else left of it.
void label(Canvas& canvas, TTF_Font* font, int x, int y, const std::string& target) {
    std::string words = target;
    std::replace(words.begin(), words.end(), '|', ' ');
    const int w = widthOf(font, words) + 4;
    const int h = font ? TTF_FontHeight(font) : 0;
    if (w <= 4 || h <= 0) return;
    int left = x + kFieldSize + 1;
    if (left + w > canvas.s->w) left = std::max(kPictureMargin, x - 1 - w);
    const int top = std::max(kPictureMargin, y + (kFieldSize - h) / 2);
    canvas.fill(left, top, w, h, kLabelBack);
    canvas.text(font, words, kTravelColour, left + 2, top);
}

void numbers(Canvas& canvas, TTF_Font* font, int cols, int rows) {
    if (!font) return;
    const int h = TTF_FontHeight(font);
    for (int c = 0; c < cols; c += kNumbersEvery) {
        const std::string n = str(c);
        canvas.text(font, n, kInk, kPictureMargin + kFieldSize * c + (kFieldSize - widthOf(font, n)) / 2,
                    (kPictureMargin - h) / 2);
    }
    for (int r = 0; r < rows; r += kNumbersEvery) {
        const std::string n = str(r);
        canvas.text(font, n, kInk, std::max(0, kPictureMargin - 2 - widthOf(font, n)),
                    kPictureMargin + kFieldSize * r + (kFieldSize - h) / 2);
    }
}

}  // namespace

SDL_Surface* drawMapPicture(const std::string& name, std::string& why) {
    if (!hasFolder("data\\maps\\", name)) {
        why = "no map " + quote(name) + ": there is no folder maps/" + name + "/";
        return nullptr;
    }
    Map map(nullptr, name, nullptr);
    map.name.clear();  // keeps no state
    if (map.cols <= 0 || map.rows <= 0) {
        why = "map " + quote(name) + " has no fields: its map.map is missing or empty";
        return nullptr;
    }
    const int64_t width = kPictureMargin + int64_t(kFieldSize) * map.cols;
    const int64_t height = kPictureMargin + int64_t(kFieldSize) * map.rows;
    if (width > kMaxSide || height > kMaxSide || int64_t(map.cols) * map.rows > kMaxFields) {
        why =
            "map " + quote(name) + " is too large for a picture: " + str(map.cols) + " by " + str(map.rows) + " fields";
        return nullptr;
    }
    SDL_Surface* picture = SDL_CreateRGBSurface(SDL_SWSURFACE, static_cast<int>(width), static_cast<int>(height), 32,
                                                0x00FF0000, 0x0000FF00, 0x000000FF, 0);
    if (!picture) {
        why = std::string("no memory for the picture: ") + SDL_GetError();
        return nullptr;
    }
    Canvas canvas(picture);
    canvas.fill(0, 0, picture->w, picture->h, kMarginColour);
    canvas.fill(kPictureMargin, kPictureMargin, picture->w - kPictureMargin, picture->h - kPictureMargin,
                SDL_Color{0, 0, 0, 0});

    // The game's own drawing of the fields, then every creature as a frame draws it.
    map.drawFields(picture, 0, 0, map.cols, map.rows, kPictureMargin, kPictureMargin);
    for (const Characters* creature : map.visibleCreatures)
        drawCreatureAt(*creature, picture, kPictureMargin + kFieldSize * creature->x,
                       kPictureMargin + kFieldSize * creature->y);
    map.visibleCreatures.clear();

    canvas.grid(map.cols, map.rows);
    // The names on top of everything: each outline first, then all labels.
    for (int32_t r = 0; r < map.rows; ++r)
        for (int32_t c = 0; c < map.cols; ++c)
            if (map.fieldAt(c, r).code == kTravelCode)
                canvas.outline(kPictureMargin + kFieldSize * c, kPictureMargin + kFieldSize * r, kTravelColour);
    std::unique_ptr<TTF_Font, FontCloser> font(fs::openFont("data\\comic.ttf", kTextPoints));
    for (int32_t r = 0; r < map.rows; ++r)
        for (int32_t c = 0; c < map.cols; ++c) {
            const Field& field = map.fieldAt(c, r);
            if (field.code == kTravelCode && !field.moveTarget.empty())
                label(canvas, font.get(), kPictureMargin + kFieldSize * c, kPictureMargin + kFieldSize * r,
                      field.moveTarget);
        }
    canvas.fill(0, 0, picture->w, kPictureMargin, kMarginColour);
    canvas.fill(0, 0, kPictureMargin, picture->h, kMarginColour);
    numbers(canvas, font.get(), map.cols, map.rows);
    return picture;
}
