// What the player hears of a fight: each blow by how it ends, each shot by
// what fired it, each missile by whether it strikes.
#include "game/CombatFixture.h"
#include "support/RecordingSpeaker.h"

namespace {

class CombatSoundsTest : public CombatTest {
protected:
    void SetUp() override {
        writeArmoury();
        writeCreature("wolf", "agression=0\nexp=0\n");
        writeCreature("boss", "agression=0\nexp=100000\n", kBearRed);
        writeCreature("archer", "leftHand=bow\nrightHand=arrows\n");
    }
    RecordingSpeaker speaker;
};

struct Blow {
    const char* what;
    const char* creature;
    int32_t attackerDexterity, targetDexterity, targetHP;
    std::initializer_list<int> dice;
    const char* heard;
};

TEST_F(CombatSoundsTest, ABlowIsHeardByHowItEnds) {
    const Blow blows[] = {
        {"a roll above the hit limit misses", "wolf", 5, 10, 100, {11}, "miss"},
        {"no damage glances off", "wolf", 5, 5, 100, {0, 5}, "glance"},
        {"a wound", "wolf", 5, 5, 100, {0, 15, 50}, "hit"},
        {"a kill", "wolf", 5, 5, 20, {0, 15, 50}, "hit death"},
        {"a kill worth a level", "boss", 5, 5, 20, {0, 15, 50}, "hit death level-up"},
    };
    for (const Blow& b : blows) {
        SCOPED_TRACE(b.what);
        start({std::string("10:11|") + b.creature});
        NPC* target = npcAt(10, 11);
        ASSERT_NE(target, nullptr);
        hero().dexterity = b.attackerDexterity;
        hero().attack = 5;
        hero().criticalChance = 0;
        target->dexterity = b.targetDexterity;
        target->defense = 0;
        target->HP = b.targetHP;
        rolls(b.dice);
        now += 1000;
        speaker.take();
        EXPECT_EQ(game->playerAttack(), 1);
        EXPECT_EQ(speaker.take(), b.heard);
        game.reset();
    }
}

TEST_F(CombatSoundsTest, TheBlowThatKillsThePlayerIsItsDeath) {
    start({"10:11|wolf"});
    NPC* wolf = npcAt(10, 11);
    ASSERT_NE(wolf, nullptr);
    wolf->attack = 50;
    hero().HP = 1;
    hero().defense = 0;
    rolls({0, 15, 99});
    now += 1000;
    speaker.take();
    game->physicalAttack(*wolf, 10, 10);
    EXPECT_TRUE(game->gameOver);
    EXPECT_EQ(speaker.take(), "hit player-death");
}

struct Shot {
    const char* what;
    const char* left;
    const char* right;
    int32_t mp;
    const char* launched;  // as the key is pressed
};

TEST_F(CombatSoundsTest, AShotIsHeardByWhatFiredItAndAgainWhereItStrikes) {
    const Shot shots[] = {
        {"a bow", "bow", "arrows", 80, "bow"},
        {"a crossbow", "bolts", "crossbow", 80, "crossbow"},
        {"a damage rune", "firerune", nullptr, 80, "fire-rune"},
        {"a damage rune without the mana", "firerune", nullptr, 5, ""},
        {"a bow without ammunition", "bow", nullptr, 80, ""},
    };
    for (const Shot& s : shots) {
        SCOPED_TRACE(s.what);
        start({"10:13|wolf"});
        if (s.left) hold(hero(), &Characters::leftHand, s.left);
        if (s.right) hold(hero(), &Characters::rightHand, s.right);
        hero().MP = s.mp;
        now += 1000;
        speaker.take();
        game->playerAttack();
        EXPECT_EQ(speaker.take(), s.launched);
        for (int i = 0; i < 4; ++i) tick(10);
        EXPECT_EQ(speaker.take(), *s.launched ? "missile-hit" : "") << "three fields down";
        game.reset();
    }
}

TEST_F(CombatSoundsTest, AnArrowThatFailsTheHitTestIsAMiss) {
    start({"10:13|wolf"});
    hold(hero(), &Characters::leftHand, "bow");
    hold(hero(), &Characters::rightHand, "arrows");
    npcAt(10, 13)->dexterity = 1000;
    hero().dexterity = 1;
    now += 1000;
    game->playerAttack();
    rolls({99});
    for (int i = 0; i < 4; ++i) tick(10);
    EXPECT_EQ(speaker.take(), "bow miss");
}

TEST_F(CombatSoundsTest, HealingIsHeardOnlyWhenTheManaIsThere) {
    for (int32_t mp : {80, 14}) {
        SCOPED_TRACE(mp);
        start({});
        hold(hero(), &Characters::leftHand, "healrune");
        hero().HP = 50;
        hero().MP = mp;
        now += 1000;
        speaker.take();
        game->playerAttack();
        EXPECT_EQ(speaker.take(), mp >= 15 ? "heal-rune" : "");
        game.reset();
    }
}

TEST_F(CombatSoundsTest, AnArcherShootingThePlayerIsHeardToo) {
    start({"10:14|archer"});
    now += 1000;
    speaker.take();
    for (int i = 0; i < 6; ++i) tick(10);
    EXPECT_EQ(speaker.take().substr(0, 15), "bow missile-hit");
}

}  // namespace
