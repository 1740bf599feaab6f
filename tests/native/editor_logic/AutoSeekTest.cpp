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

TBmpArray Filled(int w, int h, uint32_t colour) {
    TBmpArray a;
    a.Width = w;
    a.Height = h;
    a.Pixels.SetSize(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) a.Pixels[x][y] = colour;
    return a;
}

// A background with no two equal places: every pixel differs in colour.
TBmpArray Generated(int w, int h) {
    TBmpArray a = Filled(w, h, 0);
    uint32_t state = 2463534242u;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            state ^= state << 13;
            state ^= state >> 17;
            state ^= state << 5;
            a.Pixels[x][y] = state & 0xFFFFFF;
        }
    return a;
}

TBmpArray Cut(const TBmpArray& from, int left, int top, int w, int h) {
    TBmpArray a = Filled(w, h, 0);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) a.Pixels[x][y] = from.Pixels[left + x][top + y];
    return a;
}

void Paste(TBmpArray& into, const TBmpArray& picture, int left, int top) {
    for (int y = 0; y < picture.Height; ++y)
        for (int x = 0; x < picture.Width; ++x) into.Pixels[left + x][top + y] = picture.Pixels[x][y];
}

}  // namespace

TEST(AutoSeek, ButtonCutFromTheBackgroundIsFoundAtItsPlace) {
    const TBmpArray background = Generated(60, 40);
    RecordingProgress progress;
    const SeekResult found = FindBestPlace(background, Cut(background, 23, 11, 12, 9), progress);
    EXPECT_TRUE(found.ExactMatch);
    EXPECT_EQ(found.X, 23);
    EXPECT_EQ(found.Y, 11);
    EXPECT_EQ(found.Mean, 0.0);
    // The search ended in column 23 before that column's progress step.
    EXPECT_EQ(progress.Pumps, 23);

    // A slightly changed copy is still the best place, without an exact match.
    TBmpArray button = Cut(background, 30, 5, 10, 10);
    button.Pixels[4][4] ^= 0x10;
    const SeekResult near = FindBestPlace(background, button, progress);
    EXPECT_FALSE(near.ExactMatch);
    EXPECT_EQ(near.X, 30);
    EXPECT_EQ(near.Y, 5);
    EXPECT_GT(near.Mean, 0.0);
}

TEST(AutoSeek, TiesKeepTheEarlierPlaceAndTheFlushEdgesAreNotTried) {
    TBmpArray background = Filled(50, 30, 0xFFFFFF);
    TBmpArray button = Generated(8, 8);
    button.Pixels[0][0] = 0xFFFFFF;  // one pixel off in each pasted copy
    TBmpArray pasted = button;
    pasted.Pixels[0][0] = 0;
    Paste(background, pasted, 30, 4);
    Paste(background, pasted, 10, 20);
    RecordingProgress progress;
    SeekResult found = FindBestPlace(background, button, progress);
    EXPECT_EQ(found.X, 10);
    EXPECT_EQ(found.Y, 20);

    // An exact copy flush against the right or bottom edge is never a candidate.
    TBmpArray edges = Generated(40, 30);
    found = FindBestPlace(edges, Cut(edges, 32, 3, 8, 8), progress);
    EXPECT_FALSE(found.ExactMatch);
    found = FindBestPlace(edges, Cut(edges, 3, 22, 8, 8), progress);
    EXPECT_FALSE(found.ExactMatch);
}

TEST(AutoSeek, NoCandidatesOrOnlyOppositePixelsLeaveTheStartPlace) {
    RecordingProgress progress;
    const TBmpArray background = Generated(20, 20);
    const SeekResult start;
    auto expectStart = [&](const TBmpArray& bg, const TBmpArray& button) {
        const SeekResult r = FindBestPlace(bg, button, progress);
        EXPECT_EQ(r.X, start.X);
        EXPECT_EQ(r.Y, start.Y);
        EXPECT_EQ(r.Mean, start.Mean);
        EXPECT_FALSE(r.ExactMatch);
    };
    expectStart(background, Filled(20, 5, 0));  // as wide as the background
    expectStart(background, Filled(5, 25, 0));  // higher than the background
    expectStart(background, TBmpArray());       // empty button
    expectStart(TBmpArray(), Filled(5, 5, 0));  // empty background
    TBmpArray shortArray = Filled(5, 5, 0);
    shortArray.Width = 9;  // states more than its arrays hold
    expectStart(background, shortArray);
    EXPECT_TRUE(progress.Shown.empty());
    EXPECT_EQ(progress.Pumps, 0);

    // Every pixel opposite: the mean is exactly 100 everywhere.
    expectStart(Filled(30, 30, 0xFFFFFF), Filled(10, 10, 0));
}

TEST(AutoSeek, ProgressIsShownInStepsOfMoreThanFourPercent) {
    RecordingProgress progress;
    // Columns x = 0..10 (BW - W - 1 = 10): 0, 10, ..., 100 percent.
    FindBestPlace(Filled(15, 10, 0xFFFFFF), Filled(4, 4, 0), progress);
    EXPECT_EQ(progress.Shown, (std::vector<int>{10, 20, 30, 40, 50, 60, 70, 80, 90, 100}));
    EXPECT_EQ(progress.Pumps, 11);

    // Columns x = 0..40: every 2.5 percent, shown only past 4 more than last.
    progress = RecordingProgress();
    FindBestPlace(Filled(45, 10, 0xFFFFFF), Filled(4, 4, 0), progress);
    EXPECT_EQ(progress.Shown.front(), 5);
    EXPECT_EQ(progress.Shown[1], 10);
    EXPECT_EQ(progress.Shown.back(), 100);

    // One column (BW - W = 1): the bar shows 100.
    progress = RecordingProgress();
    FindBestPlace(Filled(5, 10, 0xFFFFFF), Filled(4, 4, 0), progress);
    EXPECT_EQ(progress.Shown, std::vector<int>{100});
}
