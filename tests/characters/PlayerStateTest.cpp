#include "characters/PlayerFixture.h"
#include "support/DiskFull.h"

#include <limits>
#include <memory>
#include <vector>

namespace {

// The fresh player's statistics in file order.
Bytes& freshStatistics(Bytes& b) {
    b.num(0).num(0).num(500).num(100).num(100).num(80).num(80).num(5).num(5).num(0).num(0).num(0);
    for (int i = 0; i < 10; ++i) b.num(5);
    return b;
}

std::vector<std::string> idsOf(const std::vector<ItemRef>& items) {
    std::vector<std::string> ids;
    for (const ItemRef& item : items) ids.push_back(item->id);
    return ids;
}

}  // namespace

class PlayerStateTest : public PlayerTest {
protected:
    // A player with two quests, finished quests, points, quick slots, an
    // inventory, a helmet, a two-handed axe in both hands and every statistic
    // set to a value of its own (1001..1022).
    std::unique_ptr<Player> richPlayer() {
        writeStandardItems();
        auto p = std::make_unique<Player>(12, 34, "Gracz");
        p->quests.push_back(Quest{7, 2, "Wolves", "Kill the wolves"});
        p->quests.push_back(Quest{0, 0, "", "Find the mill"});
        p->doneQuests = {3, 1};
        p->attributePoints = 4;
        p->skillPoints = 8;
        p->quickSlots[0] = makeItem("potion");
        p->quickSlots[6] = makeItem("potion");
        p->inventory.push_back(makeItem("arrows"));
        p->inventory.back()->amount = 30;
        p->inventory.push_back(makeItem("bow"));
        p->helmet = makeItem("helmet");
        p->leftHand = makeItem("axe");
        p->equip(p->leftHand);  // takes the right hand too
        std::array<int32_t*, 22> stats = statisticsOf(*p);
        for (int i = 0; i < 22; ++i) *stats[i] = 1001 + i;
        return p;
    }

    std::string richBytes() {
        Bytes b;
        b.num(12).num(34);
        b.num(2).num(2).num(7).text("Wolves").text("Kill the wolves");
        b.num(0).num(0).text("").text("Find the mill");
        b.num(2).num(3).num(1);
        b.num(4).num(8);
        b.text("potion").texts(4);
        b.text("").text("potion").texts(3);
        b.num(2).num(30).text("arrows").num(0).text("bow");
        b.text("").text("helmet").text("");
        b.num(0).text("axe").num(-1);
        b.texts(3);
        for (int i = 0; i < 22; ++i) b.num(1001 + i);
        return b.data;
    }
};

TEST_F(PlayerStateTest, FreshPlayerIsExactly188Bytes) {
    {
        Player p(3, 4, "Gracz");
        EXPECT_EQ(p.HP, 100);
        EXPECT_EQ(p.MP, 80);
        EXPECT_TRUE(p.quests.empty());
        EXPECT_EQ(p.target, nullptr);
        EXPECT_FALSE(world.exists("data\\player.tmp"));
    }
    Bytes expected;
    expected.num(3).num(4).num(0).num(0).num(0).num(0).texts(10).num(0).texts(3).num(-2).num(-2).texts(3);
    freshStatistics(expected);
    ASSERT_EQ(expected.data.size(), 188u);
    EXPECT_EQ(stateFile(), expected.data);  // written by the destructor

    // Read back, the file's position wins over the one given to the constructor.
    Player again(50, 60, "Gracz");
    EXPECT_EQ(again.x, 3);
    EXPECT_EQ(again.y, 4);
    again.saveState();
    EXPECT_EQ(stateFile(), expected.data);
}

TEST_F(PlayerStateTest, RichPlayerLayoutByteForByte) {
    std::unique_ptr<Player> p = richPlayer();
    p->saveState();
    EXPECT_EQ(stateFile(), richBytes());
    p.reset();  // the destructor writes the same bytes while everything is still held
    EXPECT_EQ(stateFile(), richBytes());
}

