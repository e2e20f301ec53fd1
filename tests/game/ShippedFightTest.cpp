// The shipped creatures fought with the real rules: each kind against a
// player side by side with it, many times over with fixed dice, so that the
// forest stays a fair fight as its numbers change.
#include "characters/NPC.h"
#include "characters/Player.h"
#include "game/Game.h"
#include "support/TestWorld.h"
#include "support/WorldFiles.h"
#include "util/Seam.h"
#include "world/Map.h"

#include <gtest/gtest.h>

#include <iostream>
#include <random>
#include <string>
#include <vector>

namespace {

struct Loadout {
    const char* name;
    int32_t level;  // its points spent on strength and condition, half each
    std::vector<std::string> worn;  // hands first
};

struct Outcome {
    double wins = 0;       // share the player won
    double playerBlows = 0;  // the player's blows per fight it won
    double hpLost = 0;     // the player's HP lost per fight it won
};

class ShippedFight : public testing::Test {
protected:
    ShippedFight() {
        world.copyShippedData();
        MapFiles arena;
        arena.terrain = plainTerrain(12, 12, 'g');
        arena.tileCodes = "g";
        arena.tileColours = {{0, 160, 0}, {0, 0, 90}};
        writeMap(world, "arena", arena);
        world.write("data\\maps\\start.dat", "arena 5 5");
        world.write("data\\maps.dat", "arena\n");
        seam::setTicks([this] { return now; });
        seam::setRoll([this] { return static_cast<int>(dice() % 32768); });
    }
    ~ShippedFight() override { seam::reset(); }

    // The creature stands right of the player; the player faces it and
    // presses the attack key on every tick, 50 ms apart.
    Outcome fight(const std::string& kind, const Loadout& loadout, int rounds = 60) {
        Outcome total;
        for (int round = 0; round < rounds; ++round) {
            world.write("data\\maps\\arena\\data.ini", "tiles=2\n\"g\"\n\"\"\n[moves]\n[npc]\n6:5|" + kind + "\n[items]\n");
            Game game(sdl.screen);
            Player& hero = *game.player;
            equip(hero, loadout);
            game.moveRight();  // turns toward the creature
            NPC* foe = dynamic_cast<NPC*>(game.map->fieldAt(6, 5).occupant);
            if (!foe) return total;
            now += 1000;
            int blows = 0;
            for (int t = 0; t < 2400 && !game.gameOver && game.map->fieldAt(6, 5).occupant; ++t) {
                const uint32_t before = hero.lastActionTime;
                game.playerAttack();
                if (hero.lastActionTime != before) ++blows;
                if (game.map->fieldAt(6, 5).occupant != foe) break;
                game.map->visibleCreatures.push_back(foe);
                game.updateCreatures();
                now += 50;
            }
            if (!game.gameOver && !game.map->fieldAt(6, 5).occupant) {
                total.wins += 1;
                total.playerBlows += blows;
                total.hpLost += hero.maxHP - hero.HP;
            }
        }
        if (total.wins > 0) {
            total.playerBlows /= total.wins;
            total.hpLost /= total.wins;
        }
        total.wins /= rounds;
        std::cout << kind << " against " << loadout.name << ": won " << total.wins * 100 << "%, "
                  << total.playerBlows << " blows, " << total.hpLost << " HP lost\n";
        return total;
    }

    static void equip(Player& hero, const Loadout& loadout) {
        hero.strength += 2 * loadout.level;
        hero.condition += 2 * loadout.level;
        for (const std::string& id : loadout.worn) {
            ItemRef item = makeItem(id);
            (item->type == kArmor ? hero.armor : item->type == kHelmet ? hero.helmet : hero.leftHand) = item;
            hero.equip(item);
        }
        hero.HP = hero.maxHP;
    }

    SdlSession sdl;
    TempWorld world;
    uint32_t now = 10000;
    std::minstd_rand dice{20261208};
};

TEST_F(ShippedFight, TheWorldGetsHarderTheDeeperYouGo) {
    const Loadout fists{"fists", 0, {}};
    const Loadout dagger{"a village dagger", 0, {"dagger"}};
    const Loadout camp{"level 1, short sword and leather armour", 1, {"shortsword", "leatherarmor"}};
    const Loadout ruins{"level 1, battle axe, leather armour and helmet", 1, {"axe", "leatherarmor", "helmet"}};

    const Outcome wolfFists = fight("wolf", fists);
    const Outcome wolf = fight("wolf", dagger);
    EXPECT_GE(wolf.wins, 0.8) << "a wolf is beaten with the dagger from the village";
    EXPECT_LT(wolfFists.wins, wolf.wins) << "and fists are worse";
    EXPECT_GT(wolfFists.wins, 0.2) << "but not hopeless";

    const Outcome archer = fight("banditarcher", dagger);
    EXPECT_LT(archer.wins, wolf.wins) << "an archer is more dangerous than a wolf";
    EXPECT_GT(archer.hpLost, wolf.hpLost);
    fight("bandit", camp);
    fight("crossbowman", camp);
    fight("skeleton", ruins);

    const Outcome mageFresh = fight("mage", dagger);
    const Outcome mage = fight("mage", ruins);
    EXPECT_LT(mageFresh.wins, 0.2) << "no match for a fresh player";
    EXPECT_GE(mage.wins, 0.3) << "a real fight for a player who got there";
    EXPECT_LE(mage.wins, 0.9);

    // The crypt below the ruins, for the player who came through them.
    const Loadout crypt{"level 3, battle axe, leather armour and helmet", 3, {"axe", "leatherarmor", "helmet"}};
    fight("skeletonarcher", ruins);
    EXPECT_GE(fight("ghoul", ruins).wins, 0.6);
    const Outcome chief = fight("ghoulchief", crypt);
    EXPECT_GE(chief.wins, 0.1) << "the strongest of all, yet beatable";
    EXPECT_LE(chief.wins, 0.7);
    EXPECT_LT(fight("ghoulchief", ruins).wins, chief.wins);
}

}  // namespace
