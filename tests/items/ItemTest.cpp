#include "items/Item.h"

#include "support/ItemFiles.h"
#include "support/TestWorld.h"

#include <gtest/gtest.h>

namespace {

struct ItemTest : ::testing::Test {
    TempWorld world;
    SdlSession sdl;
};

const char* const kNumericKeys[] = {
    "HP",        "maxHP",        "MP",       "maxMP",        "attack",    "magicAttack",          "defense",
    "magicDefense", "criticalChance", "strength", "dexterity", "condition", "intelligence",        "willpower",
    "charisma",  "oneHandedWeaponSkill", "twoHandedWeaponSkill", "bowSkill", "crossbowSkill", "amount",
};

std::vector<uint32_t> numbersOf(const Item& item) {
    return {item.HP,        item.maxHP,        item.MP,        item.maxMP,     item.attack,
            item.magicAttack, item.defense,    item.magicDefense, item.criticalChance, item.strength,
            item.dexterity, item.condition,    item.intelligence, item.willpower, item.charisma,
            item.oneHandedWeaponSkill, item.twoHandedWeaponSkill, item.bowSkill, item.crossbowSkill, item.amount};
}

}  // namespace

TEST_F(ItemTest, ReadsNameTypeAndNumbersWithPictureAndNoLog) {
    writeItem(world, "sword", "name=Short sword\ntype=onehanded\nattack=7\n");
    testing::internal::CaptureStdout();
    Item sword("sword");
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");

    EXPECT_EQ(sword.id, "sword");
    EXPECT_EQ(sword.name, "Short sword");
    EXPECT_EQ(sword.type, kOneHanded);
    EXPECT_EQ(sword.imagePath, "data\\items\\sword\\sword.bmp");
    ASSERT_NE(sword.image, nullptr);
    EXPECT_EQ(sword.image->w, 32);
    EXPECT_EQ(sword.missileImage, nullptr);
    std::vector<uint32_t> expected(20, 0);
    expected[4] = 7;
    EXPECT_EQ(numbersOf(sword), expected);
}

TEST_F(ItemTest, EveryNumericKeyFillsItsOwnFieldAndBonusesKeepAttributeOrder) {
    std::string ini;
    for (int i = 0; i < 20; ++i) ini += std::string(kNumericKeys[i]) + "=" + std::to_string(100 + i) + "\n";
    writeItem(world, "all", ini);
    Item all("all");
    std::vector<uint32_t> expected;
    for (uint32_t i = 0; i < 20; ++i) expected.push_back(100 + i);
    EXPECT_EQ(numbersOf(all), expected);
    for (int i = 0; i < Item::kAttributeCount; ++i) EXPECT_EQ(all.attributeBonus(i), 109u + i) << i;
    EXPECT_EQ(all.attributeBonus(-1), 0u);
    EXPECT_EQ(all.attributeBonus(10), 0u);
}

TEST_F(ItemTest, TypeKeywordsAreExact) {
    const char* keywords[] = {"onehanded", "twohanded", "bow",   "crossbow", "mixtureHP", "mixtureMP", "armor",  "helmet",
                              "necklace",  "ring",      "boots", "arrow",    "carrow",    "healRune",  "dmgRune"};
    for (int code = 1; code <= 15; ++code) {
        writeItem(world, "t", std::string("type=") + keywords[code - 1] + "\n", false);
        testing::internal::CaptureStdout();
        EXPECT_EQ(Item("t").type, code) << keywords[code - 1];
        testing::internal::GetCapturedStdout();
    }
    writeItem(world, "capital", "type=Bow\n");
    EXPECT_EQ(Item("capital").type, kNoType);
    // An unknown keyword keeps an earlier one; a blank after the keyword makes it unknown.
    writeItem(world, "kept", "type=bow\ntype=Bow\ntype=ring \n");
    EXPECT_EQ(Item("kept").type, kBow);
}

TEST_F(ItemTest, NumbersFollowTheLineConventions) {
    writeItem(world, "odd",
              "HP=-20\n"
              "attack=5\nattack=9\n"
              "maxHP = 10\n"
              "MP=+7\n"
              "defense=7x\n"
              "magicAttack=4\nmagicAttack=high\n"
              "criticalChance=  12\n"
              "amount=99999999999\n"
              "strength\n"
              "name=a=b\n");
    Item odd("odd");
    EXPECT_EQ(odd.HP, 4294967276u);  // pattern of -20
    EXPECT_EQ(odd.attack, 9u);
    EXPECT_EQ(odd.maxHP, 0u);
    EXPECT_EQ(odd.MP, 7u);
    EXPECT_EQ(odd.defense, 7u);
    EXPECT_EQ(odd.magicAttack, 4u);
    EXPECT_EQ(odd.criticalChance, 12u);
    EXPECT_EQ(odd.amount, 4294967295u);  // saturates like the stream
    EXPECT_EQ(odd.strength, 0u);
    EXPECT_EQ(odd.name, "a=b");
}

TEST_F(ItemTest, CrLfFileReadsLikeLfFile) {
    writeItem(world, "crlf", "name=Bow\r\ntype=bow\r\nattack=12\r\n");
    Item item("crlf");
    EXPECT_EQ(item.name, "Bow");
    EXPECT_EQ(item.type, kBow);
    EXPECT_EQ(item.attack, 12u);
}

TEST_F(ItemTest, MissingFilesAreLoggedPictureFirst) {
    testing::internal::CaptureStdout();
    Item ghost("ghost");
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "Loading file:  \"data\\items\\ghost\\ghost.bmp\" FAILURE\n"
              "Loading file: \"data\\items\\ghost\\data.ini\" FAILURE\n");
    EXPECT_EQ(ghost.image, nullptr);
    EXPECT_EQ(ghost.type, kNoType);
    EXPECT_EQ(numbersOf(ghost), std::vector<uint32_t>(20, 0));

    writeItem(world, "nopicture", "name=Plain\n", false);
    testing::internal::CaptureStdout();
    Item plain("nopicture");
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "Loading file:  \"data\\items\\nopicture\\nopicture.bmp\" FAILURE\n");
    EXPECT_EQ(plain.name, "Plain");
}

TEST_F(ItemTest, MissilePictureIsLoadedSilentlyAndReplacedByALaterLine) {
    world.writeBitmap("data\\missiles\\arrow.bmp", 5, 7, 0, 0, 0);
    world.writeBitmap("data\\missiles\\bolt.bmp", 9, 3, 0, 0, 0);
    writeItem(world, "bow", "missileName=arrow\ntype=bow\nmissileName=bolt\n");
    Item bow("bow");
    ASSERT_NE(bow.missileImage, nullptr);
    EXPECT_EQ(bow.missileImage->w, 9);

    writeItem(world, "lostbow", "missileName=nothing\n");
    testing::internal::CaptureStdout();
    Item lost("lostbow");
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    EXPECT_EQ(lost.missileImage, nullptr);
}
