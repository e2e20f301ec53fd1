// The sounds: each effect under data\sounds\ must be a file SDL_mixer reads
// (an error: the maker meant a sound there) and should be short, as an
// effect is; every mood must load. All are optional: a missing one is
// silence and no mistake. What the game merely never plays is a warning.
#include "Files.h"
#include "World.h"

#include "audio/Mixer.h"
#include "util/FileSystem.h"

#include <cstdio>
#include <cstdlib>
#include <set>

namespace {

// An effect longer than this is surely music or a mistake.
constexpr double kLongestEffect = 5.0;

// The checker only reads sounds: the dummy card will always do.
bool openCard() {
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    return SDL_InitSubSystem(SDL_INIT_AUDIO) == 0 &&
           Mix_OpenAudio(Mixer::kRate, AUDIO_S16SYS, Mixer::kChannels, 1024) == 0;
}

std::string secondsText(double s) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", s);
    return text;
}

void checkEffect(Report& report, const std::string& path) {
    Mix_Chunk* chunk = Mixer::loadEffect(path);
    if (!chunk) {
        report.add(path, 0, "not a sound SDL_mixer can read (WAV or Ogg Vorbis): the game stays silent here");
        return;
    }
    const double seconds = double(chunk->alen) / (Mixer::kRate * Mixer::kChannels * 2);
    Mix_FreeChunk(chunk);
    if (seconds > kLongestEffect)
        report.warn(path, 0, "lasts " + secondsText(seconds) + " seconds: far too long for an effect (at most " +
                                secondsText(kLongestEffect) + ")");
}

void checkMood(Report& report, const std::string& path) {
    if (!fs::exists(path)) return;
    Mixer::Track track = Mixer::loadTrack(path);
    if (!track.music) report.add(path, 0, "not music SDL_mixer can read (Ogg Vorbis): the map stays silent");
    Mixer::freeTrack(track);
}

}  // namespace

void checkSounds(World& world) {
    if (!openCard()) return;
    std::set<std::string> known;
    for (int i = 0; i < kSoundCount; ++i) {
        const Sound sound = static_cast<Sound>(i);
        const std::string wav = soundWavPath(sound);
        const std::string ogg = soundOggPath(sound);
        known.insert(std::string(soundName(sound)));
        if (fs::exists(wav)) {
            checkEffect(world.report, wav);
            if (fs::exists(ogg)) world.report.warn(ogg, 0, "never played: the game plays the .wav of that name");
        } else if (fs::exists(ogg)) {
            checkEffect(world.report, ogg);
        }
    }
    for (const char* extension : {".wav", ".ogg"})
        for (const std::string& file : filesIn("data\\sounds", extension))
            if (!known.count(file.substr(0, file.size() - 4)))
                world.report.warn("data\\sounds\\" + file, 0, "no effect has that name: the game never plays it");
    checkMood(world.report, kTitleMusic);
    for (const std::string& map : foldersIn("data\\maps")) checkMood(world.report, mapMusicPath(map));
    Mix_CloseAudio();
}
