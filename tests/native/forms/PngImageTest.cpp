#include "forms/portable/PngImage.h"

#include <gtest/gtest.h>
#include <png.h>
#include <zlib.h>

#include "TestPictures.h"
// This file holds the test program's replacement operator new.
#define QV_REPLACE_OPERATOR_NEW
#include "tests/native/shared_format/AllocationProbe.h"

using forms::PngImage;
using formstest::Bytes;
using formstest::MakePng;
using formstest::PngRecipe;

namespace {

PngImage Gradient(int w, int h) {
    PngImage img = PngImage::CreateBlank(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            uint8_t* p = img.Row(y) + 4 * x;
            p[0] = static_cast<uint8_t>(x * 7 + y);
            p[1] = static_cast<uint8_t>(y * 13);
            p[2] = static_cast<uint8_t>(x ^ y);
            p[3] = static_cast<uint8_t>((x + y) * 5);
        }
    return img;
}

// The file with other sides in its header (and the header's checksum fixed).
Bytes SetSides(Bytes file, uint32_t width, uint32_t height) {
    for (int i = 0; i < 4; ++i) {
        file[16 + i] = static_cast<uint8_t>(width >> (24 - 8 * i));
        file[20 + i] = static_cast<uint8_t>(height >> (24 - 8 * i));
    }
    const uint32_t crc = static_cast<uint32_t>(crc32(crc32(0, nullptr, 0), file.data() + 12, 17));
    for (int i = 0; i < 4; ++i) file[29 + i] = static_cast<uint8_t>(crc >> (24 - 8 * i));
    return file;
}

}  // namespace

TEST(PngImage, SavesAndLoadsRgbaExactly) {
    const PngImage original = Gradient(37, 11);
    const Bytes file = original.SaveToMemory();
    ASSERT_FALSE(file.empty());
    PngImage loaded;
    ASSERT_TRUE(loaded.LoadFromMemory(file.data(), file.size()));
    EXPECT_TRUE(loaded == original);

    const std::string path = formstest::TempFolder() + "/round.png";
    ASSERT_TRUE(original.SaveToFile(path));
    PngImage fromFile;
    ASSERT_TRUE(fromFile.LoadFromFile(path));
    EXPECT_TRUE(fromFile == original);
    EXPECT_TRUE(PngImage().SaveToMemory().empty());

    // From a bitmap, alpha becomes opaque.
    PngImage fromBitmap;
    fromBitmap.AssignBitmap(forms::Bitmap(1, 1, 0x00112233));
    EXPECT_EQ(fromBitmap.Rgba(), (Bytes{0x11, 0x22, 0x33, 0xFF}));
}

TEST(PngImage, ExpandsOtherColourTypesToRgba8) {
    // 16-bit RGB: the high byte of each sample survives, alpha is opaque.
    PngRecipe rgb16{2, 1, PNG_COLOR_TYPE_RGB, 16};
    rgb16.rows = {{0xAB, 0xCD, 0x12, 0x34, 0x56, 0x78, 0xFF, 0xFF, 0x00, 0x01, 0x80, 0x00}};
    Bytes file = MakePng(rgb16);
    PngImage img;
    ASSERT_TRUE(img.LoadFromMemory(file.data(), file.size()));
    EXPECT_EQ(Bytes(img.Rgba().begin(), img.Rgba().end()),
              (Bytes{0xAB, 0x12, 0x56, 0xFF, 0xFF, 0x00, 0x80, 0xFF}));

    // 4-bit palette with transparency for its first entries.
    PngRecipe pal{3, 1, PNG_COLOR_TYPE_PALETTE, 4};
    pal.paletteRgb = {10, 20, 30, 40, 50, 60, 70, 80, 90};
    pal.trnsAlpha = {0, 128};
    pal.rows = {{0x01, 0x20}};
    file = MakePng(pal);
    ASSERT_TRUE(img.LoadFromMemory(file.data(), file.size()));
    EXPECT_EQ(img.Rgba(), (Bytes{10, 20, 30, 0, 40, 50, 60, 128, 70, 80, 90, 255}));

    // 2-bit gray widens to the full range.
    PngRecipe gray2{4, 1, PNG_COLOR_TYPE_GRAY, 2};
    gray2.rows = {{0x1B}};  // 0, 1, 2, 3
    file = MakePng(gray2);
    ASSERT_TRUE(img.LoadFromMemory(file.data(), file.size()));
    EXPECT_EQ(img.Rgba(), (Bytes{0, 0, 0, 255, 85, 85, 85, 255, 170, 170, 170, 255, 255, 255, 255, 255}));

    // 8-bit gray with one value made transparent.
    PngRecipe gray8{2, 1, PNG_COLOR_TYPE_GRAY, 8};
    gray8.trnsGray = 7;
    gray8.rows = {{7, 200}};
    file = MakePng(gray8);
    ASSERT_TRUE(img.LoadFromMemory(file.data(), file.size()));
    EXPECT_EQ(img.Rgba(), (Bytes{7, 7, 7, 0, 200, 200, 200, 255}));
}

