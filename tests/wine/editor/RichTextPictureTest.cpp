// Rich text drawn into a transparent picture with a drop shadow, checked by
// its pixels.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <memory>

#include "editor/win32/RichTextPicture.h"
#include "forms/win32/Forms.h"

namespace {

// Red, bold text on two lines.
const char kRtf[] =
    "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}{\\colortbl;\\red255\\green0\\blue0;}"
    "\\f0\\fs40\\b\\cf1 WMW\\par WW\\par}";

constexpr forms::Color kShadowBlue = 0xFF0000;  // colour value: blue high

struct Box {
    int left = 1 << 30, top = 1 << 30, right = -1, bottom = -1;
    void Add(int x, int y) {
        left = std::min(left, x);
        top = std::min(top, y);
        right = std::max(right, x);
        bottom = std::max(bottom, y);
    }
    bool Empty() const { return right < 0; }
};

bool IsShadowBlue(const uint8_t* px) { return px[0] == 0 && px[1] == 0 && px[2] == 255; }

class RichTextPicture : public ::testing::Test {
protected:
    void SetUp() override {
        form.reset(new forms::Form());
        form->SetBounds(0, 0, 300, 200);
        render = new forms::RichEdit(form.get(), form.get());
        render->SetVisible(false);
        source = new forms::RichEdit(form.get(), form.get());
        source->SetRTF(kRtf);
    }
    std::unique_ptr<forms::Form> form;
    forms::RichEdit* render = nullptr;
    forms::RichEdit* source = nullptr;
};

// Ink of the text (colour channels other than the shadow colour) and of
// everything not transparent.
void Measure(const forms::PngImage& png, Box& text, Box& opaque) {
    for (int y = 0; y < png.Height(); ++y)
        for (int x = 0; x < png.Width(); ++x) {
            const uint8_t* px = png.Row(y) + 4 * x;
            if (!IsShadowBlue(px)) text.Add(x, y);
            if (px[3] != 0) opaque.Add(x, y);
        }
}

TEST_F(RichTextPicture, TextIsOpaqueInItsColoursAndTheShadowLiesOffsetBehindIt) {
    const forms::PngImage png = editor::RenderRTFToPNG(*render, *source, 120, 90, 3, kShadowBlue);
    ASSERT_EQ(png.Width(), 120);
    ASSERT_EQ(png.Height(), 90);

    Box text, opaque;
    Measure(png, text, opaque);
    ASSERT_FALSE(text.Empty());
    // The text starts near (1, 1) and wraps inside the box less the offset.
    EXPECT_GE(text.left, 1);
    EXPECT_LE(text.left, 6);
    EXPECT_GE(text.top, 1);
    EXPECT_LT(text.right, 120 - 3);
    EXPECT_GT(text.bottom - text.top, 30);  // two lines
    // The shadow is the text's shape moved by 3 to the right and down.
    EXPECT_NEAR(opaque.left, text.left, 1);
    EXPECT_NEAR(opaque.top, text.top, 1);
    EXPECT_NEAR(opaque.right, text.right + 3, 1);
    EXPECT_NEAR(opaque.bottom, text.bottom + 3, 1);

    // Transparent pixels keep the shadow colour; column and row 0 never
    // carry text.
    int solidText = 0, shadow = 0, transparentNotShadow = 0, inkOnEdge = 0;
    for (int y = 0; y < png.Height(); ++y)
        for (int x = 0; x < png.Width(); ++x) {
            const uint8_t* px = png.Row(y) + 4 * x;
            if (px[3] == 255 && px[0] == 255 && px[1] == 0 && px[2] == 0) ++solidText;
            if (px[3] == 0x60 && IsShadowBlue(px)) ++shadow;
            if (px[3] == 0 && !IsShadowBlue(px)) ++transparentNotShadow;
            if ((x == 0 || y == 0) && px[3] != 0) ++inkOnEdge;
        }
    EXPECT_GT(solidText, 50);
    EXPECT_GT(shadow, 20);
    EXPECT_EQ(transparentNotShadow, 0);
    EXPECT_EQ(inkOnEdge, 0);
}

TEST_F(RichTextPicture, WithoutOffsetTheShadowHidesUnderTheText) {
    const forms::PngImage png = editor::RenderRTFToPNG(*render, *source, 120, 90, 0, kShadowBlue);
    Box text, opaque;
    Measure(png, text, opaque);
    ASSERT_FALSE(text.Empty());
    EXPECT_NEAR(opaque.right, text.right, 1);
    EXPECT_NEAR(opaque.bottom, text.bottom, 1);
}

TEST_F(RichTextPicture, EmptyTextAndBoxesWithoutAreaGiveTransparentPicturesThatSave) {
    source->SetRTF("");
    forms::PngImage png = editor::RenderRTFToPNG(*render, *source, 40, 40, 0, 0);
    ASSERT_EQ(png.Width(), 40);
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x) ASSERT_EQ(png.Row(y)[4 * x + 3], 0);

    // A zero-height text box, a 0 x 0 box and an offset larger than the box.
    source->SetRTF(kRtf);
    for (const auto& size : {std::make_pair(80, 0), std::make_pair(0, 0), std::make_pair(-5, 20)}) {
        png = editor::RenderRTFToPNG(*render, *source, size.first, size.second, 3, kShadowBlue);
        EXPECT_EQ(png.Width(), std::max(size.first, 1));
        EXPECT_EQ(png.Height(), std::max(size.second, 1));
        EXPECT_FALSE(png.SaveToMemory().empty());
    }
    png = editor::RenderRTFToPNG(*render, *source, 10, 10, 50, kShadowBlue);
    EXPECT_EQ(png.Width(), 10);
    EXPECT_FALSE(png.SaveToMemory().empty());
}

}  // namespace
