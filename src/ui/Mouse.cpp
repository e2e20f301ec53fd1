// The three mouse operations: which source a press picks up, which target a
// release drops on, what a right click uses. The rules themselves are in
// ItemMoves and HandRules.
#include "ui/Interface.h"
#include "audio/Audio.h"
#include "ui/InventoryLayout.h"
#include "ui/ItemKinds.h"

using itemmoves::Drag;
using itemmoves::From;

void Interface::leftPress(int x, int y, Corpse* corpse) {
    // A press whose release never came (it happened outside the window)
    // leaves nothing behind for this one.
    endDrag();
    if (inventoryShown && pressInventory(x, y)) return;
    if (pressQuickSlot(x, y)) return;
    if (searchShown && corpse && pressSearchWindow(x, y, *corpse)) return;
    if (statsShown) pressPlus(x, y);
}

bool Interface::pressInventory(int x, int y) {
    const size_t first = static_cast<size_t>(inventoryScrollRow) * layout::kGridColumns;
    for (int r = 0; r < layout::kGridRows; ++r)
        for (int c = 0; c < layout::kGridColumns; ++c) {
            const size_t index = first + static_cast<size_t>(r * layout::kGridColumns + c);
            if (!layout::gridPress(c, r).contains(x, y) || index >= player->inventory.size()) continue;
            draggedItem = player->inventory[index];
            inventorySource = static_cast<int>(index);
            gridColumn = c;
            gridRow = r;
            grabX = x - (layout::kGridX + layout::kCellSpacing * c);
            grabY = y - (layout::kGridY + layout::kCellSpacing * r);
            return true;
        }
    for (int number = 1; number <= 8; ++number) {
        const layout::Slot& place = layout::kSlots[number];
        const ItemRef& item = player->*place.member;
        if (!item || !place.press.contains(x, y)) continue;
        // Ammunition leaves a hand only with its weapon.
        if (itemkinds::isAmmunition(item) && number >= layout::kLeftHand) continue;
        draggedItem = item;
        equipmentSource = number;
        grabX = x - place.press.left;
        grabY = y - place.press.top;
        return true;
    }
    return false;
}

bool Interface::pressQuickSlot(int x, int y) {
    for (int i = 0; i < 10; ++i) {
        if (!layout::quickSlot(i).contains(x, y)) continue;
        // An empty slot records the press but drags nothing.
        draggedItem = player->quickSlots[static_cast<size_t>(i)];
        quickSlotSide = i < layout::kQuickSlotsPerSide ? 1 : 2;
        quickSlotIndex = i % layout::kQuickSlotsPerSide;
        grabX = x - layout::quickSlotFrameX(i);
        grabY = y - layout::kQuickSlotFrameY;
        return true;
    }
    return false;
}

Drag Interface::currentDrag() const {
    Drag drag;
    drag.item = draggedItem;
    if (inventorySource >= 0) {
        drag.from = From::inventory;
        drag.index = inventorySource;
    } else if (equipmentSource > 0) {
        drag.from = From::equipment;
        drag.index = equipmentSource;
    } else if (quickSlotSide > 0) {
        drag.from = From::quickSlot;
        drag.index = (quickSlotSide - 1) * layout::kQuickSlotsPerSide + quickSlotIndex;
    } else if (searchSource >= 0) {
        drag.from = From::corpse;
        drag.index = searchSource;
    }
    return drag;
}

int Interface::leftRelease(int x, int y, Corpse* corpse) {
    if (draggedItem) drop(x, y, corpse);
    if (statsShown) releasePlus(x, y);
    if (inventoryShown) releaseInventoryArrows(x, y);
    const int requests = searchShown ? releaseSearchWindow(x, y, corpse) : 0;
    if (questLogShown) releaseQuestLog(x, y);
    if (dialogueShown) releaseDialogue(x, y);
    endDrag();
    return requests;
}

void Interface::drop(int x, int y, Corpse* corpse) {
    const Drag drag = currentDrag();
    // Whatever happened while the button was down, nothing is copied.
    if (!itemmoves::stillHeld(*player, corpse, drag)) return;
    if (inventoryShown) {
        const size_t first = static_cast<size_t>(inventoryScrollRow) * layout::kGridColumns;
        for (int r = 0; r < layout::kGridRows; ++r)
            for (int c = 0; c < layout::kGridColumns; ++c)
                if (layout::gridDrop(c, r).contains(x, y)) {
                    itemmoves::dropOnGrid(*player, corpse, drag, first + static_cast<size_t>(r * layout::kGridColumns + c));
                    return;
                }
        for (int number = 1; number <= 8; ++number) {
            if (!layout::kSlots[number].drop.contains(x, y)) continue;
            if (number >= layout::kLeftHand)
                itemmoves::dropOnHand(*player, drag, number);
            else
                itemmoves::dropOnSlot(*player, drag, number);
            soundIfPlaced(drag, corpse);
            return;
        }
    }
    for (int i = 0; i < 10; ++i)
        if (layout::quickSlot(i).contains(x, y)) {
            itemmoves::dropOnQuickSlot(*player, drag, i);
            soundIfPlaced(drag, corpse);
            return;
        }
}

void Interface::soundIfPlaced(const itemmoves::Drag& drag, const Corpse* corpse) {
    // A drop that didn't fit leaves the item where it was, and is not heard.
    if (!itemmoves::stillHeld(*player, corpse, drag)) audio::play(Sound::equip);
}

void Interface::releaseInventoryArrows(int x, int y) {
    if (inventoryUpArrow && layout::kGridUp.contains(x, y))
        --inventoryScrollRow;
    else if (inventoryDownArrow && layout::kGridDown.contains(x, y))
        ++inventoryScrollRow;
}

void Interface::rightRelease(int x, int y, Corpse* corpse) {
    if (searchShown && corpse) {
        const size_t first = static_cast<size_t>(searchScrollRow) * layout::kSearchColumns;
        for (int r = 0; r < layout::kSearchRows; ++r)
            for (int c = 0; c < layout::kSearchColumns; ++c)
                if (layout::searchCell(c, r).contains(x, y)) {
                    itemmoves::take(*player, *corpse, first + static_cast<size_t>(r * layout::kSearchColumns + c));
                    return;
                }
    }
    if (inventoryShown) {
        const size_t first = static_cast<size_t>(inventoryScrollRow) * layout::kGridColumns;
        for (int r = 0; r < layout::kGridRows; ++r)
            for (int c = 0; c < layout::kGridColumns; ++c)
                if (layout::gridRight(c, r).contains(x, y)) {
                    itemmoves::useFromInventory(*player, first + static_cast<size_t>(r * layout::kGridColumns + c));
                    return;
                }
        for (int number = 1; number <= 8; ++number)
            if (layout::kSlots[number].right.contains(x, y)) {
                itemmoves::takeOff(*player, number);
                return;
            }
    }
    for (int i = 0; i < 10; ++i)
        if (layout::quickSlot(i).contains(x, y)) {
            itemmoves::useQuickSlot(*player, i);
            return;
        }
}
