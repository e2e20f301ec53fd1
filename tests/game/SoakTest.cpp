// A long battle on the shipped forest: every kind of hostile creature at
// once (sword, axe and claws, bow, crossbow, fire rune), the player striking,
// shooting and healing, and every thousand ticks a trip to the village and
// back into a fresh battle. The heap must stay flat from the first trip to
// the last.
#include "characters/NPC.h"
#include "characters/Player.h"
#include "game/Game.h"
#include "support/TestWorld.h"
#include "util/Seam.h"
#include "world/Map.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <malloc.h>
#include <random>
#include <set>
#include <string>
#include <thread>
#include <vector>

#if defined(__SANITIZE_ADDRESS__)
// From the sanitizer's runtime (its header does not come with every compiler).
extern "C" size_t __sanitizer_get_current_allocated_bytes();
#endif

namespace {

constexpr int kTicks = 10000;
constexpr int kTicksPerVisit = 1000;

// Live heap bytes, from the allocator in charge of them.
size_t heapInUse() {
#if defined(__SANITIZE_ADDRESS__)
    return __sanitizer_get_current_allocated_bytes();
#else
    return mallinfo2().uordblks;
#endif
}

// By direction: up, down, left, right.
const int kSteps[5][2] = {{0, 0}, {0, -1}, {0, 1}, {-1, 0}, {1, 0}};
bool (Game::*const kMoves[5])() = {nullptr, &Game::moveUp, &Game::moveDown, &Game::moveLeft, &Game::moveRight};

class Soak : public testing::Test {
protected:
    Soak() {
        world.copyShippedData();
        // The whole roster on the road by the forest's west entrance.
        std::string ini = world.read("data/maps/forest/data.ini");
        ini.insert(ini.find("[npc]\n") + 6,
                   "4:19|bandit\n5:20|wolf\n6:19|skeleton\n8:19|banditarcher\n9:20|crossbowman\n10:19|mage\n");
        world.write("data/maps/forest/data.ini", ini);
        world.write("data/maps/start.dat", "forest 1 19");
        // The file layer keeps copies only of files left alone for a couple of
        // seconds: let the fresh copy settle, so that they are kept from the
        // first visit on, as with a world that has lain on the disk a while.
        std::this_thread::sleep_for(std::chrono::milliseconds(2500));
        seam::setTicks([this] { return now; });
        seam::setRoll([this] { return static_cast<int>(dice() % 32768); });
    }
    ~Soak() override { seam::reset(); }

    Player& hero() { return *game->player; }
    NPC* npcAt(int32_t column, int32_t row) {
        if (!game->map->contains(column, row)) return nullptr;
        return dynamic_cast<NPC*>(game->map->fieldAt(column, row).occupant);
    }

    void step(int32_t direction) { (game.get()->*kMoves[direction])(); }
    void face(int32_t direction) {
        if (hero().direction != direction) step(direction);
    }
    // Hands as the inventory would leave them: the old items taken off with
    // their bonuses, the new ones worn with theirs.
    void wield(const ItemRef& left, const ItemRef& right) {
        Player& p = hero();
        if (p.leftHand == left && p.rightHand == right) return;
        const ItemRef oldLeft = p.leftHand;
        const ItemRef oldRight = p.rightHand;
        if (oldLeft) p.unequip(oldLeft);
        if (oldRight && oldRight != oldLeft) p.unequip(oldRight);
        p.inventory.clear();  // what unequip put into the pack
        p.leftHand = left;
        p.rightHand = right;
        p.equip(left);
        if (right && right != left) p.equip(right);
    }

