// Quests from their files and conversation scripts from theirs: what a node
// says, which answers it shows, what its commands do, where answers lead, and
// scripts broken in every way.
#include "characters/NPC.h"
#include "characters/Player.h"
#include "quests/QuestBook.h"
#include "support/ItemFiles.h"
#include "support/TestWorld.h"

#include <gtest/gtest.h>

namespace {

class ScriptTest : public testing::Test {
protected:
    ScriptTest() {
        writeItem(world, "gem", "name=Gem\n");
        writeItem(world, "pelt", "name=Wolf pelt\n");
        world.write("data\\quests\\questlist.dat", "Pelts\nGems\nRoads\n");
        for (const char* folder : {"data\\quests\\", "data\\quest\\"})
            world.write(std::string(folder) + "Pelts.dat", "Bring pelts.\nFound them.\nDone.\n");
        world.write("data\\quests\\Gems.dat", "Find a gem.\n");
        world.write("data\\characters\\bard\\data.ini", "agression=0\n[Inventory]\ngem\ngem\n");
    }
    // The bard with this script; its answers as the node builds them.
    NPC& bard(const std::string& script) {
        world.write("data\\characters\\bard\\bard.dg", script);
        npc = std::make_unique<NPC>(0, 0, "bard");
        return *npc;
    }
    std::string shown(NPC& who) {
        who.dialogue.buildNode(player);
        std::string out = who.dialogue.speech;
        for (const DialogueOption& o : who.dialogue.options) out += "|" + o.text;
        return out;
    }
    void carry(const char* id, int count) {
        for (int i = 0; i < count; ++i) player.inventory.push_back(makeItem(id));
    }

