#include "ui/ItemsFixture.h"

#include "app/AppState.h"
#include "app/GameLoop.h"
#include "support/Events.h"
#include "support/ItemFiles.h"
#include "ui/Interface.h"
#include "ui/ItemMoves.h"
#include "world/Map.h"

#include <sstream>

namespace {

const char* const kItems[][2] = {
    {"sword", "onehanded\nattack=7\nstrength=1"}, {"dagger", "onehanded\nattack=4\nstrength=2"},
    {"axe", "twohanded\nattack=15\nstrength=4"},
    {"bow", "bow\nattack=8"},         {"crossbow", "crossbow"},           {"potion", "mixtureHP\nHP=30"},
    {"mana", "mixtureMP\nMP=30"},     {"armor", "armor\ndefense=3"},      {"helmet", "helmet\ndefense=2"},
    {"cap", "helmet\ndefense=1"},     {"necklace", "necklace"},           {"ring", "ring\nmaxMP=20"},
    {"band", "ring"},                 {"boots", "boots\ndexterity=1"},    {"arrows", "arrow\namount=20"},
    {"quiver", "arrow\namount=20"},   {"bolts", "carrow\namount=15"},     {"healrune", "healRune"},
    {"firerune", "dmgRune"},
};
const char* const kSlotNames[9] = {"", "H", "N", "A", "B", "R1", "R2", "L", "R"};

std::string describe(const ItemRef& item) {
    if (!item) return "-";
    if (item->type == kArrow || item->type == kCrossbowBolt) return item->id + "*" + std::to_string(item->amount);
    return item->id;
}

}  // namespace

ItemsTest::ItemsTest() {
    world.copyShippedData("GUI");
    for (const auto& item : kItems) writeItem(world, item[0], std::string("type=") + item[1] + "\n");
    writeMap(world, "field", grassMap(12, 12));
    writeStart("field 5 5");
    world.write("data\\maps.dat", "field\n");
    writeCorpseImage(world, "bandit", {90, 0, 0});
    game = startGame();
    app.currentGame = game.get();
    game->interface->inventoryShown = true;
}

ItemsTest::~ItemsTest() {
    app.currentGame = nullptr;
    game.reset();
}

void ItemsTest::arrange(std::initializer_list<const char*> inventory, const std::string& worn) {
    for (const char* id : inventory) hero().inventory.push_back(makeItem(id));
    std::istringstream in(worn);
    std::string entry;
    while (in >> entry) {
        const std::string where = entry.substr(0, entry.find('='));
        const ItemRef item = makeItem(entry.substr(entry.find('=') + 1));
        if (where[0] == 'Q') {
            hero().quickSlots[static_cast<size_t>(std::stoi(where.substr(1)))] = item;
            continue;
        }
        for (int number = 1; number <= 8; ++number)
            if (where == kSlotNames[number]) {
                itemmoves::slot(hero(), number) = item;
                hero().equip(item);
            }
    }
}

void ItemsTest::rearrange(std::initializer_list<const char*> inventory, const std::string& worn) {
    hero().inventory.clear();
    for (int number = 1; number <= 8; ++number) itemmoves::slot(hero(), number).reset();
    for (ItemRef& quick : hero().quickSlots) quick.reset();
    game->map->fieldAt(hero().x, hero().y).corpses.clear();
    hero().strength = 5;
    hero().recomputeStats();
    arrange(inventory, worn);
}

Corpse& ItemsTest::corpse(std::initializer_list<const char*> items) {
    NPC bandit(0, 0, "bandit");
    Field& field = game->map->fieldAt(hero().x, hero().y);
    field.corpses.push_back(std::make_unique<Corpse>("Bandit", "bandit", bandit));
    for (const char* id : items) field.corpses.back()->items.push_back(makeItem(id));
    game->interface->searchShown = true;
    return *field.corpses.back();
}

std::string ItemsTest::state() const {
    std::string out = "inv[";
    for (size_t i = 0; i < hero().inventory.size(); ++i) out += (i ? " " : "") + describe(hero().inventory[i]);
    out += "]";
    for (int number = 1; number <= 8; ++number) {
        const ItemRef& item = itemmoves::slot(hero(), number);
        if (item) out += std::string(" ") + kSlotNames[number] + "=" + describe(item);
    }
    for (size_t i = 0; i < 10; ++i)
        if (hero().quickSlots[i]) out += " Q" + std::to_string(i) + "=" + describe(hero().quickSlots[i]);
    if (const Corpse* dead = game->map->topCorpse()) {
        out += " corpse[";
        for (size_t i = 0; i < dead->items.size(); ++i) out += (i ? " " : "") + describe(dead->items[i]);
        out += "]";
    }
    return out;
}

Spot ItemsTest::cell(int index) { return {258 + 33 * (index % 11), 30 + 33 * (index / 11)}; }
Spot ItemsTest::slotPoint(int number) {
    const int x[9] = {0, 100, 196, 100, 196, 100, 196, 100, 196};
    const int y[9] = {0, 30, 30, 60, 60, 100, 100, 138, 138};
    return {x[number], y[number]};
}
Spot ItemsTest::quickPoint(int index) {
    return {(index < 5 ? 38 : 624) + 35 * (index % 5), 540};
}
Spot ItemsTest::searchPoint(int index) { return {386 + 33 * (index % 6), 310 + 33 * (index / 6)}; }

void ItemsTest::dragDrop(Spot from, Spot to) {
    pushButton(SDL_MOUSEBUTTONDOWN, from.x, from.y);
    pushMotion(to.x, to.y);
    pushButton(SDL_MOUSEBUTTONUP, to.x, to.y);
    handleEvents();
}

void ItemsTest::rightClick(Spot at) {
    pushButton(SDL_MOUSEBUTTONDOWN, at.x, at.y, SDL_BUTTON_RIGHT);
    pushButton(SDL_MOUSEBUTTONUP, at.x, at.y, SDL_BUTTON_RIGHT);
    handleEvents();
}

void ItemsTest::key(SDLKey k) {
    pushKey(k);
    handleEvents();
}

void ItemsTest::handleEvents() {
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
        handleGameEvent(event);
        game->frame();
    }
}
