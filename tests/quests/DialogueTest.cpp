#include "quests/Dialogue.h"

#include "support/TestWorld.h"

#include <gtest/gtest.h>

namespace {
using Lines = std::vector<std::string>;
}

TEST(DialogueTest, FreshRecordHasNothingBuilt) {
    std::vector<ItemRef> inventory;
    Dialogue dialogue(inventory);
    EXPECT_EQ(&dialogue.ownerInventory, &inventory);
    EXPECT_FALSE(dialogue.hasDialogue);
    EXPECT_EQ(dialogue.currentNode, 0);
    EXPECT_EQ(dialogue.builtNode, -1);
    EXPECT_TRUE(dialogue.options.empty());
    EXPECT_TRUE(dialogue.scriptLines.empty());
    EXPECT_EQ(dialogue.speech, "");
}

TEST(DialogueTest, OpenReadsTheScriptLinesAndHowTheFileEnds) {
    TempWorld world;
    std::vector<ItemRef> inventory;

    world.write("data\\characters\\bard\\bard.dg", "Hello there\r\n\r\n1|Bye|\n");
    Dialogue terminated(inventory);
    terminated.open("data\\characters\\bard\\bard.dg");
    EXPECT_TRUE(terminated.hasDialogue);
    EXPECT_EQ(terminated.scriptLines, (Lines{"Hello there", "", "1|Bye|"}));
    EXPECT_TRUE(terminated.lastLineTerminated);

    world.write("data\\characters\\bard\\open.dg", "Hello\nend");
    Dialogue open(inventory);
    open.open("data\\characters\\bard\\open.dg");
    EXPECT_EQ(open.scriptLines, (Lines{"Hello", "end"}));
    EXPECT_FALSE(open.lastLineTerminated);

    world.write("data\\characters\\bard\\empty.dg", "");
    Dialogue empty(inventory);
    empty.open("data\\characters\\bard\\empty.dg");
    EXPECT_TRUE(empty.hasDialogue);  // the file is there, even if it says nothing
    EXPECT_TRUE(empty.scriptLines.empty());

    // Opening another path replaces what was read; a missing file leaves no dialogue.
    testing::internal::CaptureStdout();
    terminated.open("data\\characters\\bard\\missing.dg");
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    EXPECT_FALSE(terminated.hasDialogue);
    EXPECT_TRUE(terminated.scriptLines.empty());
    EXPECT_FALSE(terminated.lastLineTerminated);
}
