// What an idle creature in view does on its tick: a hostile one near the
// player walks up and strikes, or gets into line and shoots.
#include "game/Game.h"

#include "characters/NPC.h"
#include "characters/Player.h"
#include "characters/StatArithmetic.h"
#include "game/CombatRules.h"
#include "game/Facing.h"
#include "world/Map.h"

#include <algorithm>
#include <cstdlib>

namespace {

// Creatures farther than this (in either axis) leave the player alone.
constexpr int64_t kSightRange = 10;
// A shot looks this many fields ahead for the player.
constexpr int32_t kShotRange = 9;

bool isRangedItem(const ItemRef& item) { return isShooter(item) || (item && item->type == kDamageRune); }

class Behaviour {
public:
    Behaviour(Game& game, NPC& creature) : game(game), map(*game.map), creature(creature) {}

    void act() {
        if (!creature.agression) return;
        const int64_t dx = int64_t(creature.x) - game.player->x;
        const int64_t dy = int64_t(creature.y) - game.player->y;
        if (std::max(std::abs(dx), std::abs(dy)) > kSightRange) return;
        // Decided anew each tick: a creature that lost its bow fights on foot.
        if (isRangedItem(creature.leftHand) || isRangedItem(creature.rightHand))
            ranged(dx, dy);
        else
            melee(dx, dy);
    }

private:
    int32_t columnAhead(int32_t direction, int32_t distance = 1) const {
        return creature.x + facing::columnStep(direction) * distance;
    }
    int32_t rowAhead(int32_t direction, int32_t distance = 1) const {
        return creature.y + facing::rowStep(direction) * distance;
    }
    void look(int32_t direction) { creature.spriteFrame = &frameRects[frameColumn(direction)]; }

    // The grid entry moves at once, so nobody else can take the field; the
    // slide itself runs over the next ticks.
    void startSlide(int32_t direction) {
        const int32_t column = columnAhead(direction);
        const int32_t row = rowAhead(direction);
        if (map.canEnter(column, row) != kFree) return;
        map.moveCreature(column, row, &creature);
        creature.moveState = direction;
        creature.direction = direction;
        look(direction);
    }

    void melee(int64_t dx, int64_t dy) {
        int32_t direction;
        if (std::abs(dx) > std::abs(dy))
            direction = dx > 0 ? facing::kLeft : facing::kRight;
        else if (dy != 0)
            direction = dy > 0 ? facing::kUp : facing::kDown;
        else
            return;
        const int32_t column = columnAhead(direction);
        const int32_t row = rowAhead(direction);
        if (map.canEnter(column, row) == kOccupied) {
            if (map.fieldAt(column, row).occupant != game.player.get()) return;
            game.physicalAttack(creature, column, row);
            look(direction);
            return;
        }
        startSlide(direction);
    }

    void ranged(int64_t dx, int64_t dy) {
        if (std::abs(dx) > std::abs(dy)) {
            if (dy != 0)
                startSlide(dy < 0 ? facing::kDown : facing::kUp);
            else
                shoot(dx < 0 ? facing::kRight : facing::kLeft);
        } else if (dx != 0) {
            startSlide(dx < 0 ? facing::kRight : facing::kLeft);
        } else if (dy != 0) {
            shoot(dy < 0 ? facing::kDown : facing::kUp);
        }
    }

    void shoot(int32_t direction) {
        if (combat::tooSoon(creature, seam::ticks())) return;
        for (int32_t distance = 1; distance <= kShotRange; ++distance) {
            const int32_t column = columnAhead(direction, distance);
            const int32_t row = rowAhead(direction, distance);
            const int answer = map.canEnter(column, row);
            if (answer == kFree) continue;
            // Another creature in the way spoils the shot; so does a wall.
            if (answer == kOccupied && map.fieldAt(column, row).occupant == game.player.get()) fire(direction);
            return;
        }
        startSlide(direction);  // nothing within range: come closer
    }

    void fire(int32_t direction) {
        ItemRef weapon;
        if (isShooter(creature.leftHand))
            weapon = creature.leftHand;
        else if (isShooter(creature.rightHand))
            weapon = creature.rightHand;
        else if (creature.leftHand && creature.leftHand->type == kDamageRune)
            weapon = creature.leftHand;

        if (weapon && weapon->type == kDamageRune) {
            if (creature.MP < statmath::fromBits(weapon->MP)) {
                // Out of mana: the rune goes into the pack and the creature
                // fights on foot from now on.
                creature.inventory.push_back(weapon);
                creature.unequip(weapon);
                startSlide(direction);
                return;
            }
            creature.MP = statmath::sub(creature.MP, weapon->MP);
            game.missiles.push_back(launch(creature, weapon, direction - 1, true));
        } else if (weapon) {
            game.missiles.push_back(launch(creature, weapon, direction - 1, false));  // creatures count no ammunition
        }
        look(direction);
        creature.lastActionTime = seam::ticks();
    }

    Game& game;
    Map& map;
    NPC& creature;
};

}  // namespace

void Game::behave(NPC& creature) { Behaviour(*this, creature).act(); }
