// The shipped quest givers, asked what the village still needs: through the
// game's own conversation record, each names the first trouble still open,
// and once all five are done says that was the last and bids goodbye.
#include "characters/Player.h"
#include "quests/Dialogue.h"
#include "support/TestWorld.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const char* const kAskMore = "Is there anything else the village needs?";
// What the player answers for each trouble that is done, in the givers' order.
const char* const kDone[] = {"Tomas's children have their warm coats.", "The bandit camp is broken.",
                             "Ilse has her moonstone back.", "The dead in the chapel yard lie still.",
                             "And the chapel bell rings again."};

struct Asked {
    const char* giver;
    const char* topic;  // how things stand since its own quest was done
    std::vector<int32_t> done;
    const char* lastWords;  // the speech the chain ends on, its beginning
};

class ShippedEnding : public ::testing::Test {
protected:
    ShippedEnding() { world.copyShippedData(); }

    // Chooses the shown answer with that text; false when it is not shown.
    static bool answer(Dialogue& talk, Player& player, const std::string& text) {
        talk.buildNode(player);
        for (size_t i = 0; i < talk.options.size(); ++i)
            if (talk.options[i].text == text) {
                talk.chooseOption(static_cast<int32_t>(i) + 1);
                talk.buildNode(player);
                return true;
            }
        return false;
    }

    SdlSession sdl;
    TempWorld world;
};

TEST_F(ShippedEnding, EveryGiverNamesWhatIsLeftAndSaysGoodbyeAtTheEnd) {
    const Asked cases[] = {
        {"villager", "How are the children?", {0, 1, 2, 3, 4}, "Then that was the last of it."},
        {"merchant", "Is business better now?", {2, 0, 1, 3, 4}, "Then that was the last of it."},
        {"guard", "Is the road safer now?", {1, 3, 4, 0, 2}, "Then that was the last of it."},
        {"farmer", "Does the bell ring again?", {3, 4, 0, 1, 2}, "Then that was the last of it."},
        {"guard", "Is the road safer now?", {0, 1, 3, 4}, "Ilse the merchant still waits for the moonstone"},
        {"merchant", "Is business better now?", {0, 1, 2, 3}, "Old Marek still misses the chapel bell"},
        {"farmer", "Are the dead at rest now?", {0, 1, 2, 3}, "My chapel bell still hangs silent"},
        {"villager", "How are the children?", {0}, "Guard Bren at the east gate still wants"},
    };
    for (const Asked& c : cases) {
        SCOPED_TRACE(std::string(c.giver) + ", " + c.lastWords);
        std::vector<ItemRef> carried;
        Dialogue talk(carried);
        talk.open(std::string("data\\characters\\") + c.giver + "\\" + c.giver + ".dg");
        Player player(0, 0, "Gracz");
        player.doneQuests = c.done;
        ASSERT_TRUE(answer(talk, player, c.topic));
        ASSERT_TRUE(answer(talk, player, kAskMore));
        for (const char* done : kDone)
            if (!answer(talk, player, done)) {
                ASSERT_TRUE(answer(talk, player, "What is still to be done?"));
                break;
            }
        EXPECT_EQ(talk.speech.compare(0, std::string(c.lastWords).size(), c.lastWords), 0) << talk.speech;
    }
}

}  // namespace
