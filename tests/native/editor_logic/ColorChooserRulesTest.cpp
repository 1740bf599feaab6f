// The colour chooser's arithmetic: palette entries, the gradient and its
// saturation mix, typed channel values and the custom row.
#include "editor/logic/ColorChooserRules.h"

#include <gtest/gtest.h>

namespace editor {
namespace {

TEST(ChooserPalettes, EntriesAreReadByPositionAndTheArrowsCycleFourPalettes) {
    EXPECT_EQ(PaletteEntryColor("064032000"), RgbColor(64, 32, 0));
    // Eight characters: blue is what characters 7 and 8 hold.
    EXPECT_EQ(PaletteEntryColor("25525564"), RgbColor(255, 255, 64));
    EXPECT_EQ(PaletteEntryColor("999000300"), RgbColor(999 % 256, 0, 300 % 256));
    // Entry e goes to column e div 5, row e mod 5 of the grid.
    EXPECT_STREQ(PaletteEntry(0, 0), "064000000");
    EXPECT_STREQ(PaletteEntry(0, 1), "128000000");
    EXPECT_STREQ(PaletteEntry(0, 13), "25525564");
    EXPECT_STREQ(PaletteEntry(3, 34), "210228152");
    // Lists 4 and 5 hold palette 0; stored indexes are forced into 0..5.
    EXPECT_STREQ(PaletteEntry(4, 7), PaletteEntry(0, 7));
    EXPECT_STREQ(PaletteEntry(9, 7), PaletteEntry(0, 7));
    EXPECT_STREQ(PaletteEntry(-3, 7), PaletteEntry(0, 7));
    EXPECT_EQ(ClampPaletteIndex(9), 5);
    EXPECT_EQ(ClampPaletteIndex(-1), 0);
    EXPECT_EQ(NextPalette(3), 0);
    EXPECT_EQ(NextPalette(4), 0);
    EXPECT_EQ(NextPalette(1), 2);
    EXPECT_EQ(PreviousPalette(0), 3);
    EXPECT_EQ(PreviousPalette(5), 3);
}

TEST(ChooserGradient, HuesBrightnessAndTheGreyStrip) {
    const forms::Bitmap hue = BuildHueGradient();
    ASSERT_EQ(hue.Width(), kGradientWidth);
    ASSERT_EQ(hue.Height(), kGradientHeight);
    const auto at = [&hue](int x, int y) { return PixelColor(hue.Pixel(x, y)); };
    // Row 104 is the pure hue.
    EXPECT_EQ(at(0, 104), RgbColor(255, 4, 0));
    EXPECT_EQ(at(30, 104), RgbColor(255, 132, 0));
    EXPECT_EQ(at(59, 104), RgbColor(255, 255, 0));
    EXPECT_EQ(at(60, 104), RgbColor(251, 255, 0));
    EXPECT_EQ(at(200, 104), RgbColor(0, 166, 255));
    EXPECT_EQ(at(359, 104), RgbColor(255, 0, 0));
    EXPECT_EQ(at(360, 104), RgbColor(0, 0, 0));
    EXPECT_EQ(at(370, 104), RgbColor(128, 128, 128));
    // Towards white at the top, towards black at the bottom.
    EXPECT_EQ(at(0, 0), RgbColor(255, 253, 253));
    EXPECT_EQ(at(0, 208), RgbColor(2, 0, 0));
    EXPECT_EQ(GreyRampValue(0), 254);
    EXPECT_EQ(GreyRampValue(104), 127);
    EXPECT_EQ(GreyRampValue(208), 0);
}

TEST(ChooserGradient, SaturationMixesHueWithTheRowsGreyRoundingHalvesToEven) {
    const forms::Bitmap hue = BuildHueGradient();
    forms::Bitmap mix;
    MixSaturation(hue, 100, mix);
    EXPECT_EQ(mix, hue);
    MixSaturation(hue, 0, mix);
    for (int y : {0, 104, 208})
        for (int x : {0, 200, 379}) EXPECT_EQ(PixelColor(mix.Pixel(x, y)), RgbColor(
            GreyRampValue(y), GreyRampValue(y), GreyRampValue(y)));
    // 255/4/0 with grey 127 at one half: 191, 65.5 -> 66, 63.5 -> 64.
    MixSaturation(hue, 50, mix);
    EXPECT_EQ(PixelColor(mix.Pixel(0, 104)), RgbColor(191, 66, 64));
    EXPECT_EQ(ClampGradientX(-4), 0);
    EXPECT_EQ(ClampGradientX(500), 379);
    EXPECT_EQ(ClampGradientY(209), 208);
}

TEST(ChooserEdits, TypedChannelsAreCorrectedToTheLastValueOrTheRange) {
    const auto check = [](const char* text, int value, bool beep) {
        const ChannelEdit r = CheckChannelText(text, 77);
        EXPECT_EQ(r.Value, value) << text;
        EXPECT_EQ(r.Beep, beep) << text;
        EXPECT_EQ(r.Rewrite, beep) << text;
    };
    check("0", 0, false);
    check("255", 255, false);
    check("300", 255, true);
    check("99999999999999", 255, true);
    check("-5", 0, true);
    check("", 77, true);
    check("1a", 77, true);
    check("-", 77, true);
    check("1.5", 77, true);
}

TEST(ChooserCustomRow, ResetIsATruncatedGreyRampAndAddFillsTheRowInTurn) {
    const int expected[7] = {255, 212, 170, 127, 85, 42, 0};
    for (int i = 0; i < 7; ++i) EXPECT_EQ(ResetCustomColor(i), RgbColor(expected[i], expected[i], expected[i]));
    // No custom swatch marked: 36; after an add the next one, wrapping.
    EXPECT_EQ(AddTargetSwatch(-1, false), 36);
    EXPECT_EQ(AddTargetSwatch(12, true), 36);
    EXPECT_EQ(AddTargetSwatch(36, true), 37);
    EXPECT_EQ(AddTargetSwatch(42, true), 36);
    // A clicked custom swatch is overwritten by the next add.
    EXPECT_EQ(AddTargetSwatch(39, false), 39);
}

}  // namespace
}  // namespace editor
