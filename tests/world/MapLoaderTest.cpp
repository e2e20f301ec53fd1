#include "world/Map.h"

#include "characters/Creature.h"
#include "characters/NPC.h"
#include "support/ItemFiles.h"
#include "support/MapFiles.h"
#include "support/TestWorld.h"

#include <gtest/gtest.h>

namespace {

struct MapLoaderTest : ::testing::Test {
    TempWorld world;
    SdlSession sdl;
    Creature hero{"hero", 0, 0};

    void SetUp() override {
        writeCharacter(world, "guard", "name=Guard\n");
        writeCharacter(world, "rat", "name=Rat\n");
        writeItem(world, "sword", "name=Sword\ntype=onehanded\n");
        writeItem(world, "coin", "name=Coin\n");
    }

    static std::string idAt(const Map& map, int32_t column, int32_t row) {
        const NPC* npc = dynamic_cast<const NPC*>(map.fieldAt(column, row).occupant);
        return npc ? npc->id : std::string();
    }
    static std::string pileAt(const Map& map, int32_t column, int32_t row) {
        std::string out;
        for (const ItemRef& item : map.fieldAt(column, row).items) out += item->id + " ";
        return out;
    }
};

}  // namespace

TEST_F(MapLoaderTest, HeaderGivesTileCountAndQuotedCodes) {
    struct Case {
        std::string firstLine;
        int32_t tiles;
    } cases[] = {{"tiles=5", 5},        {"whatever key = 7 tiles", 7}, {"tiles=abc", 1}, {"tiles=0", 1},
                 {"tiles=-3", 1},       {"no equals sign 4", 1},       {"", 1},          {"a=b=9", 1},
                 {"tiles=99999999999", Map::kMaxTiles}};
    for (const Case& c : cases) {
        writeMap(world, "h", c.firstLine + "\ncodes \"a\"b\" end\nno quotes here\n", terrain(2, 2));
        Map map(sdl.screen, "h", &hero);
        EXPECT_EQ(map.tileCount, c.tiles) << c.firstLine;
        ASSERT_EQ(map.tileRects.size(), static_cast<size_t>(map.tileCount));
        const SDL_Rect& last = map.tileRects.back();
        EXPECT_EQ(last.x, kFieldSize * (map.tileCount - 1));
        EXPECT_EQ(last.y, 0);
        EXPECT_EQ(last.w, kFieldSize);
        EXPECT_EQ(last.h, kFieldSize);
        EXPECT_EQ(map.tileCodes, "a\"b");
        EXPECT_EQ(map.blockingCodes, "no quotes here");
        EXPECT_NE(map.fieldsImage, nullptr);
    }
}

TEST_F(MapLoaderTest, MissingFilesLogOnceEachAndLeaveAnEmptyMap) {
    testing::internal::CaptureStdout();
    {
        Map map(sdl.screen, "void", &hero);
        EXPECT_EQ(map.rows, 0);
        EXPECT_EQ(map.cols, 0);
        EXPECT_EQ(map.tileCount, 1);
        EXPECT_EQ(map.tileCodes, "");
        EXPECT_EQ(map.blockingCodes, "");
        EXPECT_EQ(map.fieldsImage, nullptr);
        EXPECT_EQ(map.sceneryTypeCount, 0);
        EXPECT_EQ(map.canEnter(0, 0), kBlocked);
        EXPECT_EQ(map.mapPath, "data\\maps\\void\\map.map");
        EXPECT_EQ(map.fieldsImagePath, "data\\maps\\void\\fields.bmp");
        EXPECT_EQ(map.sceneryPath, "data\\maps\\void\\scenery.dat");
    }
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "Loading file: \"data\\maps\\void\\data.ini\" FAILURE\n"
              "Loading file: \"data\\maps\\void\\map.map\" FAILURE\n"
              "Loading file: \"data\\maps\\void\\scenery.dat\" FAILURE\n");
}

