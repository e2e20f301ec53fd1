#include "characters/Characters.h"

#include "characters/Creature.h"
#include "support/ItemFiles.h"
#include "support/TestWorld.h"
#include "util/Seam.h"

#include <gtest/gtest.h>

namespace {

struct CharactersStatsTest : ::testing::Test {
    TempWorld world;
    SdlSession sdl;
    ~CharactersStatsTest() override { seam::reset(); }

    ItemRef item(const std::string& id, const std::string& ini) {
        writeItem(world, id, ini);
        return makeItem(id);
    }
};

}  // namespace

TEST_F(CharactersStatsTest, NewCreatureHasTheStartingValues) {
    world.writeBitmap("data\\characters\\orc\\orc.bmp", 103, 81, 255, 0, 255);
    seam::setTicks([] { return 4242u; });
    Creature orc("orc", 7, 9);
    EXPECT_EQ(orc.spritePath, "data\\characters\\orc\\orc.bmp");
    ASSERT_NE(orc.sprite, nullptr);
    EXPECT_EQ(orc.sprite->w, 103);
    EXPECT_EQ(orc.lastActionTime, 4242u);
    EXPECT_EQ(orc.direction, 2);
    EXPECT_EQ(orc.spriteFrame, &frameRects[0]);
    EXPECT_EQ(orc.HP, 100);
    EXPECT_EQ(orc.maxHP, 100);
    EXPECT_EQ(orc.MP, 80);
    EXPECT_EQ(orc.maxMP, 80);
    EXPECT_EQ(orc.attack, 5);
    EXPECT_EQ(orc.magicAttack, 5);
    EXPECT_EQ(orc.defense, 0);
    EXPECT_EQ(orc.criticalChance, 0);
    EXPECT_EQ(orc.nextLevelExp, 500);
    for (int i = 0; i < 10; ++i) EXPECT_EQ(orc.attribute(i), 5);

    Creature nobody("nobody");
    EXPECT_EQ(nobody.sprite, nullptr);
}

TEST_F(CharactersStatsTest, FrameTableLevelThresholdAndAttributeOrder) {
    Creature c;
    const int expected[8][2] = {{0, 0}, {26, 0}, {52, 0}, {78, 0}, {0, 41}, {26, 41}, {52, 41}, {78, 41}};
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(frameRects[i].x, expected[i][0]);
        EXPECT_EQ(frameRects[i].y, expected[i][1]);
        EXPECT_EQ(frameRects[i].w, 25);
        EXPECT_EQ(frameRects[i].h, 40);
    }
    EXPECT_EQ(frameColumn(1), 1);
    EXPECT_EQ(frameColumn(2), 0);
    EXPECT_EQ(frameColumn(3), 3);
    EXPECT_EQ(frameColumn(4), 2);

    EXPECT_EQ(levelThreshold(0), 500);
    EXPECT_EQ(levelThreshold(1), 1500);
    EXPECT_EQ(levelThreshold(2), 3000);
    EXPECT_EQ(levelThreshold(3), 5000);
    EXPECT_EQ(levelThreshold(5000), 2147483647);  // stays positive instead of wrapping
    EXPECT_EQ(levelThreshold(-2147483647 - 1), 2147483647);

    int32_t* members[10] = {&c.strength,     &c.dexterity, &c.condition, &c.intelligence,
                            &c.willpower,    &c.charisma,  &c.oneHandedWeaponSkill, &c.twoHandedWeaponSkill,
                            &c.bowSkill,     &c.crossbowSkill};
    for (int i = 0; i < 10; ++i) EXPECT_EQ(&c.attribute(i), members[i]) << i;
    c.attribute(10) = 99;  // out of range goes nowhere
    for (int i = 0; i < 10; ++i) EXPECT_EQ(c.attribute(i), 5);
}

TEST_F(CharactersStatsTest, WeaponAttackWithSkillBonus) {
    ItemRef sword = item("sword", "type=onehanded\nattack=10\ncriticalChance=3\n");
    Creature c;
    c.leftHand = sword;
    c.recomputeStats();
    EXPECT_EQ(c.attack, 15);  // 15 + 75 / 100
    EXPECT_EQ(c.criticalChance, 3);
    c.oneHandedWeaponSkill = 20;
    c.recomputeStats();
    EXPECT_EQ(c.attack, 18);

    ItemRef dagger = item("dagger", "type=onehanded\nattack=10\ncriticalChance=4\n");
    c.oneHandedWeaponSkill = 10;
    c.rightHand = dagger;
    c.recomputeStats();
    EXPECT_EQ(c.attack, 28);  // left: 15 + 1; right: 26 + 2
    EXPECT_EQ(c.criticalChance, 7);

    // Each weapon kind uses its own skill.
    ItemRef bow = item("bow", "type=bow\nattack=45\n");
    ItemRef crossbow = item("crossbow", "type=crossbow\nattack=45\n");
    Creature archer;
    archer.bowSkill = 50;
    archer.crossbowSkill = 10;
    archer.leftHand = bow;
    archer.recomputeStats();
    EXPECT_EQ(archer.attack, 75);
    archer.leftHand = crossbow;
    archer.recomputeStats();
    EXPECT_EQ(archer.attack, 55);
}

