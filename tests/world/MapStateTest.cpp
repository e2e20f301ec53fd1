#include "world/Map.h"

#include "characters/Creature.h"
#include "characters/NPC.h"
#include "support/DiskFull.h"
#include "support/ItemFiles.h"
#include "support/MapFiles.h"
#include "support/TestWorld.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

std::string itemRecord(const std::string& id, int32_t column, int32_t row) {
    return le32(static_cast<int32_t>(id.size())) + le32(column) + le32(row) + id;
}

std::string creatureRecord(const std::string& id, int32_t column, int32_t row, int32_t facing,
                           const std::vector<std::string>& inventory) {
    std::string out = le32(static_cast<int32_t>(id.size())) + le32(column) + le32(row) + le32(facing) + id +
                      le32(static_cast<int32_t>(inventory.size()));
    for (const std::string& item : inventory) out += le32(static_cast<int32_t>(item.size())) + item;
    return out;
}

// town: 3 by 2. The player stands on (1, 0) on a pile of sword, shield,
// potion (potion on top); a rat at (0, 1), an orc with a sword in its right
// hand and potion and coin in its pack at (2, 1).
struct MapStateTest : ::testing::Test {
    TempWorld world;
    SdlSession sdl;
    Creature hero{"hero", 1, 0};

    void SetUp() override {
        writeCharacter(world, "rat", "name=Rat\n");
        writeCharacter(world, "orc", "name=Orc\nrightHand=sword\n[Inventory]\npotion\ncoin");
        for (const char* id : {"sword", "shield", "potion", "coin"}) writeItem(world, id, "name=x\n");
        world.write("data\\items\\sword\\data.ini", "name=Sword\ntype=onehanded\nattack=4\n");
        writeMap(world, "town", mapDataIni("", "0:1|rat\n2:1|orc\n", "1:0|sword\n1:0|shield\n1:0|potion\n"),
                 terrain(3, 2));
    }

    std::string stateFile() const { return world.read("data/town.tmp"); }

    static NPC* npcAt(Map& map, int32_t column, int32_t row) {
        return dynamic_cast<NPC*>(map.fieldAt(column, row).occupant);
    }
    static std::string ids(const std::vector<ItemRef>& items) {
        std::string out;
        for (const ItemRef& item : items) out += item->id + " ";
        return out;
    }
    int creatureCount(Map& map) const {
        int count = 0;
        for (auto& row : map.grid)
            for (Field& field : row) count += field.occupant && field.occupant != &hero;
        return count;
    }
};

// The golden file of the town after the rat turned right and picked up a shield.
const std::vector<std::string> kGoldenPieces = {
    le32(3) + le32(2),
    itemRecord("potion", 1, 0),
    itemRecord("shield", 1, 0),
    itemRecord("sword", 1, 0),
    creatureRecord("rat", 0, 1, 4, {"shield"}),
    creatureRecord("orc", 2, 1, 2, {"potion", "coin"}),
};

std::string golden() {
    std::string out;
    for (const std::string& piece : kGoldenPieces) out += piece;
    return out;
}

}  // namespace

TEST_F(MapStateTest, WritesTheExactLayoutAndReadsItBack) {
    {
        Map map(sdl.screen, "town", &hero);
        NPC* rat = npcAt(map, 0, 1);
        ASSERT_NE(rat, nullptr);
        rat->direction = 4;
        rat->spriteFrame = &frameRects[frameColumn(4)];
        rat->inventory.push_back(makeItem("shield"));
        map.saveState();
        EXPECT_EQ(stateFile(), golden());
        world.write("data\\town.tmp", "stale");
    }
    EXPECT_EQ(stateFile(), golden()) << "the destructor writes the file again";

    Map map(sdl.screen, "town", &hero);
    EXPECT_EQ(ids(map.fieldAt(1, 0).items), "sword shield potion ");
    EXPECT_EQ(map.fieldAt(1, 0).occupant, &hero);
    NPC* rat = npcAt(map, 0, 1);
    NPC* orc = npcAt(map, 2, 1);
    ASSERT_NE(rat, nullptr);
    ASSERT_NE(orc, nullptr);
    EXPECT_EQ(rat->id, "rat");
    EXPECT_EQ(rat->direction, 4);
    EXPECT_EQ(rat->spriteFrame, &frameRects[frameColumn(4)]);
    EXPECT_EQ(ids(rat->inventory), "shield ");
    EXPECT_EQ(orc->direction, 2);
    EXPECT_EQ(ids(orc->inventory), "potion coin ");
    ASSERT_NE(orc->rightHand, nullptr) << "equipment comes from the definition again";
    EXPECT_EQ(orc->rightHand->id, "sword");
    EXPECT_EQ(creatureCount(map), 2);

    // The reader and the writer agree byte for byte.
    map.saveState();
    EXPECT_EQ(stateFile(), golden());
}

