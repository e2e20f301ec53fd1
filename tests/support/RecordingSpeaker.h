// Stands in for the sound card while it lives: every effect, mood and mute
// the game asks for is written down instead of played.
#pragma once

#include "audio/Audio.h"

#include <string>
#include <vector>

class RecordingSpeaker : public Speaker {
public:
    RecordingSpeaker() { audio::setSpeaker(this); }
    ~RecordingSpeaker() override { audio::reset(); }
    RecordingSpeaker(const RecordingSpeaker&) = delete;
    RecordingSpeaker& operator=(const RecordingSpeaker&) = delete;

    void play(Sound sound) override { played.push_back(soundName(sound)); }
    void mood(const std::string& musicPath) override { moods.push_back(musicPath); }
    void toggleMute() override { silent = !silent; }
    bool muted() const override { return silent; }
    void update() override {}

    // What was asked for since the last call, by name: "hit death".
    std::string take() {
        std::string names;
        for (const std::string& name : played) names += (names.empty() ? "" : " ") + name;
        played.clear();
        return names;
    }

    std::vector<std::string> played;
    std::vector<std::string> moods;
    bool silent = false;
};
