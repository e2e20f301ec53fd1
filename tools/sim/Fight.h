// One fight, played by the game's own code: a real Game on the scene's map,
// its creatures acting through the game's behaviour and every blow through
// its combat, the clock and the dice set through the seams. The player is
// played as a stranger plays: it walks by the shortest way to the nearest
// creature it can strike (or, holding a bow, shoot along a free line),
// turns to it and attacks whenever the key is taken, and drinks a health
// potion from its quick slots when its health runs low.
#pragma once

#include "Build.h"
#include "Drive.h"
#include "Scene.h"

#include <SDL/SDL.h>

#include <cstdint>
#include <functional>

// The key repeat at which the player acts (an arrow key held, the attack key
// hammered): 100 ms, in passes of the game loop.
constexpr int kTicksPerKey = (100 + drive::kTickMs - 1) / drive::kTickMs;
// A potion is drunk below this share of the player's health, in percent.
constexpr int32_t kDrinkBelowPercent = 40;
// A fight that lasts longer is given up; it counts as not won.
constexpr uint32_t kLongestFightMs = 180000;

struct Outcome {
    bool won = false;   // every creature of the scene dead
    bool died = false;  // the player fell; neither: the time ran out
    int32_t hpLeft = 0;
    int32_t maxHP = 0;
    double seconds = 0;
    int potions = 0;  // drunk
};

// `dice` gives each throw (0 .. 32767), as the runtime's rand would. The
// scene must have been staged.
Outcome fight(SDL_Surface* screen, const Scene& scene, const Build& build, std::function<int()> dice);
