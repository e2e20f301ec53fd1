#include "util/BinaryIO.h"

#include <gtest/gtest.h>

#include <sstream>

TEST(BinaryIO, WritesLittleEndianAndReadsBack) {
    std::ostringstream out;
    BinaryWriter w(out);
    w.writeInt(-2);
    w.writeText("ab");
    EXPECT_EQ(out.str(), std::string("\xFE\xFF\xFF\xFF\x02\x00\x00\x00" "ab", 10));

    std::istringstream in(out.str());
    BinaryReader r(in);
    int32_t v = 0;
    std::string t;
    EXPECT_TRUE(r.readInt(v));
    EXPECT_EQ(v, -2);
    EXPECT_TRUE(r.readText(t));
    EXPECT_EQ(t, "ab");
    EXPECT_FALSE(r.readInt(v));
    EXPECT_FALSE(r.ok());
}

TEST(BinaryIO, RefusesCountsAndLengthsTheFileCannotHold) {
    std::ostringstream out;
    BinaryWriter w(out);
    w.writeInt(2000000000);  // forged text length
    w.writeInt(7);
    std::istringstream in(out.str());
    BinaryReader r(in);
    std::string t;
    EXPECT_FALSE(r.readText(t));
    EXPECT_FALSE(r.ok());

    std::ostringstream out2;
    BinaryWriter w2(out2);
    w2.writeInt(1000);  // 1000 records of 4 bytes, but only 8 bytes follow
    w2.writeInt(1);
    w2.writeInt(2);
    std::istringstream in2(out2.str());
    BinaryReader r2(in2);
    int32_t count = 0;
    EXPECT_FALSE(r2.readCount(count, 4));

    std::istringstream in3(std::string("\x02\x00\x00\x00\x01\x00\x00\x00\x02\x00\x00\x00", 12));
    BinaryReader r3(in3);
    EXPECT_TRUE(r3.readCount(count, 4));
    EXPECT_EQ(count, 2);

    std::istringstream negative(std::string("\xFF\xFF\xFF\xFF", 4));
    BinaryReader r4(negative);
    EXPECT_FALSE(r4.readCount(count, 0));
}
