#include <gtest/gtest.h>

#include "BodyTestKit.h"

using namespace bodytest;

namespace {

TAQButton Source() {
    TAQButton b;
    for (int f = 0; f < 5; ++f) b.Pics[Up][f] = Picture(3, 2, f);
    b.Pics[Down][0] = Picture(2, 2, 50);
    b.Pics[Down][1] = std::make_shared<forms::Bitmap>();  // empty: ends the sequence
    b.Pics[Down][2] = Picture(2, 2, 52);
    b.ObjectKind = PlcShape;
    b.Caption = "Caption";
    b.ButtonCommand = "a.exe";
    b.ButtonArgs = "-x";
    b.AccRTF = "{\\rtf1 x}";
    b.ShortcutKey = "K";
    b.ObjWidth = 250;
    b.ObjHeight = 100;
    b.AnimMode = AnimCycleLoop;
    b.MinimizeOnClick = b.RestoreOnClose = b.MaximizeLaunched = b.ExitOnClick = -1;
    b.FontName = "Arial";
    b.FontSize = 10;
    b.FontStyle = kFontItalic;
    b.FontColor = 0x123456;
    b.TextAlign = kAlignCenter;
    b.NeedsViewer = 1;
    b.ViewerName = "Viewer";
    b.ViewerVersion = "2";
    b.VersionOrAbove = 1;
    b.LastScale = 0.5f;
    b.LookPNG = Png(4, 4, 1);
    b.AccPNG = Png(5, 3, 2);
    b.ShapeRec = {3, 1, 0x10, 1, 2, 3, 2, 0x20, 4, 5, 6, 0x30, 7, 8, 9, 20, 0.25f, 0.75f, 300, 400};
    b.Left = 1;
    b.Top = 2;
    return b;
}

}  // namespace

TEST(CopyButton, FramesAreCopiedUpToTheFirstMissingOrEmptyOne) {
    const TAQButton src = Source();
    TAQButton dest;
    for (int f = 0; f < 10; ++f) dest.Pics[Up][f] = Picture(1, 1, 90 + f);
    dest.Pics[Active][0] = Picture(1, 1, 80);
    dest.Pics[Up][101] = Picture(1, 1, 81);
    CopyButton(src, dest);

    for (int f = 0; f < 5; ++f) {
        ASSERT_TRUE(dest.Pics[Up][f]);
        EXPECT_TRUE(*dest.Pics[Up][f] == *src.Pics[Up][f]);
        EXPECT_NE(dest.Pics[Up][f], src.Pics[Up][f]) << "a copy, not the same picture";
    }
    for (int f = 5; f < kFrameSlots; ++f) EXPECT_FALSE(dest.Pics[Up][f]) << f;
    EXPECT_FALSE(dest.Pics[Active][0]);
    EXPECT_TRUE(dest.Pics[Down][0]);
    EXPECT_FALSE(dest.Pics[Down][1]);
    EXPECT_FALSE(dest.Pics[Down][2]);
}

TEST(CopyButton, CopiesTheListedFieldsAndKeepsTheRest) {
    const TAQButton src = Source();
    TAQButton dest;
    dest.Left = 70;
    dest.Top = 80;
    dest.LookDirty = 1;
    dest.ShapeRec.LineR = 99;
    dest.ShapeRec.ShapeWidth = 42;
    CopyButton(src, dest);

    EXPECT_EQ(dest.ObjectKind, PlcShape);
    EXPECT_EQ(dest.Caption, src.Caption);
    EXPECT_EQ(dest.ButtonCommand, src.ButtonCommand);
    EXPECT_EQ(dest.ButtonArgs, src.ButtonArgs);
    EXPECT_EQ(dest.AccRTF, src.AccRTF);
    EXPECT_EQ(dest.ShortcutKey, "K");
    EXPECT_EQ(dest.ObjWidth, 250);
    EXPECT_EQ(dest.ObjHeight, 100);
    EXPECT_EQ(dest.AnimMode, AnimCycleLoop);
    EXPECT_EQ(dest.MinimizeOnClick, -1);
    EXPECT_EQ(dest.RestoreOnClose, -1);
    EXPECT_EQ(dest.MaximizeLaunched, -1);
    EXPECT_EQ(dest.ExitOnClick, -1);
    EXPECT_EQ(dest.FontName, "Arial");
    EXPECT_EQ(dest.FontSize, 10);
    EXPECT_EQ(dest.FontStyle, kFontItalic);
    EXPECT_EQ(dest.FontColor, 0x123456);
    EXPECT_EQ(dest.TextAlign, kAlignCenter);
    EXPECT_EQ(dest.NeedsViewer, 1);
    EXPECT_EQ(dest.ViewerName, "Viewer");
    EXPECT_EQ(dest.ViewerVersion, "2");
    EXPECT_EQ(dest.VersionOrAbove, 1);
    EXPECT_EQ(dest.LastScale, 0.5f);
    EXPECT_TRUE(dest.LookPNG == src.LookPNG);
    EXPECT_TRUE(dest.AccPNG == src.AccPNG);
    EXPECT_EQ(dest.AccDirty, 1);

    const TShapeRec& r = dest.ShapeRec;
    EXPECT_EQ(r.ShapeKind, 3);
    EXPECT_EQ(r.LineThickness, 1);
    EXPECT_EQ(r.LineColor, 0x10);
    EXPECT_EQ(r.FillType, 2);
    EXPECT_EQ(r.FillColor, 0x20);
    EXPECT_EQ(r.GradientColor, 0x30);
    EXPECT_EQ(r.CornerRounding, 20);
    EXPECT_EQ(r.FillAlpha, 0.25f);
    EXPECT_EQ(r.LineAlpha, 0.75f);
    // Derived channels and the preset size are the renderer's, not copied.
    EXPECT_EQ(r.LineR, 99);
    EXPECT_EQ(r.FillG, 0);
    EXPECT_EQ(r.ShapeWidth, 42);
    EXPECT_EQ(r.ShapeHeight, 0);
    // The place belongs with the destination's controls.
    EXPECT_EQ(dest.Left, 70);
    EXPECT_EQ(dest.Top, 80);
    EXPECT_EQ(dest.LookDirty, 1);
}

TEST(CopyButton, CopyingOntoItselfKeepsEverything) {
    TAQButton b = Source();
    const forms::Bitmap first = *b.Pics[Up][0];
    CopyButton(b, b);
    ASSERT_TRUE(b.Pics[Up][4]);
    EXPECT_TRUE(*b.Pics[Up][0] == first);
    EXPECT_EQ(b.Caption, "Caption");
    EXPECT_FALSE(b.Pics[Down][2]);
}

TEST(PicTable, APlainCopySharesPicturesAndMissingStatesReadEmpty) {
    const TAQButton source = Source();
    TAQButton copy = source;
    EXPECT_EQ(copy.Pics[Up][4], source.Pics[Up][4]);  // the same picture, not a new one
    EXPECT_EQ(copy.Pics[Down][2], source.Pics[Down][2]);
    copy.Pics[Up][4].reset();  // the copy's slots are its own
    EXPECT_TRUE(source.Pics[Up][4]);
    EXPECT_FALSE(source.Pics[Accessory][kFrameSlots - 1]);

    TAQButton moved = std::move(copy);
    EXPECT_EQ(moved.Pics[Down][0], source.Pics[Down][0]);
    moved.Pics.Clear();
    for (int s = 0; s < kPicStates; ++s)
        for (int f = 0; f < kFrameSlots; ++f) EXPECT_FALSE(moved.Pics[s][f]);
}
