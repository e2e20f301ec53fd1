// One pass of the world: the view on the screen, the player in the middle,
// the creatures in view sliding tick by tick, and the hit effects.
#include "game/GameFixture.h"

#include "characters/NPC.h"
#include "characters/Player.h"
#include "game/HitEffect.h"
#include "util/Canvas.h"
#include "world/Map.h"

namespace {

const Colour kSmog[3] = {{1, 1, 1}, {2, 2, 2}, {3, 3, 3}};
const Colour kBlood[3] = {{150, 0, 0}, {160, 0, 0}, {170, 0, 0}};

class FrameTest : public GameTest {
protected:
    FrameTest() {
        MapFiles village = grassMap(40, 30);
        village.terrain[4][5] = 's';  // view cell (1, 1): the screen's top-left field
        village.npcs = {"22:16|wolf", "38:16|bear"};
        writeMap(world, "village", village);
        writeStart("village 20 15");
        writeCreature("wolf", kWolfRed, false);  // stands still to be looked at
        writeCreature("bear", kBearRed);
        writeStrip(world, "data\\smog.bmp", {kSmog[0], kSmog[1], kSmog[2]}, 25, 25);
        writeStrip(world, "data\\blood.bmp", {kBlood[0], kBlood[1], kBlood[2]}, 25, 25);
        game = startGame();
        wolf = static_cast<NPC*>(game->map->fieldAt(22, 16).occupant);
        bear = static_cast<NPC*>(game->map->fieldAt(38, 16).occupant);
    }
    ~FrameTest() override { game.reset(); }

    Colour buffer(int x, int y) const { return colourAt(game->worldBuffer.get(), x, y); }
    Colour screen(int x, int y) const { return colourAt(sdl.screen, x, y); }
    // What a creature decides before it slides: its grid entry moves at once.
    void startSlide(NPC* creature, int32_t direction, int32_t column, int32_t row) const {
        game->map->moveCreature(column, row, creature);
        creature->moveState = direction;
        creature->direction = direction;
    }

