// Preset rows and files: the fixed 45-digit layout read, written and
// refused, files read defensively; and the size rules of the properties
// dialog.
#include <gtest/gtest.h>

#include "editor/logic/ObjPropsRules.h"
#include "editor/logic/ShapePresets.h"

namespace {

using editor::FormatPresetRow;
using editor::ParsePresetRow;

bool SameSettings(const TShapeRec& a, const TShapeRec& b) {
    return a.ShapeKind == b.ShapeKind && a.LineThickness == b.LineThickness && a.FillType == b.FillType &&
           a.CornerRounding == b.CornerRounding && a.LineColor == b.LineColor && a.FillColor == b.FillColor &&
           a.GradientColor == b.GradientColor && a.ShapeWidth == b.ShapeWidth && a.ShapeHeight == b.ShapeHeight;
}

TEST(ShapePresetRows, TheFirstBuiltInRowReadsAsAGreyRoundedRectangle) {
    const auto shape = ParsePresetRow(editor::BuiltInPresetRows(1).front());
    ASSERT_TRUE(shape);
    EXPECT_EQ(shape->ShapeWidth, 250);
    EXPECT_EQ(shape->ShapeHeight, 100);
    EXPECT_EQ(shape->ShapeKind, 3);
    EXPECT_EQ(shape->LineThickness, 1);
    EXPECT_EQ(shape->FillType, 2);
    EXPECT_EQ(shape->CornerRounding, 12);
    EXPECT_EQ(shape->LineColor, 0x555555);
    EXPECT_EQ(shape->FillColor, 0xFFFFFF);
    EXPECT_EQ(shape->GradientColor, 0xE8E8E8);
    EXPECT_EQ(shape->FillAlpha, 1.0f);
    EXPECT_EQ(editor::BuiltInPresetRows(1).size(), 11u);
    EXPECT_EQ(editor::BuiltInPresetRows(2).size(), 11u);
    EXPECT_TRUE(editor::BuiltInPresetRows(3).empty());
    // Every built-in row reads and writes back to itself.
    for (int range = 1; range <= 2; ++range)
        for (const std::string& row : editor::BuiltInPresetRows(range)) {
            const auto s = ParsePresetRow(row);
            ASSERT_TRUE(s) << row;
            EXPECT_EQ(FormatPresetRow(s->ShapeWidth, s->ShapeHeight, *s), row);
        }
}

TEST(ShapePresetRows, RowsOutsideTheLayoutAreRefused) {
    const std::string good = editor::BuiltInPresetRows(1).front();
    EXPECT_FALSE(ParsePresetRow(""));
    EXPECT_FALSE(ParsePresetRow(good.substr(0, 44)));
    EXPECT_FALSE(ParsePresetRow(good + "0"));
    std::string letter = good;
    letter[20] = 'x';
    EXPECT_FALSE(ParsePresetRow(letter));
    std::string sign = good;
    sign[0] = '-';
    EXPECT_FALSE(ParsePresetRow(sign));
    // Channels above 255 keep their low byte.
    EXPECT_EQ(ParsePresetRow("250100312012300000000255255255232232232255255")->LineColor, 300 & 0xFF);
}

TEST(ShapePresetRows, WrittenRowsReadBackOrAreRefused) {
    TShapeRec shape;
    shape.ShapeKind = 6;
    shape.LineThickness = 9;
    shape.FillType = 1;
    shape.CornerRounding = 140;
    shape.LineColor = 0x010203;
    shape.FillColor = 0x7F00FF;
    shape.GradientColor = 0x80FFFFFF;  // the high byte is no channel
    const auto row = FormatPresetRow(999, 1, shape);
    ASSERT_TRUE(row);
    EXPECT_EQ(row->size(), 45u);
    EXPECT_EQ(row->substr(39), "255255");
    auto back = *ParsePresetRow(*row);
    shape.GradientColor = 0xFFFFFF;
    shape.ShapeWidth = 999;
    shape.ShapeHeight = 1;
    EXPECT_TRUE(SameSettings(back, shape));

    EXPECT_FALSE(FormatPresetRow(1000, 100, shape));
    EXPECT_FALSE(FormatPresetRow(0, 100, shape));
    EXPECT_FALSE(FormatPresetRow(100, -5, shape));
    shape.LineThickness = 10;
    EXPECT_FALSE(FormatPresetRow(100, 100, shape));
    shape.LineThickness = 1;
    shape.CornerRounding = -1;
    EXPECT_FALSE(FormatPresetRow(100, 100, shape));
    shape.CornerRounding = 1000;
    EXPECT_FALSE(FormatPresetRow(100, 100, shape));
}

TEST(ShapePresetFiles, ReadingSkipsBadLinesAndStopsAtOneHundredRows) {
    const std::string row = editor::BuiltInPresetRows(2).front();
    const std::string text = "Autorun Quorvel Shape Presets List\r\n" + row + "\r\n\r\n12345\r\n" + row + "x\n" + row +
                             "\n";
    const editor::PresetFileRows file = editor::ReadPresetFile(text);
    EXPECT_TRUE(file.HasRows);
    EXPECT_EQ(file.Rows, (std::vector<std::string>{row, row}));
    EXPECT_EQ(file.Skipped, 2);

    // The header alone (as Delete leaves it) keeps the range's own rows.
    EXPECT_FALSE(editor::ReadPresetFile("Autorun Quorvel Shape Presets List\r\n").HasRows);
    EXPECT_FALSE(editor::ReadPresetFile("").HasRows);

    std::vector<std::string> many(130, row);
    const editor::PresetFileRows full = editor::ReadPresetFile(editor::WritePresetFile(many));
    EXPECT_EQ(full.Rows.size(), 100u);
    EXPECT_EQ(editor::WritePresetFile({row}), std::string(editor::kPresetsHeader) + "\r\n" + row + "\r\n");
    EXPECT_EQ(editor::PresetFileName(3), "favs3.lst");
}

TEST(ShapePresetFiles, PreviewsLimitTheRoundingOnly) {
    TShapeRec shape;
    shape.CornerRounding = 40;
    shape.ShapeKind = 3;
    EXPECT_EQ(editor::PresetPreviewShape(shape).CornerRounding, 26);
    shape.CornerRounding = 12;
    EXPECT_EQ(editor::PresetPreviewShape(shape).CornerRounding, 12);
}

TEST(ObjPropsRules, SizesAspectAndLargePictures) {
    EXPECT_TRUE(editor::ObjectSizeValid(1, 4000));
    EXPECT_FALSE(editor::ObjectSizeValid(0, 10));
    EXPECT_FALSE(editor::ObjectSizeValid(10, -3));
    EXPECT_FALSE(editor::ObjectSizeValid(4001, 10));
    // 400 x 300: width 200 gives height 150, height 100 gives width 133.
    EXPECT_EQ(editor::AspectSide(400, 300, 200), 150);
    EXPECT_EQ(editor::AspectSide(300, 400, 100), 133);
    EXPECT_EQ(editor::AspectSide(0, 300, 55), 55);
    EXPECT_EQ(editor::LoadedPictureSize(1600, 1200).Width, 800);
    EXPECT_EQ(editor::LoadedPictureSize(1600, 1200).Height, 600);
    EXPECT_EQ(editor::LoadedPictureSize(900, 100).Height, 89);
    EXPECT_EQ(editor::LoadedPictureSize(5000, 1).Height, 1);
    EXPECT_EQ(editor::LoadedPictureSize(640, 480).Width, 640);
}

}  // namespace
