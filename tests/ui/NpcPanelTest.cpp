#include "ui/InterfaceFixture.h"

#include <vector>

using namespace colours;
using NpcPanelTest = InterfaceTest;

namespace {

// Middle of icon row k.
constexpr int kIconX = 745;
int iconY(int k) { return 315 + 18 * k + 8; }

}  // namespace

class NpcPanelIcons : public InterfaceTest {
protected:
    // Colours of the four icon rows as drawn.
    std::vector<Colour> iconRows() const {
        std::vector<Colour> rows;
        for (int k = 0; k < 4; ++k) rows.push_back(at(kIconX, iconY(k)));
        return rows;
    }
};

TEST_F(NpcPanelIcons, HostileNpcOffersAttackNeverTalk) {
    writeCharacter("wolf", "name=Wolf\n", true);
    writeItem("red", "mixtureHP", kHpPotion);
    NPC wolf(6, 5, "wolf");
    ASSERT_TRUE(wolf.agression);
    ASSERT_TRUE(wolf.dialogue.hasDialogue);
    Corpse corpse("Bandit", "wolf", wolf);
    const ItemRef item = makeItem("red");
    player->target = &wolf;

    drawFrame(item, &corpse);
    EXPECT_EQ(ui().target, &wolf);
    EXPECT_EQ(at(696, 251), kNpcPanel);
    EXPECT_EQ(at(710, 265), kSprite);
    EXPECT_TRUE(anyPixel(kText, 730, 253, 60, 14));  // the name
    EXPECT_EQ(iconRows(), (std::vector<Colour>{kAttack, kSearch, kPickUp, kNpcPanel}));

    drawFrame(nullptr, &corpse);
    EXPECT_EQ(iconRows(), (std::vector<Colour>{kAttack, kSearch, kNpcPanel, kNpcPanel}));
    drawFrame(item, nullptr);
    EXPECT_EQ(iconRows(), (std::vector<Colour>{kAttack, kPickUp, kNpcPanel, kNpcPanel}));
    drawFrame();
    EXPECT_EQ(iconRows(), (std::vector<Colour>{kAttack, kNpcPanel, kNpcPanel, kNpcPanel}));
}

TEST_F(NpcPanelIcons, PeacefulNpcOffersTalkOnlyWithADialogue) {
    writeCharacter("smith", "name=Smith\nagression=0\n", true);
    writeCharacter("mute", "agression=0\n", false);
    writeItem("red", "mixtureHP", kHpPotion);
    NPC smith(6, 5, "smith");
    NPC mute(6, 5, "mute");
    const ItemRef item = makeItem("red");

    player->target = &smith;
    drawFrame(item, nullptr);
    EXPECT_EQ(iconRows(), (std::vector<Colour>{kTalk, kPickUp, kNpcPanel, kNpcPanel}));

    // No script, no name: an empty panel with the sprite, nothing to click.
    player->target = &mute;
    drawFrame();
    EXPECT_EQ(iconRows(), (std::vector<Colour>{kNpcPanel, kNpcPanel, kNpcPanel, kNpcPanel}));
    EXPECT_EQ(at(710, 265), kSprite);
    EXPECT_FALSE(anyPixel(kText, 730, 253, 60, 14));
}

TEST_F(NpcPanelIcons, CorpseOrItemAloneWithoutATarget) {
    writeCharacter("wolf", "name=Wolf\n", false);
    writeItem("red", "mixtureHP", kHpPotion);
    NPC wolf(6, 5, "wolf");
    Corpse corpse("Wolf", "wolf", wolf);
    const ItemRef item = makeItem("red");

    drawFrame(item, &corpse);
    EXPECT_EQ(ui().target, nullptr);
    EXPECT_EQ(at(696, 251), kNpcPanel);
    EXPECT_EQ(at(710, 280), kDead);
    EXPECT_EQ(at(710, 265), kNpcPanel);  // no sprite
    EXPECT_TRUE(anyPixel(kText, 730, 253, 60, 14));
    EXPECT_EQ(iconRows(), (std::vector<Colour>{kSearch, kPickUp, kNpcPanel, kNpcPanel}));

    drawFrame(nullptr, &corpse);
    EXPECT_EQ(iconRows(), (std::vector<Colour>{kSearch, kNpcPanel, kNpcPanel, kNpcPanel}));

    drawFrame(item, nullptr);
    EXPECT_EQ(at(710, 280), kHpPotion);
    EXPECT_FALSE(anyPixel(kText, 730, 253, 60, 14));
    EXPECT_EQ(iconRows(), (std::vector<Colour>{kPickUp, kNpcPanel, kNpcPanel, kNpcPanel}));

    drawFrame();
    EXPECT_EQ(at(696, 251), kBackground);
    EXPECT_EQ(at(kIconX, iconY(0)), kBackground);

    // The player is never its own target.
    player->target = player.get();
    drawFrame();
    EXPECT_EQ(ui().target, nullptr);
    EXPECT_EQ(at(696, 251), kBackground);
}

TEST_F(NpcPanelTest, StripesFollowTheTargetsHpAndMp) {
    writeCharacter("wolf", "name=Wolf\n", false);
    NPC wolf(6, 5, "wolf");
    player->target = &wolf;
    const int hpRow = 272, mpRow = 279;

    drawFrame();
    EXPECT_EQ(runOf(kStripeHP, 730, hpRow), 60);
    EXPECT_EQ(runOf(kStripeMP, 730, mpRow), 60);

    wolf.HP = 50;
    wolf.MP = 20;  // of 80
    drawFrame();
    EXPECT_EQ(runOf(kStripeHP, 730, hpRow), 30);
    EXPECT_EQ(at(760, hpRow), kNpcPanel);
    EXPECT_EQ(runOf(kStripeMP, 730, mpRow), 15);

    wolf.maxHP = 0;
    wolf.HP = -5;
    wolf.MP = -1;
    drawFrame();
    EXPECT_EQ(at(730, hpRow), kNpcPanel);
    EXPECT_EQ(at(730, mpRow), kNpcPanel);

    wolf.maxHP = 100;
    wolf.HP = 250;  // clipped to the stripe picture
    drawFrame();
    EXPECT_EQ(runOf(kStripeHP, 730, hpRow), 60);
}
