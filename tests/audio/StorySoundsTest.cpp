// What the player hears of the story: a conversation opening, quests
// started, advanced and finished, a level gained.
#include "game/GameFixture.h"

#include "characters/Player.h"
#include "quests/QuestBook.h"
#include "support/MapFiles.h"
#include "support/RecordingSpeaker.h"
#include "ui/Interface.h"

namespace {

class StorySoundsTest : public GameTest {
protected:
    StorySoundsTest() {
        world.copyShippedData("GUI");
        world.copyShippedData("comic.ttf");
        writeCharacter(world, "elder", "agression=0\n");
        world.write("data\\characters\\elder\\elder.dg",
                    "0|\"Help us.\";startQuest(0)|\"I will.\";next(1)\n1|\"Thank you.\";increaseQuest(0)\n");
        world.write("data\\quests\\questlist.dat", "Wolves\n");
        world.write("data\\quests\\Wolves.dat", "Hunt the wolves.\n");
        world.write("data\\quest\\Wolves.dat", "Hunt the wolves.\nTell the elder.\n");
        MapFiles field = grassMap(20, 20);
        field.npcs = {"10:11|elder"};
        writeMap(world, "field", field);
        writeStart("field 10 10");
        game = startGame();
    }
    ~StorySoundsTest() override { game.reset(); }

    RecordingSpeaker speaker;
    std::unique_ptr<Game> game;
};

TEST_F(StorySoundsTest, AConversationIsHeardOpeningOnceAndItsQuestAsItGoes) {
    Interface& ui = *game->interface;
    ui.toggleDialogue();
    game->frame();
    EXPECT_EQ(speaker.take(), "talk quest-start") << "the first node starts the quest";
    game->frame();
    EXPECT_EQ(speaker.take(), "") << "still the same conversation";

    ui.toggleDialogue();
    game->frame();
    EXPECT_EQ(speaker.take(), "") << "closed";
    ui.toggleDialogue();
    game->frame();
    EXPECT_EQ(speaker.take(), "talk") << "opened again: its first node was built already";
}

TEST_F(StorySoundsTest, AQuestStartsAdvancesAndEndsEachWithItsOwnSound) {
    Player& hero = *game->player;
    increaseQuest(0, hero);
    EXPECT_EQ(speaker.take(), "") << "a quest the player doesn't have";
    startQuest(0, hero);
    EXPECT_EQ(speaker.take(), "quest-start");
    increaseQuest(0, hero);
    EXPECT_EQ(speaker.take(), "quest-advance");
    increaseQuest(0, hero);
    EXPECT_EQ(speaker.take(), "quest-done");
    EXPECT_TRUE(hasFinishedQuest(hero, 0));
}

TEST_F(StorySoundsTest, ALevelGainedIsHeardOnceHoweverManyLevelsAtOnce) {
    Player& hero = *game->player;
    hero.checkLevelUp();
    EXPECT_EQ(speaker.take(), "") << "no experience, no level";
    const int32_t level = hero.level;
    hero.exp = 100000;
    hero.checkLevelUp();
    EXPECT_GT(hero.level, level + 1);
    EXPECT_EQ(speaker.take(), "level-up");
}

}  // namespace
