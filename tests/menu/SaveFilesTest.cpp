// Saving, loading and deleting on real files, the damaged and hostile ones too.
#include "menu/SaveFixture.h"
#include "menu/SaveLabel.h"
#include "support/DiskFull.h"

#include <filesystem>

namespace {
const char* const kList = "data/saves/savelist.sav";
}  // namespace

TEST_F(SaveTest, ASaveHoldsTheListedMapFilesInOrderAndMakesItsFolder) {
    std::filesystem::remove_all("data/saves");
    for (auto [path, bytes] : {std::pair{"data/d.tmp", "DDD"}, {"data/a.tmp", "AA"}, {"data/f.tmp", "unlisted"}})
        world.write(path, bytes);
    const std::time_t before = std::time(nullptr);
    ASSERT_TRUE(menu().saveGame(0));
    EXPECT_EQ(world.read("data/saves/1.sav"),
              text("a") + text("P") + text("data\\a.tmp") + text("AA") + text("data\\d.tmp") + text("DDD"));
    const std::string label = menu().saves.at(0).label;
    EXPECT_TRUE(label == saveLabel(before) || label == saveLabel(std::time(nullptr))) << label;
    EXPECT_EQ(world.read(kList), le(1) + le(1) + entry(label, 1, 1));
}

TEST_F(SaveTest, SlotsFillTheFirstGapOverwritesComeFirstAndTheCounterOnlyGrows) {
    world.write(kList, le(3) + le(3) + entry("4", 4, 3) + entry("2", 2, 2) + entry("1", 1, 1));
    ASSERT_TRUE(menu().saveGame(0));
    EXPECT_EQ(menu().saves[0].slot, 3);
    ASSERT_TRUE(menu().saveGame(4));  // the oldest
    EXPECT_EQ(menu().saves[0].slot * 10 + menu().saves[0].sequence, 15);
    for (int i = 0; i < 4; ++i) menu().deleteSave(1);
    EXPECT_FALSE(world.exists("data/saves/1.sav") || world.exists(kList));
    ASSERT_TRUE(menu().saveGame(0));
    EXPECT_EQ(menu().saves[0].slot * 10 + menu().saves[0].sequence, 16);
    menu().deleteSave(1);
    restart();
    ASSERT_TRUE(menu().saveGame(0));
    EXPECT_EQ(menu().saves[0].sequence, 1) << "a restart without a list starts again";
}

// Only the listed maps' files come back; a map visited after the save goes.
TEST_F(SaveTest, ALoadWritesOnlyTheWorkingFilesOfListedMaps) {
    std::string sav = text("a") + text("P2");
    for (const std::string& path : std::vector<std::string>{"data\\..\\evil.tmp", "..\\evil.tmp", "C:\\evil.tmp",
                                                             "data\\saves\\1.sav", "data\\f.tmp", "data/c.tmp",
                                                             "data\\b.tmp", world.root() + "/evil.tmp"})
        sav += text(path) + text("hostile");
    world.write("data/saves/1.sav", sav);
    world.write(kList, le(1) + le(1) + entry("x", 1, 1));
    world.write("data/d.tmp", "visited later");
    ASSERT_TRUE(menu().loadGame(0));
    EXPECT_EQ(world.read("data/b.tmp") + world.read("data/player.tmp"), "hostileP2");
    EXPECT_EQ(world.read("data/saves/1.sav"), sav);
    for (const char* path : {"data/d.tmp", "evil.tmp", "../evil.tmp", "data/evil.tmp", "C:\\evil.tmp", "data/f.tmp",
                             "data/c.tmp"})
        EXPECT_FALSE(world.exists(path)) << path;
}

