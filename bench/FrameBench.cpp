// One frame of a busy view under the dummy SDL video driver: the whole 34 by
// 26 view on the map, 50 creatures in view, item and corpse piles, scenery,
// the creature panel and the statistics panel open. Beside it the same view
// as a battle (the 50 creatures hostile, half of them archers, and 100
// missiles in flight), with the inventory open on 88 items and the search
// window on 30, with a long conversation open, and with a quest log of 30.
#include "characters/Corpse.h"
#include "characters/NPC.h"
#include "characters/Player.h"
#include "game/Game.h"
#include "support/TestWorld.h"
#include "ui/Interface.h"
#include "world/Map.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

namespace {

constexpr int kColumns = 60;
constexpr int kRows = 50;
// The player's field; the view covers columns 14 to 47 and rows 13 to 38.
constexpr int kPlayerColumn = 30;
constexpr int kPlayerRow = 25;

void writeWorld(const TempWorld& world, bool battle) {
    world.copyShippedData();
    for (int k = 0; k < 4; ++k) {
        const std::string id = "item" + std::to_string(k);
        world.write("data\\items\\" + id + "\\data.ini", "name=Thing " + std::to_string(k) + "\ntype=onehanded\n");
        world.writeBitmap("data\\items\\" + id + "\\" + id + ".bmp", 25, 25, 200, 40 * k, 0);
    }
    for (const std::string id : {"wolf", "archer", "Gracz"}) {
        world.writeBitmap("data\\characters\\" + id + "\\" + id + ".bmp", 103, 81, 120, 90, 60);
        world.writeBitmap("data\\characters\\" + id + "\\dead.bmp", 25, 25, 90, 0, 0);
    }
    // In the battle nobody dies of the blows and missiles, so the scene stays
    // as busy from the first iteration to the last.
    world.write("data\\characters\\wolf\\data.ini", battle ? "name=Wolf\ncondition=100000\n" : "name=Wolf\nagression=0\n");
    // What every (peaceful) wolf says: 2,000 characters and nine answers.
    std::string speech;
    while (speech.size() < 2000) speech += "The wolves come closer every night, and nobody sleeps well. ";
    std::string script = "0|\"" + speech.substr(0, 2000) + "\"";
    for (int k = 1; k <= 9; ++k)
        script += "|\"Answer " + std::to_string(k) + ": tell me more about the forest and the road.\";next(0)";
    world.write("data\\characters\\wolf\\wolf.dg", script + "\n");
    world.write("data\\characters\\archer\\data.ini", "name=Archer\ncondition=100000\nleftHand=bow\nrightHand=arrows\n");

    // 80 creatures spread over the view (30 die for the corpse piles), items
    // in piles of two on every third field of the view. In the battle they
    // stand within the 10 fields at which hostile creatures act.
    std::string npcs;
    for (int i = 0, k = 0; i < 80; ++i) {
        int column = 14 + (i * 7) % 34;
        int row = 13 + (i * 5) % 26;
        if (battle) {
            do {
                column = kPlayerColumn - 10 + k % 21;
                row = kPlayerRow - 10 + k / 21;
                ++k;
            } while ((column + row) % 5 != 0);
        }
        if (column == kPlayerColumn && row == kPlayerRow) continue;
        npcs += std::to_string(column) + ":" + std::to_string(row) + (battle && i % 2 ? "|archer\n" : "|wolf\n");
    }
    npcs += std::to_string(kPlayerColumn) + ":" + std::to_string(kPlayerRow + 1) + "|wolf\n";
    std::string items;
    for (int row = 13; row <= 38; ++row)
        for (int column = 14 + row % 3; column <= 47; column += 3)
            for (int k = 0; k < 2; ++k)
                items += std::to_string(column) + ":" + std::to_string(row) + "|item" + std::to_string((row + k) % 4) + "\n";
    items += std::to_string(kPlayerColumn) + ":" + std::to_string(kPlayerRow) + "|item1\n";
    world.write("data\\maps\\busy\\data.ini",
                "tiles=4\n\"g.r\"\n\"r\"\n[moves]\n[npc]\n" + npcs + "[items]\n" + items);

    std::string terrain;
    for (int r = 0; r < kRows; ++r) {
        for (int c = 0; c < kColumns; ++c) terrain += "g.r"[(r * 31 + c * 17) % 3];
        terrain += "\n";
    }
    world.write("data\\maps\\busy\\map.map", terrain);
    world.writeBitmap("data\\maps\\busy\\fields.bmp", 100, 25, 40, 140, 40);
    world.write("data\\maps\\busy\\scenery.dat", "[tree] 1 2\n16:14\n20:30\n40:20\n45:36\n");
    world.writeBitmap("data\\maps\\busy\\tree.bmp", 25, 50, 0, 90, 0);
    world.write("data\\maps\\start.dat", "busy " + std::to_string(kPlayerColumn) + " " + std::to_string(kPlayerRow));
}

// Kills the creatures beyond the first 50 of the view so their corpses lie
// about, and puts one corpse under the player.
void leaveCorpses(Map& map) {
    int seen = 0;
    for (int row = 13; row <= 38; ++row)
        for (int column = 14; column <= 47; ++column) {
            Characters* creature = map.fieldAt(column, row).occupant;
            if (!creature || creature == map.player) continue;
            if (++seen > 50) map.killCreature(column, row);
        }
    Characters* any = map.fieldAt(kPlayerColumn, kPlayerRow + 1).occupant;
    map.fieldAt(kPlayerColumn, kPlayerRow).corpses.push_back(std::make_unique<Corpse>("Wolf", "wolf", *any));
}

// The busy view ready for a frame: the world written, the game built, the
// corpses lying about and the statistics panel open.
struct BusyView {
    explicit BusyView(bool battle) {
        writeWorld(world, battle);
        game = std::make_unique<Game>(sdl.screen);
        leaveCorpses(*game->map);
        game->interface->statsShown = true;
    }
    ~BusyView() { game.reset(); }  // before SDL goes
    SdlSession sdl;
    TempWorld world;
    std::unique_ptr<Game> game;
};

// Keeps 100 spells in the air, fired by the creatures in view from fields
// all over it; between creatures they do no harm.
void topUpMissiles(Game& game, const std::vector<NPC*>& shooters, unsigned& turn) {
    while (game.missiles.size() < 100) {
        NPC& shooter = *shooters[turn % shooters.size()];
        Missile missile = launch(shooter, shooter.leftHand, static_cast<int32_t>(turn % 4), true);
        missile.column = 14 + static_cast<int32_t>((turn * 11) % 34);
        missile.row = 13 + static_cast<int32_t>((turn * 7) % 26);
        game.missiles.push_back(missile);
        ++turn;
    }
}

void runFrames(benchmark::State& state, bool battle) {
    BusyView view(battle);
    Game& game = *view.game;
    game.player->attributePoints = 2;
    game.player->skillPoints = 1;
    game.player->condition = 100000;
    game.player->recomputeStats();
    game.player->HP = game.player->maxHP;
    game.map->draw(game.worldBuffer.get());
    std::vector<NPC*> shooters;
    for (Characters* c : game.map->visibleCreatures)
        if (NPC* npc = dynamic_cast<NPC*>(c); npc && npc->leftHand) shooters.push_back(npc);
    state.counters["creatures"] = static_cast<double>(game.map->visibleCreatures.size());
    game.map->visibleCreatures.clear();
    unsigned turn = 0;
    size_t flying = 0;
    for (auto _ : state) {
        if (battle) topUpMissiles(game, shooters, turn);
        flying = game.missiles.size();
        benchmark::DoNotOptimize(game.frame());
    }
    state.counters["missiles"] = static_cast<double>(flying);
}

void BM_BusyFrame(benchmark::State& state) { runFrames(state, false); }

// A full pack, a third of it arrow and bolt stacks, and a corpse of 30 items.
void BM_InventoryFrame(benchmark::State& state) {
    BusyView view(false);
    Game& game = *view.game;
    const char* const kinds[] = {"item0", "arrows", "item1", "bolts", "item2", "item3"};
    for (int i = 0; i < 88; ++i) {
        game.player->inventory.push_back(makeItem(kinds[i % 6]));
        game.player->inventory.back()->amount = static_cast<uint32_t>(i * 37 % 1500);
    }
    Corpse& corpse = *game.map->fieldAt(kPlayerColumn, kPlayerRow).corpses.back();
    for (int i = 0; i < 30; ++i) corpse.items.push_back(makeItem(kinds[i % 6]));
    game.interface->inventoryShown = true;
    game.interface->searchShown = true;
    for (auto _ : state) benchmark::DoNotOptimize(game.frame());
}
void BM_BattleFrame(benchmark::State& state) { runFrames(state, true); }
BENCHMARK(BM_BusyFrame)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BattleFrame)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_InventoryFrame)->Unit(benchmark::kMicrosecond);

