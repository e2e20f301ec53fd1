// What hostile creatures in view do on their ticks: walk up and strike, get
// into line and shoot, put away a rune they cannot pay for.
#include "game/CombatFixture.h"

namespace {

class BehaviourTest : public CombatTest {
protected:
    void SetUp() override {
        writeArmoury();
        writeCreature("wolf", "strength=20\n");
        writeCreature("lamb", "agression=0\nstrength=20\n");
        writeCreature("archer", "leftHand=bow\nrightHand=arrows\n");
        writeCreature("mage", "leftHand=firerune\n");
        writeCreature("novice", "leftHand=firerune\nwillpower=0\n");
    }
    // Starts the game and lets a second pass, so that everybody may act.
    void startReady(const std::vector<std::string>& npcs) {
        start(npcs);
        now += 1000;
    }
    void ticks(int count) {
        for (int i = 0; i < count; ++i) tick(100);
    }
    Characters* at(int32_t column, int32_t row) const { return game->map->fieldAt(column, row).occupant; }
};

struct Decision {
    const char* what;
    std::vector<std::string> npcs;  // the first one is watched
    int32_t moveState;
    int32_t toColumn, toRow;  // where its grid entry is after the tick
    size_t missiles;
};

TEST_F(BehaviourTest, OneTickOfDecision) {
    const Decision decisions[] = {
        {"a peaceful creature next to the player", {"11:10|lamb"}, 0, 11, 10, 0},
        {"a hostile one 11 fields away", {"21:10|wolf"}, 0, 21, 10, 0},
        {"10 fields away it comes", {"20:10|wolf"}, 3, 19, 10, 0},
        {"diagonally next to the player it steps up or down first", {"11:11|wolf"}, 1, 11, 10, 0},
        {"an archer off the line gets into the player's row", {"15:13|archer"}, 1, 15, 12, 0},
        {"or column, whichever is nearer", {"12:16|archer"}, 3, 11, 16, 0},
        {"an archer ten fields along the row steps closer", {"20:10|archer"}, 3, 19, 10, 0},
        {"at nine with a clear line it shoots", {"19:10|archer"}, 0, 19, 10, 1},
        {"a creature in the line spoils the shot", {"16:10|archer", "13:10|lamb"}, 0, 16, 10, 0},
        {"so does a wall", {"10:14|archer"}, 0, 10, 14, 0},
        {"a mage with mana casts", {"10:13|mage"}, 0, 10, 13, 1},
        {"a mage without mana puts the rune away and comes", {"10:13|novice"}, 1, 10, 12, 0},
    };
    for (const Decision& d : decisions) {
        SCOPED_TRACE(d.what);
        field = grassMap(30, 24);
        if (std::string(d.what) == "so does a wall") field.terrain[12][10] = 's';
        startReady(d.npcs);
        NPC* watched = npcAt(std::stoi(d.npcs[0]), std::stoi(d.npcs[0].substr(d.npcs[0].find(':') + 1)));
        ASSERT_NE(watched, nullptr);
        const int32_t mpBefore = watched->MP;
        tick();
        EXPECT_EQ(watched->moveState, d.moveState);
        EXPECT_EQ(at(d.toColumn, d.toRow), watched);
        ASSERT_EQ(game->missiles.size(), d.missiles);
        EXPECT_EQ(hero().HP, 100);
        if (d.missiles) {
            const Missile& m = game->missiles.front();
            EXPECT_EQ(m.shooterNow(), watched);
            EXPECT_EQ(m.magic, watched->id == "mage");
            EXPECT_EQ(watched->MP, mpBefore - (m.magic ? 10 : 0));
            EXPECT_EQ(watched->lastActionTime, now);
            EXPECT_EQ(watched->direction, 2) << "shooting does not turn it";
            EXPECT_EQ(m.row, d.toRow == 10 ? 10 : d.toRow - 1) << "one field flown in the same tick";
        }
        if (watched->id == "novice") {
            EXPECT_EQ(watched->leftHand, nullptr);
            EXPECT_EQ(watched->rightHand, nullptr);
            ASSERT_EQ(watched->inventory.size(), 1u);
            EXPECT_EQ(watched->inventory[0]->type, kDamageRune);
            // From now on it fights on foot: it walks on instead of casting.
            ticks(26);
            ASSERT_EQ(at(10, 12), watched);
            tick();
            EXPECT_EQ(watched->moveState, 1);
            EXPECT_EQ(at(10, 11), watched);
        }
        game.reset();
    }
}

TEST_F(BehaviourTest, ACreatureNextToThePlayerStrikesOnceASecond) {
    startReady({"11:10|wolf"});
    NPC* wolf = npcAt(11, 10);
    for (int t = 0; t < 25; ++t) tick(100);  // 2.5 seconds
    // Dice of 0: always a hit, 0 + 20 - 0 - 10 damage, never doubled.
    EXPECT_EQ(hero().HP, 100 - 3 * 10);
    EXPECT_EQ(wolf->spriteFrame, &frameRects[3]) << "looking left at the player";
    EXPECT_EQ(at(11, 10), wolf);
}

TEST_F(BehaviourTest, AnArchersNextShotIsTimedFromItsHit) {
    startReady({"10:15|archer"});
    NPC* archer = npcAt(10, 15);
    const uint32_t shot = now;
    tick(100);
    ASSERT_EQ(game->missiles.size(), 1u);
    ticks(3);  // on to rows 13, 12 and 11; the next field holds the player
    EXPECT_EQ(hero().HP, 100);
    tick(100);
    EXPECT_LT(hero().HP, 100);
    EXPECT_EQ(archer->lastActionTime, shot + 400);
    ticks(9);  // 1.4 seconds after the shot, 0.9 after the hit
    EXPECT_TRUE(game->missiles.empty());
    tick(100);
    EXPECT_EQ(game->missiles.size(), 1u);
}

}  // namespace
