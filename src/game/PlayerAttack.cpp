// The attack key: what the player does depends on what the hands hold.
#include "game/Game.h"

#include "audio/Audio.h"
#include "characters/Player.h"
#include "characters/StatArithmetic.h"
#include "game/CombatRules.h"
#include "game/Facing.h"
#include "world/Map.h"

namespace {

// Costs are stored as bit patterns; "-3" is a cost of -3.
int32_t cost(uint32_t bits) { return statmath::fromBits(bits); }

}  // namespace

int Game::playerAttack() {
    Player& hero = *player;
    const uint32_t now = seam::ticks();
    const ItemRef left = hero.leftHand;

    if (left && left->type == kDamageRune) {
        if (combat::tooSoon(hero, now) || hero.MP < cost(left->MP)) return 1;
        missiles.push_back(launch(hero, left, hero.direction - 1, true));
        hero.MP = statmath::sub(hero.MP, left->MP);
        hero.lastActionTime = now;
        return 1;
    }
    if (left && left->type == kHealRune) {
        if (combat::tooSoon(hero, now)) return 1;
        if (hero.MP >= cost(left->MP)) {
            hero.HP = statmath::add(hero.HP, left->magicAttack);
            hero.MP = statmath::sub(hero.MP, left->MP);
            if (hero.HP > hero.maxHP) hero.HP = hero.maxHP;
            audio::play(Sound::healRune);
        }
        hero.lastActionTime = now;  // a failed heal still waits its second
        return 1;
    }
    if (isShooter(hero.leftHand)) {
        playerShoot(hero.leftHand, hero.rightHand, now);
        return 1;
    }
    if (isShooter(hero.rightHand)) {
        playerShoot(hero.rightHand, hero.leftHand, now);
        return 1;
    }
    int32_t column = 0;
    int32_t row = 0;
    if (combat::neighbour(hero.x, hero.y, facing::columnStep(hero.direction), facing::rowStep(hero.direction), column,
                          row) &&
        map->canEnter(column, row) == kOccupied)
        physicalAttack(hero, column, row);
    return 1;
}

void Game::playerShoot(ItemRef& weapon, ItemRef& ammunition, uint32_t now) {
    Player& hero = *player;
    // Nothing to shoot with: no arrow leaves and no second is spent.
    if (!ammunition || ammunition == weapon) return;
    if (combat::tooSoon(hero, now)) return;
    missiles.push_back(launch(hero, weapon, hero.direction - 1, false));
    if (ammunition->amount > 1) {
        --ammunition->amount;
    } else {
        // The last shot (a stack of 0 counts as its last one too): the stack
        // is gone and the bow goes back into the pack, each taking back what
        // it added. Both hands are empty before either is taken off, so
        // neither drags the other along.
        const ItemRef spent = std::move(ammunition);
        const ItemRef bow = std::move(weapon);
        hero.inventory.push_back(bow);
        hero.unequip(bow);
        hero.unequip(spent);
    }
    hero.lastActionTime = now;
}
