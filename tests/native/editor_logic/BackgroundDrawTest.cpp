// The background drawing: bases, borders, banners, title placement and
// shadow, and the aspect lock, on small pictures.
#include <gtest/gtest.h>

#include "editor/logic/BackgroundDraw.h"

using namespace editor;
using forms::Bitmap;

namespace {

uint32_t Px(uint32_t r, uint32_t g, uint32_t b) { return r << 16 | g << 8 | b; }

BackgroundDesign Plain(int w, int h) {
    BackgroundDesign d;
    d.width = w;
    d.height = h;
    d.base = BackBase::Single;
    d.singleColor = 0x204060;  // red 0x60, green 0x40, blue 0x20
    d.border = BackBorder::None;
    d.bannerFill = BannerFill::None;
    return d;
}

TEST(BackgroundBase, SingleColourAndGradientRowsFollowTheirFormulas) {
    BackgroundDesign d = Plain(10, 4);
    Bitmap bmp(10, 4);
    DrawBaseFill(bmp, d);
    EXPECT_EQ(bmp.Pixel(9, 3), Px(0x60, 0x40, 0x20));  // colour value red low, pixel word blue low

    d.base = BackBase::Gradient;
    d.gradientFrom = 0x000000;
    d.gradientTo = 0xC86432;  // r 0x32, g 0x64, b 0xC8
    d.baseGradient = BaseGradient::Vertical;
    DrawBaseFill(bmp, d);
    EXPECT_EQ(bmp.Pixel(0, 0), 0u);
    EXPECT_EQ(bmp.Pixel(7, 1), Px(12, 25, 50));  // t = 1 / 4, truncated
    EXPECT_EQ(bmp.Pixel(3, 3), Px(37, 75, 150));
    d.baseGradient = BaseGradient::Horizontal;
    DrawBaseFill(bmp, d);
    EXPECT_EQ(bmp.Pixel(5, 2), Px(25, 50, 100));
    d.baseGradient = BaseGradient::DiagonalLeftToRight;  // (x + y) / (W + H)
    DrawBaseFill(bmp, d);
    EXPECT_EQ(bmp.Pixel(4, 3), Px(25, 50, 100));
    d.baseGradient = BaseGradient::DiagonalRightToLeft;  // (W + y - x) / (W + H)
    DrawBaseFill(bmp, d);
    EXPECT_EQ(bmp.Pixel(3, 0), Px(25, 50, 100));
    d.baseGradient = BaseGradient::None;  // no entry: the first colour everywhere
    DrawBaseFill(bmp, d);
    EXPECT_EQ(bmp.Pixel(9, 3), 0u);
}

TEST(BackgroundBorder, RingsAreLimitedByHalfTheSideAndShadeByRing) {
    // A thickness of 30 on 60 x 40 uses 20.
    Bitmap big(60, 40, Px(100, 100, 100));
    EXPECT_EQ(DrawBorder(big, BackBorder::Bevelled, 30), 20);
    EXPECT_EQ(DrawBorder(big, BackBorder::None, 30), 0);

    // Rounded, b = 6: the outer top row white, the outer bottom row black,
    // ring 5 keeps five sixths (lightened toward white on top).
    Bitmap bmp(40, 30, Px(120, 60, 0));
    ASSERT_EQ(DrawBorder(bmp, BackBorder::Rounded, 6), 6);
    EXPECT_EQ(bmp.Pixel(20, 0), Px(255, 255, 255));
    EXPECT_EQ(bmp.Pixel(20, 29), 0u);
    EXPECT_EQ(bmp.Pixel(20, 5), Px(142, 92, 42));   // 5/6 x c + 1/6 x 255
    EXPECT_EQ(bmp.Pixel(20, 24), Px(100, 50, 0));   // 5/6 x c
    EXPECT_EQ(bmp.Pixel(5, 15), Px(142, 92, 42));   // left column of ring 5
    EXPECT_EQ(bmp.Pixel(34, 15), Px(100, 50, 0));   // right column of ring 5
    EXPECT_EQ(bmp.Pixel(20, 15), Px(120, 60, 0));   // inside untouched
    // A corner of ring 5 is lightened by both passes.
    EXPECT_EQ(bmp.Pixel(5, 5), Px(160, 119, 77));

    Bitmap bevel(10, 10, Px(100, 100, 100));
    DrawBorder(bevel, BackBorder::Bevelled, 2);
    EXPECT_EQ(bevel.Pixel(5, 1), Px(177, 177, 177));
    EXPECT_EQ(bevel.Pixel(5, 8), Px(50, 50, 50));
}

TEST(BackgroundBanner, BoxFillFrameAndClipping) {
    BackgroundDesign d = Plain(40, 30);
    d.bannerFill = BannerFill::Single;
    d.bannerColor = 0x0000FF;
    Bitmap bmp(40, 30);
    DrawBaseFill(bmp, d);
    DrawBanner(bmp, d, 2, 5);  // box 5..34 by 5..14
    EXPECT_EQ(bmp.Pixel(5, 5), Px(255, 0, 0));
    EXPECT_EQ(bmp.Pixel(34, 14), Px(255, 0, 0));
    EXPECT_EQ(bmp.Pixel(35, 14), Px(0x60, 0x40, 0x20));
    EXPECT_EQ(bmp.Pixel(34, 15), Px(0x60, 0x40, 0x20));

    // Frame with a box, thickness 2: the box shrinks and moves down by 2,
    // the frame lies outside it.
    d.bannerFrame = true;
    d.createBox = true;
    d.frameThickness = 2;
    d.frameColor = 0x00FF00;
    const BannerBox r = BannerRect(d, 40, 2, 5);
    EXPECT_EQ(r.left, 7);
    EXPECT_EQ(r.right, 32);
    EXPECT_EQ(r.top, 7);
    EXPECT_EQ(r.bottom, 16);
    DrawBaseFill(bmp, d);
    DrawBanner(bmp, d, 2, 5);
    EXPECT_EQ(bmp.Pixel(10, 5), Px(0, 255, 0));
    EXPECT_EQ(bmp.Pixel(10, 18), Px(0, 255, 0));
    EXPECT_EQ(bmp.Pixel(5, 5), Px(0, 255, 0));
    EXPECT_EQ(bmp.Pixel(34, 18), Px(0, 255, 0));
    EXPECT_EQ(bmp.Pixel(10, 7), Px(255, 0, 0));

    // A font taller than the picture: everything past the edges is skipped.
    Bitmap low(40, 12);
    DrawBanner(low, d, 0, 200);
    EXPECT_EQ(low.Pixel(20, 11), Px(255, 0, 0));
}

TEST(BackgroundBanner, GradientsIncludingFadeAndZeroDepth) {
    BackgroundDesign d = Plain(40, 40);
    d.bannerFill = BannerFill::Gradient;
    d.bannerFrom = 0x000000;
    d.bannerTo = 0xFFFFFF;
    d.bannerGradient = BannerGradient::Horizontal;
    Bitmap bmp(40, 40);
    DrawBanner(bmp, d, 0, 13);  // box 3..36 by 3..20
    EXPECT_EQ(bmp.Pixel(3, 10), 0u);
    EXPECT_EQ(bmp.Pixel(36, 10), Px(255, 255, 255));
    d.bannerGradient = BannerGradient::CenterOut;
    DrawBanner(bmp, d, 0, 13);
    EXPECT_EQ(bmp.Pixel(3, 3), Px(255, 255, 255));
    d.bannerGradient = BannerGradient::OutsideIn;
    DrawBanner(bmp, d, 0, 13);
    EXPECT_EQ(bmp.Pixel(3, 3), 0u);

    // Vertical with fade: the banner reaches 1.5 times its bottom and ends in
    // the base colour.
    d.bannerGradient = BannerGradient::Vertical;
    d.fadeToBackground = true;
    DrawBaseFill(bmp, d);
    DrawBanner(bmp, d, 0, 13);  // bottom 20 -> 30
    EXPECT_EQ(bmp.Pixel(10, 3), 0u);
    EXPECT_EQ(bmp.Pixel(10, 30), Px(0x60, 0x40, 0x20));
    EXPECT_EQ(bmp.Pixel(10, 24), Px(0x4A, 0x31, 0x18));  // t = 21 / 27
    EXPECT_EQ(bmp.Pixel(10, 31), Px(0x60, 0x40, 0x20));

    // A banner of no height or width draws its colour, no division by zero.
    Bitmap thin(7, 20);
    d.fadeToBackground = false;
    for (auto style : {BannerGradient::CenterOut, BannerGradient::Vertical, BannerGradient::Horizontal,
                       BannerGradient::DiagonalRightToLeft}) {
        d.bannerGradient = style;
        thin.Fill(0x123456);
        DrawBanner(thin, d, 0, -4);  // top 3 = bottom 3, left 3 = right 3
        EXPECT_EQ(thin.Pixel(3, 3), 0u);
    }
}

TEST(BackgroundTitle, PlacementByAlignmentAndFrameAndShadowDarkening) {
    BackgroundDesign d = Plain(200, 100);
    EXPECT_EQ(TitleOrigin(d, 200, 6, 50).x, 15);
    EXPECT_EQ(TitleOrigin(d, 200, 6, 50).y, 11);
    d.align = TitleAlign::Center;
    EXPECT_EQ(TitleOrigin(d, 200, 6, 51).x, 74);
    d.align = TitleAlign::Right;
    EXPECT_EQ(TitleOrigin(d, 200, 6, 50).x, 137);
    d.bannerFrame = true;
    d.frameThickness = 3;
    EXPECT_EQ(TitleOrigin(d, 200, 6, 50).x, 137);
    EXPECT_EQ(TitleOrigin(d, 200, 6, 50).y, 14);
    d.createBox = true;
    EXPECT_EQ(TitleOrigin(d, 200, 6, 50).x, 140);

    // Shadow: black mask pixels keep 66 percent, white ones all, only from
    // the shadow's corner rightward and over its rows.
    Bitmap bmp(10, 6, Px(200, 100, 50));
    Bitmap mask(10, 6, 0xFFFFFF);
    mask.SetPixel(4, 2, 0);
    mask.SetPixel(2, 2, 0);  // left of the area: ignored
    mask.SetPixel(6, 5, 0);  // below the rows: ignored
    ApplyTitleShadow(bmp, mask, 3, 1, 3);
    EXPECT_EQ(bmp.Pixel(4, 2), Px(132, 66, 33));
    EXPECT_EQ(bmp.Pixel(2, 2), Px(200, 100, 50));
    EXPECT_EQ(bmp.Pixel(6, 5), Px(200, 100, 50));
    EXPECT_EQ(bmp.Pixel(5, 2), Px(200, 100, 50));
}

TEST(BackgroundAspect, LockedSideRoundsHalfToEvenClampsAndNeedsAPicture) {
    EXPECT_EQ(LockedSide(800, 500, 1000, 40, 600, 320), 400);
    EXPECT_EQ(LockedSide(1000, 500, 1000, 40, 600, 320), 500);
    EXPECT_EQ(LockedSide(800, 1000, 500, 40, 600, 320), 600);    // kept in range
    EXPECT_EQ(LockedSide(5, 1, 2, 0, 600, 7), 2);                // 2.5 -> 2
    EXPECT_EQ(LockedSide(7, 1, 2, 0, 600, 9), 4);                // 3.5 -> 4
    EXPECT_EQ(LockedSide(440, 0, 0, 40, 600, 320), 320);         // no photo
    EXPECT_EQ(LockedSide(440, 300, 0, 40, 600, 320), 320);
}

}  // namespace
