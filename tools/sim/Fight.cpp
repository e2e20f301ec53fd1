#include "Fight.h"

#include "Drive.h"

#include "characters/NPC.h"
#include "characters/Player.h"
#include "game/Game.h"
#include "ui/InventoryLayout.h"
#include "ui/ItemMoves.h"
#include "util/Seam.h"
#include "world/Map.h"

#include <algorithm>
#include <cstdlib>
#include <deque>
#include <vector>

namespace {

// Directions as the game numbers them: 1 up, 2 down, 3 left, 4 right.
constexpr int32_t kColumnStep[5] = {0, 0, 0, -1, 1};
constexpr int32_t kRowStep[5] = {0, -1, 1, 0, 0};
constexpr int32_t kOpposite[5] = {0, 2, 1, 4, 3};
// A shot flies this far; creatures act within this many fields of the player.
constexpr int32_t kShotFields = 9;
constexpr int32_t kSight = 10;
// A creature standing longer than this is not coming (a tree holds it up, or
// it stands in line and shoots): the player goes to it.
constexpr uint32_t kStandingMs = 1500;

class Stranger {
public:
    Stranger(Game& game, uint32_t& now, std::vector<CreatureLink> foes)
        : game(game), map(*game.map), hero(*game.player), now(now), foes(std::move(foes)),
          lastMoved(this->foes.size(), now), lastField(this->foes.size(), {-1, -1}) {}

    Outcome run() {
        const uint32_t start = now;
        Outcome outcome;
        while (!game.gameOver && alive() > 0 && now - start < kLongestFightMs) {
            const int32_t column = hero.x;
            const int32_t row = hero.y;
            decide(outcome);
            const bool stepped = hero.x != column || hero.y != row;
            for (int t = stepped ? drive::kSlideTicks : 0; t < kTicksPerKey && !game.gameOver && alive() > 0; ++t)
                drive::tick(game, now);
        }
        outcome.died = game.gameOver;
        outcome.won = !game.gameOver && alive() == 0;
        outcome.hpLeft = outcome.died ? 0 : hero.HP;
        outcome.maxHP = hero.maxHP;
        outcome.seconds = (now - start) / 1000.0;
        return outcome;
    }

private:
    NPC* foe(size_t i) const { return dynamic_cast<NPC*>(*foes[i]); }

    int alive() const {
        int count = 0;
        for (size_t i = 0; i < foes.size(); ++i) count += foe(i) != nullptr;
        return count;
    }

    bool holdsShooter() const {
        return (isShooter(hero.leftHand) && hero.rightHand) || (isShooter(hero.rightHand) && hero.leftHand);
    }

    bool free(int32_t column, int32_t row) const { return map.canEnter(column, row) == kFree; }
    bool here(int32_t column, int32_t row) const { return column == hero.x && row == hero.y; }

    // Calls back with each field the player could strike or shoot the
    // creature from, and the way it would then face.
    template <typename Visit>
    void attackFields(const Characters& creature, Visit visit) const {
        const int32_t reach = holdsShooter() ? kShotFields : 1;
        for (int32_t d = 1; d <= 4; ++d)
            for (int32_t k = 1; k <= reach; ++k) {
                const int32_t column = creature.x + kColumnStep[d] * k;
                const int32_t row = creature.y + kRowStep[d] * k;
                if (!here(column, row) && !free(column, row)) break;
                visit(column, row, kOpposite[d]);
                if (here(column, row)) break;
            }
    }

    // The way to face to strike or shoot a creature from where the player
    // stands; 0 when none can be reached from here.
    int32_t facingToAttack() const {
        int32_t facing = 0;
        for (size_t i = 0; i < foes.size() && !facing; ++i)
            if (const NPC* creature = foe(i))
                attackFields(*creature, [&](int32_t c, int32_t r, int32_t f) {
                    if (here(c, r)) facing = f;
                });
        return facing;
    }

    // A creature in sight that moved lately is on its way: the player lets
    // it come rather than dance round it.
    bool somebodyComing() {
        bool coming = false;
        for (size_t i = 0; i < foes.size(); ++i) {
            const NPC* creature = foe(i);
            if (!creature) continue;
            if (creature->moveState != 0 || lastField[i] != std::make_pair(creature->x, creature->y)) {
                lastMoved[i] = now;
                lastField[i] = {creature->x, creature->y};
            }
            const int32_t distance = std::max(std::abs(creature->x - hero.x), std::abs(creature->y - hero.y));
            if (distance <= kSight && now - lastMoved[i] < kStandingMs) coming = true;
        }
        return coming;
    }

