// What kind of thing an item is, as the item-moving rules see it.
#pragma once

#include "characters/Player.h"
#include "items/Item.h"

#include <algorithm>

namespace itemkinds {

inline bool isShooter(const ItemRef& item) { return item && (item->type == kBow || item->type == kCrossbow); }
inline bool isAmmunition(const ItemRef& item) {
    return item && (item->type == kArrow || item->type == kCrossbowBolt);
}
// Held in both hands at once.
inline bool bothHanded(const ItemRef& item) {
    return item && (item->type == kTwoHanded || item->type == kHealRune || item->type == kDamageRune);
}
inline bool isMixture(const ItemRef& item) { return item && (item->type == kMixtureHP || item->type == kMixtureMP); }
// The ammunition a shooter needs in the other hand.
inline int32_t ammunitionFor(const ItemRef& shooter) { return shooter->type == kBow ? kArrow : kCrossbowBolt; }

// Back into the pack: ammunition joins its first stack, the rest goes last.
inline void stow(Player& player, const ItemRef& item) {
    if (item) player.addItem(item);
}
inline bool removeFromInventory(Player& player, const ItemRef& item) {
    auto at = std::find(player.inventory.begin(), player.inventory.end(), item);
    if (at == player.inventory.end()) return false;
    player.inventory.erase(at);
    return true;
}

}  // namespace itemkinds
