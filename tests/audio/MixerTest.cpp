// The real mixer on SDL's dummy sound card: effects loaded from their files
// and started at once, the mute switch, silence without files or without a
// card, and the music fading from one mood to the next.
#include "audio/Audio.h"
#include "audio/Mixer.h"
#include "support/TestWorld.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

class MixerTest : public testing::Test {
protected:
    // Waits (on the card's own time) until the condition holds; false if it never does.
    template <class Condition>
    bool within(uint32_t ms, Condition condition) {
        for (uint32_t start = SDL_GetTicks(); SDL_GetTicks() - start < ms; SDL_Delay(10)) {
            mixer.update();
            if (condition()) return true;
        }
        return false;
    }

    SdlSession sdl;
    TempWorld world;
    Mixer mixer;
};

TEST_F(MixerTest, EveryShippedEffectLoadsAndPlaysAtOnceUnlessMuted) {
    world.copyShippedData("sounds");
    ASSERT_TRUE(mixer.open()) << Mix_GetError();
    for (int i = 0; i < kSoundCount; ++i) EXPECT_TRUE(mixer.hasEffect(static_cast<Sound>(i))) << soundName(Sound(i));

    mixer.play(Sound::hit);
    EXPECT_EQ(Mix_Playing(-1), 1);
    mixer.toggleMute();
    EXPECT_TRUE(mixer.muted());
    EXPECT_EQ(Mix_Playing(-1), 0) << "what was sounding stops";
    EXPECT_EQ(Mix_VolumeMusic(-1), 0);
    mixer.play(Sound::death);
    EXPECT_EQ(Mix_Playing(-1), 0);
    mixer.toggleMute();
    EXPECT_EQ(Mix_VolumeMusic(-1), MIX_MAX_VOLUME);
    mixer.play(Sound::death);
    EXPECT_EQ(Mix_Playing(-1), 1);
}

TEST_F(MixerTest, AnEffectMayBeOggAndAMissingOrDamagedOneIsSilence) {
    world.copyShippedData("menu");
    world.write("data/sounds/talk.ogg", world.read("data/menu/music.ogg"));
    world.write("data/sounds/hit.wav", "RIFF, but not really");
    ASSERT_TRUE(mixer.open());
    EXPECT_TRUE(mixer.hasEffect(Sound::talk));
    EXPECT_FALSE(mixer.hasEffect(Sound::hit));
    EXPECT_FALSE(mixer.hasEffect(Sound::miss));
    mixer.play(Sound::hit);
    mixer.play(Sound::miss);
    EXPECT_EQ(Mix_Playing(-1), 0);
}

TEST_F(MixerTest, WithoutSoundFilesTheGameSaysNothingAndPlaysNothing) {
    testing::internal::CaptureStdout();
    audio::open();
    audio::play(Sound::hit);
    audio::mood("data\\maps\\village\\music.ogg");
    audio::update();
    EXPECT_EQ(Mix_Playing(-1), 0);
    EXPECT_EQ(Mix_PlayingMusic(), 0);
    audio::close();
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
}

TEST_F(MixerTest, WithoutASoundCardOneLineAndSilence) {
    const std::string driver = getenv("SDL_AUDIODRIVER") ? getenv("SDL_AUDIODRIVER") : "";
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    setenv("SDL_AUDIODRIVER", "no-such-card", 1);
    testing::internal::CaptureStdout();
    audio::open();
    audio::open();
    audio::play(Sound::hit);
    audio::mood("data\\maps\\village\\music.ogg");
    audio::toggleMute();
    audio::toggleMute();
    audio::update();
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "SDL_mixer loading failure\n");
    audio::close();
    setenv("SDL_AUDIODRIVER", driver.c_str(), 1);
}

TEST_F(MixerTest, ANewMoodWaitsForTheOldToFadeOutThenFadesIn) {
    world.copyShippedData("menu");
    world.copyShippedData("maps");
    const std::string title = kTitleMusic;
    const std::string village = mapMusicPath("village");
    ASSERT_TRUE(mixer.open());

    mixer.mood(title);
    EXPECT_EQ(mixer.moodPlaying(), title);
    EXPECT_EQ(Mix_FadingMusic(), MIX_FADING_IN);
    mixer.mood(title);
    EXPECT_NE(Mix_FadingMusic(), MIX_FADING_OUT) << "the same again goes on";

    mixer.mood(village);
    EXPECT_EQ(Mix_FadingMusic(), MIX_FADING_OUT);
    EXPECT_EQ(mixer.moodPlaying(), title) << "until its fade is over";
    EXPECT_TRUE(within(5000, [&] { return mixer.moodPlaying() == village; }));

    // A map without music fades to silence.
    mixer.mood(mapMusicPath("crypt-without-music"));
    EXPECT_TRUE(within(5000, [&] { return mixer.moodPlaying().empty(); }));
    EXPECT_EQ(Mix_PlayingMusic(), 0);
}

}  // namespace
