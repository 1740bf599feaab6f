// The Menu Properties rules: each position option sits where the player
// puts a window of that position, the saved background's name, the rate
// accepted, the text box's background and the preview's fit.
#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "editor/logic/MenuPropsRules.h"
#include "player/logic/Placement.h"

namespace {

using namespace editor;

TEST(MenuPropsRules, PositionOptionsFollowThePlayersPlacementAndDoNotOverlap) {
    std::set<std::pair<int, int>> seen;
    for (int k = 0; k < kScreenPositionCount; ++k) {
        const player::WindowPos pos =
            player::PositionWindow(k, kMonitorScreenWidth, kMonitorScreenHeight, kPositionOptionSize, kPositionOptionSize);
        EXPECT_EQ(PositionSpot(k), (SpotPos{pos.left, pos.top})) << k;
        for (int j = 0; j < k; ++j) {
            const SpotPos a = PositionSpot(j);
            const SpotPos b = PositionSpot(k);
            const bool apart = a.X + kPositionOptionSize <= b.X || b.X + kPositionOptionSize <= a.X ||
                               a.Y + kPositionOptionSize <= b.Y || b.Y + kPositionOptionSize <= a.Y;
            EXPECT_TRUE(apart) << j << " and " << k;
        }
    }
    EXPECT_STREQ(ScreenPositionText(0), "Middle of Screen");
    EXPECT_STREQ(ScreenPositionText(10), "Upper Middle Right");
    EXPECT_EQ(PositionSpot(11), PositionSpot(0));
}

TEST(MenuPropsRules, SavedBackgroundNameCutsOnlyTheFileNamesExtension) {
    EXPECT_EQ(BackImageSaveName("C:\\My.Pics\\photo.jpg"), "C:\\My.Pics\\photo.bmp");
    EXPECT_EQ(BackImageSaveName("C:\\My.Pics\\picture"), "C:\\My.Pics\\picture.bmp");
    EXPECT_EQ(BackImageSaveName("C:\\a\\b.c.d"), "C:\\a\\b.bmp");
    EXPECT_EQ(BackImageSaveName("C:\\a\\x.bmp"), "C:\\a\\x.bmp");
    EXPECT_EQ(BackImageSaveName("C:\\a\\x.BMP"), "C:\\a\\x.bmp");
}

TEST(MenuPropsRules, RateTextAndTextBoxBackground) {
    EXPECT_EQ(ParseAnimationRate(" 250 "), 250);
    EXPECT_EQ(ParseAnimationRate("+1"), 1);
    EXPECT_EQ(ParseAnimationRate("$10"), 16);
    for (const char* bad : {"", "0", "-5", "1.5", "-$10", "fast", "99999999999"})
        EXPECT_FALSE(ParseAnimationRate(bad)) << bad;
    EXPECT_EQ(TextBoxBackFor(0xFFFFFF), 0u);
    EXPECT_EQ(TextBoxBackFor(0x00FF00), 0u);         // green is light
    EXPECT_EQ(TextBoxBackFor(0xFF0000), 0xFFFFFFu);  // blue is dark
    EXPECT_EQ(TextBoxBackFor(0x000000), 0xFFFFFFu);
}

TEST(MenuPropsRules, PreviewCentresSmallPicturesAndFitsLargeOnesKeepingTheirShape) {
    EXPECT_EQ(FitPreview(100, 50, 463, 207), (PreviewRect{181, 78, 100, 50}));
    EXPECT_EQ(FitPreview(1920, 1080, 463, 207), (PreviewRect{47, 0, 368, 207}));
    EXPECT_EQ(FitPreview(1600, 400, 463, 207), (PreviewRect{0, 46, 463, 115}));
    EXPECT_EQ(FitPreview(463, 10, 463, 207), (PreviewRect{0, 98, 463, 10}));
    EXPECT_EQ(FitPreview(0, 10, 463, 207), PreviewRect{});
}

}  // namespace
