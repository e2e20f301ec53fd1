// Whatever makes the game's sounds: the mixer on the sound card, or a test's
// recorder. Game code never talks to one directly; it goes through audio::.
#pragma once

#include "audio/Sound.h"

#include <string>

class Speaker {
public:
    virtual ~Speaker() = default;
    // Starts an effect and returns at once; silence when it can't.
    virtual void play(Sound sound) = 0;
    // The looping music from that file, faded in once the one playing now
    // has faded out; the same file again goes on undisturbed. A missing
    // file fades to silence.
    virtual void mood(const std::string& musicPath) = 0;
    virtual void toggleMute() = 0;
    virtual bool muted() const = 0;
    // Once a pass: whatever has to wait for the sound card (a fade ending).
    virtual void update() = 0;
};
