// A rectangle of the screen that a click can hit, edges included.
#pragma once

struct HitArea {
    int left, top, right, bottom;
    constexpr bool contains(int x, int y) const { return x >= left && x <= right && y >= top && y <= bottom; }
};