// The wolf below the player talks; `first` makes every frame the first one
// of the conversation, so the wrapping is measured too.
void runConversation(benchmark::State& state, bool first) {
    BusyView view(false);
    Game& game = *view.game;
    game.interface->dialogueShown = true;
    game.frame();
    NPC* wolf = dynamic_cast<NPC*>(game.player->target);
    if (!wolf || !game.interface->dialogueShown) {
        state.SkipWithError("nobody to talk to");
        return;
    }
    for (auto _ : state) {
        if (first) wolf->dialogue.builtNode = -1;
        benchmark::DoNotOptimize(game.frame());
    }
    state.counters["lines"] = static_cast<double>(game.interface->dialogueLines.size());
}
void BM_DialogueFirstFrame(benchmark::State& state) { runConversation(state, true); }
void BM_DialogueFrame(benchmark::State& state) { runConversation(state, false); }
BENCHMARK(BM_DialogueFirstFrame)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DialogueFrame)->Unit(benchmark::kMicrosecond);

void BM_QuestLogFrame(benchmark::State& state) {
    BusyView view(false);
    Game& game = *view.game;
    std::string journal;
    while (journal.size() < 600) journal += "Tomas wants three wolf pelts as proof that the pack is thinned. ";
    for (int i = 0; i < 30; ++i)
        game.player->quests.push_back(Quest{i, 1, "The quest number " + std::to_string(i + 1), journal});
    game.interface->questLogShown = true;
    game.interface->selectedQuestRow = 2;
    for (auto _ : state) benchmark::DoNotOptimize(game.frame());
}
BENCHMARK(BM_QuestLogFrame)->Unit(benchmark::kMicrosecond);

}  // namespace
