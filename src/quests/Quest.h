// One active quest of the player.
#pragma once

#include <cstdint>
#include <string>

struct Quest {
    int32_t id = 0;     // line index in the quest list, from 0
    int32_t stage = 0;  // 0 when started
    std::string name;
    std::string description;
};
