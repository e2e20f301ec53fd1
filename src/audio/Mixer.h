// The sound card through SDL_mixer: the device, every effect loaded once at
// opening, the music of the current mood, and the mute switch. Nothing here
// waits for the card: effects start on a free channel and return, a new
// mood is loaded at once and starts when the old one has faded out.
#pragma once

#include "audio/Speaker.h"

#include <SDL/SDL_mixer.h>

#include <string>

class Mixer : public Speaker {
public:
    Mixer() = default;
    ~Mixer() override;
    Mixer(const Mixer&) = delete;
    Mixer& operator=(const Mixer&) = delete;

    // Opens the card and loads the effects under data\sounds\; false when
    // the card can't be had, and then until close() (no second try).
    bool open();
    void close();
    bool isOpen() const { return opened; }
    // Whether that effect's file was found and read.
    bool hasEffect(Sound sound) const { return chunks[static_cast<int>(sound)] != nullptr; }
    // The file of the music on the card (fading or not); empty in silence.
    std::string moodPlaying() const { return current.music && Mix_PlayingMusic() ? current.path : std::string(); }

    void play(Sound sound) override;
    void mood(const std::string& musicPath) override;
    void toggleMute() override;
    bool muted() const override { return silent; }
    void update() override;

    // The format every effect is mixed in.
    static constexpr int kRate = 22050;
    static constexpr int kChannels = 2;
    // An effect read from its file; null when missing or unreadable. Needs
    // an open card.
    static Mix_Chunk* loadEffect(const std::string& path);
    // The same for music; the stream stays open while the music lives.
    struct Track {
        Mix_Music* music = nullptr;
        SDL_RWops* stream = nullptr;
        std::string path;
    };
    static Track loadTrack(const std::string& path);
    static void freeTrack(Track& track);

private:
    bool opened = false;
    bool failed = false;
    bool silent = false;
    Mix_Chunk* chunks[kSoundCount] = {};
    Track current;  // on the card, perhaps fading out
    Track next;     // waits for the fade to end
    bool nextWaits = false;
};
