#include "editor/logic/ButtonFrames.h"

#include <gtest/gtest.h>

#include <set>
#include <tuple>

namespace {

using editor::FrameMove;

// A row whose frames 0..count-1 are 1 x 1 pictures of value 0..count-1.
void FillRow(editor::FrameRow& row, int count) {
    for (int i = 0; i < kFrameSlots; ++i) row[i].reset();
    for (int i = 0; i < count; ++i) row[i] = std::make_shared<forms::Bitmap>(1, 1, static_cast<uint32_t>(i));
}

std::vector<uint32_t> Values(const editor::FrameRow& row) {
    std::vector<uint32_t> values;
    for (int i = 0; i < editor::FrameRunLength(row); ++i) values.push_back(row[i]->Pixel(0, 0));
    return values;
}

TEST(AutoFillTest, NamesFollowThePickedFileAndStopAtTheFirstGap) {
    const std::set<std::string> files = {"btnu.bmp", "btna.bmp", "btnu1.bmp", "btnu2.bmp", "btnu4.bmp",
                                         "btnd1.bmp", "other.bmp"};
    const auto exists = [&files](const std::string& name) { return files.count(name) > 0; };
    const auto plan = editor::PlanAutoFill("btnu.bmp", exists);
    std::vector<std::string> names;
    for (const auto& item : plan) names.push_back(std::to_string(item.State) + ":" + std::to_string(item.Frame) + ":" + item.Name);
    EXPECT_EQ(names, (std::vector<std::string>{"0:0:btnu.bmp", "1:0:btna.bmp", "0:1:btnu1.bmp", "0:2:btnu2.bmp",
                                               "2:1:btnd1.bmp"}));
    EXPECT_EQ(editor::AutoFillReport("btnu.bmp", plan, plan.size()),
              "Loaded default up image: btnu.bmp\rLoaded default active image: btna.bmp\r"
              "Default down image not found: btnd.bmp\r\r--- Looking for image animation frames ---\r"
              "Loaded up animation frame 1: btnu1.bmp\rLoaded up animation frame 2: btnu2.bmp\r"
              "Loaded down animation frame 1: btnd1.bmp\r");

    // Dots: the stem ends before the first one; the picked file stands in
    // for a missing default up picture; a fill cut short reports what it read.
    EXPECT_EQ(editor::SplitAutoFillName("my.btn.bmp").Stem, "m");
    EXPECT_EQ(editor::SplitAutoFillName("my.btn.bmp").Ext, ".btn.bmp");
    const auto other = editor::PlanAutoFill("other.bmp", exists);
    ASSERT_EQ(other.size(), 1u);
    EXPECT_TRUE(other[0].Selected);
    EXPECT_EQ(editor::AutoFillReport("other.bmp", other, 0),
              "Default active image not found: othea.bmp\rDefault down image not found: othed.bmp\r\r"
              "--- Looking for image animation frames ---\r(none found)");
}

TEST(FrameRowTest, StepInsertMoveAndDeleteKeepTheRunContiguous) {
    editor::FrameRow row;
    FillRow(row, 3);
    int cur = 0;
    EXPECT_EQ(editor::MakeRoomAfter(row, cur), FrameMove::Moved);
    EXPECT_EQ(cur, 1);
    EXPECT_EQ(Values(row), (std::vector<uint32_t>{0, 0, 1, 2}));
    editor::DeleteFrame(row, cur);
    EXPECT_EQ(Values(row), (std::vector<uint32_t>{0, 1, 2}));
    EXPECT_EQ(editor::MoveFrameForward(row, cur), FrameMove::Moved);
    EXPECT_EQ(Values(row), (std::vector<uint32_t>{0, 2, 1}));
    EXPECT_EQ(editor::MoveFrameForward(row, cur), FrameMove::Refused);
    cur = 0;
    EXPECT_EQ(editor::MoveFrameBack(row, cur), FrameMove::Refused);
    cur = 2;
    editor::DeleteFrame(row, cur);
    EXPECT_EQ(cur, 1);
    EXPECT_EQ(Values(row), (std::vector<uint32_t>{0, 2}));

    // A full state: Next stops at 99 with the message, Last reaches 100, an
    // insert there is refused and nothing is ever written to slot 101.
    FillRow(row, 101);
    cur = 99;
    EXPECT_EQ(editor::NextFrame(row, cur), FrameMove::FrameLimit);
    EXPECT_EQ(editor::LastFrame(row), 100);
    cur = 100;
    EXPECT_EQ(editor::MakeRoomAfter(row, cur), FrameMove::FrameLimit);
    EXPECT_EQ(cur, 100);
    cur = 50;
    EXPECT_EQ(editor::MakeRoomAfter(row, cur), FrameMove::Moved);
    EXPECT_FALSE(row[101]);
    EXPECT_EQ(row[100]->Pixel(0, 0), 99u);
}

TEST(PictureFitTest, PickedPicturesPreviewsAndSizes) {
    int w = 0, h = 0;
    EXPECT_TRUE(editor::FitPickedPicture(1600, 400, w, h));
    EXPECT_EQ(std::make_pair(w, h), std::make_pair(800, 200));
    EXPECT_FALSE(editor::FitPickedPicture(800, 800, w, h));
    EXPECT_TRUE(editor::FitPickedPicture(5000, 2, w, h));
    EXPECT_EQ(std::make_pair(w, h), std::make_pair(800, 1));

    const auto small = editor::PlacePreview(100, 20, 233, 67);
    EXPECT_EQ(std::make_tuple(small.Left, small.Top, small.Width, small.Height), std::make_tuple(66, 23, 100, 20));
    const auto wide = editor::PlacePreview(466, 67, 233, 67);
    EXPECT_EQ(std::make_tuple(wide.Left, wide.Top, wide.Width, wide.Height), std::make_tuple(0, 17, 233, 33));

    int side = 0;
    EXPECT_TRUE(editor::ValidObjectSide(" 97 ", side));
    EXPECT_EQ(side, 97);
    EXPECT_TRUE(editor::ValidObjectSide("$10", side));
    EXPECT_EQ(side, 16);
    for (const char* bad : {"0", "-5", "2001", "99999999999", "", "12a", "$0"})
        EXPECT_FALSE(editor::ValidObjectSide(bad, side)) << bad;
}

}  // namespace
