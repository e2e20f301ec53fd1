// Drops on the inventory grid, the worn slots and the quick slots; right
// clicks; taking from a corpse. The hands have their own file.
#include "ui/ItemMoves.h"

#include "audio/Audio.h"

#include "ui/InventoryLayout.h"
#include "ui/ItemKinds.h"

#include <utility>

using namespace itemkinds;

namespace itemmoves {
namespace {

ItemRef noSlot;

bool leftSide(int quickSlot) { return quickSlot < layout::kQuickSlotsPerSide; }
bool validQuickSlot(int index) { return index >= 0 && index < 10; }

// Puts a worn item on, taking off what the slot held; returns that.
ItemRef wear(Player& player, ItemRef& worn, const ItemRef& item) {
    ItemRef previous = std::move(worn);
    worn.reset();
    if (previous) player.unequip(previous);
    worn = item;
    player.equip(item);
    return previous;
}

}  // namespace

ItemRef& slot(Player& player, int number) {
    if (number < 1 || number > 8) return noSlot = nullptr;
    return player.*layout::kSlots[number].member;
}

bool stillHeld(Player& player, const Corpse* corpse, const Drag& drag) {
    if (!drag.item) return false;
    const size_t i = static_cast<size_t>(drag.index);
    switch (drag.from) {
        case From::inventory: return drag.index >= 0 && i < player.inventory.size() && player.inventory[i] == drag.item;
        case From::equipment: return drag.index >= 1 && drag.index <= 8 && slot(player, drag.index) == drag.item;
        case From::quickSlot: return validQuickSlot(drag.index) && player.quickSlots[i] == drag.item;
        case From::corpse: return corpse && drag.index >= 0 && i < corpse->items.size() && corpse->items[i] == drag.item;
        default: return false;
    }
}

void dropOnGrid(Player& player, Corpse* corpse, const Drag& drag, size_t target) {
    auto& inventory = player.inventory;
    const size_t from = static_cast<size_t>(drag.index);
    switch (drag.from) {
        case From::inventory:
            if (target >= inventory.size()) {
                ItemRef item = std::move(inventory[from]);
                inventory.erase(inventory.begin() + static_cast<std::ptrdiff_t>(from));
                inventory.push_back(std::move(item));
            } else {
                std::swap(inventory[from], inventory[target]);
            }
            break;
        case From::quickSlot:
            // A potion of the same kind trades places; otherwise it goes last.
            if (target < inventory.size() && inventory[target] && inventory[target]->type == drag.item->type) {
                std::swap(player.quickSlots[from], inventory[target]);
            } else {
                player.quickSlots[from].reset();
                inventory.push_back(drag.item);
            }
            break;
        case From::equipment:
            if (drag.index == layout::kLeftHand || drag.index == layout::kRightHand) {
                handToInventory(player, drag.index, true);
            } else {
                slot(player, drag.index).reset();
                player.unequip(drag.item);
                inventory.push_back(drag.item);
            }
            break;
        case From::corpse:
            if (corpse) take(player, *corpse, from);
            break;
        default: break;
    }
}

void dropOnSlot(Player& player, const Drag& drag, int number) {
    const layout::Slot& place = layout::kSlots[number];
    ItemRef& worn = player.*place.member;
    if (!drag.item || drag.item->type != place.type) return;
    if (drag.from == From::equipment) {
        // A ring moves to the other ring slot, or the two swap; worn either
        // way, so the values stay.
        const bool ringSwap = place.type == kRing && (drag.index == 5 || drag.index == 6) && drag.index != number;
        if (ringSwap) std::swap(worn, slot(player, drag.index));
        return;
    }
    if (drag.from != From::inventory) return;  // worn things come from the pack
    const size_t at = static_cast<size_t>(drag.index);
    ItemRef previous = wear(player, worn, drag.item);
    if (previous)
        player.inventory[at] = previous;
    else
        player.inventory.erase(player.inventory.begin() + static_cast<std::ptrdiff_t>(at));
}

void dropOnQuickSlot(Player& player, const Drag& drag, int index) {
    if (!drag.item || !validQuickSlot(index)) return;
    // Health on the left bar, mana on the right.
    if (drag.item->type != (leftSide(index) ? kMixtureHP : kMixtureMP)) return;
    ItemRef& target = player.quickSlots[static_cast<size_t>(index)];
    if (drag.from == From::inventory) {
        const size_t at = static_cast<size_t>(drag.index);
        if (target)
            std::swap(target, player.inventory[at]);
        else {
            target = drag.item;
            player.inventory.erase(player.inventory.begin() + static_cast<std::ptrdiff_t>(at));
        }
    } else if (drag.from == From::quickSlot && drag.index != index && leftSide(drag.index) == leftSide(index)) {
        std::swap(target, player.quickSlots[static_cast<size_t>(drag.index)]);
    }
}

void useFromInventory(Player& player, size_t index) {
    if (index >= player.inventory.size() || !player.inventory[index]) return;
    const ItemRef item = player.inventory[index];
    if (isMixture(item)) {
        player.inventory.erase(player.inventory.begin() + static_cast<std::ptrdiff_t>(index));
        player.consume(item);
        audio::play(Sound::potion);
        return;
    }
    for (int number : {1, 2, 3, 4}) {
        if (layout::kSlots[number].type != item->type) continue;
        player.inventory.erase(player.inventory.begin() + static_cast<std::ptrdiff_t>(index));
        ItemRef previous = wear(player, player.*layout::kSlots[number].member, item);
        if (previous) player.inventory.push_back(previous);
        audio::play(Sound::equip);
        return;
    }
}

void takeOff(Player& player, int number) {
    if (number == layout::kLeftHand || number == layout::kRightHand) {
        // Ammunition leaves with its weapon, never by itself.
        if (!isAmmunition(slot(player, number))) handToInventory(player, number, false);
        return;
    }
    ItemRef& worn = slot(player, number);
    if (!worn) return;
    ItemRef item = std::move(worn);
    worn.reset();
    player.unequip(item);
    player.inventory.push_back(item);
}

void useQuickSlot(Player& player, int index) {
    if (!validQuickSlot(index)) return;
    ItemRef item = std::move(player.quickSlots[static_cast<size_t>(index)]);
    player.quickSlots[static_cast<size_t>(index)].reset();
    if (!item) return;
    player.consume(item);
    audio::play(Sound::potion);
}

namespace {

void takeQuietly(Player& player, Corpse& corpse, size_t index) {
    ItemRef item = std::move(corpse.items[index]);
    corpse.items.erase(corpse.items.begin() + static_cast<std::ptrdiff_t>(index));
    stow(player, item);
}

}  // namespace

void take(Player& player, Corpse& corpse, size_t index) {
    if (index >= corpse.items.size()) return;
    takeQuietly(player, corpse, index);
    audio::play(Sound::loot);
}

void takeAll(Player& player, Corpse& corpse) {
    // One sound for the lot.
    if (!corpse.items.empty()) audio::play(Sound::loot);
    while (!corpse.items.empty()) takeQuietly(player, corpse, corpse.items.size() - 1);
}

}  // namespace itemmoves
