#include "characters/NPC.h"

#include "support/ItemFiles.h"
#include "support/TestWorld.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

struct NPCDefinitionTest : ::testing::Test {
    TempWorld world;
    SdlSession sdl;

    void character(const std::string& id, const std::string& ini) {
        world.write("data\\characters\\" + id + "\\data.ini", ini);
    }
};

}  // namespace

TEST_F(NPCDefinitionTest, WithoutDefinitionEverythingIsDefault) {
    testing::internal::CaptureStdout();
    NPC npc(3, 4, "nobody");
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    EXPECT_EQ(npc.id, "nobody");
    EXPECT_EQ(npc.name, "");
    EXPECT_TRUE(npc.agression);
    EXPECT_EQ(npc.HP, 100);
    EXPECT_EQ(npc.MP, 80);
    EXPECT_EQ(npc.moveState, 0);
    EXPECT_TRUE(npc.inventory.empty());
    EXPECT_EQ(npc.leftHand, nullptr);
    EXPECT_FALSE(npc.dialogue.hasDialogue);
    EXPECT_EQ(npc.dialogue.currentNode, 0);
    EXPECT_EQ(npc.dialogue.builtNode, -1);
    EXPECT_EQ(&npc.dialogue.ownerInventory, &npc.inventory);
}

TEST_F(NPCDefinitionTest, SerialsCountUpAcrossAllNPCs) {
    const int32_t before = NPC::nextSerial;
    auto first = std::make_unique<NPC>(0, 0, "a");
    first.reset();
    NPC second(0, 0, "b");
    NPC third(0, 0, "a");
    EXPECT_GE(before, 0);
    EXPECT_EQ(second.serial, before + 1);
    EXPECT_EQ(third.serial, before + 2);
    EXPECT_EQ(NPC::nextSerial, before + 3);
}

TEST_F(NPCDefinitionTest, NumberAndTextKeys) {
    character("guard",
              "name=Town guard = brave\n"
              "exp=120\nlevel=3\nlevel=high\n"
              "strength=12\ndexterity=-3\ncondition=10\nintelligence=7\nwillpower=20\ncharisma=1\n"
              "oneHandedWeaponSkill=30\ntwoHandedWeaponSkill=31\nbowSkill=32\ncrossbowSkill=33\n"
              "strength=14\n"
              "condition = 99\nmaxHP=500\n\nsome remark\n");
    NPC guard(0, 0, "guard");
    EXPECT_EQ(guard.name, "Town guard = brave");
    EXPECT_EQ(guard.exp, 120);
    EXPECT_EQ(guard.level, 3);  // "high" keeps the earlier value
    EXPECT_EQ(guard.nextLevelExp, 500);
    const int32_t expected[10] = {14, -3, 10, 7, 20, 1, 30, 31, 32, 33};
    for (int i = 0; i < 10; ++i) EXPECT_EQ(guard.attribute(i), expected[i]) << i;
    EXPECT_EQ(guard.maxHP, 200);
    EXPECT_EQ(guard.HP, 200);
    EXPECT_EQ(guard.maxMP, 320);
    EXPECT_EQ(guard.MP, 320);
    EXPECT_EQ(guard.attack, 14);
}

TEST_F(NPCDefinitionTest, AgressionIsAnyNonZeroNumber) {
    character("calm", "agression=0\n");
    character("angry", "agression=7\n");
    character("odd", "agression=no\n");
    character("late", "agression=1\nagression=0\n");
    EXPECT_FALSE(NPC(0, 0, "calm").agression);
    EXPECT_TRUE(NPC(0, 0, "angry").agression);
    EXPECT_TRUE(NPC(0, 0, "odd").agression);
    EXPECT_FALSE(NPC(0, 0, "late").agression);
}

