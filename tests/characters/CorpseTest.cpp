#include "characters/Corpse.h"

#include "characters/NPC.h"
#include "support/ItemFiles.h"
#include "support/TestWorld.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

struct CorpseTest : ::testing::Test {
    TempWorld world;
    SdlSession sdl;
};

}  // namespace

TEST_F(CorpseTest, HoldsInventoryThenWornItemsInSlotOrder) {
    for (auto [id, type] : {std::pair<const char*, const char*>{"mail", "armor"}, {"cap", "helmet"}, {"band", "ring"},
                            {"band2", "ring"}, {"pendant", "necklace"}, {"shoes", "boots"}, {"bow", "bow"},
                            {"arrows", "arrow"}, {"bread", "mixtureHP"}, {"potion", "mixtureHP"}})
        writeItem(world, id, std::string("type=") + type + "\n");
    // The file names the slots in the reverse of the order the corpse takes them.
    world.write("data\\characters\\ogre\\data.ini",
                "name=Ogre\nboots=shoes\nring2=band2\nring1=band\nnecklace=pendant\nhelmet=cap\narmor=mail\n"
                "rightHand=arrows\nleftHand=bow\n[Inventory]\nbread\npotion\n");
    world.writeBitmap("data\\characters\\ogre\\dead.bmp", 25, 25, 90, 90, 90);

    NPC ogre(1, 1, "ogre");
    Corpse corpse(ogre.name, ogre.id, ogre);
    EXPECT_EQ(corpse.name, "Ogre");
    std::vector<std::string> ids;
    for (const ItemRef& item : corpse.items) ids.push_back(item->id);
    EXPECT_EQ(ids, (std::vector<std::string>{"bread", "potion", "mail", "bow", "arrows", "cap", "pendant", "band",
                                             "band2", "shoes"}));
    EXPECT_EQ(corpse.items[3], ogre.leftHand);  // the same item, not a copy
    ASSERT_NE(corpse.image, nullptr);
    EXPECT_EQ(corpse.image->w, 25);
}

TEST_F(CorpseTest, ItemInBothHandsIsTakenOnceAndMissingPictureIsNull) {
    writeItem(world, "axe", "type=twohanded\n");
    world.write("data\\characters\\brute\\data.ini", "leftHand=axe\n");
    NPC brute(0, 0, "brute");
    ASSERT_EQ(brute.leftHand, brute.rightHand);
    testing::internal::CaptureStdout();
    Corpse corpse("", brute.id, brute);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    ASSERT_EQ(corpse.items.size(), 1u);
    EXPECT_EQ(corpse.items[0]->id, "axe");
    EXPECT_EQ(corpse.image, nullptr);
}

TEST_F(CorpseTest, ItemsOutliveTheCreatureAndAreFreedWithTheLastHolder) {
    writeItem(world, "sword", "type=onehanded\nname=Blade\n");
    writeItem(world, "bread", "name=Bread\n");
    world.write("data\\characters\\thief\\data.ini", "leftHand=sword\n[Inventory]\nbread\n");
    auto thief = std::make_unique<NPC>(0, 0, "thief");
    std::weak_ptr<Item> sword = thief->leftHand;
    std::weak_ptr<Item> bread = thief->inventory[0];
    auto corpse = std::make_unique<Corpse>("Thief", thief->id, *thief);
    thief.reset();
    ASSERT_FALSE(sword.expired());
    EXPECT_EQ(corpse->items[1]->name, "Blade");

    ItemRef taken = corpse->items[0];  // the player takes the bread
    corpse.reset();
    EXPECT_TRUE(sword.expired());
    ASSERT_FALSE(bread.expired());
    EXPECT_EQ(taken->name, "Bread");
    taken.reset();
    EXPECT_TRUE(bread.expired());
}