TEST_F(MapStateTest, KilledCreaturesAndTakenItemsStayGone) {
    {
        Map map(sdl.screen, "town", &hero);
        map.killCreature(2, 1);
        ASSERT_EQ(map.fieldAt(2, 1).corpses.size(), 1u);
        ASSERT_EQ(map.takeTopItem()->id, "potion");
        npcAt(map, 0, 1)->inventory.push_back(makeItem("coin"));
    }
    Map map(sdl.screen, "town", &hero);
    EXPECT_EQ(map.fieldAt(2, 1).occupant, nullptr);
    EXPECT_TRUE(map.fieldAt(2, 1).corpses.empty()) << "corpses are not kept";
    EXPECT_EQ(ids(map.fieldAt(1, 0).items), "sword shield ");
    EXPECT_EQ(ids(npcAt(map, 0, 1)->inventory), "coin ");
}

TEST_F(MapStateTest, ATruncatedFileKeepsEveryCompleteRecordBeforeTheCut) {
    const std::string full = golden();
    // Where each piece ends, and where each creature's id ends (it exists
    // from there on, its inventory coming after).
    std::vector<size_t> ends;
    size_t at = 0;
    for (const std::string& piece : kGoldenPieces) ends.push_back(at += piece.size());
    const size_t ratMade = ends[3] + 16 + 3;
    const size_t orcMade = ends[4] + 16 + 3;
    const size_t orcPotion = orcMade + 4 + 4 + 6;

    for (size_t cut = 0; cut < full.size(); ++cut) {
        world.write("data\\town.tmp", full.substr(0, cut));
        Map map(sdl.screen, "town", &hero);
        size_t items = cut >= ends[3] ? 3 : cut >= ends[2] ? 2 : cut >= ends[1] ? 1 : 0;
        EXPECT_EQ(map.fieldAt(1, 0).items.size(), items) << "cut at " << cut;
        NPC* rat = npcAt(map, 0, 1);
        NPC* orc = npcAt(map, 2, 1);
        EXPECT_EQ(rat != nullptr, cut >= ratMade) << "cut at " << cut;
        EXPECT_EQ(orc != nullptr, cut >= orcMade) << "cut at " << cut;
        if (rat) {
            EXPECT_EQ(ids(rat->inventory), cut >= ends[4] ? "shield " : "") << "cut at " << cut;
        }
        if (orc) {
            EXPECT_EQ(ids(orc->inventory), cut >= orcPotion ? "potion " : "") << "cut at " << cut;
        }
    }
}

TEST_F(MapStateTest, ForgedCountsAndLengthsNeitherHangNorAllocate) {
    const std::string records = golden().substr(8);
    const int32_t huge = 2000000000;

    // A huge creature count: the records there are read, then the data ends.
    world.write("data\\town.tmp", le32(3) + le32(huge) + records);
    {
        Map map(sdl.screen, "town", &hero);
        EXPECT_EQ(map.fieldAt(1, 0).items.size(), 3u);
        EXPECT_EQ(creatureCount(map), 2);
    }

    // A huge item count reads the real items, then whatever follows as items.
    world.write("data\\town.tmp", le32(huge) + le32(huge) + records);
    testing::internal::CaptureStdout();
    {
        Map map(sdl.screen, "town", &hero);
        EXPECT_GE(map.fieldAt(1, 0).items.size(), 3u);
    }
    testing::internal::GetCapturedStdout();

    // Counts and lengths that the file cannot hold stop the reading there.
    world.write("data\\town.tmp", le32(2) + le32(1) + itemRecord("coin", 0, 0) + le32(huge) + le32(0) + le32(0) +
                                      "coin" + creatureRecord("rat", 0, 1, 3, {}));
    {
        Map map(sdl.screen, "town", &hero);
        EXPECT_EQ(map.fieldAt(0, 0).items.size(), 1u);
        EXPECT_EQ(creatureCount(map), 0);
    }
    world.write("data\\town.tmp", le32(0) + le32(2) + le32(3) + le32(0) + le32(1) + le32(3) + "rat" + le32(huge) +
                                      le32(4) + "coin");
    {
        Map map(sdl.screen, "town", &hero);
        ASSERT_NE(npcAt(map, 0, 1), nullptr);
        EXPECT_EQ(ids(npcAt(map, 0, 1)->inventory), "coin ");
    }
    world.write("data\\town.tmp", le32(-5) + le32(-7) + records);
    {
        Map map(sdl.screen, "town", &hero);
        EXPECT_TRUE(map.fieldAt(1, 0).items.empty());
        EXPECT_EQ(creatureCount(map), 0);
    }
    world.write("data\\town.tmp", le32(1) + le32(0) + le32(-1) + le32(0) + le32(0));
    {
        Map map(sdl.screen, "town", &hero);
        EXPECT_TRUE(map.fieldAt(0, 0).items.empty());
    }
}

