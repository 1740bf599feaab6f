#include <gtest/gtest.h>

#include "player/logic/Placement.h"
#include "player/logic/RegionRuns.h"

using namespace player;

TEST(Placement, EveryCodeAndTheClamps) {
    const int x5 = 56, y5 = 42;  // (1024 / 2 - 400) / 2, (768 / 2 - 300) / 2
    const int expected[][3] = {{0, 312, 234}, {1, 0, 0}, {2, 624, 0}, {3, 0, 468}, {4, 624, 468}, {5, x5, y5},
                               {6, 512 + x5, y5}, {7, x5, 384 + y5}, {8, 512 + x5, 384 + y5}, {9, 208, y5},
                               {10, 375, y5}, {11, 312, 234}, {-3, 312, 234}};
    for (const auto& c : expected) {
        const WindowPos pos = PositionWindow(c[0], 1024, 768, 400, 300);
        EXPECT_TRUE(pos.left == c[1] && pos.top == c[2]) << c[0];
    }
    // Code 5 goes negative and comes back to 0; code 8 reaches past the right
    // and bottom edges and is pulled back; a picture larger than the screen
    // ends at W - w because the right/bottom clamp comes last.
    EXPECT_EQ(PositionWindow(5, 1024, 768, 700, 500).left, 0);
    EXPECT_EQ(PositionWindow(8, 1024, 768, 700, 500).top, 768 - 500);
    EXPECT_EQ(PositionWindow(1, 800, 600, 1000, 700).left, -200);
}

TEST(RegionRuns, RowsRunsAndDamagedText) {
    // Runs in rows 1 and 3 only; row 2 stays whole.
    const RegionRuns r = ParseWinRgnString("00100005" "00000002" "Y0003" "00040007" "00090010");
    ASSERT_TRUE(r.valid && !r.malformed);
    EXPECT_EQ(r.width * 100 + r.height, 1005);
    std::vector<std::vector<int>> holes;
    for (const RegionRect& h : r.holes) holes.push_back({h.left, h.top, h.right, h.bottom});
    EXPECT_EQ(holes, (std::vector<std::vector<int>>{{0, 0, 2, 1}, {4, 2, 7, 3}, {9, 2, 10, 3}}));

    EXPECT_FALSE(ParseWinRgnString("null").valid);
    for (const char* bad : {"", "0003", "00x30002"}) EXPECT_TRUE(ParseWinRgnString(bad).malformed) << bad;
    // Damage after good runs keeps the runs before it.
    for (const char* text : {"0003000200000001Y00", "0003000200000001ZZZZ0001", "000300020000000"}) {
        const RegionRuns cut = ParseWinRgnString(text);
        EXPECT_TRUE(cut.valid && cut.malformed && cut.holes.size() <= 1) << text;
    }
}
