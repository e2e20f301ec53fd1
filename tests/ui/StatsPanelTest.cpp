#include "ui/InterfaceFixture.h"

using namespace colours;
using StatsPanelTest = InterfaceTest;

namespace {

// Middle of attribute plus button i (0-5) and skill plus button i (0-3).
int attributeY(int i) { return 399 + 17 * i + 4; }
int skillY(int i) { return 435 + 15 * i + 4; }
constexpr int kAttributeX = 139;
constexpr int kSkillX = 286;
// A corner of the points box that no number covers.
constexpr int kBoxX = 212, kBoxY = 338;

}  // namespace

TEST_F(StatsPanelTest, PanelPointsBoxAndPlusButtonsAppearOnlyWhenTheyApply) {
    drawFrame();
    EXPECT_EQ(at(25, 295), kBackground);  // not shown by default

    ui().statsShown = true;
    drawFrame();
    EXPECT_EQ(at(25, 295), kStatsPanel);
    EXPECT_EQ(at(319, 499), kStatsPanel);
    // Values are printed: level, HP line, strength, attack, a skill.
    EXPECT_TRUE(anyPixel(kText, 135, 303, 20, 14));
    EXPECT_TRUE(anyPixel(kText, 60, 353, 60, 14));
    EXPECT_TRUE(anyPixel(kText, 110, 394, 20, 14));
    EXPECT_TRUE(anyPixel(kText, 257, 348, 20, 14));
    EXPECT_TRUE(anyPixel(kText, 257, 476, 20, 14));
    // No points: no box, no buttons.
    EXPECT_EQ(at(kBoxX, kBoxY), kStatsPanel);
    EXPECT_FALSE(anyPixel(kText, 235, 309, 30, 30));
    for (int i = 0; i < 6; ++i) EXPECT_EQ(at(kAttributeX, attributeY(i)), kStatsPanel) << i;
    for (int i = 0; i < 4; ++i) EXPECT_EQ(at(kSkillX, skillY(i)), kStatsPanel) << i;

    player->attributePoints = 2;
    drawFrame();
    EXPECT_EQ(at(kBoxX, kBoxY), kPointsBox);
    EXPECT_TRUE(anyPixel(kText, 235, 309, 20, 14));
    for (int i = 0; i < 6; ++i) EXPECT_EQ(at(kAttributeX, attributeY(i)), kPlusReleased) << i;
    for (int i = 0; i < 4; ++i) EXPECT_EQ(at(kSkillX, skillY(i)), kStatsPanel) << i;

    player->attributePoints = 0;
    player->skillPoints = 1;
    ui().pressedPlus = 7;
    drawFrame();
    EXPECT_EQ(at(kBoxX, kBoxY), kPointsBox);
    EXPECT_EQ(at(kAttributeX, attributeY(0)), kStatsPanel);
    EXPECT_EQ(at(kSkillX, skillY(0)), kPlusReleased);
    EXPECT_EQ(at(kSkillX, skillY(1)), kPlusPressed);
    EXPECT_EQ(at(282, 435), kPlusReleased);  // top-left corner of the first one
    EXPECT_EQ(at(290, 443), kPlusReleased);  // bottom-right corner
    EXPECT_EQ(at(291, 443), kStatsPanel);

    // A negative count from a damaged state file is shown but offers nothing.
    player->skillPoints = -3;
    drawFrame();
    EXPECT_EQ(at(kBoxX, kBoxY), kPointsBox);
    EXPECT_EQ(at(kSkillX, skillY(0)), kStatsPanel);
}

TEST_F(StatsPanelTest, PressMarksTheButtonUnderThePointer) {
    Interface& in = ui();
    player->attributePoints = 1;
    player->skillPoints = 1;
    // Press, read the mark, and release far away, which clears it.
    auto pressAt = [&in](int x, int y) {
        in.leftPress(x, y, nullptr);
        const int pressed = in.pressedPlus;
        in.leftRelease(600, 100, nullptr);
        EXPECT_EQ(in.pressedPlus, -1);
        return pressed;
    };
    EXPECT_EQ(pressAt(139, 403), -1);  // the panel is closed
    in.statsShown = true;
    // x, y, button marked (-1 none): corners, just outside, between buttons.
    const int cases[][3] = {{135, 399, 0}, {143, 407, 0}, {134, 403, -1}, {144, 403, -1}, {139, 398, -1},
                            {139, 408, -1}, {139, 416, 1}, {139, 492, 5}, {139, 493, -1}, {282, 435, 6},
                            {290, 443, 6}, {281, 439, -1}, {291, 439, -1}, {286, 444, -1}, {286, 480, 9},
                            {286, 489, -1}};
    for (const auto& c : cases) EXPECT_EQ(pressAt(c[0], c[1]), c[2]) << c[0] << "," << c[1];

    player->attributePoints = 0;
    EXPECT_EQ(pressAt(139, 403), -1);
    EXPECT_EQ(pressAt(286, 450), 7);
    player->skillPoints = 0;
    EXPECT_EQ(pressAt(286, 450), -1);
}

TEST_F(StatsPanelTest, ReleaseOnAPlusSpendsAPoint) {
    Interface& in = ui();
    in.statsShown = true;
    player->attributePoints = 2;
    player->skillPoints = 1;
    player->HP = 60;  // 40 lost

    // Condition (third button), at its right edge: maxHP + 20, the loss stays.
    in.leftRelease(143, 433, nullptr);
    EXPECT_EQ(player->condition, 6);
    EXPECT_EQ(player->attributePoints, 1);
    EXPECT_EQ(player->maxHP, 120);
    EXPECT_EQ(player->HP, 80);

    // Just outside: nothing.
    in.leftRelease(144, 433, nullptr);
    in.leftRelease(134, 433, nullptr);
    in.leftRelease(139, 425, nullptr);  // between dexterity and condition
    EXPECT_EQ(player->attributePoints, 1);
    EXPECT_EQ(player->condition, 6);

    // The release decides, not the press: pressed on strength, released on
    // charisma's bottom row.
    in.leftPress(139, 403, nullptr);
    EXPECT_EQ(in.pressedPlus, 0);
    in.leftRelease(135, 492, nullptr);
    EXPECT_EQ(in.pressedPlus, -1);
    EXPECT_EQ(player->strength, 5);
    EXPECT_EQ(player->charisma, 6);
    EXPECT_EQ(player->attributePoints, 0);

    // No attribute points left: the buttons do nothing.
    in.leftRelease(139, 403, nullptr);
    EXPECT_EQ(player->strength, 5);
    EXPECT_EQ(player->attributePoints, 0);

    // Crossbow skill, fourth skill button.
    in.leftRelease(290, 480, nullptr);
    EXPECT_EQ(player->crossbowSkill, 6);
    EXPECT_EQ(player->skillPoints, 0);
    in.leftRelease(290, 480, nullptr);
    EXPECT_EQ(player->crossbowSkill, 6);

    // A closed panel takes no clicks.
    player->skillPoints = 1;
    in.statsShown = false;
    in.leftRelease(286, 439, nullptr);
    EXPECT_EQ(player->oneHandedWeaponSkill, 5);
    EXPECT_EQ(player->skillPoints, 1);
    in.statsShown = true;
    in.leftRelease(286, 439, nullptr);
    EXPECT_EQ(player->oneHandedWeaponSkill, 6);
    EXPECT_EQ(player->skillPoints, 0);
}
