// The shipped world fought by the fight simulator's stranger (tools/sim): the
// game's own rules and behaviour, seeded dice, the standard builds. The world
// must stay what it was tuned to: the first fights fair for a fresh player
// with the village's dagger, the bandit camp a fight for level 1 to 2 in
// armour, the crypt one for the crypt-ready player.
#include "sim/Fight.h"
#include "sim/Table.h"
#include "support/TestWorld.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

class ShippedFight : public testing::Test {
protected:
    // `fights` seeded fights of the build in the scene named so.
    Tally fought(const std::string& sceneName, const std::string& buildName, int fights = 50) {
        Tally tally;
        const Scene* scene = find(sceneName);
        const Build* build = nullptr;
        for (const Build& b : builds)
            if (b.name == buildName) build = &b;
        if (!scene || !build) {
            ADD_FAILURE() << "no scene " << sceneName << " or build " << buildName;
            return tally;
        }
        stage(sandbox, *scene);
        for (int i = 0; i < fights; ++i) {
            std::mt19937 dice(20261208u + static_cast<uint32_t>(i));
            tally.add(fight(sdl.screen, *scene, *build, [&dice] { return static_cast<int>(dice() % 32768); }));
        }
        return tally;
    }
    double won(const std::string& sceneName, const std::string& buildName) {
        const Tally tally = fought(sceneName, buildName);
        return tally.fights ? static_cast<double>(tally.won) / tally.fights : 0;
    }

    const Scene* find(const std::string& name) {
        for (const Scene& s : scenes)
            if (s.name == name) return &s;
        return nullptr;
    }

    Sandbox sandbox{RPG_SOURCE_DIR "/data"};
    SdlSession sdl;
    std::vector<Build> builds = standardBuilds();
    std::vector<Scene> scenes;

    void SetUp() override {
        ASSERT_TRUE(sandbox.ok());
        scenes = duels();
        for (const Scene& place : places()) scenes.push_back(place);
        builds.push_back({"fists", 0, {}, {}, 2});
    }
};

TEST_F(ShippedFight, TheWorldGetsHarderTheDeeperYouGo) {
    const char* const fresh = "fresh, dagger";
    const char* const level1 = "level 1, armour";
    const char* const level2 = "level 2, bow";
    const char* const crypt = "crypt-ready";

    // The first fights: the dagger from the square beats a wolf and a bandit,
    // and the three wolves of the first quest, with the square's potions.
    const Tally wolf = fought("wolf", fresh);
    const Tally fists = fought("wolf", "fists");
    EXPECT_GE(wolf.won, 45);
    EXPECT_GT(fists.potions, wolf.potions) << "bare fists do worse";
    EXPECT_GE(won("forest: the three wolves, one after another", fresh), 0.8);
    EXPECT_GE(won("bandit", fresh), 0.7);
    EXPECT_LT(won("skeleton", fresh), 0.3) << "the ruins are no place for a fresh player";

    // The camp wants level 1 to 2 and armour.
    EXPECT_LT(won("forest: the bandit camp", fresh), 0.2);
    const double camp = won("forest: the bandit camp", level1);
    EXPECT_GT(camp, 0.2);
    EXPECT_LT(camp, 0.8);
    EXPECT_GE(won("forest: the bandit camp", level2), 0.8);

    // The ruins after the camp; the crypt wants the crypt-ready player.
    EXPECT_LT(won("forest: the ruins", level1), 0.2);
    EXPECT_GE(won("forest: the ruins", level2), 0.5);
    EXPECT_LT(won("crypt: the den", level2), 0.4);
    EXPECT_GE(won("crypt: the den", crypt), 0.8);
    EXPECT_LT(won("crypt: the chieftain's hall", level2), 0.2);
    EXPECT_GE(won("crypt: the chieftain's hall", crypt), 0.6);
}

}  // namespace
