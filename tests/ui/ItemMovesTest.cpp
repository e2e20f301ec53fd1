// Dragging, dropping and right-clicking items with real mouse events: the
// grid, the worn slots, the hands with their weapon rules, the quick slots
// and the search window.
#include "ui/ItemsFixture.h"

#include "support/Events.h"
#include "ui/Interface.h"
#include "ui/ItemMoves.h"
#include "world/Map.h"

namespace {

enum Place { Grid, Slot, Quick, Search };
struct Spot2 {
    Place place;
    int index;
};

struct Move {
    const char* what;
    std::initializer_list<const char*> inventory;
    const char* worn;
    Spot2 from, to;
    const char* after;
};

class ItemMovesTest : public ItemsTest {
protected:
    // The base strength and the bonuses of what is worn, an item in both hands once.
    int32_t wornStrength() const {
        uint32_t sum = 5;
        for (int n = 1; n <= 8; ++n)
            if (const ItemRef& i = itemmoves::slot(hero(), n); i && (n != 8 || i != hero().leftHand)) sum += i->strength;
        return static_cast<int32_t>(sum);
    }
    Spot at(Spot2 s) const {
        switch (s.place) {
            case Grid: return cell(s.index);
            case Slot: return slotPoint(s.index);
            case Quick: return quickPoint(s.index);
            default: return searchPoint(s.index);
        }
    }
};

TEST_F(ItemMovesTest, DragsAndDrops) {
    const Move moves[] = {
        {"a sword into an empty hand", {"sword"}, "", {Grid, 0}, {Slot, 7}, "inv[] L=sword"},
        {"a bow takes the first arrow stack", {"arrows", "bow", "quiver"}, "", {Grid, 1}, {Slot, 7},
         "inv[quiver*20] L=bow R=arrows*20"},
        {"a bow without arrows stays", {"bow", "bolts"}, "", {Grid, 0}, {Slot, 8}, "inv[bow bolts*15]"},
        {"a crossbow takes bolts", {"crossbow", "arrows", "bolts"}, "", {Grid, 0}, {Slot, 8},
         "inv[arrows*20] L=bolts*15 R=crossbow"},
        {"a sword in place of a bow sends its arrows back", {"sword"}, "L=bow R=arrows", {Grid, 0}, {Slot, 7},
         "inv[bow arrows*20] L=sword"},
        {"a sword on the arrows sends bow and arrows back", {"sword"}, "L=bow R=arrows", {Grid, 0}, {Slot, 8},
         "inv[bow arrows*20] R=sword"},
        {"a sword swaps with the sword held", {"sword"}, "L=dagger", {Grid, 0}, {Slot, 7}, "inv[dagger] L=sword"},
        {"a two-handed weapon frees both hands", {"axe"}, "L=sword R=dagger", {Grid, 0}, {Slot, 8},
         "inv[sword dagger] L=axe R=axe"},
        {"a sword in place of a two-handed grip", {"sword"}, "L=axe", {Grid, 0}, {Slot, 8}, "inv[axe] R=sword"},
        {"a sword on a rune held beside a dagger keeps the dagger", {"sword"}, "L=healrune R=dagger", {Grid, 0},
         {Slot, 7}, "inv[healrune] L=sword R=dagger"},
        {"a rune fills both hands", {"firerune"}, "L=bow R=arrows", {Grid, 0}, {Slot, 7},
         "inv[bow arrows*20] L=firerune R=firerune"},
        {"arrows are no weapon", {"arrows"}, "", {Grid, 0}, {Slot, 7}, "inv[arrows*20]"},
        {"a sword moves to the empty hand", {}, "L=sword", {Slot, 7}, {Slot, 8}, "inv[] R=sword"},
        {"the hands swap", {}, "L=sword R=dagger", {Slot, 7}, {Slot, 8}, "inv[] L=dagger R=sword"},
        {"a bow swaps with its arrows", {}, "L=bow R=arrows", {Slot, 7}, {Slot, 8}, "inv[] L=arrows*20 R=bow"},
        {"arrows in a hand do not move alone", {}, "L=bow R=arrows", {Slot, 8}, {Grid, 0}, "inv[] L=bow R=arrows*20"},
        {"a bow back to the grid brings its arrows to their stack", {"quiver"}, "L=bow R=arrows", {Slot, 7},
         {Grid, 4}, "inv[quiver*40 bow]"},
        {"a second bow: the old arrows join the stack it takes", {"bow", "quiver"}, "L=bow R=arrows", {Grid, 0},
         {Slot, 7}, "inv[bow] L=bow R=quiver*40"},
        {"a crossbow over a bow: the arrows find their stack before the bolts leave", {"crossbow", "bolts", "quiver"},
         "L=bow R=arrows", {Grid, 0}, {Slot, 8}, "inv[quiver*40 bow] L=bolts*15 R=crossbow"},
        {"a helmet for a helmet, the old one in its place", {"cap", "potion"}, "H=helmet", {Grid, 0}, {Slot, 1},
         "inv[helmet potion] H=cap"},
        {"a ring is no helmet", {"ring"}, "", {Grid, 0}, {Slot, 1}, "inv[ring]"},
        {"a ring to a free ring slot", {"ring"}, "", {Grid, 0}, {Slot, 6}, "inv[] R2=ring"},
        {"the ring slots swap", {}, "R1=ring R2=band", {Slot, 5}, {Slot, 6}, "inv[] R1=band R2=ring"},
        {"worn boots back to the grid", {"potion"}, "B=boots", {Slot, 4}, {Grid, 0}, "inv[potion boots]"},
        {"past the last item means last", {"sword", "dagger", "cap"}, "", {Grid, 0}, {Grid, 20},
         "inv[dagger cap sword]"},
        {"two items swap", {"sword", "dagger", "cap"}, "", {Grid, 0}, {Grid, 2}, "inv[cap dagger sword]"},
        {"a health potion to the left bar", {"potion"}, "", {Grid, 0}, {Quick, 1}, "inv[] Q1=potion"},
        {"but not to the right one", {"potion"}, "", {Grid, 0}, {Quick, 6}, "inv[potion]"},
        {"a mana potion to the right bar, swapping", {"mana"}, "Q7=mana", {Grid, 0}, {Quick, 7}, "inv[mana] Q7=mana"},
        {"along its bar", {}, "Q0=potion", {Quick, 0}, {Quick, 4}, "inv[] Q4=potion"},
        {"not across", {}, "Q0=potion", {Quick, 0}, {Quick, 5}, "inv[] Q0=potion"},
        {"a quick slot potion back to the pack", {"sword"}, "Q0=potion", {Quick, 0}, {Grid, 0}, "inv[sword potion]"},
        {"or trading with a potion there", {"potion", "sword"}, "Q2=potion", {Quick, 2}, {Grid, 0},
         "inv[potion sword] Q2=potion"},
        {"a quick slot potion goes to the pack before a hand", {}, "Q0=potion", {Quick, 0}, {Slot, 7},
         "inv[] Q0=potion"},
        {"nowhere in particular", {"sword"}, "", {Grid, 0}, {Grid, 200}, "inv[sword]"},
    };
    for (const Move& m : moves) {
        SCOPED_TRACE(m.what);
        rearrange(m.inventory, m.worn);
        dragDrop(at(m.from), at(m.to));
        EXPECT_EQ(state(), m.after);
        EXPECT_EQ(hero().strength, wornStrength());
        const std::string after = m.after;
        if (after.find("L=") == std::string::npos && after.find("R=") == std::string::npos) {
            EXPECT_EQ(hero().attack, hero().strength) << "nothing in the hands counts any more";
        }
    }
}

}  // namespace

