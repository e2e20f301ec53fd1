#include "ui/InterfaceFixture.h"

#include <filesystem>

using namespace colours;

namespace {

// Builds an interface while capturing what it writes to standard output.
std::string outputOfConstruction(std::unique_ptr<Interface>& made, Player* player, SDL_Surface* screen) {
    testing::internal::CaptureStdout();
    made = std::make_unique<Interface>(player, screen);
    return testing::internal::GetCapturedStdout();
}

}  // namespace

TEST_F(InterfaceTest, FontAndBitmapsLoadWithoutAWord) {
    EXPECT_EQ(outputOfConstruction(interface, player.get(), sdl.screen), "");
    EXPECT_TRUE(interface->smallFont);
    EXPECT_TRUE(interface->mediumFont);
    EXPECT_TRUE(interface->largeFont);
    EXPECT_TRUE(interface->plusImage);
    EXPECT_TRUE(interface->tradeIcon);
    // Bitmaps this folder lacks stay null, silently.
    EXPECT_FALSE(interface->questPanel);
    EXPECT_FALSE(interface->arrows);
}

TEST_F(InterfaceTest, MissingOrDamagedFontIsReportedOnceAndNoTextIsDrawn) {
    writeCharacter("wolf", "name=Wolf\n", false);
    NPC wolf(6, 5, "wolf");
    const std::string failure = "Loading file: \"data\\comic.ttf\" FAILURE\n";
    for (const bool damaged : {false, true}) {
        SCOPED_TRACE(damaged ? "damaged" : "missing");
        std::filesystem::remove(world.root() + "/data/comic.ttf");
        if (damaged) world.write("data/comic.ttf", "not a font at all");
        EXPECT_EQ(outputOfConstruction(interface, player.get(), sdl.screen), failure);
        EXPECT_FALSE(interface->smallFont);
        EXPECT_FALSE(interface->mediumFont);
        EXPECT_FALSE(interface->largeFont);

        // Everything with text in it still draws its pictures.
        interface->statsShown = true;
        player->attributePoints = 3;
        player->target = &wolf;
        drawFrame();
        EXPECT_EQ(at(25, 295), kStatsPanel);
        EXPECT_EQ(at(212, 338), kPointsBox);
        EXPECT_EQ(at(696, 251), kNpcPanel);
        EXPECT_FALSE(anyPixel(kText, 20, 290, 300, 210));
        EXPECT_FALSE(anyPixel(kText, 695, 250, 100, 30));
    }
}

TEST_F(InterfaceTest, DrawClosesPanelsThatLostTheirSubject) {
    writeCharacter("smith", "agression=0\n", true);
    writeCharacter("wolf", "", true);
    NPC smith(6, 5, "smith");
    NPC wolf(6, 5, "wolf");
    Corpse corpse("Wolf", "wolf", wolf);
    Interface& in = ui();

    // The search window needs a corpse under the player.
    in.searchShown = true;
    drawFrame(nullptr, &corpse);
    EXPECT_TRUE(in.searchShown);
    drawFrame();
    EXPECT_FALSE(in.searchShown);

    // The dialogue panel needs a peaceful partner with a script.
    player->target = &smith;
    in.toggleDialogue();
    in.dialoguePartner = smith.serial;
    drawFrame();
    EXPECT_TRUE(in.dialogueShown);
    EXPECT_EQ(in.dialoguePartner, smith.serial);
    player->target = &wolf;
    drawFrame();
    EXPECT_FALSE(in.dialogueShown);
    EXPECT_EQ(in.dialoguePartner, -1);
    in.toggleDialogue();
    player->target = nullptr;
    drawFrame();
    EXPECT_FALSE(in.dialogueShown);

    // Closing either text panel forgets its binding.
    player->target = &smith;
    in.toggleDialogue();
    in.dialoguePartner = smith.serial;
    in.toggleDialogue();
    EXPECT_FALSE(in.dialogueShown);
    EXPECT_EQ(in.dialoguePartner, -1);
    in.toggleQuestLog();
    EXPECT_TRUE(in.questLogShown);
    in.selectedQuestRow = 2;
    in.questLogScroll = 1;
    in.toggleQuestLog();
    EXPECT_FALSE(in.questLogShown);
    EXPECT_EQ(in.selectedQuestRow, -1);
    EXPECT_EQ(in.questLogScroll, 1);
}
