// What kind of thing an item is, as the item-moving rules see it.
#pragma once

#include "characters/Player.h"
#include "items/Item.h"

#include <algorithm>

namespace itemkinds {

using ::bothHanded;
using ::isAmmunition;
using ::isShooter;
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
