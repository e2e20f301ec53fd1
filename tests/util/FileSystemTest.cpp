#include "support/TestWorld.h"
#include "util/FileCache.h"
#include "util/FileSystem.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <chrono>
#include <thread>

TEST(FileSystem, BackslashPathsReachNativeFilesAndCrLfReadsLikeLf) {
    TempWorld world;
    world.write("data/maps/a/map.map", "one\r\ntwo\rthree\r\n");
    std::istringstream in;
    ASSERT_TRUE(fs::openText("data\\maps\\a\\map.map", in));
    EXPECT_EQ(in.str(), "one\ntwo\rthree\n");
    EXPECT_TRUE(fs::exists("data\\maps\\a\\map.map"));
    fs::removeFile("data\\maps\\a\\map.map");
    EXPECT_FALSE(fs::exists("data\\maps\\a\\map.map"));
    fs::removeFile("data\\maps\\a\\map.map");  // already gone: harmless
}

TEST(FileSystem, BigAndEmptyFilesReadWhole) {
    TempWorld world;
    std::string big, expected;
    for (int i = 0; i < 30000; ++i) {
        big += "line " + std::to_string(i) + "\r\n";
        expected += "line " + std::to_string(i) + "\n";
    }
    world.write("data/big.dat", big);
    world.write("data/empty.dat", "");
    std::istringstream in;
    ASSERT_TRUE(fs::openText("data\\big.dat", in));
    EXPECT_EQ(in.str(), expected);
    ASSERT_TRUE(fs::openText("data\\empty.dat", in));
    EXPECT_EQ(in.str(), "");
    EXPECT_EQ(fs::readImage("data\\empty.dat"), nullptr);
}

// TGA has no signature: only the file's extension tells the decoder what it is.
TEST(FileSystem, PicturesWithoutASignatureLoadByTheirExtension) {
    TempWorld world;
    std::string tga(18, '\0');
    tga[2] = 2;   // uncompressed true colour
    tga[12] = 2;  // 2 by 1 pixels
    tga[14] = 1;
    tga[16] = 24;
    tga += std::string("\x00\x00\xff\x00\xff\x00", 6);  // blue, green, red order: red, green
    world.write("data/items/a/a.tga", tga);
    SDL_Surface* picture = fs::readImage("data\\items\\a\\a.tga");
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->w, 2);
    EXPECT_EQ(picture->h, 1);
    SDL_FreeSurface(picture);
}

TEST(FileSystem, AFolderWhereAFileBelongsCountsAsMissing) {
    TempWorld world;
    ASSERT_EQ(mkdir("data/village.tmp", 0755), 0);
    std::istringstream text;
    std::ifstream binary;
    EXPECT_FALSE(fs::exists("data\\village.tmp"));
    EXPECT_FALSE(fs::openText("data\\village.tmp", text));
    EXPECT_FALSE(fs::openBinaryRead("data\\village.tmp", binary));
}

// Settled files are kept after the first read; any change, ours or someone
// else's, is seen on the next one.
TEST(FileSystem, KeptCopiesNeverHideAChange) {
    TempWorld world;
    world.write("data/items/a/data.ini", "name=Axe\n");
    world.write("data/items/b/data.ini", "name=Bow\n");
    world.write("data/items/c/data.ini", "name=Cap\n");
    world.write("data/fresh.ini", "name=New\n");
    std::this_thread::sleep_for(std::chrono::milliseconds(2200));  // let them settle
    world.write("data/fresh.ini", "name=Old\n");

    std::istringstream in;
    std::string kept;
    struct stat info;
    for (const char* name : {"data/items/a/data.ini", "data/items/b/data.ini", "data/fresh.ini"}) {
        ASSERT_TRUE(fs::openText(name, in));
        ASSERT_EQ(stat(name, &info), 0);
        EXPECT_EQ(fs::cache::lookup(name, info, kept), std::string(name) != "data/fresh.ini") << name;
    }

    // Someone else rewrites a file at the same size within the same second.
    world.write("data/items/a/data.ini", "name=Awl\n");
    ASSERT_TRUE(fs::openText("data\\items\\a\\data.ini", in));
    EXPECT_EQ(in.str(), "name=Awl\n");

    // We rewrite one; we remove another.
    std::ofstream out;
    ASSERT_TRUE(fs::openBinaryWrite("data\\items\\b\\data.ini", out));
    out << "name=Bat\n";
    out.close();
    ASSERT_TRUE(fs::openText("data\\items\\b\\data.ini", in));
    EXPECT_EQ(in.str(), "name=Bat\n");
    ASSERT_TRUE(fs::openText("data\\items\\c\\data.ini", in));
    fs::removeFile("data\\items\\c\\data.ini");
    EXPECT_FALSE(fs::openText("data\\items\\c\\data.ini", in));
}