TEST_F(CharactersStatsTest, TwoHandedAndRunesCountOnceThroughTheLeftHand) {
    ItemRef axe = item("axe", "type=twohanded\nattack=20\nmaxHP=50\n");
    Creature c;
    c.twoHandedWeaponSkill = 20;
    c.leftHand = axe;
    c.rightHand = axe;
    c.recomputeStats();
    EXPECT_EQ(c.attack, 30);  // 25 + 5
    EXPECT_EQ(c.maxHP, 100);  // hands add no maxHP
    c.leftHand = nullptr;
    c.recomputeStats();
    EXPECT_EQ(c.attack, 5);  // alone in the right hand it adds nothing

    ItemRef rune = item("fire", "type=dmgRune\nmagicAttack=12\nattack=30\n");
    ItemRef arrows = item("arrows", "type=arrow\nattack=40\n");
    Creature mage;
    mage.leftHand = rune;
    mage.rightHand = arrows;
    mage.recomputeStats();
    EXPECT_EQ(mage.magicAttack, 17);
    EXPECT_EQ(mage.attack, 5);  // neither a rune nor ammunition is a weapon
}

TEST_F(CharactersStatsTest, DefenceComesFromAttributesAndWornItems) {
    Creature c;
    c.condition = 9;
    c.willpower = 19;
    c.recomputeStats();
    EXPECT_EQ(c.defense, 0);
    EXPECT_EQ(c.magicDefense, 1);
    c.condition = 10;
    c.recomputeStats();
    EXPECT_EQ(c.defense, 1);
    c.condition = -15;
    c.recomputeStats();
    EXPECT_EQ(c.defense, -1);  // truncates toward zero
    EXPECT_EQ(c.HP, 1);

    const std::string ini = "defense=2\nmaxHP=10\nmaxMP=4\nmagicDefense=3\nmagicAttack=1\n";
    Creature d;
    d.armor = item("a", ini);
    d.helmet = item("b", ini);
    d.boots = item("c", ini);
    d.necklace = item("d", ini);
    d.ring1 = item("e", ini);
    d.ring2 = item("f", ini);
    d.leftHand = item("g", ini + "type=healRune\n");
    d.recomputeStats();
    EXPECT_EQ(d.defense, 12);
    EXPECT_EQ(d.maxHP, 160);
    EXPECT_EQ(d.maxMP, 104);
    EXPECT_EQ(d.magicDefense, 18);
    EXPECT_EQ(d.magicAttack, 5 + 6 + 1);  // the rune adds its magic attack only
}

TEST_F(CharactersStatsTest, ChangedMaximaKeepTheLossAndNeverKill) {
    ItemRef helm = item("helm", "type=helmet\nmaxHP=20\nmaxMP=-30\n");
    Creature c;
    c.HP = 30;
    c.MP = 10;
    c.helmet = helm;
    c.equip(helm);
    EXPECT_EQ(c.maxHP, 120);
    EXPECT_EQ(c.HP, 50);
    EXPECT_EQ(c.maxMP, 50);
    EXPECT_EQ(c.MP, 0);  // 50 - 70 held at 0
    c.helmet = nullptr;
    c.unequip(helm);
    EXPECT_EQ(c.maxHP, 100);
    EXPECT_EQ(c.HP, 30);
    EXPECT_EQ(c.MP, 30);  // the loss is now 50

    c.helmet = helm;
    c.equip(helm);
    c.HP = 10;
    c.helmet = nullptr;
    c.unequip(helm);
    EXPECT_EQ(c.HP, 1);
}

TEST_F(CharactersStatsTest, HugeItemValuesWrapInsteadOfOverflowing) {
    ItemRef club = item("club", "type=onehanded\nattack=2147483647\n");
    ItemRef ring = item("ring", "type=ring\nmaxHP=4294967295\ncondition=2147483647\n");
    Creature c;
    c.leftHand = club;
    c.equip(club);
    // 5 + 2147483647 wraps to -2147483644; 5 times that wraps to -2147483628,
    // a hundredth of it is -21474836, and the sum wraps once more.
    EXPECT_EQ(c.attack, 2126008816);
    c.ring1 = ring;
    c.equip(ring);
    EXPECT_EQ(c.condition, -2147483644);
    EXPECT_EQ(c.maxHP, 79);  // 20 * condition wraps to 80, then the ring's -1
    EXPECT_EQ(c.HP, 79);
}
