// Facing directions as creatures store them: 1 up (row - 1), 2 down (row + 1),
// 3 left (column - 1), 4 right (column + 1). A missile's direction is the
// facing minus 1.
#pragma once

#include <cstdint>

namespace facing {

constexpr int32_t kUp = 1;
constexpr int32_t kDown = 2;
constexpr int32_t kLeft = 3;
constexpr int32_t kRight = 4;

constexpr int32_t columnStep(int32_t direction) { return direction == kLeft ? -1 : direction == kRight ? 1 : 0; }
constexpr int32_t rowStep(int32_t direction) { return direction == kUp ? -1 : direction == kDown ? 1 : 0; }

}  // namespace facing
