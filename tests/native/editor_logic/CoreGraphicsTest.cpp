// Average colour of a rectangle, the two resizers and the cache they share.
#include <gtest/gtest.h>

#include "editor/logic/CoreGraphics.h"

using editor::GetAverageColor;
using editor::ScaleBitmap;
using editor::ScaleBitmapHQ;
using editor::ScaleCache;
using forms::Bitmap;

namespace {

// Pixel word from channels (blue low) with a fourth byte.
uint32_t Px(uint32_t r, uint32_t g, uint32_t b, uint32_t top = 0) { return top << 24 | r << 16 | g << 8 | b; }

// Columns of grey levels: pixel (x, y) is grey level columnLevel(x).
Bitmap Columns(const std::vector<uint32_t>& levels, int height) {
    Bitmap bmp(static_cast<int>(levels.size()), height);
    for (int y = 0; y < height; ++y)
        for (size_t x = 0; x < levels.size(); ++x) bmp.SetPixel(static_cast<int>(x), y, Px(levels[x], levels[x], levels[x]));
    return bmp;
}

Bitmap Gradient(int width, int height, uint32_t seed) {
    Bitmap bmp(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) bmp.SetPixel(x, y, Px((x * 7 + seed) & 0xFF, (y * 5) & 0xFF, (x + y + seed) & 0xFF));
    return bmp;
}

TEST(AverageColor, SamplesFromOneOneToTheIncludedEdgesAndAnswersRedLow) {
    Bitmap bmp(4, 3, Px(200, 0, 0));
    for (int x = 0; x < 4; ++x) bmp.SetPixel(x, 0, Px(0, 0, 0));  // row 0 is never sampled
    for (int y = 0; y < 3; ++y) bmp.SetPixel(0, y, Px(0, 0, 0));  // nor column 0
    bmp.SetPixel(3, 2, Px(0, 90, 30));                            // last column and row count
    // (1,1)..(3,2): six pixels, one of them different.
    const uint32_t expected = ((5 * 200 + 3) / 6) | (90 / 6) << 8 | (30 / 6) << 16;
    EXPECT_EQ(GetAverageColor(bmp, 0, 0, 100, 100), expected);
    // The far ends count from the raised left and top.
    EXPECT_EQ(GetAverageColor(bmp, -7, -7, 1, 0), 200u);
    // A uniform picture gives its own colour in the colour-value order.
    EXPECT_EQ(GetAverageColor(Bitmap(5, 5, Px(0x11, 0x22, 0x33, 0xFF)), 1, 1, 2, 2), 0x332211u);
}

TEST(AverageColor, RoundsHalvesToEvenAndAnswersWhiteForNoPixels) {
    // Two pixels per sum: 1 + 2 = 3 -> 1.5 -> 2; 2 + 3 = 5 -> 2.5 -> 2.
    Bitmap bmp(3, 2);
    bmp.SetPixel(1, 1, Px(1, 2, 0));
    bmp.SetPixel(2, 1, Px(2, 3, 0));
    EXPECT_EQ(GetAverageColor(bmp, 1, 1, 1, 0), 2u | 2u << 8);

    EXPECT_EQ(GetAverageColor(bmp, 10, 10, 5, 5), editor::kNoPixelsAverageColor);  // off the picture
    EXPECT_EQ(GetAverageColor(bmp, 1, 1, -5, 0), editor::kNoPixelsAverageColor);
    EXPECT_EQ(GetAverageColor(Bitmap(1, 1), 0, 0, 5, 5), editor::kNoPixelsAverageColor);
    EXPECT_EQ(GetAverageColor(Bitmap(), 0, 0, 5, 5), editor::kNoPixelsAverageColor);
    EXPECT_EQ(GetAverageColor(bmp, 1, 1, 0x7FFFFFFF, 0x7FFFFFFF), GetAverageColor(bmp, 1, 1, 5, 5));
}

TEST(ScaleBitmapNearest, TakesWholeTruncatedSourcePixelsAndCopiesAtOwnSize) {
    ScaleCache cache;
    Bitmap src(4, 2);
    for (int x = 0; x < 4; ++x) {
        src.SetPixel(x, 0, Px(x, 0, 0, 0xA0 + x));
        src.SetPixel(x, 1, Px(x, 1, 0, 0xB0 + x));
    }
    Bitmap dst;
    ASSERT_TRUE(ScaleBitmap(src, dst, 2, 1, cache));
    ASSERT_EQ(dst.Width(), 2);
    EXPECT_EQ(dst.Pixel(0, 0), src.Pixel(0, 0));
    EXPECT_EQ(dst.Pixel(1, 0), src.Pixel(2, 0));  // fourth byte travels with the pixel

    ASSERT_TRUE(ScaleBitmap(src, dst, 8, 4, cache));
    EXPECT_EQ(dst.Pixel(7, 3), src.Pixel(3, 1));
    EXPECT_EQ(dst.Pixel(3, 2), src.Pixel(1, 1));

    ASSERT_TRUE(ScaleBitmap(src, dst, 4, 2, cache));
    EXPECT_EQ(dst, src);
    EXPECT_TRUE(cache.Stale());  // never written by the fast resize
}

TEST(ScaleBitmapSmooth, HalvingAveragesTheSpanEndingAtEachPixel) {
    ScaleCache cache;
    const Bitmap src = Columns({30, 60, 90, 120, 150, 180}, 2);
    Bitmap dst;
    ASSERT_TRUE(ScaleBitmapHQ(src, dst, 3, 1, true, cache));
    EXPECT_EQ(dst.Pixel(0, 0), Px(30, 30, 30));     // only column 0
    EXPECT_EQ(dst.Pixel(1, 0), Px(60, 60, 60));     // columns 0, 1, 2 equally
    EXPECT_EQ(dst.Pixel(2, 0), Px(120, 120, 120));  // columns 2, 3, 4
    // A fractional step weights the span's last pixel by its overlap:
    // 2 -> 3 columns, step 2/3: column 2 spans 2/3..4/3 cut to 1, so source
    // column 0 weighs 1/3 and column 1 weighs 1: 255 / (4/3) = 191.25.
    Bitmap two(2, 1);
    two.SetPixel(0, 0, Px(0, 0, 0, 0xFF));
    two.SetPixel(1, 0, Px(255, 255, 255, 0xFF));
    ASSERT_TRUE(ScaleBitmapHQ(two, dst, 3, 1, true, cache));
    EXPECT_EQ(dst.Pixel(0, 0), Px(0, 0, 0));  // fourth byte written as 0
    EXPECT_EQ(dst.Pixel(2, 0), Px(191, 191, 191));
}

TEST(ScaleBitmapSmooth, UniformPictureKeepsItsColourAtAnyFactor) {
    ScaleCache cache;
    const Bitmap src(97, 61, Px(200, 77, 13));
    for (const auto& size : {std::make_pair(31, 17), std::make_pair(800, 413), std::make_pair(59, 60)}) {
        Bitmap dst;
        ASSERT_TRUE(ScaleBitmapHQ(src, dst, size.first, size.second, true, cache));
        EXPECT_EQ(dst, Bitmap(size.first, size.second, Px(200, 77, 13))) << size.first << " x " << size.second;
    }
}

TEST(ScaleCacheSharing, ServesOnlyItsOwnPictureAtItsOwnSize) {
    ScaleCache cache;
    const Bitmap first = Gradient(400, 200, 1);
    Bitmap smooth, fast;
    ASSERT_TRUE(ScaleBitmapHQ(first, smooth, 300, 150, true, cache));
    EXPECT_FALSE(cache.Stale());
    EXPECT_EQ(cache.Width(), 300);

    // The fast resize of the same picture at that size gets the smooth result.
    ASSERT_TRUE(ScaleBitmap(first, fast, 300, 150, cache));
    EXPECT_EQ(fast, smooth);
    // Another picture of the same size is resampled afresh.
    const Bitmap second = Gradient(400, 200, 90);
    Bitmap other, expected;
    ASSERT_TRUE(ScaleBitmap(second, other, 300, 150, cache));
    ScaleCache fresh;
    ASSERT_TRUE(ScaleBitmap(second, expected, 300, 150, fresh));
    EXPECT_EQ(other, expected);
    EXPECT_NE(other, smooth);
    // Without re-extraction the smooth resize serves its own result only.
    ASSERT_TRUE(ScaleBitmapHQ(second, other, 300, 150, false, cache));
    ASSERT_TRUE(ScaleBitmapHQ(second, expected, 300, 150, true, fresh));
    EXPECT_EQ(other, expected);

    // A copy at the source's own size leaves the cache alone; Clear empties it.
    ASSERT_TRUE(ScaleBitmapHQ(first, other, 400, 200, true, cache));
    EXPECT_EQ(other, first);
    EXPECT_EQ(cache.Result(), expected);
    cache.Clear();
    EXPECT_TRUE(cache.Stale());
    EXPECT_EQ(cache.Width(), 0);
}

TEST(ScaleRefusals, SizesBelowOneAndEmptySourcesGiveAnEmptyPictureAndFalse) {
    ScaleCache cache;
    const Bitmap src = Gradient(10, 10, 3);
    Bitmap dst(5, 5);
    EXPECT_FALSE(ScaleBitmap(src, dst, 0, 5, cache));
    EXPECT_TRUE(dst.Empty());
    dst.SetSize(5, 5);
    EXPECT_FALSE(ScaleBitmapHQ(src, dst, 5, -1, true, cache));
    EXPECT_TRUE(dst.Empty());
    EXPECT_FALSE(ScaleBitmap(Bitmap(), dst, 5, 5, cache));
    EXPECT_FALSE(ScaleBitmapHQ(Bitmap(0, 7), dst, 5, 5, true, cache));
    EXPECT_FALSE(ScaleBitmapHQ(src, dst, 100000, 100000, true, cache));
    EXPECT_TRUE(cache.Stale());

    // A picture resized into itself is read whole before it is replaced.
    Bitmap self = src;
    ASSERT_TRUE(ScaleBitmapHQ(self, self, 5, 5, true, cache));
    Bitmap apart;
    ScaleCache fresh;
    ASSERT_TRUE(ScaleBitmapHQ(src, apart, 5, 5, true, fresh));
    EXPECT_EQ(self, apart);
}

}  // namespace
