// The working files of a game are files of data\ itself: installed, data\'s
// folders are links into the read-only content, so a map name that reaches
// into one must neither be written, removed nor restored from a save.
#include "game/WorkingFiles.h"
#include "menu/SavedGame.h"
#include "support/TestWorld.h"

#include <gtest/gtest.h>

TEST(WorkingFiles, OnlyMapNamesThatMakeAFileOfDataItselfHaveOne) {
    TempWorld world;
    world.write("data/maps.dat", "village\nmaps\\village\nmaps/forest\nPlayer\nstart\n\nforest\n");
    EXPECT_EQ(mapWorkingFiles(), (std::vector<std::string>{"data\\village.tmp", "data\\forest.tmp"}));

    const char* const content[] = {"data/maps/village.tmp", "data/maps/forest.tmp"};
    for (const char* path : content) world.write(path, "content");
    world.write("data/village.tmp", "state");
    removeWorkingFiles();
    EXPECT_FALSE(world.exists("data/village.tmp"));
    for (const char* path : content) EXPECT_EQ(world.read(path), "content") << path;

    SavedGame stored{"village", "hero", {{"data\\maps\\village.tmp", "forged"}, {"data\\village.tmp", "kept"}}};
    SavedGame loaded;
    ASSERT_TRUE(unpackSavedGame(packSavedGame(stored), loaded));
    ASSERT_EQ(loaded.maps.size(), 1u);
    EXPECT_EQ(loaded.maps[0].path, "data\\village.tmp");
}
