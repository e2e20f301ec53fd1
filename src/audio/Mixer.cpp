#include "audio/Mixer.h"

#include "util/FileSystem.h"

namespace {

// Short enough not to stall a pass: about 46 ms of sound a buffer.
constexpr int kBufferSamples = 1024;
// A creature's blow, an arrow, a potion and the music can overlap.
constexpr int kVoices = 16;
// Travel fades the old mood out, then the new one in.
constexpr int kFadeOutMs = 700;
constexpr int kFadeInMs = 1200;

}  // namespace

Mixer::~Mixer() { close(); }

bool Mixer::open() {
    if (opened) return true;
    if (failed) return false;
    if (Mix_OpenAudio(kRate, AUDIO_S16SYS, kChannels, kBufferSamples) != 0) {
        failed = true;
        return false;
    }
    opened = true;
    Mix_AllocateChannels(kVoices);
    for (int i = 0; i < kSoundCount; ++i) {
        const Sound sound = static_cast<Sound>(i);
        chunks[i] = loadEffect(soundWavPath(sound));
        if (!chunks[i]) chunks[i] = loadEffect(soundOggPath(sound));
    }
    Mix_VolumeMusic(silent ? 0 : MIX_MAX_VOLUME);
    return true;
}

void Mixer::close() {
    failed = false;
    if (!opened) return;
    Mix_HaltChannel(-1);
    Mix_HaltMusic();
    freeTrack(current);
    freeTrack(next);
    nextWaits = false;
    for (Mix_Chunk*& chunk : chunks) {
        if (chunk) Mix_FreeChunk(chunk);
        chunk = nullptr;
    }
    Mix_CloseAudio();
    opened = false;
}

Mix_Chunk* Mixer::loadEffect(const std::string& path) {
    SDL_RWops* stream = fs::openStream(path);
    return stream ? Mix_LoadWAV_RW(stream, 1) : nullptr;
}

Mixer::Track Mixer::loadTrack(const std::string& path) {
    Track track;
    track.path = path;
    track.stream = fs::openStream(path);
    if (track.stream) track.music = Mix_LoadMUS_RW(track.stream);
    if (!track.music) freeTrack(track);
    track.path = path;
    return track;
}

void Mixer::freeTrack(Track& track) {
    // This SDL_mixer leaves the stream to whoever opened it.
    if (track.music) Mix_FreeMusic(track.music);
    if (track.stream) SDL_RWclose(track.stream);
    track = Track();
}

void Mixer::play(Sound sound) {
    const int index = static_cast<int>(sound);
    if (!opened || silent || index < 0 || index >= kSoundCount || !chunks[index]) return;
    // All voices busy: this one is dropped rather than waited for.
    Mix_PlayChannel(-1, chunks[index], 0);
}

void Mixer::mood(const std::string& musicPath) {
    if (!opened) return;
    const bool onTheCard = current.music && Mix_PlayingMusic() && Mix_FadingMusic() != MIX_FADING_OUT;
    if (nextWaits ? next.path == musicPath : onTheCard && current.path == musicPath) return;
    freeTrack(next);
    next = loadTrack(musicPath);
    nextWaits = true;
    // The fade runs on the card's own thread; update() starts the new mood
    // once it is over. (Starting it now would make SDL_mixer wait for the
    // fade, and freeing music that is fading out waits too.)
    if (Mix_PlayingMusic() && Mix_FadingMusic() != MIX_FADING_OUT) Mix_FadeOutMusic(kFadeOutMs);
    update();
}

void Mixer::update() {
    if (!opened || !nextWaits || Mix_PlayingMusic()) return;
    nextWaits = false;
    freeTrack(current);
    current = next;
    next = Track();
    if (current.music) Mix_FadeInMusic(current.music, -1, kFadeInMs);
}

void Mixer::toggleMute() {
    silent = !silent;
    if (!opened) return;
    if (silent) Mix_HaltChannel(-1);
    Mix_VolumeMusic(silent ? 0 : MIX_MAX_VOLUME);
}
