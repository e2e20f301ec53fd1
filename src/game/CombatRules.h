// The small rules every attack shares: the dice, the one-second pause between
// two actions of a creature, the hit test's limit.
#pragma once

#include "util/Seam.h"

#include <cstdint>

class Characters;

namespace combat {

// Blows, shots and spells of one creature are at least this far apart.
constexpr uint32_t kActionPause = 1000;

// A roll of n below: 0 .. n - 1 from one throw of the dice.
int rollBelow(int n);
// The creature acted less than a pause before `now`.
bool tooSoon(const Characters& creature, uint32_t now);
// The highest roll of 100 that still hits.
int64_t hitLimit(int32_t attackerDexterity, int32_t targetDexterity);
// The field one step from (column, row); false when it lies beyond the 32-bit
// coordinates, where nothing can be hit or flown through.
bool neighbour(int32_t column, int32_t row, int32_t columnStep, int32_t rowStep, int32_t& nextColumn,
               int32_t& nextRow);
// Experience never wraps round to a loss.
int32_t addExperience(int32_t exp, int32_t gained);

}  // namespace combat
