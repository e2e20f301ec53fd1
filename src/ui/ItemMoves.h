// The rules of moving items between the inventory, the eight equipment
// slots, the quick slots and a corpse: what a drop, a right click or a take
// does to the player's items. The mouse code only finds out where the pointer
// is and calls these.
//
// Every move keeps each item in exactly one place (an item in both hands
// counts once), and every item in a hand or a worn slot has its values
// applied exactly while it is there: ammunition too.
#pragma once

#include "characters/Corpse.h"
#include "characters/Player.h"

#include <cstddef>

namespace itemmoves {

enum class From { nothing, inventory, equipment, quickSlot, corpse };

// Where a dragged item came from: an inventory index, an equipment slot
// number 1-8, a quick slot 0-9, or an index into the corpse's items.
struct Drag {
    From from = From::nothing;
    int index = -1;
    ItemRef item;
};

// The equipment slot with that number (1-8).
ItemRef& slot(Player& player, int number);

// Whether the drag's source still holds its item: things change while the
// button is down (a potion drunk with F1, the last arrow shot, the corpse
// pushed away), and a drop from a stale source would copy an item.
bool stillHeld(Player& player, const Corpse* corpse, const Drag& drag);

// Drops: each does nothing when the item does not fit there.
void dropOnGrid(Player& player, Corpse* corpse, const Drag& drag, size_t target);
void dropOnSlot(Player& player, const Drag& drag, int number);  // 1-6
void dropOnHand(Player& player, const Drag& drag, int number);  // 7 or 8
void dropOnQuickSlot(Player& player, const Drag& drag, int index);

// Right clicks.
void useFromInventory(Player& player, size_t index);
void takeOff(Player& player, int number);  // 1-8
void useQuickSlot(Player& player, int index);

// From a corpse into the inventory.
void take(Player& player, Corpse& corpse, size_t index);
void takeAll(Player& player, Corpse& corpse);

// Empties the hand with that number (7 or 8): the item goes back to the
// inventory with its values taken off; a two-handed weapon or rune leaves
// both hands, and a bow or crossbow takes its ammunition along: stowed into
// its stack before the weapon (a drag), or appended after it (a click).
void handToInventory(Player& player, int number, bool ammunitionFirst);

}  // namespace itemmoves
