// Blows and spells with the dice and the clock given: hit test, damage,
// doubling, wounds, kills, the one-second pause, and what a kill is worth.
#include "game/CombatFixture.h"

#include <climits>

namespace {

class BlowTest : public CombatTest {
protected:
    void SetUp() override {
        writeCreature("wolf", "exp=600\nagression=0\n");
        writeCreature("bear", "agression=0\n", kBearRed);
        std::vector<std::string> npcs = {"10:11|wolf", "12:11|bear"};
        for (int column = 15; column < 26; ++column) npcs.push_back(std::to_string(column) + ":5|wolf");
        start(npcs);
        wolf = npcAt(10, 11);
        bear = npcAt(12, 11);
        ASSERT_TRUE(wolf && bear);
        now += 1000;  // everybody may act
    }
    NPC* wolf = nullptr;
    NPC* bear = nullptr;
};

struct Blow {
    const char* what;
    int32_t attackerDexterity, targetDexterity, attack, defense, criticalChance, targetHP;
    std::initializer_list<int> dice;
    int32_t hpAfter;  // 0: killed
    int effect;       // kind shown, -1 none
};

TEST_F(BlowTest, TheHitTestTheDamageAndTheDoubling) {
    const Blow blows[] = {
        {"equal dexterity always passes the hit test", 5, 5, 5, 0, 0, 100, {99, 15, 50}, 80, 1},
        {"a clumsier attacker misses above 10", 5, 10, 5, 0, 0, 100, {11}, 100, 0},
        {"and hits at 10, undoubled on a roll of 0", 5, 10, 5, 0, 0, 100, {10, 15, 0}, 90, 1},
        {"no damage is a glancing blow", 5, 5, 5, 0, 0, 100, {0, 5}, 100, 0},
        {"a roll up to the critical chance keeps the damage", 5, 5, 5, 0, 60, 100, {0, 15, 60}, 90, 1},
        {"a target of no dexterity counts as 1", 5, 0, 5, 0, 0, 100, {99, 15, 0}, 90, 1},
        {"a target of negative dexterity is never hit", 5, -5, 20, 0, 0, 100, {0}, 100, 0},
        {"huge defense", 5, 5, INT32_MIN, INT32_MAX, 0, 100, {0, 19}, 100, 0},
        {"an attacker of hugely negative dexterity always misses", INT32_MIN, -1, 5, 0, 0, 100, {0}, 100, 0},
        {"damage of exactly the HP kills", 5, 5, 5, 0, 0, 20, {0, 15, 1}, 0, -1},
        {"huge attack against huge negative defense", 5, 5, INT32_MAX, INT32_MIN, 0, INT32_MAX, {0, 19, 1}, 0, -1},
    };
    int32_t column = 15;  // a fresh creature for each row
    for (const Blow& b : blows) {
        SCOPED_TRACE(b.what);
        NPC* target = npcAt(column, 5);
        ASSERT_NE(target, nullptr);
        hero().dexterity = b.attackerDexterity;
        hero().attack = b.attack;
        hero().criticalChance = b.criticalChance;
        target->dexterity = b.targetDexterity;
        target->defense = b.defense;
        target->HP = b.targetHP;
        target->hitEffectFrame = 2;
        const int32_t expBefore = hero().exp;
        rolls(b.dice);
        now += 1000;

        EXPECT_EQ(game->physicalAttack(hero(), column, 5), 0);
        EXPECT_TRUE(queued.empty()) << "every die thrown, no more";
        EXPECT_EQ(hero().lastActionTime, now);
        if (b.hpAfter == 0) {
            EXPECT_EQ(game->map->fieldAt(column, 5).occupant, nullptr);
            EXPECT_EQ(game->map->fieldAt(column, 5).corpses.size(), 1u);
            EXPECT_EQ(hero().exp, expBefore + 600);
        } else {
            EXPECT_EQ(target->HP, b.hpAfter);
            EXPECT_EQ(target->hitEffectActive, b.effect >= 0);
            EXPECT_EQ(target->hitEffectWound, b.effect);
            EXPECT_EQ(target->hitEffectFrame, 2) << "a new blow leaves the running effect's frame alone";
            EXPECT_EQ(target->agression, b.hpAfter < b.targetHP) << "harm, and only harm, makes it hostile";
            EXPECT_EQ(hero().exp, expBefore);
        }
        ++column;
    }
    EXPECT_EQ(hero().exp, 1200);
    EXPECT_EQ(hero().level, 1) << "500 reached, 1500 not";
    EXPECT_EQ(hero().attributePoints, 4);
}

TEST_F(BlowTest, ASecondBlowWithinASecondIsRefusedAndChangesNothing) {
    rolls({0, 15, 1, 0, 15, 1});
    EXPECT_EQ(game->physicalAttack(hero(), 10, 11), 0);
    const int32_t hp = wolf->HP;
    const uint32_t first = now;
    now += 999;
    EXPECT_EQ(game->physicalAttack(hero(), 10, 11), 1);
    EXPECT_EQ(wolf->HP, hp);
    EXPECT_EQ(hero().lastActionTime, first);
    EXPECT_EQ(queued.size(), 3u) << "a refused blow throws no dice";
    now += 1;
    EXPECT_EQ(game->physicalAttack(hero(), 10, 11), 0);
    EXPECT_LT(wolf->HP, hp);
}

TEST_F(BlowTest, TheDeathOfThePlayerEndsTheGameAndLeavesItsHP) {
    hero().HP = 10;
    wolf->attack = 5;
    rolls({0, 15, 1});
    EXPECT_EQ(game->physicalAttack(*wolf, 10, 10), 0);
    EXPECT_TRUE(game->gameOver);
    EXPECT_EQ(hero().HP, 10);
    EXPECT_FALSE(game->frame());
    EXPECT_EQ(hero().exp, 0);
}

TEST_F(BlowTest, SpellsSkipTheHitTestAndDoublingAndSpareCreaturesFromEachOther) {
    hero().magicAttack = 20;
    wolf->dexterity = 1000;  // would never be hit by a blow
    rolls({29});
    EXPECT_EQ(game->magicAttack(hero(), 10, 11), 0);
    EXPECT_EQ(wolf->HP, 100 - (29 + 20 - 10));
    EXPECT_TRUE(queued.empty());
    EXPECT_TRUE(wolf->hitEffectActive);
    EXPECT_EQ(wolf->hitEffectWound, 1);

    // A creature's spell on another creature: no harm, no effect...
    bear->magicAttack = 20;
    bear->hitEffectActive = false;
    wolf->hitEffectActive = false;
    const int32_t hp = wolf->HP;
    rolls({29});
    EXPECT_EQ(game->magicAttack(*bear, 10, 11), 0);
    EXPECT_EQ(wolf->HP, hp);
    EXPECT_FALSE(wolf->hitEffectActive);
    EXPECT_EQ(bear->lastActionTime, now);
    // ...unless it kills.
    wolf->HP = 39;
    now += 1000;
    rolls({29});
    game->magicAttack(*bear, 10, 11);
    EXPECT_EQ(npcAt(10, 11), nullptr);
    EXPECT_EQ(hero().exp, 0) << "the bear's kill";
}

}  // namespace
