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

    drawItemCells(player->inventory, inventoryScrollRow, layout::kGridColumns, layout::kGridRows, layout::kGridX,
                  layout::kGridY, gridColumn, gridRow, 2);

    for (int number = 1; number <= 8; ++number) {
        const layout::Slot& place = layout::kSlots[number];
        const ItemRef& item = player->*place.member;
        if (!item || number == equipmentSource) continue;
        blit(item->image, nullptr, place.x, place.y);
        if (number >= layout::kLeftHand) drawAmount(item, place.x, place.y, 0);
    }
}

void Interface::drawItemCells(const std::vector<ItemRef>& items, int scrollRow, int columns, int rows, int left,
                              int top, int hiddenColumn, int hiddenRow, int amountLift) {
    const long long first = static_cast<long long>(scrollRow) * columns;
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c) {
            const long long index = first + r * columns + c;
            if (index < 0 || index >= static_cast<long long>(items.size())) continue;
            if (c == hiddenColumn && r == hiddenRow) continue;  // being dragged
            const ItemRef& item = items[static_cast<size_t>(index)];
            if (!item) continue;
            const int x = left + layout::kCellSpacing * c;
            const int y = top + layout::kCellSpacing * r;
            blit(item->image, nullptr, x, y);
            drawAmount(item, x, y, amountLift);
        }
}

void Interface::drawAmount(const ItemRef& item, int x, int y, int lift) {
    if (!itemkinds::isAmmunition(item)) return;
    if (item->amount >= kLargeStack)
        drawKeptText(largeFont, "+++", amountColour, x - 2, y - 6 + lift);
    else
        drawKeptText(smallFont, std::to_string(item->amount), amountColour, x, y + lift);
}