TEST_F(NPCDefinitionTest, WornItemsMustHaveTheirSlotsType) {
    writeItem(world, "mail", "type=armor\ndefense=4\nstrength=2\n");
    writeItem(world, "cap", "type=helmet\nmaxHP=20\n");
    writeItem(world, "band", "type=ring\nmaxMP=8\n");
    writeItem(world, "band2", "type=ring\ndefense=1\n");
    writeItem(world, "pendant", "type=necklace\nmagicAttack=3\n");
    writeItem(world, "shoes", "type=boots\nmagicDefense=2\n");
    character("knight",
              "armor=mail\nhelmet=cap\nring1=band\nring2=band2\nnecklace=pendant\nboots=shoes\n");
    NPC knight(0, 0, "knight");
    ASSERT_NE(knight.armor, nullptr);
    EXPECT_EQ(knight.armor->id, "mail");
    ASSERT_NE(knight.ring2, nullptr);
    EXPECT_EQ(knight.ring2->id, "band2");
    EXPECT_EQ(knight.strength, 7);
    EXPECT_EQ(knight.defense, 5);
    EXPECT_EQ(knight.maxHP, 120);
    EXPECT_EQ(knight.HP, 120);  // starts unhurt
    EXPECT_EQ(knight.maxMP, 88);
    EXPECT_EQ(knight.MP, 88);
    EXPECT_EQ(knight.magicAttack, 8);
    EXPECT_EQ(knight.magicDefense, 2);

    // Wrong types are dropped, "0" touches nothing, unknown ids are logged and dropped.
    character("wrong", "helmet=band\nring1=cap\narmor=0\nboots=ghost\n");
    testing::internal::CaptureStdout();
    NPC wrong(0, 0, "wrong");
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "Loading file:  \"data\\items\\ghost\\ghost.bmp\" FAILURE\n"
              "Loading file: \"data\\items\\ghost\\data.ini\" FAILURE\n");
    EXPECT_EQ(wrong.helmet, nullptr);
    EXPECT_EQ(wrong.ring1, nullptr);
    EXPECT_EQ(wrong.armor, nullptr);
    EXPECT_EQ(wrong.boots, nullptr);
    EXPECT_EQ(wrong.maxHP, 100);
    EXPECT_TRUE(wrong.inventory.empty());
}

TEST_F(NPCDefinitionTest, ASecondLineForASlotReplacesTheItemButNotItsBonuses) {
    writeItem(world, "mail", "type=armor\ndefense=4\nstrength=2\n");
    writeItem(world, "plate", "type=armor\ndefense=9\ncondition=10\n");
    character("twice", "armor=mail\narmor=plate\n");
    NPC twice(0, 0, "twice");
    ASSERT_NE(twice.armor, nullptr);
    EXPECT_EQ(twice.armor->id, "plate");
    EXPECT_EQ(twice.strength, 7);   // the replaced armour's bonus stays
    EXPECT_EQ(twice.condition, 15);
    EXPECT_EQ(twice.defense, 10);   // 15 / 10 + 9; the old armour no longer counts
    EXPECT_EQ(twice.HP, 300);
    EXPECT_TRUE(twice.inventory.empty());  // the replaced armour is gone
}

TEST_F(NPCDefinitionTest, InventoryTakesEveryLineAfterItsMarker) {
    writeItem(world, "potion", "type=mixtureHP\n");
    writeItem(world, "bread", "name=Bread\n");
    character("trader", "name=Trader\n\n[Inventory]\npotion\n\nbread\nname=x\npotion");
    testing::internal::CaptureStdout();
    NPC trader(0, 0, "trader");
    const std::string log = testing::internal::GetCapturedStdout();
    EXPECT_EQ(trader.name, "Trader");
    ASSERT_EQ(trader.inventory.size(), 5u);
    EXPECT_EQ(trader.inventory[0]->id, "potion");
    EXPECT_EQ(trader.inventory[1]->id, "");
    EXPECT_EQ(trader.inventory[2]->name, "Bread");
    EXPECT_EQ(trader.inventory[3]->id, "name=x");
    EXPECT_EQ(trader.inventory[4]->id, "potion");
    EXPECT_NE(trader.inventory[0], trader.inventory[4]);  // each line is its own item
    EXPECT_EQ(log,
              "Loading file:  \"data\\items\\\\.bmp\" FAILURE\n"
              "Loading file: \"data\\items\\\\data.ini\" FAILURE\n"
              "Loading file:  \"data\\items\\name=x\\name=x.bmp\" FAILURE\n"
              "Loading file: \"data\\items\\name=x\\data.ini\" FAILURE\n");

    // A marker with anything else on its line is not the marker.
    character("notmarker", "[Inventory] \npotion\n");
    EXPECT_TRUE(NPC(0, 0, "notmarker").inventory.empty());

    character("crlf", "name=Crlf\r\n[Inventory]\r\npotion\r\n");
    NPC crlf(0, 0, "crlf");
    EXPECT_EQ(crlf.name, "Crlf");
    ASSERT_EQ(crlf.inventory.size(), 1u);
    EXPECT_EQ(crlf.inventory[0]->id, "potion");
}

TEST_F(NPCDefinitionTest, SpriteAndDialogueComeFromTheCharacterFolder) {
    world.writeBitmap("data\\characters\\bard\\bard.bmp", 103, 81, 10, 20, 30);
    world.write("data\\characters\\bard\\bard.dg", "Hello\n1|Bye\n");
    NPC bard(0, 0, "bard");
    ASSERT_NE(bard.sprite, nullptr);
    EXPECT_TRUE(bard.dialogue.hasDialogue);
    EXPECT_EQ(bard.dialogue.scriptLines, (std::vector<std::string>{"Hello", "1|Bye"}));
    EXPECT_EQ(bard.dialogue.builtNode, -1);
}
