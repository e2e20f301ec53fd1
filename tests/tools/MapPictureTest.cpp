// rpg-check --picture, the real binary without a display: the size of the
// picture against the map, and pixels where the map puts a creature, an
// item, a travel field and the grid.
#include "tools/CheckerWorld.h"

#include <gtest/gtest.h>

#include <fstream>
#include <memory>

namespace {

constexpr int kField = 25;
const char* const kNoDisplay = "env -u DISPLAY -u SDL_VIDEODRIVER";

struct Rgb {
    uint8_t r = 0, g = 0, b = 0;
    bool operator==(const Rgb& o) const { return r == o.r && g == o.g && b == o.b; }
};

std::ostream& operator<<(std::ostream& out, const Rgb& c) {
    return out << '(' << int(c.r) << ", " << int(c.g) << ", " << int(c.b) << ')';
}

struct SurfaceFree {
    void operator()(SDL_Surface* s) const { SDL_FreeSurface(s); }
};
using Picture = std::unique_ptr<SDL_Surface, SurfaceFree>;

// The bitmap in the display's 32-bit format.
Picture load(const std::string& path) {
    SDL_Surface* read = SDL_LoadBMP(path.c_str());
    if (!read) return nullptr;
    Picture converted(SDL_DisplayFormat(read));
    SDL_FreeSurface(read);
    return converted;
}

Rgb at(SDL_Surface* s, int x, int y) {
    Rgb c;
    pixelAt(s, x, y, c.r, c.g, c.b);
    return c;
}

// The top-left pixel of field (column, row): a margin of one field holds the numbers.
int px(int column) { return kField + kField * column; }

// A grey the grid has lightened by `percent`.
Rgb lightened(int grey, int percent) {
    const uint8_t v = static_cast<uint8_t>(grey + (255 - grey) * percent / 100);
    return Rgb{v, v, v};
}

}  // namespace

TEST(MapPicture, DrawsTheWholeMapAsTheGameDrawsIt) {
    SdlSession sdl;
    TempWorld world;
    writeCleanWorld(world);
    world.writeBitmap("data\\characters\\guard\\guard.bmp", 103, 81, 30, 60, 200);
    // Away from the travel field's label, which may cover what lies left of it.
    world.write("data\\maps\\town\\data.ini", townIni("5:1|cave|1:1\n", "1:2|guard\n"));

    const CheckRun run = runCheckerWith(world, "--picture town town.bmp", kNoDisplay);
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(run.lines.empty()) << ::testing::PrintToString(run.lines);
    const Picture picture = load(world.root() + "/town.bmp");
    ASSERT_TRUE(picture);
    // town is 6 by 4 fields.
    EXPECT_EQ(picture->w, kField * 7);
    EXPECT_EQ(picture->h, kField * 5);

    const Rgb tile{90, 90, 90};
    const Rgb margin{235, 235, 235};
    const struct {
        const char* what;
        int x, y;
        Rgb wanted;
    } kPixels[] = {
        {"the margin", 3, 3, margin},
        {"a field of grass", px(3) + 12, px(2) + 12, tile},
        {"the guard on 1:2, where the game draws him", px(1) + 12, px(2) + 12, Rgb{30, 60, 200}},
        {"the guard's head, 15 pixels above his field", px(1) + 12, px(2) - 10, Rgb{30, 60, 200}},
        {"the sword lying on 2:2", px(2) + 12, px(2) + 12, Rgb{200, 100, 50}},
        {"the outline of the travel field 5:1", px(5), px(1) + 12, Rgb{255, 230, 0}},
        {"the inside of the travel field", px(5) + 12, px(1) + 12, tile},
        {"the label beside it, left where the map ends", px(5) - 2, px(1) + 12, Rgb{30, 30, 30}},
        {"a line of the grid", px(1), px(0) + 12, lightened(90, 20)},
        {"every fifth line stronger", px(5), px(0) + 12, lightened(90, 45)},
    };
    for (const auto& p : kPixels) EXPECT_EQ(at(picture.get(), p.x, p.y), p.wanted) << p.what;
}

TEST(MapPicture, SaysWhyItDrawsNothing) {
    TempWorld world;
    writeCleanWorld(world);
    const CheckRun unknown = runCheckerWith(world, "--picture moor moor.bmp");
    EXPECT_EQ(unknown.status, 1);
    EXPECT_EQ(unknown.lines, std::vector<std::string>{"rpg-check: no map \"moor\": there is no folder maps/moor/"});
    EXPECT_FALSE(world.exists("moor.bmp"));

    world.write("data\\maps\\town\\map.map", "");
    const CheckRun empty = runCheckerWith(world, "--picture town town.bmp");
    EXPECT_EQ(empty.status, 1);
    EXPECT_EQ(empty.lines,
              std::vector<std::string>{"rpg-check: map \"town\" has no fields: its map.map is missing or empty"});

    const CheckRun nowhere = runCheckerWith(world, "--picture cave no/such/folder/cave.bmp");
    EXPECT_EQ(nowhere.status, 1);
    EXPECT_EQ(nowhere.lines, std::vector<std::string>{"rpg-check: cannot write no/such/folder/cave.bmp"});

    EXPECT_EQ(runCheckerWith(world, "--picture town").status, 2);
}

TEST(MapPicture, DrawsEveryShippedMapWholeFromAnotherFolder) {
    SdlSession sdl;
    TempWorld world;
    const std::string shipped = RPG_SOURCE_DIR "/data";
    std::ifstream list(shipped + "/maps.dat");
    std::string name;
    int maps = 0;
    while (std::getline(list, name)) {
        if (name.empty()) continue;
        SCOPED_TRACE(name);
        ++maps;
        std::ifstream terrain(shipped + "/maps/" + name + "/map.map");
        std::string line;
        int cols = 0, rows = 0;
        while (std::getline(terrain, line)) {
            if (rows++ == 0) cols = static_cast<int>(line.size());
        }
        const CheckRun run = runCheckerWith(world, "--picture " + name + " map.bmp '" + shipped + "'", kNoDisplay);
        ASSERT_EQ(run.status, 0) << ::testing::PrintToString(run.lines);
        const Picture picture = load(world.root() + "/map.bmp");
        ASSERT_TRUE(picture);
        EXPECT_EQ(picture->w, kField * (cols + 1));
        EXPECT_EQ(picture->h, kField * (rows + 1));
    }
    EXPECT_GE(maps, 3);
}
