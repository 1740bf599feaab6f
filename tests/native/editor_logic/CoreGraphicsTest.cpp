// Average colour of a rectangle, the two resizers and the cache they share.
#include <gtest/gtest.h>

#include "editor/logic/CoreGraphics.h"

using namespace editor;
using forms::Bitmap;

namespace {

// Pixel word from channels (blue low) with a fourth byte.
uint32_t Px(uint32_t r, uint32_t g, uint32_t b, uint32_t top = 0) { return top << 24 | r << 16 | g << 8 | b; }

Bitmap Pattern(int width, int height, uint32_t seed) {
    Bitmap bmp(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) bmp.SetPixel(x, y, Px((x * 7 + seed) & 0xFF, (y * 5) & 0xFF, (x + y) & 0xFF));
    return bmp;
}

TEST(AverageColor, SamplesFromOneOneToTheIncludedEdgesOrWhiteForNoPixels) {
    Bitmap bmp(4, 3, Px(200, 0, 0));
    bmp.SetPixel(0, 1, 0);                  // column 0 and row 0 are never sampled
    bmp.SetPixel(3, 2, Px(0, 90, 30));      // the last column and row count
    const uint32_t expected = ((5 * 200 + 3) / 6) | (90 / 6) << 8 | (30 / 6) << 16;
    EXPECT_EQ(GetAverageColor(bmp, 0, 0, 100, 100), expected);
    EXPECT_EQ(GetAverageColor(bmp, -7, -7, 1, 0), 200u);  // ends count from the raised start
    EXPECT_EQ(GetAverageColor(Bitmap(5, 5, Px(0x11, 0x22, 0x33, 0xFF)), 1, 1, 2, 2), 0x332211u);

    Bitmap halves(3, 2);
    halves.SetPixel(1, 1, Px(1, 2, 0));
    halves.SetPixel(2, 1, Px(2, 3, 0));  // 1.5 -> 2, 2.5 -> 2
    EXPECT_EQ(GetAverageColor(halves, 1, 1, 1, 0), 2u | 2u << 8);

    // No pixel to average (off the picture, negative size, too small a
    // picture) gives white; huge sizes do not overflow.
    EXPECT_EQ(GetAverageColor(bmp, 10, 10, 5, 5), kNoPixelsAverageColor);
    EXPECT_EQ(GetAverageColor(bmp, 1, 1, -5, 0), kNoPixelsAverageColor);
    EXPECT_EQ(GetAverageColor(Bitmap(1, 1), 0, 0, 5, 5), kNoPixelsAverageColor);
    EXPECT_EQ(GetAverageColor(halves, 2, 1, 0x7FFFFFFF, 0x7FFFFFFF), 2u | 3u << 8);
}

TEST(ScaleBitmapNearest, TakesWholeTruncatedSourcePixelsAndCopiesAtOwnSize) {
    ScaleCache cache;
    Bitmap src(4, 2);
    for (int x = 0; x < 4; ++x) src.SetPixel(x, 1, Px(x, 1, 0, 0xB0 + x));
    Bitmap dst;
    ASSERT_TRUE(ScaleBitmap(src, dst, 8, 4, cache));
    EXPECT_EQ(dst.Pixel(3, 2), src.Pixel(1, 1));  // fourth byte travels with the pixel
    EXPECT_EQ(dst.Pixel(7, 3), src.Pixel(3, 1));
    ASSERT_TRUE(ScaleBitmap(src, dst, 4, 2, cache));
    EXPECT_EQ(dst, src);
    EXPECT_TRUE(cache.Stale());  // never written by the fast resize
}

TEST(ScaleBitmapSmooth, AveragesTheWeightedSpanEndingAtEachPixel) {
    ScaleCache cache;
    Bitmap src(6, 2);
    for (int x = 0; x < 6; ++x)
        for (int y = 0; y < 2; ++y) src.SetPixel(x, y, Px(30 * (x + 1), 30 * (x + 1), 30 * (x + 1), 0xFF));
    Bitmap dst;
    ASSERT_TRUE(ScaleBitmapHQ(src, dst, 3, 1, true, cache));
    // Column 0 takes source column 0; column 1 columns 0..2, column 2
    // columns 2..4, equally; the fourth byte is written as 0.
    EXPECT_EQ(dst.Pixel(0, 0), Px(30, 30, 30));
    EXPECT_EQ(dst.Pixel(1, 0), Px(60, 60, 60));
    EXPECT_EQ(dst.Pixel(2, 0), Px(120, 120, 120));
    // 2 -> 3 columns: column 2 weighs source column 0 by 1/3 and column 1
    // by 1: 255 / (4/3) = 191.25.
    Bitmap two(2, 1);
    two.SetPixel(1, 0, Px(255, 255, 255));
    ASSERT_TRUE(ScaleBitmapHQ(two, dst, 3, 1, true, cache));
    EXPECT_EQ(dst.Pixel(2, 0), Px(191, 191, 191));
    // A uniform picture keeps its colour at factors that are not binary fractions.
    ASSERT_TRUE(ScaleBitmapHQ(Bitmap(97, 61, Px(200, 77, 13)), dst, 31, 17, true, cache));
    EXPECT_EQ(dst, Bitmap(31, 17, Px(200, 77, 13)));
}

TEST(ScaleCacheSharing, ServesOnlyItsOwnPictureAtItsOwnSize) {
    ScaleCache cache, fresh;
    const Bitmap first = Pattern(400, 200, 1);
    Bitmap second = first;
    second.SetPixel(399, 199, second.Pixel(399, 199) ^ 1);  // one bit differs
    Bitmap smooth, fast, expected;
    ASSERT_TRUE(ScaleBitmapHQ(first, smooth, 300, 150, true, cache));
    ASSERT_TRUE(ScaleBitmap(first, fast, 300, 150, cache));
    EXPECT_EQ(fast, smooth);  // the same picture gets the smooth result

    ASSERT_TRUE(ScaleBitmap(second, fast, 300, 150, cache));
    ASSERT_TRUE(ScaleBitmap(second, expected, 300, 150, fresh));
    EXPECT_EQ(fast, expected);  // another picture is resampled afresh
    EXPECT_NE(fast, smooth);
    ASSERT_TRUE(ScaleBitmapHQ(second, smooth, 300, 150, false, cache));
    ASSERT_TRUE(ScaleBitmapHQ(second, expected, 300, 150, true, fresh));
    EXPECT_EQ(smooth, expected);

    ASSERT_TRUE(ScaleBitmapHQ(first, fast, 400, 200, true, cache));
    EXPECT_EQ(fast, first);
    EXPECT_EQ(cache.Result(), expected);  // a copy at own size leaves the cache
    cache.Clear();
    EXPECT_TRUE(cache.Stale());
    EXPECT_EQ(cache.Width(), 0);
}

TEST(ScaleRefusals, SizesBelowOneAndEmptySourcesGiveAnEmptyPictureAndFalse) {
    ScaleCache cache;
    const Bitmap src = Pattern(10, 10, 3);
    Bitmap dst(5, 5);
    EXPECT_FALSE(ScaleBitmap(src, dst, 0, 5, cache));
    EXPECT_TRUE(dst.Empty());
    EXPECT_FALSE(ScaleBitmapHQ(src, dst, 5, -1, true, cache));
    EXPECT_FALSE(ScaleBitmapHQ(Bitmap(0, 7), dst, 5, 5, true, cache));
    EXPECT_FALSE(ScaleBitmapHQ(src, dst, 100000, 100000, true, cache));
    EXPECT_TRUE(cache.Stale());

    // A picture resized into itself is read whole before it is replaced.
    Bitmap self = src, apart;
    ASSERT_TRUE(ScaleBitmapHQ(self, self, 5, 5, true, cache));
    ASSERT_TRUE(ScaleBitmapHQ(src, apart, 5, 5, true, cache));
    EXPECT_EQ(self, apart);
}

}  // namespace
