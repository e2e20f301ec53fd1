// The one door game code has to sound: effects by name, a mood per screen,
// the mute key. By default it leads to the process's mixer (silent until
// opened, and for good when the sound card can't be); tests put a recorder
// in its place, as they set the clock and the dice through util/Seam.
#pragma once

#include "audio/Speaker.h"

namespace audio {

// Opens the sound card and loads every effect under data\sounds\. Writes
// one line when there is no sound card to be had; the game goes on silent.
void open();
// Stops every sound and gives the card back; a later open() tries afresh.
void close();

void play(Sound sound);
void mood(const std::string& musicPath);
void toggleMute();
bool muted();
void update();

// Tests: every call goes to this speaker until reset().
void setSpeaker(Speaker* speaker);
void reset();

}  // namespace audio
