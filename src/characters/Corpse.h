// What a dead NPC leaves on its field: its name, everything it carried and
// wore, and its dead.bmp.
#pragma once

#include "characters/Characters.h"

#include <string>
#include <vector>

class Corpse {
public:
    Corpse(const std::string& name, const std::string& id, const Characters& creature);
    ~Corpse();
    Corpse(const Corpse&) = delete;
    Corpse& operator=(const Corpse&) = delete;

    std::string name;
    std::vector<ItemRef> items;
    SDL_Surface* image = nullptr;  // owned
};
