// Loading a 256 by 256 map with 500 NPCs and 2,000 items from its files,
// under the dummy SDL video driver; and loading it again from its kept state.
#include "world/Map.h"

#include "characters/Characters.h"
#include "support/TestWorld.h"
#include "util/FileSystem.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

namespace {

constexpr int kSide = 256;
constexpr int kCreatures = 500;
constexpr int kItems = 2000;
constexpr int kCharacterKinds = 8;
constexpr int kItemKinds = 16;

struct Walker : Characters {
    Walker() : Characters(128, 128, "hero") {}
    void checkLevelUp() override {}
};

std::string itemId(int i) { return "item" + std::to_string(i % kItemKinds); }

void writeWorld(const TempWorld& world) {
    for (int k = 0; k < kItemKinds; ++k) {
        const std::string id = itemId(k);
        world.write("data\\items\\" + id + "\\data.ini", "name=Thing " + std::to_string(k) +
                                                           "\ntype=onehanded\nattack=" + std::to_string(k) +
                                                           "\nstrength=1\ndefense=2\n");
        world.writeBitmap("data\\items\\" + id + "\\" + id + ".bmp", 25, 25, 200, 150, 0);
    }
    for (int k = 0; k < kCharacterKinds; ++k) {
        const std::string id = "npc" + std::to_string(k);
        world.write("data\\characters\\" + id + "\\data.ini",
                    "name=Creature " + std::to_string(k) + "\nagression=1\nstrength=9\ncondition=12\nrightHand=" +
                        itemId(k) + "\n[Inventory]\n" + itemId(k + 1) + "\n" + itemId(k + 2));
        world.writeBitmap("data\\characters\\" + id + "\\" + id + ".bmp", 103, 81, 255, 0, 255);
        world.writeBitmap("data\\characters\\" + id + "\\dead.bmp", 25, 25, 90, 0, 0);
    }

    std::string moves;
    for (int i = 0; i < 50; ++i) moves += std::to_string(i) + ":0|elsewhere|" + std::to_string(i) + ":1\n";
    std::string npcs;
    for (int i = 0; i < kCreatures; ++i)
        npcs += std::to_string((i * 37) % kSide) + ":" + std::to_string(2 + i / 3) + "|npc" +
                std::to_string(i % kCharacterKinds) + "\n";
    std::string items;
    for (int i = 0; i < kItems; ++i)
        items += std::to_string((i * 13) % kSide) + ":" + std::to_string((i * 7) % kSide) + "|" + itemId(i) + "\n";
    world.write("data\\maps\\big\\data.ini",
                "tiles=4\n\"g.r\"\n\"r\"\n[moves]\n" + moves + "[npc]\n" + npcs + "[items]\n" + items);

    std::string terrain;
    for (int r = 0; r < kSide; ++r) {
        for (int c = 0; c < kSide; ++c) terrain += "g.r"[(r * 31 + c * 17) % 3];
        terrain += "\r\n";
    }
    world.write("data\\maps\\big\\map.map", terrain);
    world.writeBitmap("data\\maps\\big\\fields.bmp", 100, 25, 0, 120, 0);

    std::string scenery = "[tree] 2 3\n";
    for (int i = 0; i < 200; ++i) scenery += std::to_string((i * 11) % kSide) + " " + std::to_string(200 + i % 50) + "\n";
    scenery += "[house] 4 3\n";
    for (int i = 0; i < 40; ++i) scenery += std::to_string(i * 6) + " " + std::to_string(100) + "\n";
    world.write("data\\maps\\big\\scenery.dat", scenery);
    world.writeBitmap("data\\maps\\big\\tree.bmp", 50, 75, 0, 90, 0);
    world.writeBitmap("data\\maps\\big\\house.bmp", 100, 75, 120, 60, 0);
}

// Holds the world and SDL for all repetitions.
struct Setting {
    TempWorld world;
    SdlSession sdl;
    Walker player;
    Setting() { writeWorld(world); }
};

Setting& setting() {
    static Setting s;
    return s;
}

void BM_LoadMapFromDirectory(benchmark::State& state) {
    Setting& s = setting();
    for (auto _ : state) {
        auto map = std::make_unique<Map>(s.sdl.screen, "big", &s.player);
        benchmark::DoNotOptimize(map->grid.data());
        state.PauseTiming();
        map.reset();  // writes data\big.tmp, which the next load must not find
        fs::removeFile("data\\big.tmp");
        state.ResumeTiming();
    }
}
BENCHMARK(BM_LoadMapFromDirectory)->Unit(benchmark::kMillisecond);

void BM_LoadMapFromKeptState(benchmark::State& state) {
    Setting& s = setting();
    { Map first(s.sdl.screen, "big", &s.player); }  // leaves data\big.tmp behind
    for (auto _ : state) {
        auto map = std::make_unique<Map>(s.sdl.screen, "big", &s.player);
        benchmark::DoNotOptimize(map->grid.data());
        state.PauseTiming();
        map.reset();
        state.ResumeTiming();
    }
    fs::removeFile("data\\big.tmp");
}
BENCHMARK(BM_LoadMapFromKeptState)->Unit(benchmark::kMillisecond);

}  // namespace
