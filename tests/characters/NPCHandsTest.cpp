#include "characters/NPC.h"

#include "support/ItemFiles.h"
#include "support/TestWorld.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

struct NPCHandsTest : ::testing::Test {
    TempWorld world;
    SdlSession sdl;

    NPCHandsTest() {
        writeItem(world, "sword", "type=onehanded\nattack=10\n");
        writeItem(world, "axe", "type=twohanded\nattack=20\nstrength=4\n");
        writeItem(world, "maul", "type=twohanded\nattack=30\n");
        writeItem(world, "bow", "type=bow\nattack=12\nbowSkill=15\n");
        writeItem(world, "crossbow", "type=crossbow\nattack=18\n");
        writeItem(world, "arrows", "type=arrow\namount=30\n");
        writeItem(world, "bolts", "type=carrow\namount=10\n");
        writeItem(world, "fire", "type=dmgRune\nmagicAttack=11\n");
        writeItem(world, "frost", "type=dmgRune\nmagicAttack=7\n");
        writeItem(world, "heal", "type=healRune\nmagicAttack=5\n");
        writeItem(world, "ring", "type=ring\n");
    }

    std::unique_ptr<NPC> npc(const std::string& hands) {
        world.write("data\\characters\\npc\\data.ini", hands);
        return std::make_unique<NPC>(0, 0, "npc");
    }

    static std::vector<std::string> ids(const std::vector<ItemRef>& items) {
        std::vector<std::string> out;
        for (const ItemRef& i : items) out.push_back(i ? i->id : "(none)");
        return out;
    }
    using Ids = std::vector<std::string>;
};

}  // namespace

TEST_F(NPCHandsTest, TwoHandedWeaponsFillBothHandsAndCountOnce) {
    auto n = npc("rightHand=axe\n");
    ASSERT_NE(n->leftHand, nullptr);
    EXPECT_EQ(n->leftHand->id, "axe");
    EXPECT_EQ(n->rightHand, n->leftHand);
    EXPECT_EQ(n->strength, 9);
    EXPECT_EQ(n->attack, 30);  // 9 + 20 + 29 * 5 / 100

    // A second two-handed weapon sends the first to the inventory and takes back its bonuses.
    n = npc("leftHand=axe\nrightHand=maul\n");
    EXPECT_EQ(n->leftHand->id, "maul");
    EXPECT_EQ(n->rightHand, n->leftHand);
    EXPECT_EQ(ids(n->inventory), Ids{"axe"});
    EXPECT_EQ(n->strength, 5);
    EXPECT_EQ(n->attack, 36);

    // With a one-handed weapon in the other hand the two-handed one is dropped.
    n = npc("leftHand=sword\nrightHand=axe\n");
    EXPECT_EQ(n->leftHand->id, "sword");
    EXPECT_EQ(n->rightHand, nullptr);
    EXPECT_TRUE(n->inventory.empty());
    EXPECT_EQ(n->strength, 5);

    // Rings and healing runes are not held at all.
    n = npc("leftHand=ring\nrightHand=heal\n");
    EXPECT_EQ(n->leftHand, nullptr);
    EXPECT_EQ(n->rightHand, nullptr);
    EXPECT_EQ(n->magicAttack, 5);

    n = npc("leftHand=0\nrightHand=sword\nrightHand=0\n");
    EXPECT_EQ(n->leftHand, nullptr);
    EXPECT_EQ(n->rightHand->id, "sword");
}

TEST_F(NPCHandsTest, RangedWeaponsNeedTheirAmmunition) {
    // A bow alone goes to the inventory, but its bonuses stay.
    auto n = npc("leftHand=bow\n");
    EXPECT_EQ(n->leftHand, nullptr);
    EXPECT_EQ(n->rightHand, nullptr);
    EXPECT_EQ(ids(n->inventory), Ids{"bow"});
    EXPECT_EQ(n->bowSkill, 20);
    EXPECT_EQ(n->attack, 5);

    n = npc("leftHand=bow\nrightHand=arrows\n");
    EXPECT_EQ(n->leftHand->id, "bow");
    EXPECT_EQ(n->rightHand->id, "arrows");
    EXPECT_TRUE(n->inventory.empty());
    EXPECT_EQ(n->attack, 20);  // 17 + 17 * 20 / 100

    n = npc("leftHand=crossbow\nrightHand=arrows\n[Inventory]\nring\n");
    EXPECT_EQ(n->leftHand, nullptr);
    EXPECT_EQ(n->rightHand, nullptr);
    EXPECT_EQ(ids(n->inventory), (Ids{"ring", "crossbow", "arrows"}));

    n = npc("rightHand=crossbow\nleftHand=bolts\n");
    EXPECT_EQ(n->rightHand->id, "crossbow");
    EXPECT_EQ(n->leftHand->id, "bolts");

    n = npc("rightHand=bow\nleftHand=sword\n");
    EXPECT_EQ(ids(n->inventory), (Ids{"sword", "bow"}));
    EXPECT_EQ(n->leftHand, nullptr);
    EXPECT_EQ(n->rightHand, nullptr);

    n = npc("rightHand=crossbow\n");
    EXPECT_EQ(ids(n->inventory), Ids{"crossbow"});

    // Ammunition without a weapon stays where it is.
    n = npc("rightHand=arrows\n");
    EXPECT_EQ(n->rightHand->id, "arrows");
    EXPECT_TRUE(n->inventory.empty());
}

TEST_F(NPCHandsTest, DamageRunesAreMirroredAndNeedARuneBeside) {
    auto n = npc("leftHand=fire\n");
    ASSERT_NE(n->rightHand, nullptr);
    EXPECT_EQ(n->rightHand->id, "fire");
    EXPECT_EQ(n->leftHand, n->rightHand);
    EXPECT_EQ(n->magicAttack, 16);

    // Two different runes: each mirror overwrites, the last one fills both hands.
    n = npc("leftHand=fire\nrightHand=frost\n");
    EXPECT_EQ(n->leftHand->id, "frost");
    EXPECT_EQ(n->rightHand, n->leftHand);

    // A sword put beside a rune breaks the pair: both go to the inventory.
    n = npc("leftHand=fire\nrightHand=sword\n");
    EXPECT_EQ(n->leftHand, nullptr);
    EXPECT_EQ(n->rightHand, nullptr);
    EXPECT_EQ(ids(n->inventory), (Ids{"fire", "sword"}));
    EXPECT_EQ(n->attack, 5);
    EXPECT_EQ(n->magicAttack, 5);
}

TEST_F(NPCHandsTest, AlwaysStartsUnhurtWhateverItWears) {
    writeItem(world, "cursed", "type=helmet\nmaxHP=-150\nmaxMP=-100\n");
    auto n = npc("helmet=cursed\ncondition=20\n");
    EXPECT_EQ(n->maxHP, 250);
    EXPECT_EQ(n->HP, 250);
    EXPECT_EQ(n->maxMP, -20);
    EXPECT_EQ(n->MP, -20);
}