TEST_F(PlayerStateTest, HandsWithAmountsAndEmptyRightHand) {
    writeStandardItems();
    writeItem("oddbolts", "type=carrow\namount=-5\n");  // an amount past the int32 range
    {
        Player p(0, 0, "Gracz");
        p.leftHand = makeItem("bow");
        p.rightHand = makeItem("arrows");
        p.rightHand->amount = 30;
        p.saveState();
        Bytes b;
        b.num(0).num(0).num(0).num(0).num(0).num(0).texts(10).num(0).texts(3);
        b.num(0).text("bow").num(30).text("arrows").texts(3);
        freshStatistics(b);
        EXPECT_EQ(stateFile(), b.data);

        // A right hand alone, and a left-hand amount that would read as a hand marker.
        p.leftHand = makeItem("oddbolts");
        p.rightHand = nullptr;
        p.saveState();
    }
    Player back(0, 0, "Gracz");
    ASSERT_TRUE(back.leftHand);
    EXPECT_EQ(back.leftHand->id, "oddbolts");
    EXPECT_EQ(back.leftHand->amount, static_cast<uint32_t>(std::numeric_limits<int32_t>::max()));
    EXPECT_FALSE(back.rightHand);
    EXPECT_EQ(back.strength, 5);  // the rest of the file stayed in step
    EXPECT_EQ(back.nextLevelExp, 500);
}

TEST_F(PlayerStateTest, WriteThenReadKeepsEverything) {
    {
        std::unique_ptr<Player> rich = richPlayer();
        // An item without an id (a blank line in a character's inventory) is an item all the same.
        rich->inventory.push_back(makeItem(""));
    }
    Player p(0, 0, "Gracz");
    EXPECT_EQ(p.x, 12);
    EXPECT_EQ(p.y, 34);
    ASSERT_EQ(p.quests.size(), 2u);
    EXPECT_EQ(p.quests[0].stage, 2);
    EXPECT_EQ(p.quests[0].id, 7);
    EXPECT_EQ(p.quests[0].name, "Wolves");
    EXPECT_EQ(p.quests[0].description, "Kill the wolves");
    EXPECT_EQ(p.quests[1].name, "");
    EXPECT_EQ(p.quests[1].description, "Find the mill");
    EXPECT_EQ(p.doneQuests, (std::vector<int32_t>{3, 1}));
    EXPECT_EQ(p.attributePoints, 4);
    EXPECT_EQ(p.skillPoints, 8);

    for (int i = 0; i < 10; ++i) EXPECT_EQ(static_cast<bool>(p.quickSlots[i]), i == 0 || i == 6) << i;
    ASSERT_TRUE(p.quickSlots[0] && p.quickSlots[6]);
    EXPECT_EQ(p.quickSlots[6]->id, "potion");
    EXPECT_NE(p.quickSlots[0], p.quickSlots[6]);  // each built anew
    EXPECT_EQ(p.quickSlots[0]->amount, 3u);       // quick slots keep no amount: the item file's

    EXPECT_EQ(idsOf(p.inventory), (std::vector<std::string>{"arrows", "bow", ""}));
    EXPECT_EQ(p.inventory[0]->amount, 30u);  // not the item file's 50
    EXPECT_EQ(p.inventory[1]->attack, 12u);  // everything but id and amount comes from the database

    ASSERT_TRUE(p.helmet);
    EXPECT_EQ(p.helmet->id, "helmet");
    EXPECT_FALSE(p.necklace || p.armor || p.ring1 || p.ring2 || p.boots);
    ASSERT_TRUE(p.leftHand);
    EXPECT_EQ(p.leftHand->id, "axe");
    EXPECT_EQ(p.rightHand, p.leftHand);  // one item in both hands

    // Stored statistics come back as they are: no equip (the axe's strength
    // bonus is not added again) and no recomputing (HP 1004 above maxHP 1005
    // stays, attack is not derived from strength).
    std::array<int32_t*, 22> stats = statisticsOf(p);
    for (int i = 0; i < 22; ++i) EXPECT_EQ(*stats[i], 1001 + i) << "statistic " << i;
    EXPECT_EQ(p.direction, 2);
    EXPECT_EQ(p.target, nullptr);
}