    // Heal when hurt, strike what stands next to the player, shoot what
    // stands in line with it.
    void playerTurn() {
        Player& p = hero();
        if (p.HP < p.maxHP * 2 / 3) {
            if (p.MP < 15) p.consume(makeItem("mppotion"));
            wield(healRune, nullptr);
            const int32_t before = p.HP;
            game->playerAttack();
            heals += p.HP > before;
            return;
        }
        for (int32_t d = 1; d <= 4; ++d) {
            if (!npcAt(p.x + kSteps[d][0], p.y + kSteps[d][1])) continue;
            wield(sword, nullptr);
            face(d);
            game->playerAttack();
            return;
        }
        for (int32_t d = 1; d <= 4; ++d) {
            for (int32_t k = 2; k <= 9; ++k) {
                if (!npcAt(p.x + kSteps[d][0] * k, p.y + kSteps[d][1] * k)) continue;
                if (!arrows || p.rightHand != arrows) arrows = makeItem("arrows");
                arrows->amount = 50;
                wield(bow, arrows);
                face(d);
                game->playerAttack();
                return;
            }
        }
    }

    // Out through the west entrance into the village and back into the
    // forest, whose kept state is dropped so that the battle starts afresh.
    void tripToTheVillage() {
        face(3);
        step(3);
        ASSERT_EQ(game->map->name, "village");
        ++trips;
        std::remove("data/forest.tmp");
        face(4);
        step(4);
        ASSERT_EQ(game->map->name, "forest");
        ASSERT_EQ(hero().x * 100 + hero().y, 119);
    }

    void countKinds() {
        for (auto& row : game->map->grid)
            for (Field& field : row)
                if (const NPC* npc = dynamic_cast<const NPC*>(field.occupant)) kinds.insert(npc->id);
    }
    size_t corpses() const {
        size_t count = 0;
        for (const auto& row : game->map->grid)
            for (const Field& field : row) count += field.corpses.size();
        return count;
    }

    SdlSession sdl;
    TempWorld world;
    uint32_t now = 10000;
    std::minstd_rand dice{20261208};
    std::unique_ptr<Game> game;
    ItemRef sword, bow, arrows, healRune;
    std::set<std::string> kinds;
    int heals = 0;
    int trips = 0;
};

TEST_F(Soak, TenThousandTicksOfBattleKeepTheHeapFlat) {
    game = std::make_unique<Game>(sdl.screen);
    Player& p = hero();
    // A hero who outlasts the roster, yet needs the rune now and then.
    p.strength += 40;
    p.dexterity += 30;
    p.condition += 60;  // a tenth of it is defense
    p.willpower += 40;  // and magic defense
    p.recomputeStats();
    p.HP = p.maxHP;
    sword = makeItem("shortsword");
    bow = makeItem("bow");
    healRune = makeItem("healrune");
    countKinds();

    std::vector<size_t> heap;  // after every arrival in a fresh forest
    size_t mostMissiles = 0;
    size_t mostCorpses = 0;
    for (int tick = 1; tick <= kTicks && !game->gameOver; ++tick) {
        now += 50;
        playerTurn();
        ASSERT_TRUE(game->frame()) << "the player fell at tick " << tick;
        mostMissiles = std::max(mostMissiles, game->missiles.size());
        if (tick % kTicksPerVisit == 0) {
            mostCorpses = std::max(mostCorpses, corpses());
            tripToTheVillage();
            countKinds();
            heap.push_back(heapInUse());
        }
    }
    for (size_t i = 0; i < heap.size(); ++i)
        std::printf("heap after arrival %zu (tick %zu): %zu bytes\n", i + 1, (i + 1) * kTicksPerVisit, heap[i]);

    EXPECT_EQ(kinds, (std::set<std::string>{"wolf", "bandit", "skeleton", "banditarcher", "crossbowman", "mage"}));
    EXPECT_EQ(trips, kTicks / kTicksPerVisit);
    EXPECT_GE(mostMissiles, 2u) << "shots in flight at once";
    EXPECT_GE(mostCorpses, 6u) << "the roster fell in each visit";
    EXPECT_GT(heals, 0);
    ASSERT_EQ(heap.size(), 10u);
    // Some kilobytes are kept copies of files and containers that reached
    // their size; a leak of eight bytes a tick would be nine thousand times
    // that, and would go on growing through the second half.
    EXPECT_LE(heap.back(), heap.front() + 64 * 1024) << "from tick 1000 to tick 10000";
    EXPECT_LE(heap.back(), heap[4] + 16 * 1024) << "from tick 5000 to tick 10000";
}

}  // namespace
