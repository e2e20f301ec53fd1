// What the player hears of moving things about, through the real mouse and
// key events: a drop that lands, a drink, a pick-up, a corpse's items taken.
#include "ui/ItemsFixture.h"

#include "support/ItemFiles.h"
#include "support/RecordingSpeaker.h"
#include "ui/Interface.h"
#include "world/Map.h"

#include <functional>

namespace {

class ItemSoundsTest : public ItemsTest {
public:
    // For the table's actions.
    using ItemsTest::corpse;
    using ItemsTest::dragDrop;
    using ItemsTest::key;
    using ItemsTest::rightClick;

protected:
    RecordingSpeaker speaker;
};

struct Action {
    const char* what;
    std::initializer_list<const char*> inventory;
    const char* worn;
    std::function<void(ItemSoundsTest&)> act;
    const char* heard;
};

TEST_F(ItemSoundsTest, EachMoveIsHeardOnlyWhenItHappens) {
    using T = ItemSoundsTest;
    const Action actions[] = {
        {"a sword dropped into a hand", {"sword"}, "", [](T& t) { t.dragDrop(cell(0), slotPoint(7)); }, "equip"},
        {"a helmet onto the head", {"cap"}, "H=helmet", [](T& t) { t.dragDrop(cell(0), slotPoint(1)); }, "equip"},
        {"the hands swapped", {}, "L=sword R=dagger", [](T& t) { t.dragDrop(slotPoint(7), slotPoint(8)); }, "equip"},
        {"a potion onto its quick slot", {"potion"}, "", [](T& t) { t.dragDrop(cell(0), quickPoint(1)); }, "equip"},
        {"a bow with no arrows stays in the pack", {"bow"}, "", [](T& t) { t.dragDrop(cell(0), slotPoint(7)); }, ""},
        {"a ring is no helmet", {"ring"}, "", [](T& t) { t.dragDrop(cell(0), slotPoint(1)); }, ""},
        {"a potion on the wrong bar", {"potion"}, "", [](T& t) { t.dragDrop(cell(0), quickPoint(6)); }, ""},
        {"the pack rearranged", {"sword", "cap"}, "", [](T& t) { t.dragDrop(cell(0), cell(1)); }, ""},
        {"boots taken off", {}, "B=boots", [](T& t) { t.dragDrop(slotPoint(4), cell(0)); }, ""},
        {"a potion drunk from the pack", {"potion"}, "", [](T& t) { t.rightClick(cell(0)); }, "potion"},
        {"armour worn with a right click", {"armor"}, "", [](T& t) { t.rightClick(cell(0)); }, "equip"},
        {"a potion drunk from its quick slot", {}, "Q0=potion", [](T& t) { t.key(SDLK_F1); }, "potion"},
        {"an empty quick slot", {}, "", [](T& t) { t.key(SDLK_F1); }, ""},
        {"one item taken from a corpse", {}, "",
         [](T& t) {
             t.corpse({"sword", "cap"});
             t.rightClick(searchPoint(0));
         },
         "loot"},
        {"dragged from a corpse into the pack", {}, "",
         [](T& t) {
             t.corpse({"sword"});
             t.dragDrop(searchPoint(0), cell(0));
         },
         "loot"},
        {"a corpse's item dropped on a hand is refused", {}, "",
         [](T& t) {
             t.corpse({"sword"});
             t.dragDrop(searchPoint(0), slotPoint(7));
         },
         ""},
    };
    for (const Action& a : actions) {
        SCOPED_TRACE(a.what);
        rearrange(a.inventory, a.worn);
        game->interface->searchShown = false;
        speaker.take();
        a.act(*this);
        EXPECT_EQ(speaker.take(), a.heard);
    }
}

TEST_F(ItemSoundsTest, TakeAllIsOneSoundAndAnEmptyCorpseNone) {
    const Spot takeAll{330, 410};
    corpse({"sword", "cap", "ring"});
    dragDrop(takeAll, takeAll);
    EXPECT_EQ(hero().inventory.size(), 3u);
    EXPECT_EQ(speaker.take(), "loot");
    dragDrop(takeAll, takeAll);
    EXPECT_EQ(speaker.take(), "");
}

TEST_F(ItemSoundsTest, PickingUpIsHeardWhenThereIsSomethingToPickUp) {
    key(SDLK_p);
    EXPECT_EQ(speaker.take(), "");
    game->map->fieldAt(hero().x, hero().y).items.push_back(makeItem("sword"));
    key(SDLK_p);
    EXPECT_EQ(speaker.take(), "pick-up");
    ASSERT_EQ(hero().inventory.size(), 1u);
}

}  // namespace