    std::unique_ptr<Game> game;
    NPC* wolf = nullptr;
    NPC* bear = nullptr;
};

TEST_F(FrameTest, TheViewThePlayerAndTheCreaturesReachTheScreen) {
    paint(sdl.screen, {255, 255, 255});
    EXPECT_TRUE(game->frame());

    // Buffer (25, 25) is the screen's top-left corner.
    EXPECT_EQ(screen(0, 0), kStone);
    EXPECT_EQ(screen(24, 24), kStone);
    EXPECT_EQ(screen(25, 0), kGrass);
    EXPECT_EQ(screen(799, 599), kGrass);
    // The player's sprite at (375, 260), its field below it.
    EXPECT_EQ(screen(375, 260), spriteColour(kPlayerRed, 0));
    EXPECT_EQ(screen(399, 299), spriteColour(kPlayerRed, 0));
    EXPECT_EQ(screen(375, 259), kGrass);
    EXPECT_EQ(screen(374, 280), kGrass);
    // The wolf two fields right, one down: its field at buffer (450, 325),
    // its sprite 15 pixels higher.
    EXPECT_EQ(buffer(450, 310), spriteColour(kWolfRed, 0));
    EXPECT_EQ(buffer(474, 349), spriteColour(kWolfRed, 0));
    EXPECT_EQ(buffer(450, 309), kGrass);
    EXPECT_EQ(screen(425, 285), spriteColour(kWolfRed, 0));
    EXPECT_TRUE(game->map->visibleCreatures.empty());

    game->gameOver = true;
    EXPECT_FALSE(game->frame());
}

TEST_F(FrameTest, SlidesRunTwentyFivePixelsThenLandOnTheNewField) {
    struct Leg {
        int32_t state;
        int32_t toColumn, toRow;
        int walking, standing;
    };
    // Right, down, left, up: a square back to where it started.
    const Leg legs[] = {{4, 23, 16, 6, 2}, {2, 23, 17, 4, 0}, {3, 22, 17, 7, 3}, {1, 22, 16, 5, 1}};
    for (const Leg& leg : legs) {
        const int32_t fromColumn = wolf->x;
        const int32_t fromRow = wolf->y;
        const int fieldX = (fromColumn - 20 + 16) * 25;
        const int fieldY = (fromRow - 15 + 12) * 25;
        const bool vertical = leg.state <= 2;
        const int sign = leg.state == 1 || leg.state == 3 ? -1 : 1;
        startSlide(wolf, leg.state, leg.toColumn, leg.toRow);

        for (int t = 0; t < 25; ++t) {
            game->frame();
            const int offset = sign * (t + 1);
            EXPECT_EQ(vertical ? wolf->offsetY : wolf->offsetX, offset) << leg.state << " tick " << t;
            EXPECT_EQ(vertical ? wolf->offsetX : wolf->offsetY, 0);
            const int expectedFrame = (t / 2) % 10 < 5 ? leg.walking : leg.standing;
            ASSERT_EQ(wolf->spriteFrame, &frameRects[expectedFrame]) << leg.state << " tick " << t;
            EXPECT_EQ(wolf->x, fromColumn);
            EXPECT_EQ(wolf->y, fromRow);
            // The sprite's top-left pixel sits exactly at the offset.
            const int x = fieldX + (vertical ? 0 : offset);
            const int y = fieldY - 15 + (vertical ? offset : 0);
            EXPECT_EQ(buffer(x, y), spriteColour(kWolfRed, expectedFrame)) << leg.state << " tick " << t;
            EXPECT_NE(buffer(vertical ? x : x - 1, vertical ? y - 1 : y), spriteColour(kWolfRed, expectedFrame));
        }
        game->frame();
        EXPECT_EQ(wolf->moveState, 0);
        EXPECT_EQ(wolf->offsetX, 0);
        EXPECT_EQ(wolf->offsetY, 0);
        EXPECT_EQ(wolf->x, leg.toColumn);
        EXPECT_EQ(wolf->y, leg.toRow);
        EXPECT_EQ(game->map->fieldAt(leg.toColumn, leg.toRow).occupant, wolf);
        const int landedX = (leg.toColumn - 20 + 16) * 25;
        const int landedY = (leg.toRow - 15 + 12) * 25 - 15;
        EXPECT_EQ(buffer(landedX, landedY), spriteColour(kWolfRed, leg.walking)) << "lands showing its last frame";
    }
}

TEST_F(FrameTest, APassLeftUnpaintedMovesTheWorldAndLeavesThePicture) {
    startSlide(wolf, 4, 23, 16);
    paint(sdl.screen, {255, 255, 255});
    uint64_t unpainted = 0;
    {
        canvas::Pass pass(false);
        game->frame();
        unpainted = canvas::fingerprint();
    }
    EXPECT_EQ(wolf->offsetX, 1) << "the world went on";
    EXPECT_EQ(screen(375, 260), (Colour{255, 255, 255})) << "nothing was painted";
    uint64_t painted = 0;
    {
        canvas::Pass pass(true);
        game->frame();
        painted = canvas::fingerprint();
    }
    EXPECT_EQ(wolf->offsetX, 2);
    EXPECT_NE(screen(375, 260), (Colour{255, 255, 255}));
    EXPECT_NE(painted, unpainted) << "the wolf moved on: another picture";

    for (int t = 0; t < 30 && wolf->moveState != 0; ++t) game->frame();
    uint64_t still[2];
    for (uint64_t& print : still) {
        canvas::Pass pass(false);
        game->frame();
        print = canvas::fingerprint();
    }
    EXPECT_EQ(still[0], still[1]) << "nothing moves: the same picture";
}

TEST_F(FrameTest, CreaturesOutsideTheViewStandStill) {
    bear->moveState = 3;  // one field beyond the view's right edge
    for (int t = 0; t < 5; ++t) game->frame();
    EXPECT_EQ(bear->moveState, 3);
    EXPECT_EQ(bear->offsetX, 0);
    EXPECT_EQ(bear->x, 38);
}

TEST_F(FrameTest, ACreaturesHitEffectShowsEachFrameForTwoPasses) {
    wolf->hitEffectActive = true;
    wolf->hitEffectWound = 1;
    const int shown[] = {0, 0, 1, 1, 2, 2};
    for (int pass = 0; pass < 6; ++pass) {
        game->frame();
        EXPECT_EQ(buffer(450, 325), kBlood[shown[pass]]) << pass;
        EXPECT_EQ(buffer(474, 349), kBlood[shown[pass]]) << pass;
        EXPECT_EQ(buffer(450, 324), spriteColour(kWolfRed, 0)) << "the sprite above the effect";
        EXPECT_TRUE(wolf->hitEffectActive);
    }
    game->frame();
    EXPECT_EQ(buffer(450, 325), spriteColour(kWolfRed, 0));
    EXPECT_FALSE(wolf->hitEffectActive);
    EXPECT_EQ(wolf->hitEffectFrame, 0);
    EXPECT_EQ(hiteffect::playerParity, 0) << "the player's flag is its own";

    wolf->hitEffectActive = true;
    wolf->hitEffectWound = 0;
    game->frame();
    EXPECT_EQ(buffer(460, 330), kSmog[0]);
}

TEST_F(FrameTest, CreaturesShareOneParityFlag) {
    game->map->moveCreature(24, 16, bear);
    bear->x = 24;
    for (NPC* creature : {wolf, bear}) creature->hitEffectActive = true;
    game->frame();
    EXPECT_EQ(wolf->hitEffectFrame, 0);
    EXPECT_EQ(bear->hitEffectFrame, 1);
    game->frame();
    EXPECT_EQ(wolf->hitEffectFrame, 0);
    EXPECT_EQ(bear->hitEffectFrame, 2);
    EXPECT_EQ(hiteffect::creatureParity, 0);
}

TEST_F(FrameTest, ThePlayersHitEffectSitsOnItsFieldAndKeepsItsFrameOnANewBlow) {
    game->player->hitEffectActive = true;
    game->player->hitEffectWound = 1;
    const Colour shown[] = {kBlood[0], kBlood[0], kBlood[1], kSmog[1], kSmog[2], kSmog[2]};
    for (int pass = 0; pass < 6; ++pass) {
        if (pass == 3) game->player->hitEffectWound = 0;  // a miss while the wound shows
        game->frame();
        EXPECT_EQ(screen(375, 275), shown[pass]) << pass;
        EXPECT_EQ(screen(399, 299), shown[pass]) << pass;
        EXPECT_EQ(screen(375, 274), spriteColour(kPlayerRed, 0));
    }
    game->frame();
    EXPECT_EQ(screen(375, 275), spriteColour(kPlayerRed, 0));
    EXPECT_FALSE(game->player->hitEffectActive);
    EXPECT_EQ(game->player->hitEffectFrame, 0);
    EXPECT_EQ(hiteffect::creatureParity, 0);
}

}  // namespace