TEST_F(SaveTest, ADamagedSaveIsNotLoadedAndTheRunningGameStays) {
    game = new Game(sdl.screen);
    Game* const running = game;
    const std::string whole = text("a") + text("P");
    world.write(kList, le(1) + le(1) + entry("x", 1, 1));
    EXPECT_FALSE(menu().loadGame(0)) << "no file";
    for (std::string bytes : {std::string(), le(5) + "ab", le(0x7FFFFFFF) + "a", le(-1), text("a"),
                              whole + le(100) + "data", whole + text("data\\b.tmp") + le(50) + "xx"}) {
        world.write("data/saves/1.sav", bytes);
        EXPECT_FALSE(menu().loadGame(0)) << testing::PrintToString(bytes);
        EXPECT_EQ(game, running);
        EXPECT_EQ(world.read("data/player.tmp") + world.read("data/start.tmp"), "Pa");
    }
}

// The game plays on any map, listed or not, and with no maps.dat at all.
TEST_F(SaveTest, ASaveOnAnUnlistedMapLoads) {
    world.write("data/start.tmp", "z");
    for (std::string player : {"with a list", "without"}) {
        if (player == "without") std::filesystem::remove("data/maps.dat");
        world.write("data/player.tmp", player);
        ASSERT_TRUE(menu().saveGame(0));
        world.write("data/player.tmp", "later");
        EXPECT_TRUE(menu().loadGame(0)) << player;
        EXPECT_EQ(world.read("data/player.tmp") + world.read("data/start.tmp"), player + "z");
    }
}

TEST_F(SaveTest, ADamagedListKeepsItsWholeEntriesAndNewSavesStayNewest) {
    for (auto [bytes, entries] : {std::pair{le(5) + le(2) + entry("one", 1, 5) + text("tw"), 1},
                                  {le(5) + le(0x7FFFFFFF) + entry("one", 1, 5), 1}, {le(5) + le(-3), 0},
                                  {le(5) + le(3) + entry("z", 0, 3) + entry("a", 2, 2) + entry("b", 2, 1), 1}}) {
        world.write(kList, bytes);
        restart();
        EXPECT_EQ(menu().saves.size() * 10 + menu().saveCounter, entries * 10 + 5u) << testing::PrintToString(bytes);
    }
    world.write(kList, le(INT32_MAX) + le(2) + entry("old", 1, 1) + entry("new", 2, INT32_MAX));
    world.write("data/saves/3.sav", "its entry was lost");
    restart();
    ASSERT_TRUE(menu().saveGame(0) && menu().saves[1].label == "new");
    EXPECT_EQ(menu().saves[0].slot, 4);
    EXPECT_EQ(world.read("data/saves/3.sav"), "its entry was lost");
    EXPECT_GT(menu().saves[0].sequence, menu().saves[1].sequence);
    EXPECT_GT(menu().saves[1].sequence, menu().saves[2].sequence);
}

// The file size limit stands in for a full disk; a killed save left its half file.
TEST_F(SaveTest, AnInterruptedWriteLeavesTheOldSaveAndListWhole) {
    ASSERT_TRUE(menu().saveGame(0));
    const std::string before = world.read("data/saves/1.sav") + world.read(kList);
    world.write("data/saves/1.sav.part", "half of a killed save");
    world.write("data/player.tmp", std::string(200000, 'p'));
    {
        DiskFull full(100000);
        EXPECT_FALSE(menu().saveGame(1));
    }
    EXPECT_EQ(world.read("data/saves/1.sav") + world.read(kList), before);
    EXPECT_EQ(menu().saves[0].sequence, 1);
    EXPECT_FALSE(world.exists("data/saves/1.sav.part"));
}

TEST(SaveLabel, IsUtcTwoHoursOnWithTheDateCarriedPastMidnight) {
    for (auto [date, label] : {std::pair{"2026-03-07 09:05", " 11:5     7 Mar 2026"},
                               {"2026-06-15 12:00", " 14:0     15 June 2026"},
                               {"2025-12-31 14:30", " 16:30     31 Dec 2025"},
                               {"2025-12-31 23:10", " 1:10     1 Jan 2026"},
                               {"2024-02-28 22:00", " 0:0     29 Feb 2024"}}) {
        std::tm utc{};
        strptime(date, "%Y-%m-%d %H:%M", &utc);
        EXPECT_EQ(saveLabel(timegm(&utc)), label) << date;
    }
}
