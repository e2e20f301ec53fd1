#include "world/Map.h"

#include "characters/Corpse.h"
#include "characters/Creature.h"
#include "characters/NPC.h"
#include "characters/Player.h"
#include "support/ItemFiles.h"
#include "support/MapFiles.h"
#include "support/TestWorld.h"

#include <gtest/gtest.h>

namespace {

// 6 by 5: '#' blocks, '*' travels, one NUL field at (5, 2); a bush anchored
// on the travel field (3, 0) covers (3, 1), a rock at (2, 3) covers (3, 3).
std::string gridTerrain() {
    std::string rows = "..#*..\n.*....\n......\n......\n......\n";
    rows[2 * 7 + 5] = '\0';
    return rows;
}

struct MapGridTest : ::testing::Test {
    TempWorld world;
    SdlSession sdl;
    Creature hero{"hero", 0, 2};

    void SetUp() override {
        writeCharacter(world, "guard", "name=Guard\n[Inventory]\npotion");
        writeItem(world, "potion", "name=Potion\ntype=mixtureHP\n");
        writeItem(world, "sword", "name=Sword\ntype=onehanded\n");
        writeItem(world, "shield", "name=Shield\ntype=armor\n");
        writeMap(world, "grid",
                 mapDataIni("3:0|forest|10:2\n", "2:0|guard\n1:1|guard\n4:2|guard\n",
                            "0:2|sword\n0:2|shield\n0:2|potion\n"),
                 gridTerrain());
        world.write(mapFile("grid", "scenery.dat"), "[rock] 2 1\n2 3\n[bush] 1 2\n3 0\n");
    }

    static std::unique_ptr<Corpse> corpseOf(const std::string& name) {
        Creature body("guard");
        return std::make_unique<Corpse>(name, "guard", body);
    }
};

}  // namespace

TEST_F(MapGridTest, CanEnterAppliesItsRulesInOrder) {
    Map map(sdl.screen, "grid", &hero);
    EXPECT_EQ(map.canEnter(-1, 0), kBlocked);
    EXPECT_EQ(map.canEnter(6, 0), kBlocked);
    EXPECT_EQ(map.canEnter(0, 5), kBlocked);
    EXPECT_EQ(map.canEnter(0, -1), kBlocked);
    ASSERT_NE(map.fieldAt(2, 0).occupant, nullptr);
    EXPECT_EQ(map.canEnter(2, 0), kBlocked) << "a blocking code wins over the creature on it";
    EXPECT_EQ(map.canEnter(5, 2), kBlocked) << "NUL is never entered";
    EXPECT_EQ(map.canEnter(1, 1), kOccupied) << "a creature on a travel field";
    EXPECT_EQ(map.canEnter(3, 0), kTravel) << "travel wins over scenery";
    EXPECT_EQ(map.canEnter(2, 3), kBlocked) << "scenery anchor";
    EXPECT_EQ(map.canEnter(3, 3), kBlocked) << "covered by scenery";
    EXPECT_EQ(map.canEnter(3, 1), kBlocked) << "covered by the bush";
    EXPECT_EQ(map.canEnter(4, 2), kOccupied);
    EXPECT_EQ(map.canEnter(0, 2), kOccupied) << "the player";
    EXPECT_EQ(map.canEnter(0, 0), kFree);
    EXPECT_EQ(map.moveTargetAt(3, 0), "forest|10:2");
    EXPECT_EQ(map.moveTargetAt(0, 0), "");
}

TEST_F(MapGridTest, MoveCreatureMovesTheGridEntryOnly) {
    Map map(sdl.screen, "grid", &hero);
    Characters* guard = map.fieldAt(4, 2).occupant;
    ASSERT_NE(guard, nullptr);
    map.moveCreature(4, 3, guard);
    EXPECT_EQ(map.fieldAt(4, 2).occupant, nullptr);
    EXPECT_EQ(map.fieldAt(4, 3).occupant, guard);
    EXPECT_EQ(guard->x, 4);
    EXPECT_EQ(guard->y, 2) << "the caller sets the position";
    guard->y = 3;

    // A field someone else holds is not taken: that creature would be lost.
    map.moveCreature(0, 2, guard);
    EXPECT_EQ(map.fieldAt(0, 2).occupant, &hero);
    EXPECT_EQ(map.fieldAt(4, 3).occupant, guard);

    map.moveCreature(1, 2, &hero);
    EXPECT_EQ(map.fieldAt(0, 2).occupant, nullptr);
    EXPECT_EQ(map.fieldAt(1, 2).occupant, &hero);
}

