// A plain creature for exercising the shared Characters rules.
#pragma once

#include "characters/Characters.h"

struct Creature : Characters {
    explicit Creature(const std::string& id = "nobody", int32_t x = 0, int32_t y = 0) : Characters(x, y, id) {}
    void checkLevelUp() override {}
};
