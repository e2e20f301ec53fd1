// What goes into the hands and what comes out: weapons, two-handed weapons
// and runes (both hands), bows and crossbows with their ammunition in the
// other hand.
#include "ui/InventoryLayout.h"
#include "ui/ItemKinds.h"
#include "ui/ItemMoves.h"

using namespace itemkinds;

namespace itemmoves {
namespace {

ItemRef& otherHand(Player& player, int number) {
    return number == layout::kLeftHand ? player.rightHand : player.leftHand;
}

bool fitsAHand(const ItemRef& item) {
    return item->type == kOneHanded || item->type == kTwoHanded || isShooter(item) || item->type == kHealRune ||
           item->type == kDamageRune;
}

// Takes whatever the hands hold out of them, with its values; each item is
// given back once. Both references are cleared before any value is taken
// back, so the bookkeeping never moves an item a second time.
std::vector<ItemRef> clearHands(Player& player) {
    ItemRef left = std::move(player.leftHand);
    ItemRef right = std::move(player.rightHand);
    player.leftHand.reset();
    player.rightHand.reset();
    std::vector<ItemRef> held;
    if (left) held.push_back(left);
    if (right && right != left) held.push_back(right);
    for (const ItemRef& item : held) player.unequip(item);
    return held;
}

// Takes the item out of `hand` with its values: the other half of a
// two-handed grip goes with it, and a bow's or crossbow's ammunition comes
// out of the other hand into `ammunition` (values taken back too).
ItemRef takeOutOfHand(Player& player, ItemRef& hand, ItemRef& other, ItemRef& ammunition) {
    ItemRef item = std::move(hand);
    hand.reset();
    if (other == item) {
        other.reset();
    } else if (isShooter(item)) {
        ammunition = std::move(other);
        other.reset();
    }
    player.unequip(item);
    if (ammunition) player.unequip(ammunition);
    return item;
}

void putInHand(Player& player, ItemRef& hand, const ItemRef& item) {
    hand = item;
    player.equip(item);  // mirrors a two-handed weapon or rune into the other hand
}

// A weapon for one hand, taken from the inventory at `at`.
void wieldOneHanded(Player& player, ItemRef& hand, ItemRef& other, size_t at) {
    const ItemRef weapon = player.inventory[at];
    if (!hand) {
        player.inventory.erase(player.inventory.begin() + static_cast<std::ptrdiff_t>(at));
        putInHand(player, hand, weapon);
        return;
    }
    if (isAmmunition(hand)) {
        // The bow in the other hand and its arrows both go back.
        ItemRef stack;
        ItemRef nothing;
        const ItemRef shooter = other ? takeOutOfHand(player, other, hand, stack) : nullptr;
        if (hand) stack = takeOutOfHand(player, hand, other, nothing);  // no bow held it
        player.inventory.erase(player.inventory.begin() + static_cast<std::ptrdiff_t>(at));
        if (shooter) player.inventory.push_back(shooter);
        stow(player, stack);
        putInHand(player, hand, weapon);
        return;
    }
    // What the hand held takes the weapon's place in the inventory.
    ItemRef ammunition;
    const ItemRef previous = takeOutOfHand(player, hand, other, ammunition);
    stow(player, ammunition);
    player.inventory[at] = previous;
    putInHand(player, hand, weapon);
}

}  // namespace

void handToInventory(Player& player, int number, bool ammunitionFirst) {
    ItemRef& hand = slot(player, number);
    ItemRef& other = otherHand(player, number);
    if (!hand) return;
    ItemRef ammunition;
    const ItemRef item = takeOutOfHand(player, hand, other, ammunition);
    if (ammunitionFirst) {
        stow(player, ammunition);  // dragged out: it joins its stack
        player.inventory.push_back(item);
    } else {
        // Taken off with a click: the weapon, then its ammunition appended.
        player.inventory.push_back(item);
        if (ammunition) player.inventory.push_back(ammunition);
    }
}

void dropOnHand(Player& player, const Drag& drag, int number) {
    const ItemRef& item = drag.item;
    ItemRef& hand = slot(player, number);
    ItemRef& other = otherHand(player, number);
    if (!item || !fitsAHand(item)) return;

    if (drag.from == From::equipment) {
        // From the other hand: a one-handed weapon moves over or swaps, a bow
        // swaps with its ammunition. The values stay as they are.
        const int otherNumber = number == layout::kLeftHand ? layout::kRightHand : layout::kLeftHand;
        if (drag.index != otherNumber || other != item || hand == item) return;
        if (item->type == kOneHanded && !hand) {
            hand = std::move(other);
            other.reset();
        } else if ((item->type == kOneHanded || isShooter(item)) && hand) {
            std::swap(hand, other);
        }
        return;
    }
    if (drag.from != From::inventory) return;  // from a quick slot or a corpse: first into the pack
    const size_t at = static_cast<size_t>(drag.index);

    if (item->type == kOneHanded) {
        wieldOneHanded(player, hand, other, at);
    } else if (bothHanded(item)) {
        player.inventory.erase(player.inventory.begin() + static_cast<std::ptrdiff_t>(at));
        for (const ItemRef& held : clearHands(player)) stow(player, held);
        putInHand(player, hand, item);
    } else {
        // A bow or crossbow goes in with the first stack of its ammunition.
        const int32_t needed = ammunitionFor(item);
        auto stack = std::find_if(player.inventory.begin(), player.inventory.end(),
                                  [needed](const ItemRef& i) { return i && i->type == needed; });
        if (stack == player.inventory.end()) return;
        const ItemRef ammunition = *stack;
        // What the hands held comes back while the new pair is still in the
        // pack: arrows held join the stack that is about to be taken.
        for (const ItemRef& held : clearHands(player)) stow(player, held);
        removeFromInventory(player, item);
        removeFromInventory(player, ammunition);
        putInHand(player, hand, item);
        putInHand(player, other, ammunition);
    }
}

}  // namespace itemmoves