TEST_F(PlayerStateTest, TruncatedAtEveryByteKeepsWhatWasRead) {
    const std::string full = richBytes();
    richPlayer().reset();
    ASSERT_EQ(stateFile(), full);
    const std::vector<std::string> fullInventory = {"arrows", "bow"};

    for (size_t n = 0; n < full.size(); ++n) {
        writeStateFile(full.substr(0, n));
        Player p(-7, -8, "Gracz");
        SCOPED_TRACE(n);
        EXPECT_EQ(p.x, n >= 4 ? 12 : -7);
        EXPECT_EQ(p.y, n >= 8 ? 34 : -8);
        EXPECT_LE(p.quests.size(), 2u);
        for (size_t i = 0; i < p.quests.size(); ++i) EXPECT_EQ(p.quests[i].id, i == 0 ? 7 : 0);
        EXPECT_LE(p.inventory.size(), 2u);
        for (size_t i = 0; i < p.inventory.size(); ++i) EXPECT_EQ(p.inventory[i]->id, fullInventory[i]);
        if (p.rightHand) {
            EXPECT_EQ(p.rightHand, p.leftHand);
        }
        // The last statistic is the last thing in the file.
        EXPECT_EQ(p.crossbowSkill, 5);
        // A cut file must not destroy the state it came from when written again.
        p.saveState();
        Player copy(0, 0, "Gracz");
        EXPECT_EQ(copy.x, p.x);
        EXPECT_EQ(idsOf(copy.inventory), idsOf(p.inventory));
    }
    writeStateFile(full);
    Player whole(0, 0, "Gracz");
    EXPECT_EQ(whole.crossbowSkill, 1022);
}

TEST_F(PlayerStateTest, ForgedCountsAndLengthsAreRefused) {
    writeStandardItems();
    const int32_t huge = 2000000000;

    // A quest count of two billion: nothing after it is believed.
    writeStateFile(Bytes().num(1).num(2).num(huge).num(0).num(0).data);
    {
        Player p(0, 0, "Gracz");
        EXPECT_EQ(p.x, 1);
        EXPECT_TRUE(p.quests.empty());
        EXPECT_TRUE(p.doneQuests.empty());
    }
    // Negative counts.
    writeStateFile(Bytes().num(1).num(2).num(0).num(-1).num(5).data);
    {
        Player p(0, 0, "Gracz");
        EXPECT_TRUE(p.doneQuests.empty());
        EXPECT_EQ(p.attributePoints, 0);
    }
    // A quest whose name claims two billion bytes is dropped whole.
    writeStateFile(Bytes().num(1).num(2).num(1).num(3).num(4).num(huge).text("x").data);
    {
        Player p(0, 0, "Gracz");
        EXPECT_TRUE(p.quests.empty());
    }
    // A forged inventory count after one real entry, and a quick-slot id
    // length of two billion.
    Bytes inventory;
    inventory.num(0).num(0).num(0).num(0).num(9).num(9).texts(10).num(huge).num(30).text("arrows");
    writeStateFile(inventory.data);
    {
        Player p(0, 0, "Gracz");
        EXPECT_EQ(p.attributePoints, 9);
        EXPECT_TRUE(p.inventory.empty());
    }
    writeStateFile(Bytes().num(0).num(0).num(0).num(0).num(1).num(1).text("potion").num(huge).data);
    {
        Player p(0, 0, "Gracz");
        ASSERT_TRUE(p.quickSlots[0]);
        EXPECT_EQ(p.quickSlots[0]->id, "potion");
        EXPECT_FALSE(p.quickSlots[1]);
    }
    // A hand whose id is cut short.
    Bytes hand;
    hand.num(0).num(0).num(0).num(0).num(0).num(0).texts(10).num(0).texts(3).num(0).num(huge);
    writeStateFile(hand.data);
    {
        Player p(0, 0, "Gracz");
        EXPECT_FALSE(p.leftHand);
        EXPECT_FALSE(p.rightHand);
    }
}

TEST_F(PlayerStateTest, UnwritableFileLosesNothingElse) {
    // A directory where the file should be: the write fails quietly.
    world.write("data\\player.tmp\\keep", "x");
    {
        Player p(5, 6, "Gracz");
        EXPECT_EQ(p.x, 5);
        p.saveState();
    }
    EXPECT_EQ(world.read("data\\player.tmp\\keep"), "x");
}

// The file size limit stands in for a full disk.
TEST_F(PlayerStateTest, AFailedWriteKeepsTheOldFileWhole) {
    richPlayer().reset();
    Player p(0, 0, "Gracz");
    p.inventory.clear();
    {
        DiskFull full(100);
        p.saveState();
    }
    EXPECT_EQ(stateFile(), richBytes());
}
