// Missiles in flight, moved once per world tick after the creatures acted.
#include "game/Game.h"

#include "audio/Audio.h"
#include "characters/Player.h"
#include "game/CombatRules.h"
#include "util/Blit.h"
#include "world/Map.h"

namespace {

// A missile flies at most this many fields before it falls.
constexpr int32_t kLastStep = 8;

// Missile directions: 0 up, 1 down, 2 left, 3 right.
constexpr int32_t kColumnStep[4] = {0, 0, -1, 1};
constexpr int32_t kRowStep[4] = {-1, 1, 0, 0};

}  // namespace

Missile launch(Characters& shooter, const ItemRef& weapon, int32_t direction, bool magic) {
    // Whoever shoots, the player hears what left: a spell, a bolt or an arrow.
    if (magic)
        audio::play(Sound::fireRune);
    else if (weapon && weapon->type == kCrossbow)
        audio::play(Sound::crossbow);
    else
        audio::play(Sound::bow);
    Missile missile;
    missile.direction = direction;
    missile.shooter = shooter.link();
    missile.image = weapon ? weapon->missileImage : nullptr;
    missile.column = shooter.x;
    missile.row = shooter.y;
    missile.magic = magic;
    missile.source = weapon;
    return missile;
}

void Game::moveMissiles() {
    for (size_t n = missiles.size(); n > 0 && !missiles.empty(); --n) {
        Missile missile = std::move(missiles.front());
        missiles.pop_front();
        Characters* shooter = missile.shooterNow();
        // A missile whose shooter is gone has nobody to strike for: it falls.
        if (!shooter || missile.steps > kLastStep) continue;
        if (missile.direction < 0 || missile.direction > 3) continue;
        int32_t column = 0;
        int32_t row = 0;
        const bool inRange = combat::neighbour(missile.column, missile.row, kColumnStep[missile.direction],
                                               kRowStep[missile.direction], column, row);
        const int answer = inRange ? map->canEnter(column, row) : kBlocked;
        if (answer == kFree) {
            ++missile.steps;
            missile.column = column;
            missile.row = row;
            const int64_t x = (int64_t(column) - player->x + 16) * kFieldSize;
            const int64_t y = (int64_t(row) - player->y + 12) * kFieldSize;
            // Only what lies on the buffer: far off, the pixel position would
            // not fit SDL's 16-bit coordinates.
            if (x > -kFieldSize && x < kBufferWidth && y > -kFieldSize && y < kBufferHeight)
                blitAt(missile.image, &missileFrames[missile.direction], worldBuffer.get(), static_cast<int>(x),
                       static_cast<int>(y));
            missiles.push_back(std::move(missile));
        } else if (answer == kOccupied && map->fieldAt(column, row).occupant != shooter) {
            // The shooter's next action is timed from the hit.
            shooter->lastActionTime = 0;
            strike(*shooter, column, row, missile.magic, false);
        }
        // Anything else (its own shooter, a wall, a travel field) stops it.
    }
}