namespace {

struct Click {
    const char* what;
    std::initializer_list<const char*> inventory;
    const char* worn;
    Spot2 at;
    const char* after;
};

TEST_F(ItemMovesTest, RightClicks) {
    const Click clicks[] = {
        {"a potion in the pack is drunk", {"sword", "potion"}, "", {Grid, 1}, "inv[sword]"},
        {"a ring in the pack stays", {"ring"}, "", {Grid, 0}, "inv[ring]"},
        {"a helmet is put on, the old one goes last", {"cap", "sword"}, "H=helmet", {Grid, 0}, "inv[sword helmet] H=cap"},
        {"worn armour comes off", {}, "A=armor", {Slot, 3}, "inv[armor]"},
        {"a bow comes off with its arrows", {}, "L=bow R=arrows", {Slot, 7}, "inv[bow arrows*20]"},
        {"its arrows go last, apart from the stack carried", {"quiver"}, "L=bow R=arrows", {Slot, 7},
         "inv[quiver*20 bow arrows*20]"},
        {"arrows do not come off alone", {}, "L=bow R=arrows", {Slot, 8}, "inv[] L=bow R=arrows*20"},
        {"a rune leaves both hands", {}, "L=healrune", {Slot, 8}, "inv[healrune]"},
        {"an axe held beside a sword leaves the sword", {}, "R=axe L=sword", {Slot, 8}, "inv[axe] L=sword"},
        {"an axe worn as a helmet leaves the hands alone", {}, "H=axe L=sword R=dagger", {Slot, 1},
         "inv[axe] L=sword R=dagger"},
        {"a quick slot potion is drunk", {}, "Q3=potion Q4=potion", {Quick, 3}, "inv[] Q4=potion"},
    };
    for (const Click& c : clicks) {
        SCOPED_TRACE(c.what);
        rearrange(c.inventory, c.worn);
        hero().HP = 50;
        rightClick(at(c.at));
        EXPECT_EQ(state(), c.after);
        EXPECT_EQ(hero().strength, wornStrength());
    }
    EXPECT_EQ(hero().HP, 80) << "the last potion healed 30";
}

TEST_F(ItemMovesTest, FunctionKeysDrinkFromTheQuickSlots) {
    rearrange({}, "Q2=potion Q6=mana");
    game->interface->inventoryShown = false;
    hero().HP = 10;
    hero().MP = 10;
    key(SDLK_F3);
    key(SDLK_F7);
    key(SDLK_F1);  // an empty slot
    EXPECT_EQ(state(), "inv[]");
    EXPECT_EQ(hero().HP, 40);
    EXPECT_EQ(hero().MP, 40);
}

TEST_F(ItemMovesTest, TheSearchWindowTakesPushesAndRemoves) {
    rearrange({"quiver"}, "");
    Corpse& dead = corpse({"arrows", "sword", "bolts", "potion"});
    rightClick(searchPoint(1));
    EXPECT_EQ(state(), "inv[quiver*20 sword] corpse[arrows*20 bolts*15 potion]");
    dragDrop(searchPoint(0), cell(0));
    EXPECT_EQ(state(), "inv[quiver*40 sword] corpse[bolts*15 potion]") << "arrows join the first stack";
    dragDrop(searchPoint(0), slotPoint(7));
    EXPECT_EQ(state(), "inv[quiver*40 sword] corpse[bolts*15 potion]") << "from a corpse into the pack first";
    dragDrop({330, 410}, {330, 410});  // take all
    EXPECT_EQ(state(), "inv[quiver*40 sword potion bolts*15] corpse[]");
    EXPECT_TRUE(dead.items.empty());

    // Push it right: it lies beside the player and the window closes.
    dragDrop({350, 357}, {350, 357});
    EXPECT_EQ(game->map->topCorpse(), nullptr);
    EXPECT_EQ(game->map->fieldAt(6, 5).corpses.size(), 1u);
    EXPECT_FALSE(game->interface->searchShown);

    // Removed for good: the corpse and what it holds are freed.
    corpse({"sword"});
    std::weak_ptr<Item> sword = game->map->topCorpse()->items[0];
    dragDrop({330, 440}, {330, 440});
    EXPECT_EQ(game->map->topCorpse(), nullptr);
    EXPECT_TRUE(sword.expired());
}

TEST_F(ItemMovesTest, ThirtyOneItemsScrollAFullRow) {
    rearrange({}, "");
    std::vector<const char*> many(31, "sword");
    corpse({});
    for (const char* id : many) game->map->topCorpse()->items.push_back(makeItem(id));
    Corpse& dead = *game->map->topCorpse();
    dead.items[6] = makeItem("dagger");
    game->frame();
    ASSERT_TRUE(game->interface->searchDownArrow);
    dragDrop({578, 450}, {578, 450});
    EXPECT_EQ(game->interface->searchScrollRow, 1);
    rightClick(searchPoint(0));
    ASSERT_EQ(hero().inventory.size(), 1u);
    EXPECT_EQ(hero().inventory[0]->id, "dagger");
}

TEST_F(ItemMovesTest, PickingUpMergesArrowsIntoThePacksFirstStack) {
    rearrange({"sword", "quiver", "arrows"}, "L=bow R=bolts");
    Field& ground = game->map->fieldAt(5, 5);
    for (const char* id : {"potion", "arrows"}) ground.items.push_back(makeItem(id));
    key(SDLK_p);
    key(SDLK_p);
    key(SDLK_p);  // nothing left
    EXPECT_EQ(state(), "inv[sword quiver*40 arrows*20 potion] L=bow R=bolts*15");
}

TEST_F(ItemMovesTest, ADragWhoseSourceChangedUnderItCopiesNothing) {
    // The corpse is pushed away with the button still down on its item.
    rearrange({}, "");
    corpse({"sword"});
    pushButton(SDL_MOUSEBUTTONDOWN, searchPoint(0).x, searchPoint(0).y);
    handleEvents();
    game->map->dragCorpse(6, 5);
    pushButton(SDL_MOUSEBUTTONUP, cell(0).x, cell(0).y);
    handleEvents();
    EXPECT_EQ(state(), "inv[]");
    EXPECT_EQ(game->map->fieldAt(6, 5).corpses.back()->items.size(), 1u);

    // A potion drunk with its key while it is being dragged out of its slot.
    rearrange({}, "Q0=potion");
    pushButton(SDL_MOUSEBUTTONDOWN, quickPoint(0).x, quickPoint(0).y);
    pushKey(SDLK_F1);
    pushButton(SDL_MOUSEBUTTONUP, cell(0).x, cell(0).y);
    handleEvents();
    EXPECT_EQ(state(), "inv[]");
}

}  // namespace
