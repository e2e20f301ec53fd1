// One saved game in the list of the load/save screen.
#pragma once

#include <cstdint>
#include <string>

struct SaveEntry {
    std::string label;
    int32_t slot = 0;
    int32_t sequence = 0;
};
