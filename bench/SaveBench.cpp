// Saving and loading a game that has visited 20 maps, each kept with the
// state of a 256 by 256 map holding 500 creatures and 2,000 items.
#include "menu/MainMenu.h"

#include "support/TestWorld.h"
#include "util/BinaryIO.h"

#include <benchmark/benchmark.h>

#include <sstream>
#include <string>

namespace {

constexpr int kMaps = 20;
constexpr int kSide = 256;
constexpr int kCreatures = 500;
constexpr int kItems = 2000;

std::string itemId(int i) { return "item" + std::to_string(i % 16); }

// The layout the map writes: counts, item records, creature records.
std::string keptMapState() {
    std::ostringstream bytes;
    BinaryWriter out(bytes);
    out.writeInt(kItems);
    out.writeInt(kCreatures);
    for (int i = 0; i < kItems; ++i) {
        const std::string id = itemId(i);
        out.writeInt(static_cast<int32_t>(id.size()));
        out.writeInt((i * 13) % kSide);
        out.writeInt((i * 7) % kSide);
        out.writeBytes(id);
    }
    for (int i = 0; i < kCreatures; ++i) {
        const std::string id = "npc" + std::to_string(i % 8);
        out.writeInt(static_cast<int32_t>(id.size()));
        out.writeInt((i * 37) % kSide);
        out.writeInt(2 + i / 3);
        out.writeInt(1 + i % 4);
        out.writeBytes(id);
        out.writeInt(3);
        for (int k = 0; k < 3; ++k) out.writeText(itemId(i + k));
    }
    return bytes.str();
}

struct Setting {
    TempWorld world;
    SdlSession sdl;
    SDL_Event event{};
    uint8_t fullScreen = 0;
    Game* game = nullptr;
    std::unique_ptr<MainMenu> menu;

    Setting() {
        world.copyShippedData("comic.ttf");
        std::string maps;
        const std::string state = keptMapState();
        for (int m = 0; m < kMaps; ++m) {
            maps += "map" + std::to_string(m) + "\n";
            world.write("data/map" + std::to_string(m) + ".tmp", state);
        }
        world.write("data/maps.dat", maps);
        world.write("data/start.tmp", "map0");
        world.write("data/player.tmp", std::string(188, '\0'));
        menu = std::make_unique<MainMenu>(&event, sdl.screen, &fullScreen, &game);
        menu->saveGame(0);
    }
};

Setting& setting() {
    static Setting s;
    return s;
}

void BM_SaveGame(benchmark::State& state) {
    MainMenu& menu = *setting().menu;
    for (auto _ : state) benchmark::DoNotOptimize(menu.saveGame(1));
    state.counters["saveBytes"] = static_cast<double>(setting().world.read("data/saves/1.sav").size());
}
BENCHMARK(BM_SaveGame)->Unit(benchmark::kMillisecond);

void BM_LoadGame(benchmark::State& state) {
    MainMenu& menu = *setting().menu;
    for (auto _ : state) benchmark::DoNotOptimize(menu.loadGame(0));
}
BENCHMARK(BM_LoadGame)->Unit(benchmark::kMillisecond);

}  // namespace
