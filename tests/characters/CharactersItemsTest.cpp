#include "characters/Characters.h"

#include "characters/Creature.h"
#include "support/ItemFiles.h"
#include "support/TestWorld.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct CharactersItemsTest : ::testing::Test {
    TempWorld world;
    SdlSession sdl;

    ItemRef item(const std::string& id, const std::string& ini) {
        writeItem(world, id, ini);
        return makeItem(id);
    }
};

}  // namespace

TEST_F(CharactersItemsTest, EquipAndUnequipMoveTheAttributeBonuses) {
    ItemRef amulet = item("amulet",
                          "type=necklace\nstrength=1\ndexterity=2\ncondition=3\nintelligence=4\nwillpower=5\n"
                          "charisma=6\noneHandedWeaponSkill=7\ntwoHandedWeaponSkill=8\nbowSkill=9\ncrossbowSkill=-3\n");
    Creature c;
    c.necklace = amulet;
    c.equip(amulet);
    const int32_t worn[10] = {6, 7, 8, 9, 10, 11, 12, 13, 14, 2};
    for (int i = 0; i < 10; ++i) EXPECT_EQ(c.attribute(i), worn[i]) << i;
    EXPECT_EQ(c.maxHP, 160);  // condition 8
    EXPECT_EQ(c.maxMP, 160);  // willpower 10
    EXPECT_EQ(c.attack, 6);
    c.necklace = nullptr;
    c.unequip(amulet);
    for (int i = 0; i < 10; ++i) EXPECT_EQ(c.attribute(i), 5) << i;
    EXPECT_EQ(c.maxHP, 100);
    EXPECT_EQ(c.HP, 100);
}

TEST_F(CharactersItemsTest, TwoHandedWeaponsAndRunesFillAndEmptyBothHands) {
    ItemRef axe = item("axe", "type=twohanded\nattack=10\nstrength=2\n");
    Creature c;
    c.rightHand = axe;
    c.equip(axe);
    EXPECT_EQ(c.leftHand, axe);
    EXPECT_EQ(c.rightHand, axe);
    EXPECT_EQ(c.strength, 7);
    EXPECT_EQ(c.attack, 17);  // 7 + 10, skill 5 adds 0
    c.unequip(axe);
    EXPECT_EQ(c.leftHand, nullptr);
    EXPECT_EQ(c.rightHand, nullptr);
    EXPECT_TRUE(c.inventory.empty());
    EXPECT_EQ(c.strength, 5);
    EXPECT_EQ(c.attack, 5);

    // The hand itself may be handed over; emptying it must not lose the item being taken off.
    c.leftHand = axe;
    c.equip(axe);
    c.unequip(c.leftHand);
    EXPECT_EQ(c.leftHand, nullptr);
    EXPECT_EQ(c.rightHand, nullptr);
    EXPECT_EQ(c.strength, 5);

    ItemRef heal = item("heal", "type=healRune\nmagicAttack=9\n");
    c.leftHand = heal;
    c.equip(heal);
    EXPECT_EQ(c.rightHand, heal);
    EXPECT_EQ(c.magicAttack, 14);
    c.leftHand = nullptr;
    c.unequip(heal);
    EXPECT_EQ(c.rightHand, nullptr);
    EXPECT_EQ(c.magicAttack, 5);

    // A one-handed weapon is not mirrored.
    ItemRef sword = item("sword", "type=onehanded\n");
    c.leftHand = sword;
    c.equip(sword);
    EXPECT_EQ(c.rightHand, nullptr);
}

TEST_F(CharactersItemsTest, UnequippingARangedWeaponTakesItsAmmunitionAlong) {
    ItemRef bow = item("bow", "type=bow\nattack=12\nbowSkill=5\n");
    ItemRef arrows = item("arrows", "type=arrow\nbowSkill=3\namount=20\n");
    ItemRef potion = item("potion", "type=mixtureHP\n");
    Creature c;
    c.inventory.push_back(potion);
    c.leftHand = bow;
    c.equip(bow);
    c.rightHand = arrows;
    c.equip(arrows);
    EXPECT_EQ(c.bowSkill, 13);
    EXPECT_EQ(c.attack, 19);  // 17 + 17 * 13 / 100
    c.unequip(bow);
    ASSERT_EQ(c.inventory.size(), 3u);
    EXPECT_EQ(c.inventory[0], potion);
    EXPECT_EQ(c.inventory[1], bow);
    EXPECT_EQ(c.inventory[2], arrows);
    EXPECT_EQ(c.leftHand, nullptr);
    EXPECT_EQ(c.rightHand, nullptr);
    EXPECT_EQ(c.bowSkill, 8);  // only the bow's own bonus is taken back
    EXPECT_EQ(c.attack, 5);

    // Crossbow in the right hand, bolts in the left: the left hand goes first.
    ItemRef crossbow = item("crossbow", "type=crossbow\n");
    ItemRef bolts = item("bolts", "type=carrow\n");
    Creature d;
    d.rightHand = crossbow;
    d.leftHand = bolts;
    d.unequip(crossbow);
    ASSERT_EQ(d.inventory.size(), 2u);
    EXPECT_EQ(d.inventory[0], bolts);
    EXPECT_EQ(d.inventory[1], crossbow);

    // The hand itself may be handed over.
    Creature f;
    f.leftHand = bow;
    f.equip(bow);
    f.rightHand = arrows;
    f.unequip(f.leftHand);
    ASSERT_EQ(f.inventory.size(), 2u);
    EXPECT_EQ(f.inventory[0], bow);
    EXPECT_EQ(f.inventory[1], arrows);
    EXPECT_EQ(f.bowSkill, 5);

    // When the caller already took the bow out, only the ammunition follows.
    Creature e;
    e.rightHand = arrows;
    e.unequip(bow);
    ASSERT_EQ(e.inventory.size(), 1u);
    EXPECT_EQ(e.inventory[0], arrows);

    e.leftHand = potion;
    e.rightHand = crossbow;
    e.unequip(bow);  // out of some other slot: the hands stay as they are
    EXPECT_TRUE(e.inventory.size() == 1 && e.leftHand == potion);
}

