// The game's sound written by SDL's disk driver instead of a sound card: a
// fight is heard, and after m nothing is, while the game goes on and says
// nothing more than it always has.
#include "support/DiskSound.h"
#include "support/RealWindow.h"

#include <cstdio>

namespace {

// A sparring partner below the start, where the new player looks: it never
// dies and its own blows always miss, so every key press is a blow heard.
class RealWindowSound : public RealWindow {
protected:
    void adjustWorld() override {
        addCreature("dummy", "name=Dummy\nagression=0\nexp=0\ncondition=100000\ndexterity=-1000\n", "25:20");
        // The village without its music: whatever is heard there is the fight.
        std::remove((world.root() + "/data/maps/village/music.ogg").c_str());
    }
    void launch() override {
        game = std::make_unique<GameProcess>(x, world.root(), RPG_BINARY, sound.environment());
        findWindow();
    }
    size_t written() const { return sound.written(); }
    int loudest(size_t from, size_t to) const { return sound.loudest(from, to); }

    DiskSound sound{world.root() + "/sound.raw"};
};

}  // namespace

TEST_F(RealWindowSound, AFightIsHeardAndAfterMNothingIs) {
    EXPECT_GT(written(), 0u) << "the disk driver writes from the start";
    startNewGame();
    pause(2000);  // the title's music fades out
    const size_t quietFrom = written();
    pause(1000);
    const size_t fightFrom = written();
    EXPECT_EQ(loudest(quietFrom, fightFrom), 0) << "a village without music, nobody fighting";

    xdotool("windowfocus --sync " + window + " key --delay 1100 a a a a");
    pause(500);
    const size_t fightTo = written();
    EXPECT_GT(loudest(fightFrom, fightTo), 3000) << "blows are heard (about -20 dB and up)";

    xdotool("key m");
    pause(500);
    const size_t mutedFrom = written();
    xdotool("key --delay 1100 a a a a");
    pause(500);
    const size_t mutedTo = written();
    EXPECT_GT(mutedTo - mutedFrom, 4u * 22050u) << "the game goes on writing its (silent) sound";
    EXPECT_EQ(loudest(mutedFrom, mutedTo), 0);

    EXPECT_FALSE(stateAtTheMenu().empty());
    quitFromTheMenu();
    EXPECT_EQ(game->output(), "Loading SDL\n");
}
