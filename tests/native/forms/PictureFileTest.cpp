#include "forms/portable/PictureFile.h"

#include <gtest/gtest.h>
#include <png.h>

#include <cstdlib>

#include "TestPictures.h"
#include "forms/portable/PngImage.h"
#include "forms/portable/Stream.h"

using forms::Bitmap;
using formstest::BmpRecipe;
using formstest::Bytes;
using formstest::MakeBmp;

namespace {

// Two rows of distinct colours, as stored in a 24-bit file (blue, green, red).
BmpRecipe TwoRows24(int height) {
    BmpRecipe s{3, height, 24};
    s.rows = {{0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08, 0x09},
              {0x11, 0x12, 0x13, 0x14, 0x15, 0x16, 0x17, 0x18, 0x19}};
    return s;
}

void ExpectTwoRows(const Bitmap& b) {
    ASSERT_EQ(b.Width(), 3);
    ASSERT_EQ(b.Height(), 2);
    EXPECT_EQ(b.Pixel(0, 0), 0x030201u);
    EXPECT_EQ(b.Pixel(2, 0), 0x090807u);
    EXPECT_EQ(b.Pixel(0, 1), 0x131211u);
    EXPECT_EQ(b.Pixel(2, 1), 0x191817u);
}

bool Near(uint32_t pixel, uint32_t expected, int tolerance) {
    for (int shift = 0; shift < 32; shift += 8) {
        const int a = static_cast<int>((pixel >> shift) & 0xFF);
        const int b = static_cast<int>((expected >> shift) & 0xFF);
        if (std::abs(a - b) > tolerance) return false;
    }
    return true;
}

}  // namespace

TEST(LoadBmp, ReadsTrueColourRowsInEitherOrder) {
    for (int height : {2, -2}) {
        const Bytes file = MakeBmp(TwoRows24(height));
        Bitmap b;
        ASSERT_TRUE(forms::LoadBmp(file.data(), file.size(), b)) << height;
        ExpectTwoRows(b);
    }
    // 32-bit: the unused fourth byte of the file is not taken over.
    BmpRecipe s{2, -1, 32};
    s.rows = {{0x10, 0x20, 0x30, 0xEE, 0x40, 0x50, 0x60, 0xEE}};
    Bytes file = MakeBmp(s);
    Bitmap b;
    ASSERT_TRUE(forms::LoadBmp(file.data(), file.size(), b));
    EXPECT_EQ(b.Pixel(0, 0), 0x302010u);
    EXPECT_EQ(b.Pixel(1, 0), 0x605040u);
}

TEST(LoadBmp, ReadsPalettedPictures) {
    BmpRecipe s8{3, 2, 8};
    s8.palette = {0x112233, 0x445566, 0x778899};
    s8.rows = {{0, 1, 2}, {2, 2, 0}};
    Bytes file = MakeBmp(s8);
    Bitmap b;
    ASSERT_TRUE(forms::LoadBmp(file.data(), file.size(), b));
    EXPECT_EQ(b.Pixel(0, 0), 0x112233u);
    EXPECT_EQ(b.Pixel(1, 0), 0x445566u);
    EXPECT_EQ(b.Pixel(2, 1), 0x112233u);

    BmpRecipe s4{3, -1, 4};
    s4.palette = {0x000000, 0xFF0000, 0x00FF00};
    s4.rows = {{0x12, 0x00}};
    file = MakeBmp(s4);
    ASSERT_TRUE(forms::LoadBmp(file.data(), file.size(), b));
    EXPECT_EQ(b.Pixel(0, 0), 0xFF0000u);
    EXPECT_EQ(b.Pixel(1, 0), 0x00FF00u);
    EXPECT_EQ(b.Pixel(2, 0), 0x000000u);

    // Indices beyond a short palette come out black rather than reading on.
    s8.palette = {0x112233};
    file = MakeBmp(s8);
    ASSERT_TRUE(forms::LoadBmp(file.data(), file.size(), b));
    EXPECT_EQ(b.Pixel(1, 0), 0u);
}

