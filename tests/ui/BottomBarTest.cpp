#include "ui/InterfaceFixture.h"

#include <climits>

using namespace colours;
using BottomBarTest = InterfaceTest;

namespace {
// A row through the middle of both full bars.
constexpr int kBarRow = 570;
}  // namespace

TEST_F(BottomBarTest, HpBarWidthOnScreen) {
    struct Case {
        int32_t hp, maxHP;
        int rectWidth, shown;
    };
    const Case cases[] = {
        {100, 100, 198, 198},        // full
        {50, 100, 99, 99},           // half
        {37, 100, 73, 73},           // 73.26 truncated
        {1, 3, 66, 66},
        {0, 0, 0, 0},                // no maximum: empty, no division by zero
        {40, 0, 0, 0},
        {300, 100, 594, 198},        // above the maximum: clipped to the picture
        {-20, 100, 0, 0},            // negative: empty, not a wrapped 16-bit width
        {INT_MAX, 1, 65535, 198},    // absurd: stays within a rectangle's width
    };
    for (const Case& c : cases) {
        player->HP = c.hp;
        player->maxHP = c.maxHP;
        drawFrame();
        SCOPED_TRACE(std::to_string(c.hp) + "/" + std::to_string(c.maxHP));
        EXPECT_EQ(ui().fullHPRect.w, c.rectWidth);
        EXPECT_EQ(runOf(kFullHP, 22, kBarRow), c.shown);
        // The empty bar lies under it and shows past its end.
        if (c.shown < 198) {
            EXPECT_EQ(at(22 + c.shown, kBarRow), kEmptyHP);
        }
        EXPECT_EQ(at(20, kBarRow), kEmptyHP);
        EXPECT_EQ(at(219, 560), kEmptyHP);  // above the full bar
        EXPECT_EQ(at(220, kBarRow), kBackground);
    }
}

TEST_F(BottomBarTest, MpBarUsesItsOwnRowsAndPlace) {
    player->MP = 40;
    player->maxMP = 80;
    player->HP = 0;
    drawFrame();
    EXPECT_EQ(runOf(kFullMP, 582, kBarRow), 99);
    EXPECT_EQ(at(582 + 99, kBarRow), kEmptyMP);
    EXPECT_EQ(at(779, 579), kEmptyMP);
    EXPECT_EQ(runOf(kFullHP, 22, kBarRow), 0);
    player->maxMP = 0;
    drawFrame();
    EXPECT_EQ(at(582, kBarRow), kEmptyMP);
}

TEST_F(BottomBarTest, QuickSlotIconsAndTheSlotDraggedFrom) {
    writeItem("red", "mixtureHP", kHpPotion);
    writeItem("blue", "mixtureMP", kMpPotion);
    player->quickSlots[0] = makeItem("red");
    player->quickSlots[3] = makeItem("red");
    player->quickSlots[7] = makeItem("blue");  // right slot 2
    drawFrame();
    // Middle of the icon of left slot i and right slot i.
    auto left = [](int i) { return 24 + 35 * i + 12; };
    auto right = [](int i) { return 610 + 35 * i + 12; };
    const int iconY = 528 + 12;
    for (int i = 0; i < 5; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(at(left(i), iconY), i == 0 || i == 3 ? kHpPotion : kSlotFrame);
        EXPECT_EQ(at(right(i), iconY), i == 2 ? kMpPotion : kSlotFrame);
        // The frame's own edge, around the icon.
        EXPECT_EQ(at(22 + 35 * i, 526), kSlotFrame);
        EXPECT_EQ(at(608 + 35 * i + 34, 559), kSlotFrame);
    }
    EXPECT_EQ(at(24, 528), kHpPotion);  // the icon's top-left corner

    // Dragging from left slot 3: the slot shows its frame, the icon follows
    // the pointer, drawn over everything else.
    Interface& in = ui();
    in.draggedItem = player->quickSlots[3];
    in.quickSlotSide = 1;
    in.quickSlotIndex = 3;
    in.grabX = 10;
    in.grabY = 4;
    in.pointerX = 100;
    in.pointerY = 570;  // over the HP bar
    drawFrame();
    EXPECT_EQ(at(left(3), iconY), kSlotFrame);
    EXPECT_EQ(at(90, 566), kHpPotion);
    EXPECT_EQ(at(114, 590), kHpPotion);
    EXPECT_EQ(at(89, 566), kFullHP);
    EXPECT_EQ(at(right(2), iconY), kMpPotion);

    // A left release ends the drag wherever it happens.
    in.leftRelease(400, 100, nullptr);
    EXPECT_FALSE(in.draggedItem);
    EXPECT_EQ(in.quickSlotIndex, -1);
    drawFrame();
    EXPECT_EQ(at(left(3), iconY), kHpPotion);
    EXPECT_EQ(at(90, 566), kFullHP);
}
