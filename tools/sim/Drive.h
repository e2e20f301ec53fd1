// Driving a real game the way the loop and the keyboard do, on a clock the
// simulator owns: passes of the world, the arrow keys, and a map cleared of
// the creatures a scene does not want.
#pragma once

#include "characters/Characters.h"
#include "util/PassClock.h"

#include <cstdint>
#include <functional>
#include <vector>

class Game;
class Map;
class NPC;

namespace drive {

// One pass of the game loop. A step of the player draws eleven passes of its
// own, each sleeping out its period through the clock seam (setClock).
constexpr uint32_t kTickMs = PassClock::kPeriod;
constexpr int kSlideTicks = 11;

// The game's clock reads `now`, and its sleeps move `now` on.
void setClock(uint32_t& now);

// One pass of the world as a frame runs it: the map collects the creatures in
// view, and they act or slide, and the missiles fly.
void tick(Game& game, uint32_t& now);
// An arrow key (1 up, 2 down, 3 left, 4 right): a turn, or a step with its
// passes of the world.
void press(Game& game, int32_t direction);
// Takes away the creatures of the map `keep` does not want (their remains
// stay, and hinder nobody); links to the ones kept.
std::vector<CreatureLink> keepOnly(Map& map, const std::function<bool(const NPC&)>& keep);

}  // namespace drive
