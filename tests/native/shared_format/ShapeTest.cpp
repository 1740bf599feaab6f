// The window-shape string made from a picture and a transparent colour index.

#include "shared/TarvikUtils.h"
#include "tests/native/shared_format/TestFiles.h"

namespace {

// Index 12 is the colour value 0x0000FF (red), pixel word 0x00FF0000.
constexpr uint32_t kRedPixel = 0x00FF0000;
constexpr int kRedIndex = 12;

forms::Bitmap WithTransparent(int w, int h, std::initializer_list<std::pair<int, int>> points,
                              uint32_t key = kRedPixel) {
    forms::Bitmap bmp(w, h, 0x00123456);
    for (const auto& p : points) bmp.SetPixel(p.first, p.second, key);
    return bmp;
}

TEST(WinRgnString, WorkedExamples) {
    EXPECT_EQ(MakeWinRgnString(WithTransparent(3, 2, {{0, 0}, {2, 1}}), kRedIndex),
              "0003000200000001Y000200020003");
    EXPECT_EQ(MakeWinRgnString(WithTransparent(2, 2, {{0, 0}, {1, 0}, {0, 1}, {1, 1}}), kRedIndex),
              "0002000200000002Y000200000002");
}

TEST(WinRgnString, RunsRowsAndMarkers) {
    // No key pixel: the header alone.
    EXPECT_EQ(MakeWinRgnString(WithTransparent(12, 3, {}), kRedIndex), "00120003");
    // Several runs in one row, rows without runs skipped, a run ending at the width.
    const forms::Bitmap bmp = WithTransparent(
        10, 4, {{1, 0}, {2, 0}, {5, 0}, {9, 2}, {8, 2}, {0, 3}});
    EXPECT_EQ(MakeWinRgnString(bmp, kRedIndex),
              "00100004" "00010003" "00050006" "Y0003" "00080010" "Y0004" "00000001");
}

TEST(WinRgnString, KeyColourRules) {
    const forms::Bitmap bmp = WithTransparent(2, 1, {{1, 0}});
    EXPECT_EQ(MakeWinRgnString(bmp, 0), "NULL");
    EXPECT_EQ(MakeWinRgnString(bmp, -1), "NULL");
    // A pixel whose fourth byte is set never matches.
    EXPECT_EQ(MakeWinRgnString(WithTransparent(2, 1, {{1, 0}}, kRedPixel | 0xFF000000u), kRedIndex),
              "00020001");
    // Indexes beyond the table give black.
    EXPECT_EQ(MakeWinRgnString(WithTransparent(2, 1, {{0, 0}}, 0), 16), "0002000100000001");
    // Index 1 is the colour value 0x800000 (dark blue), pixel word 0x000080.
    EXPECT_EQ(MakeWinRgnString(WithTransparent(2, 1, {{1, 0}}, 0x000080), 1), "0002000100010002");
}

TEST(WinRgnString, SidesBeyondFourDigitsKeepTheRectangle) {
    EXPECT_EQ(MakeWinRgnString(forms::Bitmap(10000, 1, kRedPixel), kRedIndex), "NULL");
    const std::string nine = MakeWinRgnString(forms::Bitmap(9999, 1, kRedPixel), kRedIndex);
    EXPECT_EQ(nine, "9999000100009999");
}

TEST(WinRgnString, LargeCheckerboardHasEveryRun) {
    // Every other pixel transparent: the largest possible number of runs.
    forms::Bitmap bmp(1920, 1080, 0);
    for (int y = 0; y < 1080; ++y) {
        for (int x = (y & 1); x < 1920; x += 2) bmp.SetPixel(x, y, kRedPixel);
    }
    // Its speed is measured by the benchmark, not here.
    const std::string text = MakeWinRgnString(bmp, kRedIndex);
    EXPECT_EQ(text.size(), 8 + 960u * 8 * 1080 + 1079u * 5);
    EXPECT_EQ(text.substr(0, 24), "192010800000000100020003");
}

}  // namespace
