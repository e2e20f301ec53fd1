// What sound costs the game's thread, on SDL's dummy card with the shipped
// sounds: starting an effect (once or more a pass in a fight), and a new mood
// on travel (the next map's music opened, the old one's fade begun).
#include "audio/Mixer.h"
#include "support/TestWorld.h"

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

struct Setting {
    TempWorld world;
    SdlSession sdl;
    Mixer mixer;
    Setting() {
        world.copyShippedData("sounds");
        world.copyShippedData("maps");
        if (!mixer.open() || !mixer.hasEffect(Sound::hit)) std::abort();
    }
};

Setting& setting() {
    static Setting s;
    return s;
}

void BM_PlayEffect(benchmark::State& state) {
    Setting& s = setting();
    int n = 0;
    for (auto _ : state) {
        s.mixer.play(static_cast<Sound>(n++ % kSoundCount));
        benchmark::DoNotOptimize(Mix_Playing(-1));
        if (n % 8 == 0) {
            // A fight never has every voice busy for long.
            state.PauseTiming();
            Mix_HaltChannel(-1);
            state.ResumeTiming();
        }
    }
    Mix_HaltChannel(-1);
}
BENCHMARK(BM_PlayEffect)->Unit(benchmark::kMicrosecond);

void BM_MoodOnTravel(benchmark::State& state) {
    Setting& s = setting();
    const char* const maps[2] = {"village", "forest"};
    int n = 0;
    for (auto _ : state) {
        s.mixer.mood(mapMusicPath(maps[n++ % 2]));
        s.mixer.update();
    }
}
BENCHMARK(BM_MoodOnTravel)->Unit(benchmark::kMicrosecond);

}  // namespace
