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

TEST_F(TextPanelsTest, ARowTooWideLosesWholeWordsDownToItsNumber) {
    TTF_Font* font = ui().mediumFont;
    ASSERT_NE(font, nullptr);
    const std::string wide(60, 'W');
    ASSERT_GT(textWidth(font, "1. " + wide), 405);
    const struct {
        const char* what;
        std::string name;
        std::string row;  // "" for: the number, then letters of the name, then "..."
    } cases[] = {
        {"a row that fits stays whole", "Wolf pelts for Tomas", "1. Wolf pelts for Tomas"},
        {"one word more than needed goes, even the blank after the number", "Go " + wide, "1...."},
        {"two short words before the wide one: one of them stays", "Go on " + wide, "1. Go..."},
        {"a name without a blank loses letters", wide, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string row = shortenRow(font, "1. ", c.name, 405);
        if (!c.row.empty()) {
            EXPECT_EQ(row, c.row);
            continue;
        }
        EXPECT_EQ(row.compare(0, 4, "1. W"), 0) << row;
        EXPECT_EQ(row.substr(row.size() - 3), "...");
        EXPECT_LE(textWidth(font, row.substr(0, row.size() - 3)), 405);
    }
}

TEST_F(TextPanelsTest, AnotherQuestSelectedKeepsTheJournalScroll) {
    std::string longText;
    for (int i = 0; i < 40; ++i) longText += "The wolves came again last night. ";
    game->player->quests.push_back(Quest{0, 0, "First", longText});
    game->player->quests.push_back(Quest{1, 0, "Second", longText + "And more."});
    press(SDLK_t);
    click(300, 175);  // the first row
    run();
    ASSERT_TRUE(ui().descriptionDownArrow);
    click(630, 399);  // the journal one line down
    click(300, 190);  // the second row
    run();
    const std::string& last = ui().descriptionLines.back();
    EXPECT_EQ(last.substr(last.size() - 9), "And more.") << "the second quest's journal";
    EXPECT_EQ(ui().descriptionScroll, 1);
}

TEST_F(TextPanelsTest, AFinishedQuestsJournalLeavesWithItEvenWhenNotSelected) {
    game->player->quests.push_back(Quest{4, 1, "The chapel bell", "Bring the bell back to Marek."});
    press(SDLK_t);
    click(300, 175);
    run();
    ASSERT_EQ(ui().descriptionLines, std::vector<std::string>{"Bring the bell back to Marek."});
    press(SDLK_t);  // closed: the selection is forgotten, the text kept
    run();
    game->player->quests.clear();  // the bell handed in
    game->player->doneQuests.push_back(4);
    press(SDLK_t);
    run();
    EXPECT_TRUE(ui().descriptionLines.empty());

    // Still kept while its quest is in the list, selected or not.
    game->player->quests.push_back(Quest{0, 0, "Wolf pelts", "Three pelts."});
    click(300, 175);
    press(SDLK_t);
    press(SDLK_t);
    run();
    EXPECT_EQ(ui().selectedQuestRow, -1);
    EXPECT_EQ(ui().descriptionLines, std::vector<std::string>{"Three pelts."});
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
