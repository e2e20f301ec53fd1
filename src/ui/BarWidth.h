// Width in pixels of a bar showing `value` out of `maximum`, `full` pixels
// wide at the maximum.
#pragma once

#include <SDL/SDL.h>

#include <cstdint>

// The product is truncated toward zero. An empty (or negative) maximum and a
// negative value give an empty bar; a value above the maximum gives a longer
// one, which the blit clips to the bar image, kept within a rectangle's
// 16-bit width so it can't wrap around.
inline Uint16 barWidth(int32_t value, int32_t maximum, int full) {
    if (maximum <= 0) return 0;
    const double width = static_cast<double>(value) / maximum * full;
    if (!(width > 0)) return 0;
    if (width >= 65535) return 65535;
    return static_cast<Uint16>(width);
}
