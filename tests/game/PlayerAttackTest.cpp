// The attack key with every kind of thing in the player's hands, and the
// missiles it sends: their flight, their range, their hits, and what happens
// when the shooter or the firing item is gone before they land.
#include "game/CombatFixture.h"

namespace {

class PlayerAttackTest : public CombatTest {
protected:
    void SetUp() override {
        writeArmoury();
        writeCreature("target", "agression=0\nexp=40\n");
        writeCreature("archer", "leftHand=bow\nrightHand=arrows\n");
    }
};

struct Hands {
    const char* what;
    const char* left;
    const char* right;
    int32_t hp, mp;
    uint32_t ammunition;  // amount of the stack, when there is one
    size_t missiles;
    bool magic;
    int32_t hpAfter, mpAfter;
    bool stamped;
    int64_t ammunitionAfter;  // -1: the stack is gone and the bow is in the pack
};

TEST_F(PlayerAttackTest, WhatTheHandsHoldDecidesTheAttack) {
    const Hands cases[] = {
        {"a damage rune casts", "firerune", nullptr, 100, 80, 0, 1, true, 100, 70, true, 0},
        {"a damage rune without the mana does nothing", "firerune", nullptr, 100, 9, 0, 0, false, 100, 9, false, 0},
        {"a healing rune heals", "healrune", nullptr, 50, 80, 0, 0, false, 80, 65, true, 0},
        {"up to the maximum", "healrune", nullptr, 90, 80, 0, 0, false, 100, 65, true, 0},
        {"without the mana it still waits its second", "healrune", nullptr, 50, 14, 0, 0, false, 50, 14, true, 0},
        {"a bow shoots an arrow of the stack", "bow", "arrows", 100, 80, 20, 1, false, 100, 80, true, 19},
        {"the last arrow", "bow", "arrows", 100, 80, 1, 1, false, 100, 80, true, -1},
        {"a stack of none is its last", "bow", "arrows", 100, 80, 0, 1, false, 100, 80, true, -1},
        {"a crossbow in the right hand", "bolts", "crossbow", 100, 80, 15, 1, false, 100, 80, true, 14},
        {"a bow without ammunition is refused", "bow", nullptr, 100, 80, 0, 0, false, 100, 80, false, 0},
    };
    for (const Hands& c : cases) {
        SCOPED_TRACE(c.what);
        start({});
        Player& p = hero();
        if (c.left) hold(p, &Characters::leftHand, c.left);
        if (c.right) hold(p, &Characters::rightHand, c.right);
        ItemRef bow = p.leftHand && p.leftHand->type == kBow ? p.leftHand : nullptr;
        ItemRef stack = p.leftHand && p.leftHand->type == kBow ? p.rightHand : p.leftHand;
        if (c.ammunition) stack->amount = c.ammunition;
        if (c.ammunition == 0 && stack && stack->type == kArrow) stack->amount = 0;
        p.HP = c.hp;
        p.MP = c.mp;
        const uint32_t before = p.lastActionTime;
        now += 1000;

        EXPECT_EQ(game->playerAttack(), 1);
        ASSERT_EQ(game->missiles.size(), c.missiles);
        if (c.missiles) {
            const Missile& m = game->missiles.front();
            EXPECT_EQ(m.magic, c.magic);
            EXPECT_EQ(m.direction, 1) << "facing down";
            EXPECT_EQ(m.shooterNow(), &p);
            EXPECT_EQ(m.column, 10);
            EXPECT_EQ(m.row, 10);
            EXPECT_NE(m.image, nullptr);
        }
        EXPECT_EQ(p.HP, c.hpAfter);
        EXPECT_EQ(p.MP, c.mpAfter);
        EXPECT_EQ(p.lastActionTime, c.stamped ? now : before);
        if (c.ammunitionAfter > 0) {
            EXPECT_EQ(stack->amount, c.ammunitionAfter);
        }
        if (c.ammunitionAfter < 0) {
            EXPECT_EQ(p.leftHand, nullptr);
            EXPECT_EQ(p.rightHand, nullptr);
            ASSERT_EQ(p.inventory.size(), 1u);
            EXPECT_EQ(p.inventory[0], bow);
            EXPECT_EQ(stack.use_count(), 1) << "nothing but this test holds the spent stack";
            EXPECT_EQ(p.attack, p.strength) << "the bow's attack no longer counts";
        }
        // Within the second nothing more happens.
        const size_t flying = game->missiles.size();
        now += 999;
        game->playerAttack();
        if (c.stamped) {
            EXPECT_EQ(game->missiles.size(), flying);
        }
        game.reset();
    }
}

TEST_F(PlayerAttackTest, WithoutAShooterTheKeyStrikesTheCreatureInFrontOrNothing) {
    start({"10:11|target"});
    now += 1000;
    rolls({0, 15, 1});
    game->playerAttack();
    EXPECT_EQ(npcAt(10, 11)->HP, 80);
    EXPECT_TRUE(npcAt(10, 11)->agression);

    game->moveLeft();  // turn away from it, to an empty field
    now += 1000;
    const uint32_t before = hero().lastActionTime;
    rolls({0, 15, 1});
    game->playerAttack();
    EXPECT_EQ(queued.size(), 3u);
    EXPECT_EQ(hero().lastActionTime, before);
}

TEST_F(PlayerAttackTest, NothingLiesBeyondTheLastRowThereIs) {
    start({});
    game.reset();
    writeStart("field 10 2147483647");  // facing down
    game = startGame();
    ASSERT_EQ(hero().y, INT32_MAX);
    now += 1000;
    game->playerAttack();
    EXPECT_EQ(hero().lastActionTime, 5000u) << "no blow into nowhere";
    hold(hero(), &Characters::leftHand, "bow");
    hold(hero(), &Characters::rightHand, "arrows");
    game->playerAttack();
    tick();
    EXPECT_TRUE(game->missiles.empty() && hero().lastActionTime == now) << "shot, and gone at the edge";
}

TEST_F(PlayerAttackTest, ArrowsFlyAFieldATickAndReachNineFields) {
    for (int32_t distance : {9, 10}) {
        SCOPED_TRACE(distance);
        start({"10:" + std::to_string(10 + distance) + "|target"});
        hold(hero(), &Characters::leftHand, "bow");
        hold(hero(), &Characters::rightHand, "arrows");
        NPC* target = npcAt(10, 10 + distance);
        now += 1000;
        rolls({0, 15, 1});
        const uint32_t shot = now;
        game->playerAttack();
        for (int t = 1; t <= distance + 2; ++t) {
            tick(100);
            if (t >= distance) continue;
            ASSERT_EQ(game->missiles.size(), 1u);
            EXPECT_EQ(game->missiles.front().row, 10 + t);
            EXPECT_EQ(game->missiles.front().steps, t);
            // Drawn on its field with the frame for flying down.
            EXPECT_EQ(colourAt(game->worldBuffer.get(), 16 * 25 + 12, (12 + t) * 25 + 12), kArrowFrames[1]);
        }
        EXPECT_TRUE(game->missiles.empty());
        if (distance == 9) {
            EXPECT_EQ(target->HP, 100 - 2 * (15 + hero().attack - 10));
            EXPECT_EQ(hero().lastActionTime, shot + 800) << "timed from the hit, not the shot";
        } else {
            EXPECT_EQ(target->HP, 100) << "out of range";
            EXPECT_EQ(hero().lastActionTime, shot);
        }
        game.reset();
    }
}

TEST_F(PlayerAttackTest, AMissileOutlivesItsShooterAndTheItemThatFiredIt) {
    start({"10:13|archer", "10:19|target"});
    NPC* target = npcAt(10, 19);
    now += 1000;
    game->frame();  // the archer shoots up at the player
    ASSERT_EQ(game->missiles.size(), 1u);
    game->map->killCreature(10, 13);  // and dies with its arrow in the air
    for (int t = 0; t < 3; ++t) tick(100);
    EXPECT_TRUE(game->missiles.empty());
    EXPECT_EQ(hero().HP, 100) << "the dead archer's arrow falls";

    // The player's last arrow, its bow then thrown away while the arrow flies:
    // the missile keeps the bow, and with it the picture it draws.
    hold(hero(), &Characters::leftHand, "bow");
    hold(hero(), &Characters::rightHand, "arrows");
    hero().rightHand->amount = 1;
    std::weak_ptr<Item> bow = hero().leftHand;
    now += 1000;
    game->playerAttack();
    hero().inventory.clear();
    ASSERT_FALSE(bow.expired());
    rolls({0, 15, 1});
    for (int t = 0; t < 10; ++t) tick(100);
    EXPECT_EQ(target->HP, 80);  // and hostile now, so it may have stepped closer
    EXPECT_TRUE(bow.expired()) << "freed once the missile is used up";
}

TEST_F(PlayerAttackTest, AMissileHitIsNeverRefusedEvenWhenTheClockWraps) {
    now = 0xFFFFFF00u;  // about 49.7 days after the start
    start({"10:12|target"});
    NPC* target = npcAt(10, 12);
    hold(hero(), &Characters::leftHand, "firerune");
    now += 1000;  // wraps round to 744
    rolls({29});
    game->playerAttack();
    ASSERT_EQ(game->missiles.size(), 1u) << "a second has passed across the wrap";
    for (int t = 0; t < 3; ++t) tick(0);
    EXPECT_EQ(target->HP, 100 - (29 + hero().magicAttack - 10));
}

}  // namespace