TEST_F(MapGridTest, KillCreatureLeavesACorpseOnTopAndFreesTheField) {
    Map map(sdl.screen, "grid", &hero);
    Characters* guard = map.fieldAt(4, 2).occupant;
    map.fieldAt(4, 2).corpses.push_back(corpseOf("older"));
    map.visibleCreatures = {map.fieldAt(1, 1).occupant, guard};

    map.killCreature(4, 2);
    const Field& field = map.fieldAt(4, 2);
    EXPECT_EQ(field.occupant, nullptr);
    ASSERT_EQ(field.corpses.size(), 2u);
    EXPECT_EQ(field.corpses.back()->name, "Guard");
    ASSERT_EQ(field.corpses.back()->items.size(), 1u);
    EXPECT_EQ(field.corpses.back()->items[0]->id, "potion");
    EXPECT_EQ(map.canEnter(4, 2), kFree);
    ASSERT_EQ(map.visibleCreatures.size(), 1u) << "a destroyed creature must not stay queued";
    EXPECT_EQ(map.visibleCreatures.front(), map.fieldAt(1, 1).occupant);

    // The player's target does not outlive the creature either.
    Player player(1, 2, "hero");
    Map withPlayer(sdl.screen, "grid", &player);
    player.target = withPlayer.fieldAt(1, 1).occupant;
    ASSERT_NE(player.target, nullptr);
    withPlayer.killCreature(4, 2);
    EXPECT_NE(player.target, nullptr) << "another creature's death leaves the target alone";
    withPlayer.killCreature(1, 1);
    EXPECT_EQ(player.target, nullptr);

    // Neither the player nor an empty field can be killed.
    map.killCreature(0, 2);
    map.killCreature(0, 0);
    map.killCreature(-4, 99);
    EXPECT_EQ(map.fieldAt(0, 2).occupant, &hero);
    EXPECT_TRUE(map.fieldAt(0, 2).corpses.empty());
    EXPECT_TRUE(map.fieldAt(0, 0).corpses.empty());
}

TEST_F(MapGridTest, ItemPileUnderThePlayerIsAStack) {
    Map map(sdl.screen, "grid", &hero);
    ASSERT_EQ(map.fieldAt(0, 2).items.size(), 3u);
    ItemRef top = map.topItem();
    ASSERT_NE(top, nullptr);
    EXPECT_EQ(top->id, "potion");
    EXPECT_EQ(map.fieldAt(0, 2).items.size(), 3u) << "topItem leaves it in place";

    ItemRef taken = map.takeTopItem();
    EXPECT_EQ(taken, top);
    ASSERT_EQ(map.fieldAt(0, 2).items.size(), 2u);
    EXPECT_EQ(map.fieldAt(0, 2).items[0]->id, "sword");
    EXPECT_EQ(map.topItem()->id, "shield");

    map.takeTopItem();
    map.takeTopItem();
    EXPECT_EQ(map.takeTopItem(), nullptr);
    EXPECT_EQ(map.topItem(), nullptr);
}

TEST_F(MapGridTest, CorpsesUnderThePlayerAreRemovedAndDragged) {
    Map map(sdl.screen, "grid", &hero);
    EXPECT_EQ(map.topCorpse(), nullptr);
    map.removeTopCorpse();  // empty pile: nothing happens

    Field& here = map.fieldAt(0, 2);
    here.corpses.push_back(corpseOf("first"));
    here.corpses.push_back(corpseOf("second"));
    here.corpses.push_back(corpseOf("third"));
    here.corpses.push_back(corpseOf("fourth"));
    EXPECT_EQ(map.topCorpse()->name, "fourth");

    map.removeTopCorpse();
    EXPECT_EQ(map.topCorpse()->name, "third");

    EXPECT_EQ(map.dragCorpse(2, 0), kBlocked);
    EXPECT_EQ(map.dragCorpse(3, 0), kTravel);
    EXPECT_EQ(map.dragCorpse(-1, 2), kBlocked);
    EXPECT_EQ(here.corpses.size(), 3u) << "blocked and travel fields take nothing";

    EXPECT_EQ(map.dragCorpse(1, 1), kOccupied);
    ASSERT_EQ(map.fieldAt(1, 1).corpses.size(), 1u);
    EXPECT_EQ(map.fieldAt(1, 1).corpses.back()->name, "third");
    EXPECT_EQ(map.dragCorpse(0, 1), kFree);
    EXPECT_EQ(map.fieldAt(0, 1).corpses.back()->name, "second");
    EXPECT_EQ(map.topCorpse()->name, "first");

    map.dragCorpse(0, 1);
    EXPECT_EQ(map.topCorpse(), nullptr);
    EXPECT_EQ(map.dragCorpse(0, 0), kFree) << "nothing to drag is no fault";
    EXPECT_TRUE(map.fieldAt(0, 0).corpses.empty());
    EXPECT_EQ(map.fieldAt(0, 1).corpses.size(), 2u);
}

TEST_F(MapGridTest, APlayerOffTheGridIsNotPlacedAndBreaksNothing) {
    Creature lost("hero", 50, -3);
    {
        Map map(sdl.screen, "grid", &lost);
        for (int32_t r = 0; r < map.rows; ++r)
            for (int32_t c = 0; c < map.cols; ++c) EXPECT_NE(map.fieldAt(c, r).occupant, &lost);
        EXPECT_EQ(map.topItem(), nullptr);
        EXPECT_EQ(map.takeTopItem(), nullptr);
        EXPECT_EQ(map.topCorpse(), nullptr);
        map.removeTopCorpse();
        EXPECT_EQ(map.dragCorpse(0, 0), kFree);
        map.killCreature(50, -3);
        // Stepping onto the grid works from there.
        map.moveCreature(0, 0, &lost);
        EXPECT_EQ(map.fieldAt(0, 0).occupant, &lost);
    }
    EXPECT_TRUE(world.exists("data/grid.tmp"));
}