    SdlSession sdl;
    TempWorld world;
    Player player{0, 0, "Gracz"};
    std::unique_ptr<NPC> npc;
};

TEST_F(ScriptTest, QuestsStartAdvanceAndFinishFromTheirFiles) {
    startQuest(0, player);
    startQuest(1, player);
    startQuest(0, player);  // twice: two entries, the first one advances
    ASSERT_EQ(player.quests.size(), 3u);
    EXPECT_EQ(player.quests[0].name, "Pelts");
    EXPECT_EQ(player.quests[0].description, "Bring pelts.");
    increaseQuest(0, player);
    EXPECT_EQ(player.quests[0].stage, 1);
    EXPECT_EQ(player.quests[0].description, "Bring pelts.\n\nFound them.\n\n");
    EXPECT_EQ(player.quests[2].stage, 0);
    increaseQuest(0, player);
    increaseQuest(0, player);  // past the third line: finished
    EXPECT_EQ(player.doneQuests, std::vector<int32_t>{0});
    ASSERT_EQ(player.quests.size(), 2u);
    EXPECT_EQ(player.quests[0].name, "Gems") << "the others keep their order";
    increaseQuest(1, player);  // no file under data\quest: finished at once
    EXPECT_TRUE(hasFinishedQuest(player, 1));
    increaseQuest(7, player);  // never started: nothing
    startQuest(9, player);     // past the list: the last name there
    EXPECT_EQ(player.quests.back().name, "Roads");
    EXPECT_EQ(player.quests.back().description, "");
    EXPECT_TRUE(isQuestAtStage(player, 0, 0));
    EXPECT_FALSE(isQuestAtStage(player, 0, 1));
}

struct Case {
    const char* what;
    const char* script;
    int32_t node;
    const char* shows;
};

TEST_F(ScriptTest, NodesOptionsAndConditions) {
    startQuest(1, player);  // "Gems" is active; 0 and 2 are not
    carry("pelt", 1);
    const Case cases[] = {
        {"speech alone", "0|\"Hello.\"\n", 0, "Hello."},
        {"text between the outer quotes only", "0|x\"Say \"hi\".\"y|a\"Yes\"b\n", 0, "Say \"hi\".|Yes"},
        {"a later check decides", "0|\"Hi\"|\"A\";checkIfnQuest(1);checkIfQuest(1)|\"B\";checkIfQuest(2)\n", 0, "Hi|A"},
        {"a hiding check only hides", "0|\"Hi\"|\"A\";checkIfQuest(1);checkIfnQuest(1)|\"B\";checkIfnDoneQuest(1)\n", 0,
         "Hi|B"},
        {"stage and done checks", "0|\"Hi\"|\"A\";checkIfStage(1,0)|\"B\";checkIfStage(1,1)|\"C\";checkIfDoneQuest(1)\n",
         0, "Hi|A"},
        {"unknown commands and blanks", "0|\"Hi\";  dance(3)  |\"A\"; wave() ;next(2)\n", 0, "Hi|A"},
        {"past the end after a last line feed", "0|\"Hi\"\n", 5, ""},
        {"past the end without one", "0|\"Hi\"\n1|\"Last\"", 7, "Last"},
        {"below the start", "0|\"Hi\"\n", -3, ""},
        {"no fields at all", "just words\n", 0, ""},
        {"a '|' ending the line adds no answer", "0|\"Hello.\"|\"Bye.\";next(1)|\n", 0, "Hello.|Bye."},
        {"an empty answer between two stays", "0|\"Hi\"|\"A\"||\"B\"\n", 0, "Hi|A||B"},
        {"no quotes, no closing brackets", "0|Hi;giveExp(5|A;next(1|\"B\";checkIfQuest(\n", 0, "|"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        NPC& who = bard(c.script);
        who.dialogue.currentNode = c.node;
        EXPECT_EQ(shown(who), c.shows);
    }
}

TEST_F(ScriptTest, CommandsRunOnArrivalAndAnswersLeadOn) {
    carry("pelt", 3);
    NPC& who = bard(
        "0|\"Pelts?\"|\"Two\";next(1)|\"Five\";next(2)|\"Gem?\";checkItem(Gem,2)[3:4]|\"Mine?\";"
        "checkPlayerItem(Gem,1)[3:4];next(0)\n"
        "1|\"Thanks.\";getItem(Wolf pelt,2);giveExp(600);startQuest(0)|\"Back\";next(0)\n"
        "2|\"All of them.\";getItem(Wolf pelt,5)|\"Back\";next(0)\n"
        "3|\"Have them.\";giveItem(Gem)|\"Back\";next(0)\n"
        "4|\"None.\"\n");
    EXPECT_EQ(shown(who), "Pelts?|Two|Five|Gem?|Mine?");
    who.dialogue.chooseOption(5);
    EXPECT_EQ(who.dialogue.currentNode, 0) << "the last jump wins: the player has no gem";
    who.dialogue.chooseOption(3);
    EXPECT_EQ(who.dialogue.currentNode, 3) << "the bard held two gems when the node was built";
    who.dialogue.currentNode = 0;
    who.dialogue.chooseOption(6);  // only five shown
    EXPECT_EQ(who.dialogue.currentNode, 0);

    who.dialogue.chooseOption(1);
    EXPECT_EQ(shown(who), "Thanks.|Back");
    EXPECT_EQ(player.inventory.size(), 1u) << "two of three pelts handed in";
    EXPECT_EQ(who.inventory.size(), 4u);
    EXPECT_EQ(player.exp, 600);
    EXPECT_EQ(player.level, 1);
    EXPECT_TRUE(hasActiveQuest(player, 0));
    shown(who);  // built already: nothing runs again
    EXPECT_EQ(player.exp, 600);

    who.dialogue.chooseOption(1);
    shown(who);
    who.dialogue.chooseOption(2);
    shown(who);
    EXPECT_TRUE(player.inventory.empty()) << "five asked, the last one given";
    who.dialogue.chooseOption(1);
    shown(who);
    who.dialogue.chooseOption(3);
    shown(who);
    EXPECT_EQ(player.inventory.size(), 2u) << "both gems";
    EXPECT_EQ(player.inventory[0]->name, "Gem");
}

TEST_F(ScriptTest, BrokenScriptsNeitherCrashNorGrow) {
    std::string huge = "0|\"" + std::string(1 << 20, 'x') + "\"";
    for (int i = 0; i < 1000; ++i) huge += "|\"A\";next(" + std::to_string(i) + ")";
    huge += "|\"B\";next(99999999999);giveExp(-99999999999);getItem(Gem,2147483647);checkItem(Gem,-5)[:]\n";
    NPC& who = bard(huge);
    who.dialogue.buildNode(player);
    EXPECT_EQ(who.dialogue.speech.size(), 1u << 20);
    ASSERT_EQ(who.dialogue.options.size(), 1001u);
    EXPECT_EQ(player.exp, 0);
    who.dialogue.chooseOption(1001);
    EXPECT_EQ(who.dialogue.currentNode, 0) << "checkItem's empty pair jumps to 0, after the saturated next";
    who.dialogue.chooseOption(1000);
    EXPECT_EQ(who.dialogue.currentNode, 999);
    EXPECT_EQ(shown(who), "");
}

}  // namespace
