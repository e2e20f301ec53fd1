// The quest log and the dialogue panel in a running game, driven with keys
// and clicks pushed through SDL; the word wrap measured with the real font.
#include "app/AppState.h"
#include "app/GameLoop.h"
#include "characters/NPC.h"
#include "characters/Player.h"
#include "game/GameFixture.h"
#include "support/Events.h"
#include "ui/Interface.h"
#include "ui/TextWrap.h"
#include "world/Map.h"

#include <algorithm>

namespace {

class TextPanelsTest : public GameTest {
protected:
    TextPanelsTest() {
        for (const char* who : {"alice", "bob"}) {
            writeCreature(who, 60, false);
            world.write(std::string("data\\characters\\") + who + "\\" + who + ".dg",
                        std::string("0|\"I am ") + who + ".\";giveExp(10)|\"More?\";next(1)|\"Quest?\";checkIfQuest(0)\n1|\"Nothing more.\"\n");
        }
        MapFiles field = grassMap(12, 12);
        field.npcs = {"5:4|alice", "6:5|bob"};
        writeMap(world, "field", field);
        writeStart("field 5 5");
        world.write("data\\maps.dat", "field\n");
        game = startGame();
        app.currentGame = game.get();
    }
    ~TextPanelsTest() override {
        app.currentGame = nullptr;
        game.reset();
    }
    void press(SDLKey k) { pushKey(k); }
    void click(int x, int y) { pushClick(x, y); }
    // Carries out what was pushed, a frame after each event, as the loop does.
    void run() {
        SDL_Event event;
        while (SDL_PollEvent(&event)) {
            handleGameEvent(event);
            game->frame();
        }
        game->frame();
    }
    Interface& ui() const { return *game->interface; }
    std::unique_ptr<Game> game;
};

TEST_F(TextPanelsTest, WrappedLinesFitLoseNothingAndEnd) {
    TTF_Font* font = ui().mediumFont;
    ASSERT_NE(font, nullptr);
    const std::string word(200, 'W');
    const struct {
        const char* what;
        std::string text, lead, continuation;
    } cases[] = {
        {"sentences", "The wolves come closer every night, and Tomas wants three pelts as proof that the pack is "
                      "thinned before the first snow falls on the village.", "", ""},
        {"one word wider than the panel", word, "", ""},
        {"an answer, its number and its continuation lines", "Yes " + word + " and more", "1. ", "   "},
        {"line feeds", "First.\n\nSecond.", "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<std::string> lines;
        wrapText(font, c.text, 405, lines, c.lead, c.continuation);
        std::string joined;
        for (size_t i = 0; i < lines.size(); ++i) {
            EXPECT_LE(textWidth(font, lines[i]), 405) << lines[i];
            const std::string prefix = i == 0 ? c.lead : c.continuation;
            ASSERT_EQ(lines[i].compare(0, prefix.size(), prefix), 0);
            joined += lines[i].substr(prefix.size());
        }
        std::string letters = c.text;
        letters.erase(std::remove_if(letters.begin(), letters.end(), [](char ch) { return ch == ' ' || ch == '\n'; }),
                      letters.end());
        joined.erase(std::remove(joined.begin(), joined.end(), ' '), joined.end());
        EXPECT_EQ(joined, letters) << "only blanks and line feeds may go";
        EXPECT_GT(lines.size(), 1u);
    }
}

TEST_F(TextPanelsTest, TheQuestLogScrollsSelectsAndForgetsAFinishedQuest) {
    for (int i = 0; i < 8; ++i)
        game->player->quests.push_back(Quest{i, 0, "Quest " + std::to_string(i + 1), "Text of " + std::to_string(i + 1)});
    press(SDLK_t);
    run();
    ASSERT_TRUE(ui().questLogDownArrow);
    click(630, 246);  // down
    click(300, 175);  // the first row, now quest 2
    run();
    EXPECT_EQ(ui().questLogScroll, 1);
    EXPECT_EQ(ui().selectedQuestRow, 0);
    ASSERT_FALSE(ui().descriptionLines.empty());
    EXPECT_EQ(ui().descriptionLines[0], "Text of 2");

    game->player->quests[1].description = "Text of 2, moved on";
    run();
    EXPECT_EQ(ui().descriptionLines[0], "Text of 2, moved on");
    game->player->quests.erase(game->player->quests.begin(), game->player->quests.begin() + 7);
    run();
    EXPECT_EQ(ui().selectedQuestRow, -1) << "finished while selected";
    EXPECT_TRUE(ui().descriptionLines.empty());
}

TEST_F(TextPanelsTest, TheDialogueFollowsThePartnerItFacesAndNumbersAnswer) {
    NPC* alice = dynamic_cast<NPC*>(game->map->fieldAt(5, 4).occupant);
    NPC* bob = dynamic_cast<NPC*>(game->map->fieldAt(6, 5).occupant);
    ASSERT_TRUE(alice && bob);
    press(SDLK_UP);  // turn to alice
    press(SDLK_r);
    run();
    ASSERT_TRUE(ui().dialogueShown);
    EXPECT_EQ(ui().dialogueLines, (std::vector<std::string>{"I am alice.", " ", " ", "1. More?", " "}));
    EXPECT_EQ(game->player->exp, 10);
    press(SDLK_1);
    run();
    EXPECT_EQ(ui().dialogueLines[0], "Nothing more.");
    EXPECT_EQ(ui().dialogueSpeechLines, 3);

    press(SDLK_RIGHT);  // to bob: alice's panel closes
    run();
    EXPECT_FALSE(ui().dialogueShown);
    press(SDLK_r);
    run();
    EXPECT_EQ(ui().dialogueLines[0], "I am bob.");
    EXPECT_EQ(game->player->exp, 20);

    // Back at alice, left at node 1: she starts over at node 0.
    press(SDLK_r);
    press(SDLK_UP);
    press(SDLK_r);
    run();
    EXPECT_EQ(ui().dialogueLines[0], "I am alice.");
    EXPECT_EQ(game->player->exp, 30);
    // Again at node 0, built already: her own lines, without paying twice.
    press(SDLK_RIGHT);
    press(SDLK_r);
    run();
    EXPECT_EQ(ui().dialogueLines[0], "I am bob.") << "bob's own lines, not what the panel showed last";
    game->player->quests.push_back(Quest{0, 0, "Q", ""});
    press(SDLK_r);
    press(SDLK_UP);
    press(SDLK_r);
    run();
    EXPECT_EQ(ui().dialogueLines[0], "I am alice.") << "never bob's lines";
    EXPECT_EQ(ui().dialogueLines.size(), 7u) << "and her answers as things stand now";
    EXPECT_EQ(game->player->exp, 30);
    press(SDLK_5);  // no fifth answer
    run();
    EXPECT_EQ(alice->dialogue.currentNode, 0);
    EXPECT_EQ(bob->dialogue.builtNode, 0);
}

}  // namespace