TEST_F(MapStateTest, RecordsOffTheGridAreSkippedAndOnesOnATakenFieldStepAside) {
    world.write("data\\town.tmp",
                le32(3) + le32(7) + itemRecord("coin", -1, 0) + itemRecord("coin", 3, 0) + itemRecord("sword", 2, 0) +
                    creatureRecord("orc", 9, 9, 1, {"potion"}) + creatureRecord("orc", 1, 0, 1, {"potion"}) +
                    creatureRecord("rat", 0, 1, 0, {"coin"}) + creatureRecord("orc", 0, 1, 3, {"sword", "coin"}) +
                    creatureRecord("orc", 2, 1, 7, {"sword"}) + creatureRecord("orc", 1, 0, 1, {"coin"}) +
                    creatureRecord("orc", 1, 0, 1, {"shield"}));
    Map map(sdl.screen, "town", &hero);
    EXPECT_EQ(ids(map.fieldAt(2, 0).items), "sword ");
    EXPECT_EQ(map.fieldAt(1, 0).occupant, &hero);
    NPC* rat = npcAt(map, 0, 1);
    ASSERT_NE(rat, nullptr);
    EXPECT_EQ(rat->id, "rat") << "the first record for a field keeps it";
    EXPECT_EQ(ids(rat->inventory), "coin ");
    NPC* orc = npcAt(map, 2, 1);
    ASSERT_NE(orc, nullptr) << "records after skipped ones are still read";
    EXPECT_EQ(ids(orc->inventory), "sword ");

    // Records for a taken field go to the nearest free neighbour, inventory
    // and all; with every neighbour taken the last one has nowhere to go.
    const struct {
        int32_t column, row;
        const char* inventory;
    } moved[] = {{0, 0, "potion "}, {1, 1, "sword coin "}, {2, 0, "coin "}};
    for (const auto& m : moved) {
        NPC* npc = npcAt(map, m.column, m.row);
        ASSERT_NE(npc, nullptr) << m.column << "," << m.row;
        EXPECT_EQ(ids(npc->inventory), m.inventory);
        EXPECT_EQ(npc->x, m.column);
        EXPECT_EQ(npc->y, m.row);
    }
    EXPECT_EQ(creatureCount(map), 5);

    // A facing outside 1..4 leaves the facing as built.
    NPC fresh(0, 0, "rat");
    EXPECT_EQ(rat->direction, fresh.direction);
    EXPECT_EQ(rat->spriteFrame, fresh.spriteFrame);
    EXPECT_EQ(orc->direction, fresh.direction);
    EXPECT_EQ(orc->spriteFrame, fresh.spriteFrame);
}

TEST_F(MapStateTest, ARunePackedForLackOfManaIsNotDoubledOnTheNextVisit) {
    writeItem(world, "fire", "name=Fire\ntype=dmgRune\nMP=10\n");
    // Without and with a spare rune of its own in its pack.
    for (const size_t spares : {0u, 1u}) {
        const std::string pack = spares ? "fire\npotion\n" : "potion\n";
        writeCharacter(world, "mage", "name=Mage\nleftHand=fire\n[Inventory]\n" + pack);
        const std::vector<std::string> kept = spares ? std::vector<std::string>{"fire", "potion"}
                                                     : std::vector<std::string>{"potion"};
        world.write("data\\town.tmp", le32(0) + le32(1) + creatureRecord("mage", 0, 0, 2, kept));
        for (int visit = 0; visit < 3; ++visit) {
            Map map(sdl.screen, "town", &hero);
            NPC* mage = npcAt(map, 0, 0);
            ASSERT_NE(mage, nullptr);
            const auto packed = std::count_if(mage->inventory.begin(), mage->inventory.end(),
                                              [](const ItemRef& i) { return i->id == "fire"; });
            ASSERT_TRUE(mage->leftHand && mage->leftHand->id == "fire") << spares << visit;
            EXPECT_EQ(size_t(packed), spares) << spares << visit;
            if (visit == 0) {
                // What a caster out of mana does.
                mage->inventory.push_back(mage->leftHand);
                mage->unequip(mage->leftHand);
            }
        }
    }
}

TEST_F(MapStateTest, StatePathGivesNoFileForNamesThatCouldHitAnotherFile) {
    const struct {
        std::string name;
        std::string path;
    } cases[] = {
        {"town", "data\\town.tmp"}, {"", ""},      {"a\\b", ""},     {"a/b", ""},
        {std::string("a\0b", 3), ""}, {"start", ""}, {"START", ""},     {"Player", ""},
        {"starts", "data\\starts.tmp"},
    };
    world.write("data\\player.tmp", "hero");
    Map map(sdl.screen, "town", &hero);
    for (const auto& c : cases) {
        map.name = c.name;
        EXPECT_EQ(map.statePath(), c.path) << c.name;
        map.saveState();
    }
    map.name = "town";
    EXPECT_EQ(world.read("data\\player.tmp"), "hero");
    EXPECT_FALSE(world.exists("data\\start.tmp"));
}

TEST_F(MapStateTest, AWriteThatFailsPartWayKeepsTheEarlierFile) {
    { Map map(sdl.screen, "town", &hero); }
    const std::string before = stateFile();
    ASSERT_GT(before.size(), 16u);
    Map map(sdl.screen, "town", &hero);
    map.killCreature(0, 1);
    {
        DiskFull full(16);
        map.saveState();
    }
    EXPECT_EQ(stateFile(), before);
    EXPECT_FALSE(world.exists("data/town.tmp.part"));
}
