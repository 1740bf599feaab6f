#include <gtest/gtest.h>

#include <set>

#include "player/logic/Animation.h"

using namespace player;

namespace {

// Frames shown on successive ticks from frame 0 counting up ("stay" = skipped).
std::vector<std::string> Shown(int mode, int last, int ticks) {
    std::vector<std::string> shown;
    int frame = 0, dir = kCountingUp;
    for (int i = 0; i < ticks; ++i) {
        const FrameStep step = StepFrame(mode, frame, last, dir, [] { return 0.99999; });
        if (!step.skip) frame = step.frame, dir = step.dir;
        shown.push_back(step.skip ? "stay" : std::to_string(frame));
    }
    return shown;
}

using V = std::vector<std::string>;

}  // namespace

TEST(Animation, EveryMode) {
    EXPECT_EQ(Shown(amNone, 3, 2), (V{"stay", "stay"}));
    EXPECT_EQ(Shown(amRandom, 3, 1), (V{"3"}));
    EXPECT_EQ(Shown(amScrollOnce, 3, 5), (V{"1", "2", "3", "stay", "stay"}));
    EXPECT_EQ(Shown(amScrollLoop, 2, 4), (V{"1", "2", "0", "1"}));
    EXPECT_EQ(Shown(amCycleOnce, 2, 6), (V{"1", "2", "1", "0", "stay", "stay"}));
    EXPECT_EQ(Shown(amCycleLoop, 2, 7), (V{"1", "2", "1", "0", "1", "2", "1"}));
    EXPECT_EQ(Shown(9, 3, 1), (V{"0"}));  // an unknown mode redraws
    for (int mode = 0; mode <= 5; ++mode) EXPECT_EQ(Shown(mode, 0, 1), (V{"stay"})) << mode;
    EXPECT_EQ(StepFrame(amRandom, 0, 3, kCountingUp, [] { return 1.0; }).frame, 3);
    EXPECT_EQ(NextAccFrame(7, 2), 0);  // carried over from a button with more frames
}

TEST(Animation, CountFramesStopsAtTheFirstGap) {
    // Frame 5 of Up lies after a gap and is not counted.
    const std::set<std::pair<int, int>> pics{{0, 1}, {0, 2}, {0, 3}, {1, 1}, {3, 1}, {3, 2}, {0, 5}};
    EXPECT_EQ(CountFrames([&](int s, int f) { return pics.count({s, f}) > 0; }), (std::array<int, 4>{3, 1, 0, 2}));
    EXPECT_EQ(CountFrames([](int, int) { return true; })[0], kMaxFrameSlot);
}