TEST_F(MapLoaderTest, TerrainIsReadFieldByFieldAcrossLineEnds) {
    writeMap(world, "lf", "tiles=2\n", "ab*\n#.c\n");
    writeMap(world, "crlf", "tiles=2\r\n", "ab*\r\n#.c\r\n");
    for (const char* name : {"lf", "crlf"}) {
        Map map(sdl.screen, name, &hero);
        ASSERT_EQ(map.rows, 2) << name;
        ASSERT_EQ(map.cols, 3) << name;
        std::string codes;
        for (int32_t r = 0; r < 2; ++r)
            for (int32_t c = 0; c < 3; ++c) {
                codes += map.fieldAt(c, r).code;
                EXPECT_EQ(map.fieldAt(c, r).scenery, kNoScenery);
            }
        EXPECT_EQ(codes, "ab*#.c") << name;
        EXPECT_EQ(map.fieldAt(0, 0).occupant, &hero);
    }

    // A short last line: at the end of the file the last character is used again.
    writeMap(world, "short", "", "abc\nd");
    Map map(sdl.screen, "short", &hero);
    ASSERT_EQ(map.rows, 2);
    ASSERT_EQ(map.cols, 3);
    EXPECT_EQ(map.fieldAt(0, 1).code, 'd');
    EXPECT_EQ(map.fieldAt(2, 1).code, 'd');
}

TEST_F(MapLoaderTest, AnOversizedTerrainKeepsTheRowsThatFit) {
    const int cols = 3000;
    writeMap(world, "huge", "", terrain(cols, 400));
    testing::internal::CaptureStdout();
    Map map(sdl.screen, "huge", &hero);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Loading file: \"data\\maps\\huge\\map.map\" FAILURE\n");
    EXPECT_EQ(map.cols, cols);
    EXPECT_EQ(map.rows, Map::kMaxFields / cols);
    EXPECT_EQ(static_cast<int32_t>(map.grid.size()), map.rows);
    EXPECT_EQ(map.fieldAt(cols - 1, map.rows - 1).code, '.');
}

TEST_F(MapLoaderTest, MovesSectionGivesTravelTargets) {
    writeMap(world, "m",
             "tiles=2\n\"a\"\n\"\"\nignored 1:1|nowhere\nmoves\n4:7|forest|10:2\nno colon line\n"
             "11:9|edge|0:0\n12:0|off|1:1\n5:5|to npcville|1:1\n6:6|after|0:0\n",
             terrain(12, 10));
    Map map(sdl.screen, "m", &hero);
    EXPECT_EQ(map.moveTargetAt(4, 7), "forest|10:2");
    EXPECT_EQ(map.moveTargetAt(11, 9), "edge|0:0");
    EXPECT_EQ(map.moveTargetAt(1, 1), "") << "lines before the moves line are not entries";
    EXPECT_EQ(map.moveTargetAt(5, 5), "") << "a line holding npc ends the section";
    EXPECT_EQ(map.moveTargetAt(6, 6), "");
}

TEST_F(MapLoaderTest, NpcSectionPlacesOneCreaturePerField) {
    std::string fields = terrain(12, 10);
    fields[1] = '#';  // (1, 0) can't be entered
    writeMap(world, "n",
             mapDataIni("", "3;9|guard\n5:10|guard\n12:1|guard\nremark without entry\n0:0|guard\n"
                            "2:2|rat\n2:2|guard\n7:7|itemsguard\n1:1|sword\n",
                        ""),
             fields);
    Map map(sdl.screen, "n", &hero);
    EXPECT_EQ(idAt(map, 3, 9), "guard");
    EXPECT_EQ(map.fieldAt(3, 9).occupant->x, 3);
    EXPECT_EQ(map.fieldAt(3, 9).occupant->y, 9);
    EXPECT_EQ(map.fieldAt(0, 0).occupant, &hero) << "the player keeps its field";
    EXPECT_EQ(idAt(map, 0, 1), "guard") << "the player's field sends the creature to the nearest free one";
    EXPECT_EQ(map.fieldAt(0, 1).occupant->y, 1);
    EXPECT_EQ(idAt(map, 2, 2), "rat") << "the first creature for a field keeps it";
    EXPECT_EQ(idAt(map, 2, 1), "guard") << "the second stands beside it";
    EXPECT_EQ(idAt(map, 7, 7), "") << "an id holding items ends the section";
    EXPECT_EQ(pileAt(map, 1, 1), "sword ") << "the items section starts after that line";

    int creatures = 0;
    for (auto& row : map.grid)
        for (Field& field : row) creatures += field.occupant && field.occupant != &hero;
    EXPECT_EQ(creatures, 4) << "rows and columns off the grid are skipped";
}