    // The first step of a shortest way to a field to attack from: breadth
    // first from all those fields over free ground. Among equal steps one
    // that keeps the player in line with its creature is taken, so that a
    // shooter in line is not left. 0 when no way leads there.
    int32_t stepTowardFoes() const {
        const int32_t cols = map.cols;
        auto at = [cols](int32_t c, int32_t r) { return static_cast<size_t>(r) * cols + c; };
        std::vector<int32_t> distance(static_cast<size_t>(cols) * map.rows, -1);
        std::vector<const NPC*> owner(distance.size(), nullptr);
        std::deque<std::pair<int32_t, int32_t>> open;
        for (size_t i = 0; i < foes.size(); ++i)
            if (const NPC* creature = foe(i))
                attackFields(*creature, [&](int32_t c, int32_t r, int32_t) {
                    if (distance[at(c, r)] >= 0) return;
                    distance[at(c, r)] = 0;
                    owner[at(c, r)] = creature;
                    open.emplace_back(c, r);
                });
        while (!open.empty()) {
            const auto [c, r] = open.front();
            open.pop_front();
            for (int32_t d = 1; d <= 4; ++d) {
                const int32_t nc = c + kColumnStep[d];
                const int32_t nr = r + kRowStep[d];
                if (!map.contains(nc, nr) || distance[at(nc, nr)] >= 0 || !free(nc, nr)) continue;
                distance[at(nc, nr)] = distance[at(c, r)] + 1;
                owner[at(nc, nr)] = owner[at(c, r)];
                open.emplace_back(nc, nr);
            }
        }
        int32_t best = 0;
        int32_t bestDistance = -1;
        bool bestInLine = false;
        for (int32_t d = 1; d <= 4; ++d) {
            const int32_t c = hero.x + kColumnStep[d];
            const int32_t r = hero.y + kRowStep[d];
            if (!map.contains(c, r) || distance[at(c, r)] < 0) continue;
            const NPC* creature = owner[at(c, r)];
            const bool inLine = creature->x == c || creature->y == r;
            if (bestDistance < 0 || distance[at(c, r)] < bestDistance ||
                (distance[at(c, r)] == bestDistance && inLine && !bestInLine)) {
                best = d;
                bestDistance = distance[at(c, r)];
                bestInLine = inLine;
            }
        }
        return best;
    }

    bool drink(Outcome& outcome) {
        if (int64_t(hero.HP) * 100 >= int64_t(hero.maxHP) * kDrinkBelowPercent) return false;
        for (int i = 0; i < layout::kQuickSlotsPerSide; ++i) {
            if (!hero.quickSlots[static_cast<size_t>(i)]) continue;
            itemmoves::useQuickSlot(hero, i);
            ++outcome.potions;
            return true;
        }
        return false;
    }

    void press(int32_t direction) { drive::press(game, direction); }

    void decide(Outcome& outcome) {
        const bool coming = somebodyComing();
        if (drink(outcome)) return;
        if (const int32_t facing = facingToAttack()) {
            if (hero.direction != facing)
                press(facing);
            else
                game.playerAttack();
            return;
        }
        if (coming) return;
        if (const int32_t step = stepTowardFoes()) press(step);
    }

    Game& game;
    Map& map;
    Player& hero;
    uint32_t& now;
    std::vector<CreatureLink> foes;
    std::vector<uint32_t> lastMoved;
    std::vector<std::pair<int32_t, int32_t>> lastField;
};

}  // namespace

Outcome fight(SDL_Surface* screen, const Scene& scene, const Build& build, std::function<int()> dice) {
    uint32_t now = 1000000;
    drive::setClock(now);
    seam::setRoll(std::move(dice));
    Outcome outcome;
    {
        Game game(screen);
        // Only the scene's creatures: the others of the map are taken away.
        std::vector<CreatureLink> foes = drive::keepOnly(
            *game.map, [&scene](const NPC& npc) { return npc.agression && scene.area.contains(npc.x, npc.y); });
        dress(*game.player, build);
        game.worldBuffer.reset();  // nothing is shown: drawing only finds who is in view
        outcome = Stranger(game, now, std::move(foes)).run();
    }
    seam::reset();
    return outcome;
}
