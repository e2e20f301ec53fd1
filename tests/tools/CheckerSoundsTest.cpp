// rpg-check over the sounds of a small world: what the game can't read (an
// error), what is far too long for an effect or never played (warnings).
#include "tools/CheckerWorld.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

// A silent mono WAV of that length, at the game's rate.
std::string wav(double seconds) {
    const uint32_t bytes = static_cast<uint32_t>(seconds * 22050) * 2;
    auto le = [](uint32_t v, int n) {
        std::string out;
        for (int i = 0; i < n; ++i) out += static_cast<char>((v >> (8 * i)) & 0xFF);
        return out;
    };
    return "RIFF" + le(36 + bytes, 4) + "WAVEfmt " + le(16, 4) + le(1, 2) + le(1, 2) + le(22050, 4) +
           le(44100, 4) + le(2, 2) + le(16, 2) + "data" + le(bytes, 4) + std::string(bytes, '\0');
}

TEST(CheckerSounds, EachMistakeOfASoundGivesItsLine) {
    expectFindings({
        {"short effects and no music at all are fine",
         [](const TempWorld& w) {
             w.write("data/sounds/hit.wav", wav(0.3));
             w.write("data/sounds/player-death.wav", wav(3.0));
         },
         {}},
        {"a file that is no sound",
         [](const TempWorld& w) { w.write("data/sounds/miss.wav", "not a sound"); },
         {"data/sounds/miss.wav: not a sound SDL_mixer can read (WAV or Ogg Vorbis): the game stays silent here"}},
        {"an effect of a minute", [](const TempWorld& w) { w.write("data/sounds/potion.wav", wav(60.0)); },
         {"data/sounds/potion.wav: warning: lasts 60.0 seconds: far too long for an effect (at most 5.0)"}},
        {"a name the game doesn't know", [](const TempWorld& w) { w.write("data/sounds/hits.wav", wav(0.3)); },
         {"data/sounds/hits.wav: warning: no effect has that name: the game never plays it"}},
        {"an .ogg beside the .wav of the same name",
         [](const TempWorld& w) {
             w.write("data/sounds/bow.wav", wav(0.3));
             w.write("data/sounds/bow.ogg", "whatever");
         },
         {"data/sounds/bow.ogg: warning: never played: the game plays the .wav of that name"}},
        {"music that is no music",
         [](const TempWorld& w) {
             w.write("data/maps/cave/music.ogg", "not music");
             w.write("data/menu/music.ogg", wav(1.0));
         },
         {"data/maps/cave/music.ogg: not music SDL_mixer can read (Ogg Vorbis): the map stays silent"}},
    });
}

}  // namespace
