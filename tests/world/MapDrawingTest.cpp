// The view around the player: which tile, item, scenery and corpse lands on
// which cell of the world buffer, the creatures collected, and the target.
#include "characters/Player.h"
#include "support/TestWorld.h"
#include "support/WorldFiles.h"
#include "world/Map.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

constexpr Colour kGrass{0, 160, 0};
constexpr Colour kStone{120, 120, 120};
constexpr Colour kPath{200, 180, 40};
constexpr Colour kOutside{0, 0, 90};
constexpr Colour kUntouched{250, 250, 10};

class MapDrawingTest : public ::testing::Test {
protected:
    MapDrawingTest() {
        const SDL_PixelFormat* f = sdl.screen->format;
        buffer = SDL_CreateRGBSurface(SDL_SWSURFACE, 850, 650, f->BitsPerPixel, f->Rmask, f->Gmask, f->Bmask, f->Amask);
        paint(buffer, kUntouched);
    }
    ~MapDrawingTest() override { SDL_FreeSurface(buffer); }

    static MapFiles grass(int columns, int rows) {
        MapFiles files;
        files.terrain = plainTerrain(columns, rows, 'g');
        files.tileCodes = "gs*";
        files.tileColours = {kGrass, kStone, kPath, kOutside};
        return files;
    }
    // The player at (column, row) on the map "m" made of these files.
    std::unique_ptr<Map> load(const MapFiles& files, int32_t column, int32_t row) {
        writeMap(world, "m", files);
        player = std::make_unique<Player>(column, row, "Gracz");
        return std::make_unique<Map>(sdl.screen, "m", player.get());
    }
    // Middle of view cell (j, i).
    Colour cell(int j, int i) const { return colourAt(buffer, 25 * j + 12, 25 * i + 12); }

    SdlSession sdl;
    TempWorld world;
    SDL_Surface* buffer = nullptr;
    std::unique_ptr<Player> player;
};

TEST_F(MapDrawingTest, TerrainAroundThePlayerAndTheOutsideTileBeyondTheEdge) {
    MapFiles files = grass(5, 4);
    files.terrain = {"gs*gx", "ggggg", "ggggg", "gsggg"};
    auto map = load(files, 0, 0);
    map->draw(buffer);

    EXPECT_EQ(colourAt(buffer, 400, 300), kGrass) << "the player's field";
    EXPECT_EQ(colourAt(buffer, 424, 324), kGrass);
    EXPECT_EQ(cell(17, 12), kStone);
    EXPECT_EQ(cell(18, 12), kPath);
    EXPECT_EQ(cell(20, 12), kUntouched) << "a code without a tile gets no terrain";
    EXPECT_EQ(cell(17, 15), kStone);
    EXPECT_EQ(cell(15, 12), kOutside);
    EXPECT_EQ(cell(16, 11), kOutside);
    EXPECT_EQ(cell(0, 0), kOutside);
    EXPECT_EQ(cell(21, 12), kOutside);
    EXPECT_EQ(cell(16, 16), kOutside);
    EXPECT_EQ(cell(33, 25), kOutside);
}

TEST_F(MapDrawingTest, OnlyTilesBeforeTheOutsideTileWithACodeMatchFields) {
    // Four tiles, three codes: the last code belongs to the outside tile and
    // never paints a field.
    MapFiles files = grass(3, 1);
    files.terrain = {"gs*"};
    auto map = load(files, 0, 0);
    map->tileCount = 3;  // tiles g, s, and the path tile now the outside one
    map->tileRects.resize(3);
    map->draw(buffer);
    EXPECT_EQ(cell(16, 12), kGrass);
    EXPECT_EQ(cell(17, 12), kStone);
    EXPECT_EQ(cell(18, 12), kUntouched);
    EXPECT_EQ(cell(15, 12), kPath) << "outside";

    paint(buffer, kUntouched);
    map->tileCodes = "g";  // tile 1 has no code any more
    map->draw(buffer);
    EXPECT_EQ(cell(16, 12), kGrass);
    EXPECT_EQ(cell(17, 12), kUntouched);
}

