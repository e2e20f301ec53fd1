// The inventory panel: the equipment half with the eight slots, the grid of
// carried items with its scroll arrows, and stack amounts.
#include "ui/Interface.h"
#include "ui/InventoryLayout.h"
#include "ui/ItemKinds.h"

#include <string>

namespace {

// A stack this large shows "+++" instead of its number.
constexpr uint32_t kLargeStack = 1000;

}  // namespace

void Interface::drawInventory() {
    blit(equipmentPanel.get(), nullptr, 20, 10);
    blit(inventoryPanel.get(), nullptr, 239, 10);

    const size_t count = player->inventory.size();
    inventoryUpArrow = inventoryScrollRow != 0;
    inventoryDownArrow = static_cast<long long>(count / layout::kGridColumns) - inventoryScrollRow + 1 > layout::kGridRows;
    if (inventoryUpArrow) blit(arrows.get(), &upArrowRect, 605, 14);
    if (inventoryDownArrow) blit(arrows.get(), &downArrowRect, 605, 266);

    const long long first = static_cast<long long>(inventoryScrollRow) * layout::kGridColumns;
    for (int r = 0; r < layout::kGridRows; ++r)
        for (int c = 0; c < layout::kGridColumns; ++c) {
            const long long index = first + r * layout::kGridColumns + c;
            if (index < 0 || index >= static_cast<long long>(count)) continue;
            if (c == gridColumn && r == gridRow) continue;  // being dragged
            const ItemRef& item = player->inventory[static_cast<size_t>(index)];
            if (!item) continue;
            const int x = layout::kGridX + layout::kCellSpacing * c;
            const int y = layout::kGridY + layout::kCellSpacing * r;
            blit(item->image, nullptr, x, y);
            drawAmount(item, x, y, 2);
        }

    for (int number = 1; number <= 8; ++number) {
        const layout::Slot& place = layout::kSlots[number];
        const ItemRef& item = player->*place.member;
        if (!item || number == equipmentSource) continue;
        blit(item->image, nullptr, place.x, place.y);
        if (number >= layout::kLeftHand) drawAmount(item, place.x, place.y, 0);
    }
}

void Interface::drawAmount(const ItemRef& item, int x, int y, int lift) {
    if (!itemkinds::isAmmunition(item)) return;
    if (item->amount >= kLargeStack)
        drawKeptText(largeFont, "+++", amountColour, x - 2, y - 6 + lift);
    else
        drawKeptText(smallFont, std::to_string(item->amount), amountColour, x, y + lift);
}
