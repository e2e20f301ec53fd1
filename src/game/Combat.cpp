// Every blow, shot and spell: the hit test, the damage, wounds and kills.
#include "game/Game.h"

#include "audio/Audio.h"
#include "characters/NPC.h"
#include "characters/Player.h"
#include "characters/StatArithmetic.h"
#include "game/CombatRules.h"
#include "world/Map.h"

#include <algorithm>
#include <cstdint>

namespace combat {

int rollBelow(int n) {
    const int value = seam::roll() % n;
    return value < 0 ? value + n : value;
}

bool tooSoon(const Characters& creature, uint32_t now) {
    // Unsigned difference: still right when the tick count wraps.
    return now - creature.lastActionTime < kActionPause;
}

int64_t hitLimit(int32_t attackerDexterity, int32_t targetDexterity) {
    // A target of no dexterity would divide by zero: count it as 1. A negative
    // one counts as it is, so that blows against it miss.
    const int64_t target = targetDexterity == 0 ? 1 : targetDexterity;
    return static_cast<int64_t>(attackerDexterity) / target * 100 + 10;
}

bool neighbour(int32_t column, int32_t row, int32_t columnStep, int32_t rowStep, int32_t& nextColumn,
               int32_t& nextRow) {
    const int64_t c = int64_t(column) + columnStep;
    const int64_t r = int64_t(row) + rowStep;
    if (c < INT32_MIN || c > INT32_MAX || r < INT32_MIN || r > INT32_MAX) return false;
    nextColumn = static_cast<int32_t>(c);
    nextRow = static_cast<int32_t>(r);
    return true;
}

int32_t addExperience(int32_t exp, int32_t gained) {
    const int64_t sum = static_cast<int64_t>(exp) + gained;
    return static_cast<int32_t>(std::clamp<int64_t>(sum, INT32_MIN, INT32_MAX));
}

}  // namespace combat

namespace {

void startHitEffect(Characters& target, uint8_t wound) {
    // The frame counter runs on: a new blow changes only what is shown.
    target.hitEffectActive = true;
    target.hitEffectWound = wound;
}

}  // namespace

int Game::physicalAttack(Characters& attacker, int32_t column, int32_t row) {
    return strike(attacker, column, row, false, true);
}

int Game::magicAttack(Characters& attacker, int32_t column, int32_t row) {
    return strike(attacker, column, row, true, true);
}

int Game::strike(Characters& attacker, int32_t column, int32_t row, bool magic, bool timed) {
    const uint32_t now = seam::ticks();
    if (timed && combat::tooSoon(attacker, now)) return 1;
    Characters* target = map->contains(column, row) ? map->fieldAt(column, row).occupant : nullptr;
    // Nobody there, or a creature at its own field: nothing to hit.
    if (!target || target == &attacker) return 0;

    if (!magic) {
        const int64_t limit = combat::hitLimit(attacker.getDexterity(), target->getDexterity());
        if (combat::rollBelow(100) > limit) {
            attacker.lastActionTime = now;
            startHitEffect(*target, 0);
            audio::play(Sound::miss);
            return 0;
        }
    }
    // An arrow, bolt or spell that gets through is heard striking whatever
    // it does; a blow by whether it wounds.
    const bool missile = !timed;
    // Worked in 64 bits: any 32-bit attack and defense, doubled, fits.
    int64_t damage = magic ? int64_t(combat::rollBelow(30)) + attacker.magicAttack - target->magicDefense - 10
                           : int64_t(combat::rollBelow(20)) + attacker.getAttack() - target->defense - 10;
    const bool attackerIsPlayer = &attacker == player.get();
    const bool targetIsPlayer = target == player.get();
    if (damage <= 0) {
        startHitEffect(*target, 0);
        audio::play(missile ? Sound::missileHit : Sound::glance);
    } else {
        audio::play(missile ? Sound::missileHit : Sound::hit);
        NPC* victim = targetIsPlayer ? nullptr : dynamic_cast<NPC*>(target);
        if (victim && attackerIsPlayer && !victim->agression) victim->agression = true;
        // A roll above the critical chance doubles, as the game has always
        // played: a larger chance makes doubling rarer.
        if (!magic && combat::rollBelow(100) > attacker.getCriticalChance()) damage *= 2;
        if (damage < target->HP) {
            // A spell between two creatures that does not kill does nothing.
            if (!magic || attackerIsPlayer || targetIsPlayer) {
                startHitEffect(*target, 1);
                target->HP = static_cast<int32_t>(target->HP - damage);
            }
        } else if (targetIsPlayer) {
            gameOver = true;  // the HP stay as they were
            audio::play(Sound::playerDeath);
        } else {
            audio::play(Sound::death);
            if (attackerIsPlayer) {
                player->exp = combat::addExperience(player->exp, target->exp);
                player->checkLevelUp();
            }
            map->killCreature(column, row);
        }
    }
    attacker.lastActionTime = now;
    return 0;
}
