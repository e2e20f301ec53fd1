// The pace of passes and of the display, on a clock of the test's own.
#include "support/Pace.h"
#include "util/Canvas.h"
#include "util/PassClock.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

TEST(PassClock, APassSleepsWhatItsWorkLeftOfThePeriodAndNeverLessThanAMillisecond) {
    struct Case {
        uint32_t work;
        uint32_t sleep;
    };
    const Case cases[] = {{0, 6}, {2, 4}, {5, 1}, {6, 1}, {40, 1}, {0, 6}, {3, 3}};
    TestClock clock;
    PassClock passes;
    passes.endPass();  // the first pass has no start to measure from
    for (const Case& c : cases) {
        clock.sleeps.clear();
        clock.now += c.work;
        passes.endPass();
        EXPECT_EQ(clock.sleeps, std::vector<uint32_t>{c.sleep}) << "after " << c.work << " ms of work";
    }
    clock.sleeps.clear();
    clock.now -= 500;  // set back: still a period at most
    passes.endPass();
    EXPECT_EQ(clock.sleeps, std::vector<uint32_t>{PassClock::kPeriod});
}

namespace {

// A scene whose picture is one small square at a column the test sets; each
// picture sent is recorded with the column it showed and when.
class ScreenUpdatesTest : public testing::Test {
protected:
    ScreenUpdatesTest()
        : screen(SDL_CreateRGBSurface(SDL_SWSURFACE, 100, 10, 32, 0xff0000, 0xff00, 0xff, 0), SDL_FreeSurface),
          square(SDL_CreateRGBSurface(SDL_SWSURFACE, 5, 5, 32, 0xff0000, 0xff00, 0xff, 0), SDL_FreeSurface),
          updates([this](SDL_Surface*) { sent.push_back({clock.now, column}); }) {}

    // One pass of 6 ms; the square is painted only if the pass paints.
    void pass() {
        updates.composePass(screen.get(), [this] {
            painted.push_back(canvas::painting());
            canvas::blit(square.get(), nullptr, screen.get(), column, 0);
        });
        clock.now += PassClock::kPeriod;
    }

    struct Sent {
        uint32_t at;
        int column;
    };
    TestClock clock;
    std::unique_ptr<SDL_Surface, void (*)(SDL_Surface*)> screen, square;
    ScreenUpdates updates;
    int column = 0;
    std::vector<Sent> sent;
    std::vector<bool> painted;
};

}  // namespace

TEST_F(ScreenUpdatesTest, AMovingSceneIsSentAtMostOnceARefreshAndEveryStateWithinOne) {
    constexpr uint32_t kRefresh = 1000 / ScreenUpdates::kDefaultRefreshRate + 1;
    std::vector<std::pair<uint32_t, int>> states;  // when each column began
    for (int k = 0; k < 300; ++k) {
        if (k % 7 != 3) ++column;  // moves most passes, now and then holds still
        states.push_back({clock.now, column});
        pass();
    }
    ASSERT_GT(sent.size(), 90u);
    for (size_t i = 1; i < sent.size(); ++i) EXPECT_GE(sent[i].at - sent[i - 1].at, kRefresh - 1) << i;
    // A refresh after any state began, the display shows it or a later one.
    for (auto [began, col] : states) {
        if (began + kRefresh > sent.back().at) break;
        int showing = -1;
        for (const Sent& s : sent)
            if (s.at <= began + kRefresh) showing = s.column;
        EXPECT_GE(showing, col) << "the state of " << began << " ms was not on the display a refresh later";
    }
}

TEST_F(ScreenUpdatesTest, AStillSceneIsPaintedAndSentOnceAndAChangeSoonAfter) {
    for (int k = 0; k < 50; ++k) pass();
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(std::count(painted.begin(), painted.end(), true), 1);

    column = 40;
    const uint32_t moved = clock.now;
    for (int k = 0; k < 3; ++k) pass();
    ASSERT_EQ(sent.size(), 2u);
    EXPECT_EQ(sent[1].column, 40);
    EXPECT_LE(sent[1].at - moved, PassClock::kPeriod) << "a still display takes a change at the next pass";

    // The display lost its picture: the same scene goes out again once.
    updates.invalidate();
    for (int k = 0; k < 10; ++k) pass();
    EXPECT_EQ(sent.size(), 3u);
}

TEST_F(ScreenUpdatesTest, AMenusPictureWaitsForItsRefreshAndTheGameIsShownAgainAfterIt) {
    pass();
    ASSERT_EQ(sent.size(), 1u);
    column = 99;  // stands for a menu drawn over the game
    updates.present(screen.get());
    EXPECT_EQ(sent.size(), 1u) << "too soon after the last picture";
    clock.now += 20;
    updates.flushDue(screen.get());
    ASSERT_EQ(sent.size(), 2u);
    updates.flushDue(screen.get());
    EXPECT_EQ(sent.size(), 2u) << "sent once";

    // Back in the game: the same game picture as before the menu is sent anew.
    column = 0;
    clock.now += 20;
    pass();
    pass();
    ASSERT_EQ(sent.size(), 3u);
    EXPECT_EQ(sent[2].column, 0);
}
