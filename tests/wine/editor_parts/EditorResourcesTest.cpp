#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <vector>

#include "EditorResources.h"

using namespace editor_resources;

namespace {

// The built editor image, loaded for its resources only.
class EditorImage : public ::testing::Test {
protected:
    void SetUp() override {
        module_ = LoadLibraryExA(QV_EDITOR_IMAGE, nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
        ASSERT_NE(module_, nullptr) << QV_EDITOR_IMAGE;
    }
    void TearDown() override {
        if (module_) FreeLibrary(module_);
    }

    // The pixels of a BITMAP resource as top-down rows of 0x00RRGGBB; empty
    // when it is missing.
    std::vector<uint32_t> Pixels(const char* name, int& width, int& height) {
        width = height = 0;
        HBITMAP bitmap = static_cast<HBITMAP>(LoadImageA(module_, name, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
        if (!bitmap) return {};
        BITMAP info = {};
        GetObjectA(bitmap, sizeof info, &info);
        width = info.bmWidth;
        height = info.bmHeight;
        BITMAPINFO header = {};
        header.bmiHeader.biSize = sizeof header.bmiHeader;
        header.bmiHeader.biWidth = width;
        header.bmiHeader.biHeight = -height;
        header.bmiHeader.biPlanes = 1;
        header.bmiHeader.biBitCount = 32;
        std::vector<uint32_t> pixels(static_cast<size_t>(width) * height);
        HDC dc = GetDC(nullptr);
        GetDIBits(dc, bitmap, 0, height, pixels.data(), &header, DIB_RGB_COLORS);
        ReleaseDC(nullptr, dc);
        DeleteObject(bitmap);
        for (uint32_t& p : pixels) p &= 0xFFFFFF;
        return pixels;
    }

    HMODULE module_ = nullptr;
};

constexpr uint32_t kLime = 0x00FF00;
constexpr uint32_t kMagenta = 0xFF00FF;

}  // namespace

TEST_F(EditorImage, PicturesAndIcon) {
    struct Expected {
        const char* name;
        int width, height;
    };
    for (const Expected& e : {Expected{kSplashResource, 392, 212}, Expected{kStartHeaderResource, 478, 64},
                              Expected{kStatusPictureResource, 32, 32}, Expected{kMonitorPictureResource, 200, 164}}) {
        int w, h;
        const std::vector<uint32_t> pixels = Pixels(e.name, w, h);
        EXPECT_EQ(w, e.width) << e.name;
        EXPECT_EQ(h, e.height) << e.name;
    }
    // The splash is black with see-through corners.
    int w, h;
    const std::vector<uint32_t> splash = Pixels(kSplashResource, w, h);
    ASSERT_EQ(splash.size(), 392u * 212u);
    EXPECT_EQ(splash[0], kLime);
    EXPECT_EQ(splash[100 * 392 + 300], 0u);
    EXPECT_NE(FindResourceA(module_, MAKEINTRESOURCEA(1), RT_GROUP_ICON), nullptr);
}

TEST_F(EditorImage, GlyphStripsMatchTheirIndexTables) {
    struct Strip {
        const char* name;
        int count;
    };
    for (const Strip& s : {Strip{kStandardGlyphResource, StandardGlyph::Count},
                           Strip{kFormattingGlyphResource, FormattingGlyph::Count},
                           Strip{kObjectGlyphResource, ObjectGlyph::Count},
                           Strip{kTextBoxGlyphResource, TextBoxGlyph::Count}}) {
        int w, h;
        const std::vector<uint32_t> pixels = Pixels(s.name, w, h);
        EXPECT_EQ(w, kGlyphSize * s.count) << s.name;
        EXPECT_EQ(h, kGlyphSize) << s.name;
        for (uint32_t p : pixels) ASSERT_NE(p, kMagenta) << s.name;
    }
    // The main window's 21 and the dialogs' Wizard.
    EXPECT_EQ(StandardGlyph::Count, 22);
    EXPECT_EQ(FormattingGlyph::Count, 13);
    EXPECT_EQ(ObjectGlyph::Count, 13);
    EXPECT_EQ(TextBoxGlyph::Count, 3);

    // The colour buttons leave rows 12-15 to the colour bar.
    int w, h;
    const std::vector<uint32_t> formatting = Pixels(kFormattingGlyphResource, w, h);
    ASSERT_EQ(formatting.size(), static_cast<size_t>(w) * h);
    for (int glyph : {FormattingGlyph::TextColor, FormattingGlyph::ShadowColor, FormattingGlyph::DateTimeColor,
                      FormattingGlyph::TransparentColor}) {
        bool drawn = false;
        for (int y = 0; y < kGlyphSize; ++y)
            for (int x = 0; x < kGlyphSize; ++x) {
                const uint32_t p = formatting[static_cast<size_t>(y) * w + glyph * kGlyphSize + x];
                if (y >= 12) EXPECT_EQ(p, kLime) << glyph << " at " << x << "," << y;
                else drawn = drawn || p != kLime;
            }
        EXPECT_TRUE(drawn) << glyph;
    }
}