TEST(LoadBmp, ReadsSixteenBitAndBitFields) {
    BmpRecipe s555{2, 1, 16};
    s555.rows = {{0x00, 0x7C, 0xE0, 0x03}};  // pure red, pure green
    Bytes file = MakeBmp(s555);
    Bitmap b;
    ASSERT_TRUE(forms::LoadBmp(file.data(), file.size(), b));
    EXPECT_EQ(b.Pixel(0, 0), 0xFF0000u);
    EXPECT_EQ(b.Pixel(1, 0), 0x00FF00u);

    BmpRecipe s565{2, 1, 16, 40, 3, {0xF800, 0x07E0, 0x001F}};
    s565.rows = {{0x1F, 0x00, 0x20, 0x04}};  // pure blue, green 33 of 63
    file = MakeBmp(s565);
    ASSERT_TRUE(forms::LoadBmp(file.data(), file.size(), b));
    EXPECT_EQ(b.Pixel(0, 0), 0x0000FFu);
    EXPECT_EQ(b.Pixel(1, 0), 0x008600u);

    // Version 5 header with the masks inside it, 32-bit with swapped order.
    BmpRecipe v5{1, 1, 32, 124, 3, {0x000000FF, 0x0000FF00, 0x00FF0000}};
    v5.rows = {{0x12, 0x34, 0x56, 0x00}};
    file = MakeBmp(v5);
    ASSERT_TRUE(forms::LoadBmp(file.data(), file.size(), b));
    EXPECT_EQ(b.Pixel(0, 0), 0x123456u);
}

TEST(LoadBmp, RefusesBadOrUnsupportedFiles) {
    const Bytes good = MakeBmp(TwoRows24(2));
    Bitmap b(1, 1, 0xABCDEF);
    for (size_t cut = 0; cut + 3 < good.size(); ++cut)  // the last row may lack its padding
        ASSERT_FALSE(forms::LoadBmp(good.data(), cut, b)) << "cut at " << cut;

    auto patched = [&](size_t at, uint32_t v) {
        Bytes f = good;
        for (int i = 0; i < 4; ++i) f[at + i] = static_cast<uint8_t>(v >> (8 * i));
        return f;
    };
    for (const Bytes& f : {patched(10, 0xFFFFFFF0u),  // pixel offset beyond the data
                           patched(18, 0x40000000u),  // vast width
                           patched(22, 0x80000000u),  // height of INT_MIN
                           patched(30, 1u),           // run-length encoded
                           patched(14, 12u)}) {       // unknown header size
        EXPECT_FALSE(forms::LoadBmp(f.data(), f.size(), b));
    }
    BmpRecipe wrongFields{2, 1, 24, 40, 3, {0xFF, 0xFF00, 0xFF0000}};
    wrongFields.rows = {Bytes(6)};
    Bytes f = MakeBmp(wrongFields);
    EXPECT_FALSE(forms::LoadBmp(f.data(), f.size(), b));
    BmpRecipe gappedMask{1, 1, 16, 40, 3, {0x5000, 0x07E0, 0x001F}};
    gappedMask.rows = {Bytes(2)};
    f = MakeBmp(gappedMask);
    EXPECT_FALSE(forms::LoadBmp(f.data(), f.size(), b));
    EXPECT_EQ(b.Pixel(0, 0), 0xABCDEFu);
}

TEST(LoadJpeg, DecodesColourAndGray) {
    const int w = 32, h = 16;
    Bytes rgb(w * h * 3);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            uint8_t* p = &rgb[(y * w + x) * 3];
            p[0] = x < 16 ? 220 : 20;  // red left, blue right
            p[1] = 40;
            p[2] = x < 16 ? 30 : 200;
        }
    Bytes file = formstest::MakeJpeg(w, h, 3, rgb);
    Bitmap b;
    ASSERT_TRUE(forms::LoadJpeg(file.data(), file.size(), b));
    ASSERT_EQ(b.Width(), w);
    ASSERT_EQ(b.Height(), h);
    EXPECT_TRUE(Near(b.Pixel(3, 3), 0x00DC281Eu, 12)) << std::hex << b.Pixel(3, 3);
    EXPECT_TRUE(Near(b.Pixel(28, 12), 0x001428C8u, 12)) << std::hex << b.Pixel(28, 12);

    Bytes gray(w * h, 77);
    file = formstest::MakeJpeg(w, h, 1, gray);
    ASSERT_TRUE(forms::LoadJpeg(file.data(), file.size(), b));
    EXPECT_TRUE(Near(b.Pixel(10, 10), 0x004D4D4Du, 2)) << std::hex << b.Pixel(10, 10);
}