TEST_F(CharactersItemsTest, ConsumeHealsUpToTheMaximumAndKeepsBonuses) {
    ItemRef potion = item("potion", "type=mixtureHP\nHP=50\n");
    ItemRef mana = item("mana", "type=mixtureMP\nMP=30\nwillpower=5\n");
    ItemRef poison = item("poison", "type=mixtureHP\nHP=-500\ncondition=-1\n");
    Creature c;
    c.HP = 80;
    c.consume(potion);
    EXPECT_EQ(c.HP, 100);
    c.HP = 20;
    c.consume(potion);
    EXPECT_EQ(c.HP, 70);

    c.MP = 10;
    c.consume(mana);
    EXPECT_EQ(c.willpower, 10);  // for good
    EXPECT_EQ(c.maxMP, 160);
    EXPECT_EQ(c.MP, 120);  // 40 of 80, then the new maximum keeps the 40 missing

    c.consume(poison);
    EXPECT_EQ(c.condition, 4);
    EXPECT_EQ(c.maxHP, 80);
    EXPECT_EQ(c.HP, 1);
    c.consume(nullptr);  // nothing to use
    EXPECT_EQ(c.HP, 1);
}

TEST_F(CharactersItemsTest, AddItemMergesAmmunitionStacksOnly) {
    ItemRef arrows = item("arrows", "type=arrow\namount=20\n");
    ItemRef moreArrows = item("arrows2", "type=arrow\namount=15\n");
    ItemRef bolts = item("bolts", "type=carrow\namount=4\n");
    ItemRef moreBolts = item("bolts2", "type=carrow\namount=6\n");
    ItemRef sword = item("sword", "type=onehanded\namount=3\n");
    ItemRef sword2 = item("sword2", "type=onehanded\namount=3\n");
    Creature c;
    c.addItem(sword);
    c.addItem(bolts);  // first stack of its kind
    c.addItem(arrows);
    c.addItem(moreArrows);
    c.addItem(moreBolts);
    c.addItem(sword2);
    ASSERT_EQ(c.inventory.size(), 4u);
    EXPECT_EQ(c.inventory[0], sword);
    EXPECT_EQ(c.inventory[1], bolts);
    EXPECT_EQ(c.inventory[2], arrows);
    EXPECT_EQ(c.inventory[3], sword2);
    EXPECT_EQ(arrows->amount, 35u);
    EXPECT_EQ(bolts->amount, 10u);
    EXPECT_EQ(sword->amount, 3u);
    EXPECT_EQ(moreArrows.use_count(), 1);  // the merged stack is no longer held

    // An item already carried is not counted twice, wherever it stands.
    c.addItem(arrows);
    EXPECT_EQ(arrows->amount, 35u);
    EXPECT_EQ(c.inventory.size(), 4u);
    ItemRef laterArrows = item("arrows3", "type=arrow\namount=5\n");
    c.inventory.push_back(laterArrows);
    c.addItem(laterArrows);
    EXPECT_EQ(arrows->amount, 35u);
    c.addItem(sword2);
    EXPECT_EQ(c.inventory.size(), 5u);
}

TEST_F(CharactersItemsTest, StacksThatWouldPassTheLargestAmountStayApart) {
    const struct {
        const char* what;
        uint32_t carried, added;
        std::vector<uint32_t> after;
    } cases[] = {
        {"up to the largest amount they merge", 4294967290u, 5u, {4294967295u}},
        {"one piece more and they stay apart", 4294967290u, 6u, {4294967290u, 6u}},
        {"two huge stacks", 4294967295u, 4294967295u, {4294967295u, 4294967295u}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ItemRef stack = item("arrows", "type=arrow\n");
        ItemRef more = item("arrows2", "type=arrow\n");
        stack->amount = c.carried;
        more->amount = c.added;
        Creature creature;
        creature.addItem(stack);
        creature.addItem(more);
        std::vector<uint32_t> amounts;
        for (const ItemRef& i : creature.inventory) amounts.push_back(i->amount);
        EXPECT_EQ(amounts, c.after);
    }
}
