#include "Build.h"

#include "characters/Player.h"
#include "ui/InventoryLayout.h"
#include "ui/ItemMoves.h"

#include <algorithm>

namespace {

// Attribute indices, in the creature's order.
namespace attr {
constexpr int kStrength = 0;
constexpr int kCondition = 2;
constexpr int kOneHanded = 6;
constexpr int kTwoHanded = 7;
constexpr int kBow = 8;
}  // namespace attr

// Worn slots by item type, as numbered in the inventory panel.
int slotFor(const Player& player, int32_t type) {
    switch (type) {
        case kHelmet: return 1;
        case kNecklace: return 2;
        case kArmor: return 3;
        case kBoots: return 4;
        case kRing: return player.ring1 ? 6 : 5;
        default: return 0;
    }
}

bool heldInHands(int32_t type) {
    return type == kOneHanded || type == kTwoHanded || type == kBow || type == kCrossbow || type == kHealRune ||
           type == kDamageRune;
}

}  // namespace

std::vector<Build> standardBuilds() {
    return {
        {"fresh, dagger", 0, {}, {"dagger"}, 2},
        {"level 1, armour", 1, {{attr::kStrength, 2}, {attr::kCondition, 2}, {attr::kOneHanded, 4}},
         {"dagger", "leatherarmor"}, 2},
        {"level 2, bow", 2, {{attr::kStrength, 4}, {attr::kCondition, 4}, {attr::kBow, 8}},
         {"leatherarmor", "helmet", "arrows", "bow"}, 3},
        {"crypt-ready", 3, {{attr::kStrength, 6}, {attr::kCondition, 6}, {attr::kTwoHanded, 12}},
         {"axe", "leatherarmor", "helmet", "necklace", "ring"}, 4},
    };
}

void dress(Player& player, const Build& build) {
    player.level = build.level;
    player.exp = build.level > 0 ? levelThreshold(build.level - 1) : 0;
    player.nextLevelExp = levelThreshold(build.level);
    for (const auto& [index, points] : build.points) player.attribute(index) += points;
    player.recomputeStats();
    // Through the inventory's own rules, so the values come out as in play.
    for (const std::string& id : build.gear) {
        const ItemRef item = makeItem(id);
        player.inventory.push_back(item);
        const itemmoves::Drag drag{itemmoves::From::inventory, static_cast<int>(player.inventory.size()) - 1, item};
        if (heldInHands(item->type))
            itemmoves::dropOnHand(player, drag, layout::kLeftHand);
        else if (const int slot = slotFor(player, item->type))
            itemmoves::dropOnSlot(player, drag, slot);
    }
    const int potions = std::clamp(build.potions, 0, layout::kQuickSlotsPerSide);
    for (int i = 0; i < potions; ++i) player.quickSlots[static_cast<size_t>(i)] = makeItem("hppotion");
    player.HP = player.maxHP;
    player.MP = player.maxMP;
}