TEST_F(MapDrawingTest, APileShowsItsTopItem) {
    writeColouredItem(world, "a", {10, 10, 200});
    writeColouredItem(world, "b", {20, 20, 200});
    writeColouredItem(world, "c", {30, 30, 200});
    MapFiles files = grass(5, 4);
    files.items = {"0:0|a", "0:0|b", "0:0|c", "2:1|b"};
    auto map = load(files, 0, 0);

    map->draw(buffer);
    EXPECT_EQ(cell(16, 12), (Colour{30, 30, 200}));
    EXPECT_EQ(cell(18, 13), (Colour{20, 20, 200}));
    EXPECT_EQ(cell(17, 12), kGrass);
    map->visibleCreatures.clear();
    map->takeTopItem();
    map->draw(buffer);
    EXPECT_EQ(cell(16, 12), (Colour{20, 20, 200}));
}

TEST_F(MapDrawingTest, SceneryAndCorpsesLieOverTerrainAndItems) {
    writeColouredItem(world, "a", {10, 10, 200});
    writeCorpseImage(world, "wolf", {90, 40, 10});
    MapFiles files = grass(40, 30);
    files.scenery = "[rock] 2 2\n22:15\n3:20\n[hut] 1 1\n30:20\n";
    files.items = {"23:16|a", "25:15|a"};
    files.npcs = {"23:16|wolf"};
    writeStrip(world, "data\\maps\\m\\rock.bmp", {{70, 70, 70}, {80, 80, 80}}, 25, 50);
    auto map = load(files, 20, 15);  // view columns 4 to 37, rows 3 to 28
    map->killCreature(23, 16);
    map->draw(buffer);

    // The rock spreads over its four fields from its anchor cell (18, 12).
    EXPECT_EQ(cell(18, 12), (Colour{70, 70, 70}));
    EXPECT_EQ(cell(18, 13), (Colour{70, 70, 70}));
    EXPECT_EQ(cell(19, 12), (Colour{80, 80, 80}));
    EXPECT_EQ(cell(19, 13), (Colour{90, 40, 10})) << "the corpse lies on top of the rock";
    EXPECT_EQ(cell(21, 12), (Colour{10, 10, 200}));
    // A rock anchored one column left of the view is not drawn, even where
    // it would reach into it; a type without an image draws nothing.
    EXPECT_EQ(cell(0, 17), kGrass);
    EXPECT_EQ(cell(26, 17), kGrass);
}

TEST_F(MapDrawingTest, EveryCreatureInViewButThePlayerIsCollectedOncePerDraw) {
    MapFiles files = grass(40, 30);
    files.npcs = {"4:3|a", "3:3|out", "37:28|d", "38:15|out", "21:15|c", "20:14|b", "4:2|out"};
    auto map = load(files, 20, 15);
    for (int pass = 0; pass < 2; ++pass) {
        map->draw(buffer);
        ASSERT_EQ(map->visibleCreatures.size(), 4u);
        const std::pair<int, int> expected[] = {{4, 3}, {20, 14}, {21, 15}, {37, 28}};
        for (size_t k = 0; k < 4; ++k) {
            EXPECT_EQ(map->visibleCreatures[k]->x, expected[k].first);
            EXPECT_EQ(map->visibleCreatures[k]->y, expected[k].second);
            EXPECT_NE(map->visibleCreatures[k], player.get());
        }
        map->visibleCreatures.clear();
    }
}

TEST_F(MapDrawingTest, TargetIsTheCreatureInFrontOfThePlayer) {
    MapFiles files = grass(40, 30);
    files.npcs = {"20:14|up", "20:16|down", "21:15|right"};
    auto map = load(files, 20, 15);
    const struct {
        int32_t direction;
        Characters* expected;
    } cases[] = {
        {1, map->fieldAt(20, 14).occupant},
        {2, map->fieldAt(20, 16).occupant},
        {3, nullptr},
        {4, map->fieldAt(21, 15).occupant},
    };
    for (const auto& c : cases) {
        player->direction = c.direction;
        map->draw(buffer);
        EXPECT_EQ(player->target, c.expected) << c.direction;
    }
    player->direction = 7;  // no facing: the target stays as it was
    map->draw(buffer);
    EXPECT_EQ(player->target, map->fieldAt(21, 15).occupant);

    // Facing off the map: no target.
    map->visibleCreatures.clear();
    map->moveCreature(20, 0, player.get());
    player->y = 0;
    player->direction = 1;
    map->draw(buffer);
    EXPECT_EQ(player->target, nullptr);
}

}  // namespace
