// The search window: a corpse's items in 6 by 5 cells with scroll arrows,
// the take-all and remove buttons and the four push buttons.
#include "ui/Interface.h"
#include "ui/InventoryLayout.h"

namespace {

// Where each button is pressed, and where its pressed picture goes.
struct Button {
    HitArea press;
    int x, y;
};
constexpr Button kButtons[6] = {
    {{307, 434, 363, 599}, 307, 434},  // remove the corpse: anywhere below its top edge
    {{307, 397, 363, 426}, 307, 397},  // take all
    {{328, 334, 343, 347}, 328, 334},  // push up
    {{328, 367, 343, 381}, 328, 367},  // push down
    {{312, 350, 326, 365}, 312, 350},  // push left
    {{345, 350, 359, 365}, 345, 350},  // push right
};

// Request bits of the buttons, for the game to carry out.
constexpr int kRemove = 1;
constexpr int kPushUp = 2;
constexpr int kPushDown = 4;
constexpr int kPushLeft = 8;
constexpr int kPushRight = 16;

}  // namespace

void Interface::drawSearchWindow(Corpse& corpse) {
    blit(searchWindow.get(), nullptr, 300, 290);
    const size_t count = corpse.items.size();
    searchUpArrow = searchScrollRow != 0;
    searchDownArrow = static_cast<long long>(count / layout::kSearchColumns) - searchScrollRow + 1 > layout::kSearchRows;
    if (searchUpArrow) blit(arrows.get(), &upArrowRect, 570, 295);
    if (searchDownArrow) blit(arrows.get(), &downArrowRect, 570, 447);

    drawItemCells(corpse.items, searchScrollRow, layout::kSearchColumns, layout::kSearchRows, layout::kSearchX,
                  layout::kSearchY, searchCellColumn, searchCellRow, 0);
    if (pressedSearchButton >= 0 && pressedSearchButton < 6)
        blit(searchButtons.get(), &searchButtonRects[pressedSearchButton], kButtons[pressedSearchButton].x,
             kButtons[pressedSearchButton].y);
}

bool Interface::pressSearchWindow(int x, int y, Corpse& corpse) {
    const size_t first = static_cast<size_t>(searchScrollRow) * layout::kSearchColumns;
    for (int r = 0; r < layout::kSearchRows; ++r)
        for (int c = 0; c < layout::kSearchColumns; ++c) {
            const size_t index = first + static_cast<size_t>(r * layout::kSearchColumns + c);
            if (!layout::searchCell(c, r).contains(x, y) || index >= corpse.items.size()) continue;
            draggedItem = corpse.items[index];
            searchSource = static_cast<int>(index);
            searchCellColumn = c;
            searchCellRow = r;
            grabX = x - (370 + layout::kCellSpacing * c);
            grabY = y - (layout::kSearchY + layout::kCellSpacing * r);
            return true;
        }
    for (int b = 0; b < 6; ++b)
        if (kButtons[b].press.contains(x, y)) {
            pressedSearchButton = b;  // only shown: the release decides
            return true;
        }
    return false;
}

int Interface::releaseSearchWindow(int x, int y, Corpse* corpse) {
    if (layout::kSearchUp.contains(x, y) || layout::kSearchDown.contains(x, y)) {
        if (searchUpArrow && layout::kSearchUp.contains(x, y)) --searchScrollRow;
        if (searchDownArrow && layout::kSearchDown.contains(x, y)) ++searchScrollRow;
        return 0;
    }
    if (x > 307 && x < 363) {
        if (y >= 435 && y <= 446) return kRemove;
        if (y >= 398 && y <= 425) {
            if (corpse) itemmoves::takeAll(*player, *corpse);
            return 0;
        }
    }
    if (x >= 328 && x <= 343) {
        if (y >= 334 && y <= 347) return kPushUp;
        if (y >= 367 && y <= 381) return kPushDown;
    }
    if (y >= 350 && y <= 365) {
        if (x >= 312 && x <= 326) return kPushLeft;
        if (x >= 345 && x <= 359) return kPushRight;
    }
    return 0;
}
