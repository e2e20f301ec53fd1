#include "audio/Audio.h"

#include "audio/Mixer.h"
#include "util/Log.h"

namespace audio {
namespace {

Mixer& mixer() {
    static Mixer theMixer;
    return theMixer;
}

Speaker* standIn = nullptr;
bool told = false;  // the one line about a missing sound card

Speaker& speaker() { return standIn ? *standIn : mixer(); }

}  // namespace

void open() {
    // No sound card is no reason to stop: one line, then silence.
    if (mixer().open() || told) return;
    told = true;
    logging::line("SDL_mixer loading failure");
}
void close() {
    mixer().close();
    told = false;
}

void play(Sound sound) { speaker().play(sound); }
void mood(const std::string& musicPath) { speaker().mood(musicPath); }
void toggleMute() { speaker().toggleMute(); }
bool muted() { return speaker().muted(); }
void update() { speaker().update(); }

void setSpeaker(Speaker* speaker) { standIn = speaker; }
void reset() { standIn = nullptr; }

}  // namespace audio