TEST(LoadJpeg, SurvivesTruncatedAndDamagedData) {
    Bytes rgb(64 * 64 * 3);
    for (size_t i = 0; i < rgb.size(); ++i) rgb[i] = static_cast<uint8_t>(i * 31);
    const Bytes file = formstest::MakeJpeg(64, 64, 3, rgb, 80);
    Bitmap b(1, 1, 0x123456);
    // Cut inside the headers: no picture.
    for (size_t cut = 0; cut < 100; ++cut) ASSERT_FALSE(forms::LoadJpeg(file.data(), cut, b));
    EXPECT_EQ(b.Pixel(0, 0), 0x123456u);
    // Cut or damaged inside the picture data: never a crash or an overrun.
    for (size_t cut = 100; cut < file.size(); cut += 7) forms::LoadJpeg(file.data(), cut, b);
    Bytes damaged = file;
    for (size_t i = 0; i < damaged.size(); i += 13) {
        damaged[i] ^= 0xA5;
        forms::LoadJpeg(damaged.data(), damaged.size(), b);
    }
}

TEST(LoadJpeg, RefusesProgressiveFilesWithEndlessScans) {
    Bytes rgb(16 * 16 * 3, 90);
    const Bytes file = formstest::MakeJpeg(16, 16, 3, rgb, 90, true);
    // Repeat the last scan (from its start-of-scan marker up to the end marker).
    size_t lastScan = 0;
    for (size_t i = 0; i + 1 < file.size(); ++i)
        if (file[i] == 0xFF && file[i + 1] == 0xDA) lastScan = i;
    ASSERT_GT(lastScan, 0u);
    const Bytes scan(file.begin() + lastScan, file.end() - 2);
    auto repeated = [&](int times) {
        Bytes f(file.begin(), file.end() - 2);
        for (int i = 0; i < times; ++i) f.insert(f.end(), scan.begin(), scan.end());
        f.push_back(0xFF);
        f.push_back(0xD9);
        return f;
    };
    Bitmap b;
    const Bytes few = repeated(5);
    EXPECT_TRUE(forms::LoadJpeg(few.data(), few.size(), b));
    const Bytes endless = repeated(3000);
    EXPECT_FALSE(forms::LoadJpeg(endless.data(), endless.size(), b));
}

TEST(LoadPictureFile, ChoosesTheReaderBySignature) {
    const std::string folder = formstest::TempFolder();
    const Bytes bmp = MakeBmp(TwoRows24(2));
    forms::PngImage png = forms::PngImage::CreateBlank(1, 1);
    png.Row(0)[0] = 0xC0;
    png.Row(0)[3] = 0x80;
    const Bytes pngFile = png.SaveToMemory();
    const Bytes jpeg = formstest::MakeJpeg(8, 8, 1, Bytes(64, 128));

    // The names deliberately mislead.
    ASSERT_TRUE(forms::WriteWholeFile(folder + "/a.jpg", bmp.data(), bmp.size()));
    ASSERT_TRUE(forms::WriteWholeFile(folder + "/b.bmp", pngFile.data(), pngFile.size()));
    ASSERT_TRUE(forms::WriteWholeFile(folder + "/c.png", jpeg.data(), jpeg.size()));
    ASSERT_TRUE(forms::WriteWholeFile(folder + "/d.bmp", "GIF89a..", 8));

    Bitmap b;
    ASSERT_TRUE(forms::LoadPictureFile(folder + "/a.jpg", b));
    ExpectTwoRows(b);
    ASSERT_TRUE(forms::LoadPictureFile(folder + "/b.bmp", b));
    EXPECT_EQ(b.Pixel(0, 0), 0x80C00000u);  // alpha kept in the fourth byte
    ASSERT_TRUE(forms::LoadPictureFile(folder + "/c.png", b));
    EXPECT_EQ(b.Width(), 8);
    EXPECT_FALSE(forms::LoadPictureFile(folder + "/d.bmp", b));
    EXPECT_FALSE(forms::LoadPictureFile(folder + "/missing.bmp", b));
    EXPECT_EQ(b.Width(), 8);
}

#include "forms/portable/BmpFile.h"

// The fourth byte is not kept: it reads back as 0.
TEST(EncodeBmp, WritesWhatLoadBmpReadsBackAtAnyRowWidth) {
    for (int width : {1, 3, 4, 7}) {
        Bitmap picture(width, 3, 0);
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < width; ++x) picture.SetPixel(x, y, 0xFF000000u | (x * 40) << 16 | y * 70 | 0x3300);
        const std::vector<uint8_t> file = forms::EncodeBmp(picture);
        Bitmap back;
        ASSERT_TRUE(forms::LoadBmp(file.data(), file.size(), back)) << width;
        ASSERT_EQ(back.Width(), width);
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < width; ++x) EXPECT_EQ(back.Pixel(x, y), picture.Pixel(x, y) & 0xFFFFFFu) << x << "," << y;
    }
    EXPECT_TRUE(forms::EncodeBmp(Bitmap()).empty());
}