TEST(PngImage, ReadsInterlacedImages) {
    const PngImage expected = Gradient(13, 9);
    PngRecipe recipe{13, 9, PNG_COLOR_TYPE_RGB_ALPHA, 8, true};
    for (int y = 0; y < 9; ++y) recipe.rows.emplace_back(expected.Row(y), expected.Row(y) + 13 * 4);
    const Bytes file = MakePng(recipe);
    PngImage img;
    ASSERT_TRUE(img.LoadFromMemory(file.data(), file.size()));
    EXPECT_TRUE(img == expected);
}

TEST(PngImage, BadDataFailsAndLeavesPictureUnchanged) {
    const PngImage before = Gradient(5, 4);
    const Bytes good = Gradient(40, 30).SaveToMemory();
    PngImage img = before;

    // Every truncation fails (the end chunk is required).
    for (size_t cut = 0; cut < good.size(); ++cut) {
        ASSERT_FALSE(img.LoadFromMemory(good.data(), cut)) << "cut at " << cut;
    }
    EXPECT_TRUE(img == before);

    Bytes wrongCrc = good;
    wrongCrc[good.size() - 20] ^= 0x55;  // inside the image data
    EXPECT_FALSE(img.LoadFromMemory(wrongCrc.data(), wrongCrc.size()));

    Bytes noSignature = good;
    noSignature[1] = 'X';
    EXPECT_FALSE(img.LoadFromMemory(noSignature.data(), noSignature.size()));
    EXPECT_FALSE(img.LoadFromMemory(nullptr, 0));
    EXPECT_TRUE(img == before);
}

TEST(PngImage, RefusesPicturesAboveThePixelLimit) {
    const Bytes file = Gradient(40, 30).SaveToMemory();
    PngImage img;
    EXPECT_FALSE(img.LoadFromMemory(file.data(), file.size(), 40 * 30 - 1));
    EXPECT_TRUE(img.LoadFromMemory(file.data(), file.size(), 40 * 30));

    // A header claiming a vast picture is refused before anything is allocated.
    const Bytes huge = SetSides(file, 0x7F000028, 30);
    EXPECT_FALSE(img.LoadFromMemory(huge.data(), huge.size()));
    EXPECT_EQ(img.Width(), 40);

    // Within the limit but far more pixels than the compressed data can hold
    // (8192 x 8192 in some 230 bytes): refused before the pixels are allocated.
    const Bytes claims = SetSides(file, 8192, 8192);
    {
        qvtest::AllocationProbe probe;
        EXPECT_FALSE(img.LoadFromMemory(claims.data(), claims.size()));
        EXPECT_LT(probe.Largest(), 1u << 20);
    }
    // The densest real data still loads: a 1-bit picture of one colour.
    PngRecipe plain{4096, 4096, PNG_COLOR_TYPE_GRAY, 1};
    plain.rows.assign(4096, Bytes(512, 0));
    const Bytes dense = MakePng(plain);
    ASSERT_LT(dense.size(), 4096u);
    ASSERT_TRUE(img.LoadFromMemory(dense.data(), dense.size()));
    EXPECT_EQ(img.Width(), 4096);
}
