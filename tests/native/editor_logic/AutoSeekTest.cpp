#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "editor/logic/AutoSeek.h"

using namespace editor;

namespace {

class RecordingProgress : public SeekProgress {
public:
    std::vector<int> Shown;
    int Pumps = 0;
    void ShowProgress(int percent) override { Shown.push_back(percent); }
    void ProcessMessages() override { ++Pumps; }
};

// A w x h picture; with noise, every pixel a different pseudo-random colour.
TBmpArray Picture(int w, int h, uint32_t colour, bool noise = false) {
    TBmpArray a;
    a.Width = w;
    a.Height = h;
    a.Pixels.SetSize(w, h);
    uint32_t state = 2463534242u;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            state ^= state << 13, state ^= state >> 17, state ^= state << 5;
            a.Pixels[x][y] = noise ? (state & 0xFFFFFF) : colour;
        }
    return a;
}

TBmpArray Cut(const TBmpArray& from, int left, int top, int w, int h) {
    TBmpArray a = Picture(w, h, 0);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) a.Pixels[x][y] = from.Pixels[left + x][top + y];
    return a;
}

SeekResult Seek(const TBmpArray& background, const TBmpArray& button) {
    RecordingProgress progress;
    return FindBestPlace(background, button, progress);
}

}  // namespace

TEST(AutoSeek, FindsTheButtonsPlaceButNeverTheFlushEdges) {
    const TBmpArray background = Picture(60, 40, 0, true);
    RecordingProgress progress;
    const SeekResult found = FindBestPlace(background, Cut(background, 23, 11, 12, 9), progress);
    EXPECT_TRUE(found.ExactMatch);
    EXPECT_EQ(found.X, 23);
    EXPECT_EQ(found.Y, 11);
    EXPECT_EQ(progress.Pumps, 23);  // ended inside column 23

    EXPECT_FALSE(Seek(background, Cut(background, 48, 3, 12, 8)).ExactMatch);   // x = BW - W
    EXPECT_FALSE(Seek(background, Cut(background, 3, 32, 12, 8)).ExactMatch);   // y = BH - H

    // Two equal places: the smaller x wins.
    TBmpArray once = Picture(50, 30, 0xFFFFFF);
    for (int i = 0; i < 8; ++i) once.Pixels[30 + i][20] = 0x808080;
    TBmpArray twice = once;
    for (int i = 0; i < 8; ++i) twice.Pixels[10 + i][20] = 0x808080;
    const SeekResult right = Seek(once, Picture(8, 8, 0x808080));
    const SeekResult tie = Seek(twice, Picture(8, 8, 0x808080));
    EXPECT_EQ(right.X, 30);
    EXPECT_EQ(tie.X, 10);
    EXPECT_EQ(tie.Y, right.Y);
    EXPECT_EQ(tie.Mean, right.Mean);
}

TEST(AutoSeek, WithoutCandidatesOrBetterPlacesTheButtonStaysAtTheStart) {
    const TBmpArray background = Picture(20, 20, 0, true);
    TBmpArray stated = Picture(5, 5, 0);
    stated.Width = 9;  // more than its arrays hold
    for (const auto& pair : {std::make_pair(background, Picture(20, 5, 0)),  // as wide
                             std::make_pair(background, Picture(5, 25, 0)),  // higher
                             std::make_pair(background, TBmpArray()),
                             std::make_pair(TBmpArray(), Picture(5, 5, 0)),
                             std::make_pair(background, stated),
                             // every pixel opposite: mean exactly 100
                             std::make_pair(Picture(30, 30, 0xFFFFFF), Picture(10, 10, 0))}) {
        const SeekResult r = Seek(pair.first, pair.second);
        EXPECT_EQ(r.X, 0);
        EXPECT_EQ(r.Y, 0);
        EXPECT_EQ(r.Mean, 100.0);
    }
}

TEST(AutoSeek, ProgressIsShownInStepsOfMoreThanFourPercent) {
    RecordingProgress tenths;  // columns 0..10
    FindBestPlace(Picture(15, 10, 0xFFFFFF), Picture(4, 4, 0), tenths);
    EXPECT_EQ(tenths.Shown, (std::vector<int>{10, 20, 30, 40, 50, 60, 70, 80, 90, 100}));
    EXPECT_EQ(tenths.Pumps, 11);

    RecordingProgress single;  // BW - W = 1: the one column x = 0
    FindBestPlace(Picture(5, 10, 0xFFFFFF), Picture(4, 4, 0), single);
    EXPECT_EQ(single.Shown, std::vector<int>{100});
}
