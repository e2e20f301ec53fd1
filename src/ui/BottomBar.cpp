// The bar along the bottom of the screen: HP at the left, MP at the right,
// five quick slots beside each.
#include "ui/BarWidth.h"
#include "ui/Interface.h"

namespace {

constexpr int kQuickSlotsPerSide = 5;
constexpr int kQuickSlotSpacing = 35;
constexpr int kLeftSlotsX = 22;
constexpr int kRightSlotsX = 608;
constexpr int kSlotFrameY = 526;
// The icon sits 2 pixels inside the frame.
constexpr int kIconInset = 2;

}  // namespace

void Interface::drawBottomBar() {
    fullHPRect.w = barWidth(player->HP, player->maxHP, playerBarWidth);
    blit(emptyStripes.get(), &emptyHPRect, 20, 560);
    blit(fullStripes.get(), &fullHPRect, 22, 562);

    fullMPRect.w = barWidth(player->MP, player->maxMP, playerBarWidth);
    blit(emptyStripes.get(), &emptyMPRect, 580, 560);
    blit(fullStripes.get(), &fullMPRect, 582, 562);

    for (int side = 1; side <= 2; ++side) {
        const int left = side == 1 ? kLeftSlotsX : kRightSlotsX;
        for (int i = 0; i < kQuickSlotsPerSide; ++i) {
            const int x = left + kQuickSlotSpacing * i;
            blit(quickSlotFrame.get(), nullptr, x, kSlotFrameY);
            const ItemRef& item = player->quickSlots[(side - 1) * kQuickSlotsPerSide + i];
            // The slot being dragged from shows its frame only.
            const bool dragged = quickSlotSide == side && quickSlotIndex == i;
            if (item && !dragged) blit(item->image, nullptr, x + kIconInset, kSlotFrameY + kIconInset);
        }
    }
}
