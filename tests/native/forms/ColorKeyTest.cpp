#include "forms/portable/ColorKey.h"

#include <gtest/gtest.h>

using forms::Bitmap;
using forms::SplitByColorKey;

namespace {

constexpr uint32_t kLime = 0x0000FF00;
constexpr uint32_t kRed = 0xFFFF0000;

TEST(ColorKeyTest, KeyedPixelsTurnBlackAndSetTheirMaskBits) {
    // 18 pixels wide: the mask rows need two 16-bit words.
    Bitmap picture(18, 2, kRed);
    picture.SetPixel(0, 0, 0xFF00FF00);  // the key with a fourth byte: still the key
    picture.SetPixel(9, 0, kLime);
    picture.SetPixel(17, 0, kLime);
    picture.SetPixel(3, 1, 0x0000FE00);  // near the key is not the key

    const auto planes = SplitByColorKey(picture, kLime);
    ASSERT_EQ(planes.maskStride, 4);
    ASSERT_EQ(planes.mask.size(), 8u);
    const std::vector<uint8_t> expectedMask = {0x80, 0x40, 0x40, 0x00, 0x00, 0x00, 0x00, 0x00};
    EXPECT_EQ(planes.mask, expectedMask);

    Bitmap expectedColour(18, 2, kRed & 0x00FFFFFF);
    expectedColour.SetPixel(0, 0, 0);
    expectedColour.SetPixel(9, 0, 0);
    expectedColour.SetPixel(17, 0, 0);
    expectedColour.SetPixel(3, 1, 0x0000FE00);
    EXPECT_EQ(planes.colour, expectedColour);
}

}  // namespace
