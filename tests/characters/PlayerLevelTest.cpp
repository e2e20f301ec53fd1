#include "characters/PlayerFixture.h"

#include <limits>

TEST_F(PlayerTest, CheckLevelUpRaisesAsManyLevelsAsTheExperienceAllows) {
    Player p(0, 0, "Gracz");
    p.checkLevelUp();
    EXPECT_EQ(p.level, 0);
    EXPECT_EQ(p.attributePoints, 0);

    p.exp = 499;
    p.checkLevelUp();
    EXPECT_EQ(p.level, 0);

    p.exp = 500;
    p.checkLevelUp();
    EXPECT_EQ(p.level, 1);
    EXPECT_EQ(p.nextLevelExp, 1500);
    EXPECT_EQ(p.attributePoints, 4);
    EXPECT_EQ(p.skillPoints, 4);

    // One kill worth 3100 from scratch: three levels at once; HP not refilled.
    Player q(0, 0, "Gracz");
    q.HP = 40;
    q.exp = 3100;
    q.checkLevelUp();
    EXPECT_EQ(q.level, 3);
    EXPECT_EQ(q.nextLevelExp, 5000);
    EXPECT_EQ(q.attributePoints, 12);
    EXPECT_EQ(q.skillPoints, 12);
    EXPECT_EQ(q.exp, 3100);
    EXPECT_EQ(q.HP, 40);
    EXPECT_EQ(q.maxHP, 100);
    EXPECT_EQ(q.strength, 5);
}

TEST_F(PlayerTest, CheckLevelUpEndsForAnyExperienceOrLevel) {
    const int32_t top = std::numeric_limits<int32_t>::max();
    Player p(0, 0, "Gracz");
    p.exp = top;
    p.checkLevelUp();
    // 250 * 2930 * 2931 still fits in 32 bits, the next threshold does not.
    EXPECT_EQ(p.level, 2930);
    EXPECT_EQ(p.nextLevelExp, top);
    EXPECT_EQ(p.attributePoints, 4 * 2930);
    p.checkLevelUp();
    EXPECT_EQ(p.level, 2930);

    // Values a damaged state file could hold.
    Player q(0, 0, "Gracz");
    q.level = top;
    q.nextLevelExp = -1;
    q.attributePoints = top - 1;
    q.checkLevelUp();
    EXPECT_EQ(q.level, top);
    EXPECT_EQ(q.attributePoints, top - 1);

    Player r(0, 0, "Gracz");
    r.level = top - 1;
    r.nextLevelExp = 0;
    r.attributePoints = top - 1;
    r.checkLevelUp();
    EXPECT_EQ(r.level, top);
    EXPECT_EQ(r.nextLevelExp, top);
    EXPECT_EQ(r.attributePoints, top);
}

TEST_F(PlayerTest, SpendPointTakesFromTheMatchingCounter) {
    Player p(0, 0, "Gracz");
    p.HP = 40;
    EXPECT_FALSE(p.spendPoint(2));  // no points yet
    EXPECT_EQ(p.condition, 5);

    p.attributePoints = 1;
    EXPECT_FALSE(p.spendPoint(6));  // a skill needs a skill point
    EXPECT_TRUE(p.spendPoint(2));   // condition
    EXPECT_EQ(p.condition, 6);
    EXPECT_EQ(p.attributePoints, 0);
    EXPECT_EQ(p.maxHP, 120);
    EXPECT_EQ(p.HP, 60);  // what was lost stays lost
    EXPECT_FALSE(p.spendPoint(5));

    p.skillPoints = 2;
    EXPECT_TRUE(p.spendPoint(6));
    EXPECT_TRUE(p.spendPoint(9));
    EXPECT_FALSE(p.spendPoint(8));
    EXPECT_EQ(p.oneHandedWeaponSkill, 6);
    EXPECT_EQ(p.crossbowSkill, 6);
    EXPECT_EQ(p.bowSkill, 5);
    EXPECT_EQ(p.skillPoints, 0);

    p.attributePoints = 1;
    p.skillPoints = 1;
    EXPECT_FALSE(p.spendPoint(-1));
    EXPECT_FALSE(p.spendPoint(10));
    EXPECT_TRUE(p.spendPoint(0));  // strength feeds attack
    EXPECT_EQ(p.attack, 6);
    EXPECT_EQ(p.attributePoints, 0);
    EXPECT_EQ(p.skillPoints, 1);
}
