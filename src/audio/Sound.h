// The effects the game asks for, by name. Each is a plain file that content
// makers may replace or leave out: "data\sounds\" + name + ".wav" (or .ogg).
// A map's mood is "data\maps\" + map + "\music.ogg", the title screen's
// "data\menu\music.ogg"; both loop while they play.
#pragma once

#include <string>

enum class Sound {
    hit,           // a blow that wounds
    glance,        // a blow that lands and does no harm
    miss,          // a blow, arrow or bolt that misses
    death,         // a creature dies
    playerDeath,   // the player dies
    bow,           // an arrow leaves a bow
    crossbow,      // a bolt leaves a crossbow
    fireRune,      // a damage rune is cast
    healRune,      // a healing rune heals
    missileHit,    // an arrow, bolt or spell strikes a creature
    potion,        // a potion drunk
    pickUp,        // an item picked up from the ground
    equip,         // an item dropped into a hand, a worn slot or a quick slot
    loot,          // an item taken from a corpse
    levelUp,       // a level gained
    questStart,    // a quest started
    questAdvance,  // a quest moved on a stage
    questDone,     // a quest finished
    button,        // a menu button pressed
    talk,          // a conversation opened
};

constexpr int kSoundCount = static_cast<int>(Sound::talk) + 1;

// "hit", "player-death", "fire-rune", ...: the file's name without extension.
const char* soundName(Sound sound);
// The two files an effect may be, in the order they are tried.
std::string soundWavPath(Sound sound);
std::string soundOggPath(Sound sound);

// Where each mood is read from.
std::string mapMusicPath(const std::string& mapName);
inline const char* const kTitleMusic = "data\\menu\\music.ogg";
