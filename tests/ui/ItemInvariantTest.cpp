// Thousands of random clicks, drags and keys through the game's own event
// handling: after each one every item is in exactly one place, and an item
// is gone only when it was drunk, merged into a stack, or lay in a corpse
// that was removed.
#include "ui/ItemsFixture.h"

#include "support/Events.h"
#include "ui/Interface.h"
#include "world/Map.h"

#include <map>
#include <random>
#include <set>

namespace {

struct Census {
    std::map<const Item*, int> places;  // how many places hold each item
    std::map<const Item*, ItemRef> items;
    std::map<const Item*, const Corpse*> inCorpse;
    std::set<const Corpse*> corpses;
    uint64_t ammunition[2] = {0, 0};  // arrows, bolts
};

class ItemInvariantTest : public ItemsTest {
protected:
    Census census() const {
        Census c;
        auto count = [&c](const ItemRef& item, const Corpse* corpse = nullptr) {
            if (!item) return;
            ++c.places[item.get()];
            c.items[item.get()] = item;
            if (corpse) c.inCorpse[item.get()] = corpse;
            if (item->type == kArrow || item->type == kCrossbowBolt) c.ammunition[item->type - kArrow] += item->amount;
        };
        const Player& p = hero();
        for (const ItemRef& item : p.inventory) count(item);
        for (const ItemRef* worn : {&p.helmet, &p.necklace, &p.armor, &p.boots, &p.ring1, &p.ring2, &p.leftHand})
            count(*worn);
        if (p.rightHand != p.leftHand) count(p.rightHand);  // both hands hold one item once
        for (const ItemRef& quick : p.quickSlots) count(quick);
        for (const auto& row : game->map->grid)
            for (const Field& field : row) {
                for (const ItemRef& item : field.items) count(item);
                for (const auto& corpse : field.corpses) {
                    c.corpses.insert(corpse.get());
                    for (const ItemRef& item : corpse->items) count(item, corpse.get());
                }
            }
        return c;
    }

    // Somewhere the mouse does something: a cell, a slot, a button, an arrow.
    Spot hotspot() {
        switch (pick(9)) {
            case 0: return cell(pick(88));
            case 1:
            case 8: return slotPoint(1 + pick(8));
            case 2: return quickPoint(pick(10));
            case 3: return searchPoint(pick(30));
            case 4: {
                const Spot buttons[] = {{330, 410}, {330, 440}, {335, 340}, {335, 372}, {318, 357}, {350, 357},
                                        {578, 300}, {578, 450}, {612, 18}, {612, 270}};
                return buttons[pick(10)];
            }
            case 5: return {pick(800), pick(600)};
            default: return cell(pick(22));  // where most of the pack is
        }
    }
    // Somewhere an item usually is.
    Spot source() {
        const int k = pick(10);
        if (k < 5) return cell(pick(22));
        if (k < 7) return slotPoint(1 + pick(8));
        if (k < 8) return quickPoint(pick(10));
        return searchPoint(pick(12));
    }
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(dice); }

    std::mt19937 dice{20261208};
};

TEST_F(ItemInvariantTest, NoSequenceOfInputsCopiesOrLosesAnItem) {
    arrange({"sword", "dagger", "axe", "bow", "crossbow", "potion", "potion", "mana", "armor", "helmet", "cap",
             "necklace", "ring", "band", "boots", "arrows", "quiver", "bolts", "healrune", "firerune"},
            "L=bow R=arrows Q0=potion Q5=mana");
    corpse({"sword", "arrows", "bolts", "potion", "ring", "crossbow", "cap", "axe"});
    corpse({"dagger", "quiver", "mana", "boots"});
    for (int k = 0; k < 4; ++k) game->map->fieldAt(5, 5).items.push_back(makeItem(k % 2 ? "arrows" : "helmet"));

    // Walking away from the corpses and back now and then.
    const SDLKey keys[] = {SDLK_F1, SDLK_F3, SDLK_F6, SDLK_F8, SDLK_TAB, SDLK_s, SDLK_p, SDLK_q, SDLK_F1, SDLK_p,
                           SDLK_F7, SDLK_F2, SDLK_TAB, SDLK_s, SDLK_q, SDLK_F9, SDLK_F4, SDLK_p, SDLK_LEFT, SDLK_RIGHT};
    for (int step = 0; step < 3000; ++step) {
        const Census before = census();
        const int kind = pick(10);
        if (kind < 5) {
            const Spot from = source();
            const Spot to = hotspot();
            pushButton(SDL_MOUSEBUTTONDOWN, from.x, from.y);
            if (pick(6) == 0) pushKey(keys[pick(20)]);  // a key in the middle of a drag
            pushButton(SDL_MOUSEBUTTONUP, to.x, to.y);
        } else if (kind < 8) {
            const Spot at = hotspot();
            pushButton(SDL_MOUSEBUTTONUP, at.x, at.y, SDL_BUTTON_RIGHT);
        } else {
            pushKey(keys[pick(20)]);
        }
        handleEvents();
        // Look into whatever lies here, and into the pack, more often than
        // the keys alone would.
        if (pick(10) == 0) game->interface->searchShown = true;
        if (pick(10) == 0) game->interface->inventoryShown = true;

        const Census after = census();
        for (const auto& [item, places] : after.places) {
            ASSERT_EQ(places, 1) << item->id << " in " << places << " places at step " << step << ": " << state();
            ASSERT_TRUE(before.items.count(item)) << item->id << " came from nowhere at step " << step;
        }
        uint64_t removedAmmunition[2] = {0, 0};
        for (const auto& [item, ref] : before.items) {
            if (after.items.count(item)) continue;
            const auto corpse = before.inCorpse.find(item);
            const bool removed = corpse != before.inCorpse.end() && !after.corpses.count(corpse->second);
            const bool drunk = item->type == kMixtureHP || item->type == kMixtureMP;
            const bool merged = item->type == kArrow || item->type == kCrossbowBolt;
            ASSERT_TRUE(removed || drunk || merged) << item->id << " lost at step " << step << ": " << state();
            if (removed && merged) removedAmmunition[item->type - kArrow] += item->amount;
        }
        for (int kind2 = 0; kind2 < 2; ++kind2)
            ASSERT_EQ(after.ammunition[kind2], before.ammunition[kind2] - removedAmmunition[kind2])
                << "arrows or bolts miscounted at step " << step;
    }
}

}  // namespace
