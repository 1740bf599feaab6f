// Image lists: cells cut from a colour-keyed strip, read back over a
// background, and a colour bar painted into the bottom rows of a glyph and put
// back with the mask colour that leaves the bar itself opaque; refusals of
// cells that do not fit.
#include <gtest/gtest.h>

#include <vector>

#include "forms/win32/Forms.h"
#include "forms/win32/ImageList.h"

using namespace forms;

namespace {

constexpr Color kLime = 0x00FF00;
constexpr Color kMagenta = 0xFF00FF;
// Pixel values (blue in the low byte) of the glyph colours.
constexpr uint32_t kRedPixel = 0xFFFF0000;
constexpr uint32_t kBluePixel = 0xFF0000FF;
constexpr uint32_t kGreyPixel = 0xFF808080;
constexpr uint32_t kWhitePixel = 0xFFFFFFFF;
constexpr uint32_t kLimePixel = 0xFF00FF00;
constexpr uint32_t kMagentaPixel = 0xFFFF00FF;

// Three 16x16 cells (red, blue, grey), each with a lime, see-through top-left
// 4x4 corner, plus five columns that make no whole cell.
Bitmap ThreeCellStrip() {
    const uint32_t colours[3] = {kRedPixel, kBluePixel, kGreyPixel};
    Bitmap strip(53, 16, kGreyPixel);
    for (int cell = 0; cell < 3; ++cell)
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x)
                strip.SetPixel(cell * 16 + x, y, x < 4 && y < 4 ? kLimePixel : colours[cell]);
    return strip;
}

void FillBar(Bitmap& glyph, uint32_t pixel) {
    for (int y = 12; y < 16; ++y)
        for (int x = 0; x < 16; ++x) glyph.SetPixel(x, y, pixel);
}

TEST(ImageListTest, ColourBarInTheBottomRowsKeepsTheGlyphAndItsTransparency) {
    ImageList list(nullptr);
    EXPECT_EQ(list.AddMasked(ThreeCellStrip(), kLime), 0);
    EXPECT_EQ(list.AddMasked(ThreeCellStrip(), kLime), 3);  // after the first strip
    ASSERT_EQ(list.Count(), 6);

    // A blue bar: the glyph is read over the mask colour, so its see-through
    // pixels stay see-through when it goes back.
    Bitmap glyph = list.GetBitmap(0, kLime);
    FillBar(glyph, kBluePixel);
    ASSERT_TRUE(list.ReplaceMasked(0, glyph, kLime));
    Bitmap shown = list.GetBitmap(0, clWhite);
    EXPECT_EQ(shown.Pixel(0, 0), kWhitePixel);
    EXPECT_EQ(shown.Pixel(8, 8), kRedPixel);
    EXPECT_EQ(shown.Pixel(0, 12), kBluePixel);
    EXPECT_EQ(shown.Pixel(15, 15), kBluePixel);

    // A lime bar needs another mask colour, or the bar would vanish.
    glyph = list.GetBitmap(0, kMagenta);
    FillBar(glyph, kLimePixel);
    ASSERT_TRUE(list.ReplaceMasked(0, glyph, kMagenta));
    shown = list.GetBitmap(0, clWhite);
    EXPECT_EQ(shown.Pixel(0, 0), kWhitePixel);
    EXPECT_EQ(shown.Pixel(8, 8), kRedPixel);
    EXPECT_EQ(shown.Pixel(0, 12), kLimePixel);
    EXPECT_EQ(shown.Pixel(15, 15), kLimePixel);
    // The other cells are untouched.
    EXPECT_EQ(list.GetBitmap(1, kMagenta).Pixel(8, 14), kBluePixel);
    EXPECT_EQ(list.GetBitmap(1, kMagenta).Pixel(0, 0), kMagentaPixel);
}

TEST(ImageListTest, WrongCellsAreRefusedAndObserversHearOfChanges) {
    std::vector<ImageListChange> heard;
    auto* list = new ImageList(nullptr);
    list->Subscribe([&heard](ImageListChange c) { heard.push_back(c); });
    EXPECT_EQ(list->AddMasked(Bitmap(15, 16, kRedPixel), kLime), -1);  // no whole cell
    EXPECT_EQ(list->AddMasked(Bitmap(32, 15, kRedPixel), kLime), -1);  // wrong height
    EXPECT_EQ(list->Count(), 0);
    EXPECT_TRUE(heard.empty());
    list->AddMasked(Bitmap(32, 16, kRedPixel), kLime);
    EXPECT_FALSE(list->ReplaceMasked(2, Bitmap(16, 16), kLime));
    EXPECT_FALSE(list->ReplaceMasked(-1, Bitmap(16, 16), kLime));
    EXPECT_FALSE(list->ReplaceMasked(0, Bitmap(16, 8), kLime));
    EXPECT_TRUE(list->GetBitmap(2, clWhite).Empty());
    EXPECT_TRUE(list->ReplaceMasked(1, Bitmap(16, 16, kBluePixel), kLime));
    delete list;
    const std::vector<ImageListChange> expected = {ImageListChange::Cells, ImageListChange::Cells,
                                                   ImageListChange::Destroyed};
    EXPECT_EQ(heard, expected);
}

}  // namespace
