#include "audio/Sound.h"

namespace {

const char* const kNames[kSoundCount] = {
    "hit",    "glance", "miss",      "death",       "player-death",  "bow",        "crossbow",
    "fire-rune", "heal-rune", "missile-hit", "potion",  "pick-up", "equip", "loot",
    "level-up", "quest-start", "quest-advance", "quest-done", "button", "talk",
};

}  // namespace

const char* soundName(Sound sound) {
    const int index = static_cast<int>(sound);
    return index >= 0 && index < kSoundCount ? kNames[index] : "";
}

std::string soundWavPath(Sound sound) { return std::string("data\\sounds\\") + soundName(sound) + ".wav"; }
std::string soundOggPath(Sound sound) { return std::string("data\\sounds\\") + soundName(sound) + ".ogg"; }

std::string mapMusicPath(const std::string& mapName) { return "data\\maps\\" + mapName + "\\music.ogg"; }
