// Rich text drawn into a transparent picture with a drop shadow, checked by
// its pixels.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <memory>

#include "editor/win32/common/RichTextPicture.h"
#include "forms/win32/Forms.h"

namespace {

// Red, bold text on two lines.
const char kRtf[] =
    "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}{\\colortbl;\\red255\\green0\\blue0;}"
    "\\f0\\fs40\\b\\cf1 WMW\\par WW\\par}";
constexpr forms::Color kShadowBlue = 0xFF0000;

bool IsShadowBlue(const uint8_t* px) { return px[0] == 0 && px[1] == 0 && px[2] == 255; }

// Bounds of the text's ink (colours other than the shadow colour) and of
// everything not transparent, and counts of telling pixels.
struct Survey {
    RECT text{1 << 20, 1 << 20, -1, -1}, opaque{1 << 20, 1 << 20, -1, -1};
    int solidRed = 0, shadow = 0, transparentNotShadow = 0, inkOnEdge = 0;

    explicit Survey(const forms::PngImage& png) {
        for (int y = 0; y < png.Height(); ++y)
            for (int x = 0; x < png.Width(); ++x) {
                const uint8_t* px = png.Row(y) + 4 * x;
                if (!IsShadowBlue(px)) Add(text, x, y);
                if (px[3] != 0) Add(opaque, x, y);
                solidRed += px[3] == 255 && px[0] == 255 && px[1] == 0 && px[2] == 0;
                shadow += px[3] == 0x60 && IsShadowBlue(px);
                transparentNotShadow += px[3] == 0 && !IsShadowBlue(px);
                inkOnEdge += (x == 0 || y == 0) && px[3] != 0;
            }
    }
    static void Add(RECT& r, int x, int y) {
        r = RECT{std::min<LONG>(r.left, x), std::min<LONG>(r.top, y), std::max<LONG>(r.right, x),
                 std::max<LONG>(r.bottom, y)};
    }
};

class RichTextPicture : public ::testing::Test {
protected:
    void SetUp() override {
        form.reset(new forms::Form());
        render = new forms::RichEdit(form.get(), form.get());
        render->SetVisible(false);
        source = new forms::RichEdit(form.get(), form.get());
        source->SetRTF(kRtf);
    }
    std::unique_ptr<forms::Form> form;
    forms::RichEdit* render = nullptr;
    forms::RichEdit* source = nullptr;
};

TEST_F(RichTextPicture, TextIsOpaqueInItsColoursAndTheShadowLiesOffsetBehindIt) {
    const forms::PngImage png = editor::RenderRTFToPNG(*render, *source, 120, 90, 3, kShadowBlue);
    ASSERT_EQ(png.Width(), 120);
    ASSERT_EQ(png.Height(), 90);
    const Survey s(png);
    EXPECT_GT(s.solidRed, 50);
    EXPECT_GT(s.shadow, 20);  // shadow colour at opacity 0x60
    EXPECT_EQ(s.transparentNotShadow, 0);
    EXPECT_EQ(s.inkOnEdge, 0);
    // Text from about (1, 1), two lines; the shadow is its shape moved by 3.
    EXPECT_LE(s.text.left, 6);
    EXPECT_GT(s.text.bottom - s.text.top, 30);
    EXPECT_NEAR(s.opaque.left, s.text.left, 1);
    EXPECT_NEAR(s.opaque.top, s.text.top, 1);
    EXPECT_NEAR(s.opaque.right, s.text.right + 3, 1);
    EXPECT_NEAR(s.opaque.bottom, s.text.bottom + 3, 1);

    const Survey flat(editor::RenderRTFToPNG(*render, *source, 120, 90, 0, kShadowBlue));
    EXPECT_NEAR(flat.opaque.right, flat.text.right, 1);  // shadow hidden under the text
    EXPECT_NEAR(flat.opaque.bottom, flat.text.bottom, 1);
}

TEST_F(RichTextPicture, EmptyTextAndBoxesWithoutAreaGiveTransparentPicturesThatSave) {
    source->SetRTF("");
    const Survey empty(editor::RenderRTFToPNG(*render, *source, 40, 40, 0, 0));
    EXPECT_EQ(empty.opaque.right, -1);

    // A zero-height box, a 0 x 0 box, a negative width, an offset past the box.
    source->SetRTF(kRtf);
    const int sizes[][3] = {{80, 0, 3}, {0, 0, 3}, {-5, 20, 3}, {10, 10, 50}};
    for (const auto& size : sizes) {
        const forms::PngImage png = editor::RenderRTFToPNG(*render, *source, size[0], size[1], size[2], kShadowBlue);
        EXPECT_EQ(png.Width(), std::max(size[0], 1));
        EXPECT_EQ(png.Height(), std::max(size[1], 1));
        EXPECT_FALSE(png.SaveToMemory().empty());
    }
}

}  // namespace