TEST_F(MapLoaderTest, ItemsSectionStacksAndEndsAtTheFirstNonEntry) {
    writeMap(world, "i", mapDataIni("", "", "1:1|sword\n1:1|coin\n9:9|coin\n\n2:2|sword\n"), terrain(4, 4));
    Map map(sdl.screen, "i", &hero);
    EXPECT_EQ(pileAt(map, 1, 1), "sword coin ") << "later lines lie higher";
    EXPECT_EQ(pileAt(map, 2, 2), "") << "nothing after the blank line is read";
}

TEST_F(MapLoaderTest, SceneryMarksAnchorsAndCoveredFields) {
    writeMap(world, "s", "", terrain(14, 8));
    world.write(mapFile("s", "scenery.dat"),
                "0 0\n[house] 3 2\n10 5\n\n[shed]\n1 1\n[wall]:2:1\n12 7\n[house] 1 1\n20 20\n");
    world.writeBitmap(mapFile("s", "house.bmp"), 75, 50, 0, 0, 255);
    world.writeBitmap(mapFile("s", "wall.bmp"), 50, 25, 0, 0, 255);
    testing::internal::CaptureStdout();
    Map map(sdl.screen, "s", &hero);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Loading file \"data\\maps\\s\\shed.bmp\" FAILURE\n");

    ASSERT_EQ(map.sceneryTypeCount, 4);
    EXPECT_EQ(map.sceneryTypes[0].name, "house");
    EXPECT_EQ(map.sceneryTypes[0].width, 3);
    EXPECT_EQ(map.sceneryTypes[0].height, 2);
    EXPECT_EQ(map.sceneryTypes[1].width, 0);
    EXPECT_EQ(map.sceneryTypes[2].name, "wall");
    EXPECT_EQ(map.sceneryTypes[2].width, 2);
    ASSERT_EQ(map.sceneryImages.size(), 4u);
    EXPECT_NE(map.sceneryImages[0], nullptr);
    EXPECT_EQ(map.sceneryImages[1], nullptr);

    EXPECT_EQ(map.fieldAt(10, 5).scenery, 0);
    for (auto [c, r] : {std::pair{11, 5}, {12, 5}, {10, 6}, {11, 6}, {12, 6}}) EXPECT_EQ(map.fieldAt(c, r).scenery, -1);
    EXPECT_EQ(map.fieldAt(13, 5).scenery, kNoScenery);
    EXPECT_EQ(map.fieldAt(10, 7).scenery, kNoScenery);
    EXPECT_EQ(map.fieldAt(0, 0).scenery, kNoScenery) << "a place before any type, or a blank line, places nothing";
    EXPECT_EQ(map.fieldAt(1, 1).scenery, 1) << "a type without size marks its anchor only";
    EXPECT_EQ(map.fieldAt(2, 1).scenery, kNoScenery);
    EXPECT_EQ(map.fieldAt(12, 7).scenery, 2) << "cut at the grid's edge";
    EXPECT_EQ(map.fieldAt(13, 7).scenery, -1);
}

TEST_F(MapLoaderTest, KeptStateReplacesNpcsAndItemsButNotMoves) {
    writeMap(world, "k", mapDataIni("1:0|town|2:2\n", "2:2|guard\n", "3:3|sword\n"), terrain(4, 4));
    world.write("data\\k.tmp", le32(0) + le32(0));
    Map map(sdl.screen, "k", &hero);
    EXPECT_EQ(map.moveTargetAt(1, 0), "town|2:2");
    EXPECT_EQ(map.fieldAt(2, 2).occupant, nullptr);
    EXPECT_TRUE(map.fieldAt(3, 3).items.empty());
}
