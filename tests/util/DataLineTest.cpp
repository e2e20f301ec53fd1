#include "support/TestWorld.h"
#include "util/DataLine.h"
#include "util/FileSystem.h"
#include "util/Log.h"

#include <gtest/gtest.h>

using namespace dataline;

TEST(DataLine, KeyIsTextBeforeFirstEqualsAndNothingIsTrimmed) {
    EXPECT_EQ(split("maxHP=10").key, "maxHP");
    EXPECT_EQ(split("maxHP = 10").key, "maxHP ");
    EXPECT_EQ(split("maxHP = 10").value, " 10");
    EXPECT_EQ(split("a=b=c").key, "a");
    EXPECT_EQ(split("a=b=c").value, "b=c");
    EXPECT_EQ(split("[Inventory]").key, "[Inventory]");
    EXPECT_EQ(split("[Inventory]").value, "[Inventory]");
    EXPECT_EQ(split("name=").value, "");
}

TEST(DataLine, NumbersReadLikeStreamExtraction) {
    uint32_t u = 99;
    EXPECT_TRUE(readUnsigned("+7", u));
    EXPECT_EQ(u, 7u);
    EXPECT_TRUE(readUnsigned("7x", u));
    EXPECT_EQ(u, 7u);
    EXPECT_TRUE(readUnsigned("  12 gold", u));
    EXPECT_EQ(u, 12u);
    EXPECT_TRUE(readUnsigned("-3", u));
    EXPECT_EQ(u, static_cast<uint32_t>(-3));
    EXPECT_EQ(static_cast<int32_t>(u), -3);

    u = 42;
    EXPECT_FALSE(readUnsigned("high", u));
    EXPECT_FALSE(readUnsigned("", u));
    EXPECT_FALSE(readUnsigned("-", u));
    EXPECT_TRUE(readUnsigned("0x1F", u));  // base ten only: reads the 0
    EXPECT_EQ(u, 0u);

    int32_t s = 0;
    EXPECT_TRUE(readSigned("-15", s));
    EXPECT_EQ(s, -15);
    EXPECT_TRUE(readSigned("99999999999", s));  // out of range saturates
    EXPECT_EQ(s, INT32_MAX);
    EXPECT_TRUE(readUnsigned("99999999999", u));
    EXPECT_EQ(u, UINT32_MAX);
}

TEST(DataLine, QuotedTextRunsFromFirstToLastQuote) {
    EXPECT_EQ(quoted("codes=\"gpw\""), "gpw");
    EXPECT_EQ(quoted("\"a\"b\""), "a\"b");
    EXPECT_EQ(quoted("no quotes at all"), "no quotes at all");
    EXPECT_EQ(quoted("\"\""), "");
    EXPECT_EQ(quoted("x=\"open"), "open");
}

TEST(DataLine, CoordinatePairsTakeAnyOneSeparatorAndTextAfterFirstBar) {
    PairText p = readPairText("12;30|forest");
    EXPECT_EQ(p.column, 12);
    EXPECT_EQ(p.row, 30);
    EXPECT_EQ(p.text, "forest");

    p = readPairText("12:30|town|4:5");
    EXPECT_EQ(p.text, "town|4:5");

    int32_t c = -1, r = -1;
    readPair("3 4", c, r);
    EXPECT_EQ(c, 3);
    EXPECT_EQ(r, 4);
    readPair("3,4", c, r);
    EXPECT_EQ(r, 4);
    readPair("junk", c, r);
    EXPECT_EQ(c, 0);
    EXPECT_EQ(r, 0);
    readPair("7", c, r);
    EXPECT_EQ(c, 7);
    EXPECT_EQ(r, 0);
    readPair("7::9", c, r);  // only one separator character is skipped
    EXPECT_EQ(r, 0);

    p = readPairText("no bar here");
    EXPECT_EQ(p.text, "");
}

TEST(DataLine, CrLfFileReadsLikeLfFile) {
    TempWorld world;
    world.write("data/crlf.txt", "a=1\r\nb=2\r\n\r\nlast");
    world.write("data/lf.txt", "a=1\nb=2\n\nlast");
    for (const char* path : {"data\\crlf.txt", "data\\lf.txt"}) {
        std::istringstream in;
        ASSERT_TRUE(fs::openText(path, in));
        std::string line;
        std::vector<std::string> lines;
        while (readLine(in, line)) lines.push_back(line);
        EXPECT_EQ(lines, (std::vector<std::string>{"a=1", "b=2", "", "last"})) << path;
    }
    std::istringstream missing;
    EXPECT_FALSE(fs::openText("data\\nothing.txt", missing));
}

TEST(Log, FailureLinesCarryTheirExactPrefixes) {
    testing::internal::CaptureStdout();
    logging::failure(logging::kLoadingFile, "data\\maps\\x\\data.ini");
    logging::failure(logging::kLoadingItemImage, "data\\items\\a\\a.bmp");
    logging::failure(logging::kLoadingSceneryImage, "data\\maps\\x\\tree.bmp");
    logging::line("Loading SDL");
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "Loading file: \"data\\maps\\x\\data.ini\" FAILURE\n"
              "Loading file:  \"data\\items\\a\\a.bmp\" FAILURE\n"
              "Loading file \"data\\maps\\x\\tree.bmp\" FAILURE\n"
              "Loading SDL\n");
}
