// A player as the simulator fights with it: a level with its points spent,
// the gear worn and held, and health potions in the quick slots.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

class Player;

struct Build {
    std::string name;
    int32_t level = 0;
    // (attribute index, points): 0 strength ... 5 charisma, 6 one-handed,
    // 7 two-handed, 8 bow, 9 crossbow skill.
    std::vector<std::pair<int, int32_t>> points;
    // Item ids, put on in this order as the inventory would: ammunition
    // before its bow, so that the bow finds it in the pack.
    std::vector<std::string> gear;
    int potions = 0;  // health potions, in the left quick slots (at most 5)
};

// The players the world is tuned for, from the first step to the crypt.
std::vector<Build> standardBuilds();

// Makes a new player into the build, at full health.
void dress(Player& player, const Build& build);
