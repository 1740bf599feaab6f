// Reading whole menus: round trips through the writer, the older layouts,
// the editor's and the player's options, and damaged files.
#include <gtest/gtest.h>

#include <random>

#include "BodyTestKit.h"
#include "forms/portable/Stream.h"
#include "shared/mdlfilebin.h"

using namespace bodytest;

namespace {

void FillObject(TAQButton& b, int n, ObjectKind kind) {
    const std::string tag = std::to_string(n);
    b.ObjectKind = kind;
    b.ButtonCommand = "cmd" + tag + ".exe";
    b.ButtonArgs = "/a " + tag;
    b.AccRTF = "{\\rtf1 acc " + tag + "}";
    b.Left = 10 + n;
    b.Top = -5 - n;
    b.MinimizeOnClick = -1;
    b.ExitOnClick = n % 2 ? -1 : 0;
    b.AnimMode = n % 6;
    b.ShortcutKey = std::string(1, static_cast<char>('A' + n));
    b.MaximizeLaunched = -1;
    b.RestoreOnClose = n % 2 ? 0 : -1;
    b.Caption = "Caption " + tag;
    b.ObjWidth = 97 + n;
    b.ObjHeight = 25 + n;
    b.NeedsViewer = 1;
    b.ViewerName = "Viewer " + tag;
    b.ViewerVersion = "1." + tag;
    b.VersionOrAbove = n % 2;
    b.AccPNG = Png(4 + n, 3, static_cast<uint8_t>(n));
    b.LookPNG = Png(3, 2 + n, static_cast<uint8_t>(100 + n));
    b.AccDirty = 1;
}

// A menu using every field and every kind of object.
std::unique_ptr<TAQMenu> RichMenu() {
    auto m = std::make_unique<TAQMenu>();
    m->MenuTitle = "Main Menu";
    m->ScreenPos = 4;
    m->AccTextLeft = 11;
    m->AccTextTop = 12;
    m->AccTextWidth = 213;
    m->AccTextHeight = 114;
    m->AccRTF = "{\\rtf1 menu}";
    m->AccPNG = Png(5, 4, 77);
    m->SoundsOn = 0;
    m->TimeVisible = true;
    m->DateVisible = false;
    m->LabelColor = 0x00A1B2C3;
    m->TimeLeft = 21;
    m->TimeTop = 201;
    m->DateLeft = 96;
    m->DateTop = 202;
    m->TimeFont = {"Tahoma", 9, true, false, true};
    m->DateFont = {"Verdana", 11, false, true, false};
    m->DefaultBtn = 2;
    m->TransColor = 15;
    m->AccImageLeft = 300;
    m->AccImageTop = 30;
    m->AnimInterval = 250;
    m->ScrollTitle = 1;
    m->ShadowDepth = 3;
    m->ShadowColor = 0x00102030;

    auto back = Picture(12, 8, 1);
    for (int x = 0; x < 5; ++x) back->SetPixel(x, 0, 0x00FFFFFF);  // transparent with index 15
    m->Buttons[0].Pics[Up][0] = back;

    const ObjectKind kinds[] = {GraphicalButton, WindowsButton, TextButton, PlcImage, PlcText, PlcShape};
    for (ObjectKind kind : kinds) {
        const int n = ++m->BtnCount;
        FillObject(m->Buttons[n], n, kind);
    }
    TAQButton& graphical = m->Buttons[1];
    for (int s = 0; s < kPicStates; ++s)
        for (int f = 0; f < 3 + s; ++f) graphical.Pics[s][f] = Picture(7, 5, 100 * s + f);
    TAQButton& image = m->Buttons[4];
    image.Pics[Up][0] = Picture(40, 30, 500);  // full size: not stored
    image.Pics[Up][1] = Picture(20, 15, 501);
    TShapeRec& shape = m->Buttons[6].ShapeRec;
    shape.ShapeKind = 3;
    shape.LineThickness = 2;
    shape.LineColor = 0x010203;
    shape.FillType = 2;
    shape.FillColor = 0xE5E5E5;
    shape.GradientColor = 0xFFFFFF;
    shape.CornerRounding = 20;
    return m;
}

void ExpectSamePicture(const PicRef& a, const PicRef& b, const std::string& where) {
    ASSERT_TRUE(a && b) << where;
    EXPECT_TRUE(*a == *b) << where;
}

void ExpectSameObjectFields(const TAQButton& a, const TAQButton& b, int n) {
    SCOPED_TRACE("object " + std::to_string(n));
    EXPECT_EQ(a.ButtonCommand, b.ButtonCommand);
    EXPECT_EQ(a.ButtonArgs, b.ButtonArgs);
    EXPECT_EQ(a.AccRTF, b.AccRTF);
    EXPECT_EQ(a.Left, b.Left);
    EXPECT_EQ(a.Top, b.Top);
    EXPECT_EQ(a.MinimizeOnClick, b.MinimizeOnClick);
    EXPECT_EQ(a.ExitOnClick, b.ExitOnClick);
    EXPECT_EQ(a.AnimMode, b.AnimMode);
    EXPECT_EQ(a.ShortcutKey, b.ShortcutKey);
    EXPECT_EQ(a.MaximizeLaunched, b.MaximizeLaunched);
    EXPECT_EQ(a.RestoreOnClose, b.RestoreOnClose);
    EXPECT_EQ(a.ObjectKind, b.ObjectKind);
    EXPECT_EQ(a.Caption, b.Caption);
    EXPECT_EQ(a.ObjWidth, b.ObjWidth);
    EXPECT_EQ(a.ObjHeight, b.ObjHeight);
    EXPECT_EQ(a.NeedsViewer, b.NeedsViewer);
    EXPECT_EQ(a.ViewerName, b.ViewerName);
    EXPECT_EQ(a.ViewerVersion, b.ViewerVersion);
    EXPECT_EQ(a.VersionOrAbove, b.VersionOrAbove);
}

}  // namespace

TEST(MenuRead, RichMenuSurvivesARoundTrip) {
    const auto in = RichMenu();
    const auto bytes = WriteToBytes(*in, {});
    auto out = std::make_unique<TAQMenu>();
    MenuReadReport report;
    ASSERT_TRUE(ReadFromBytes(bytes, *out, {}, &report));
    EXPECT_TRUE(report.BodyOk);
    EXPECT_TRUE(report.PicturesOk);
    EXPECT_EQ(report.BlocksRead, CountImageBlocks(*in));
    EXPECT_EQ(report.BlocksSkipped, 0);

    EXPECT_EQ(out->MenuTitle, in->MenuTitle);
    EXPECT_EQ(out->ScreenPos, in->ScreenPos);
    EXPECT_EQ(out->AccTextLeft, in->AccTextLeft);
    EXPECT_EQ(out->AccTextTop, in->AccTextTop);
    EXPECT_EQ(out->AccTextWidth, in->AccTextWidth);
    EXPECT_EQ(out->AccTextHeight, in->AccTextHeight);
    EXPECT_EQ(out->AccRTF, in->AccRTF);
    EXPECT_TRUE(out->AccPNG == in->AccPNG);
    EXPECT_EQ(out->SoundsOn, 0);
    EXPECT_TRUE(out->TimeVisible);
    EXPECT_FALSE(out->DateVisible);
    EXPECT_EQ(out->LabelColor, in->LabelColor);
    EXPECT_EQ(out->TimeLeft, in->TimeLeft);
    EXPECT_EQ(out->TimeTop, in->TimeTop);
    EXPECT_EQ(out->DateLeft, in->DateLeft);
    EXPECT_EQ(out->DateTop, in->DateTop);
    for (auto [got, want] : {std::pair(&out->TimeFont, &in->TimeFont), std::pair(&out->DateFont, &in->DateFont)}) {
        EXPECT_EQ(got->Name, want->Name);
        EXPECT_EQ(got->Size, want->Size);
        EXPECT_EQ(got->Bold, want->Bold);
        EXPECT_EQ(got->Italic, want->Italic);
        EXPECT_EQ(got->Underline, want->Underline);
    }
    EXPECT_EQ(out->DefaultBtn, in->DefaultBtn);
    EXPECT_EQ(out->TransColor, in->TransColor);
    EXPECT_EQ(out->AccImageLeft, in->AccImageLeft);
    EXPECT_EQ(out->AccImageTop, in->AccImageTop);
    EXPECT_EQ(out->AnimInterval, in->AnimInterval);
    EXPECT_EQ(out->ScrollTitle, 1);
    EXPECT_EQ(out->WinRgnString, MakeWinRgnString(*in->Buttons[0].Pics[Up][0], 15));
    EXPECT_NE(out->WinRgnString, "NULL");
    EXPECT_EQ(out->ShadowDepth, in->ShadowDepth);
    EXPECT_EQ(out->ShadowColor, in->ShadowColor);
    ASSERT_EQ(out->BtnCount, in->BtnCount);

    for (int n = 1; n <= in->BtnCount; ++n) {
        const TAQButton& a = out->Buttons[n];
        const TAQButton& b = in->Buttons[n];
        ExpectSameObjectFields(a, b, n);
        EXPECT_EQ(a.AccDirty, 0);
        const bool button = b.ObjectKind <= TextButton;
        const bool look = b.ObjectKind == TextButton || b.ObjectKind == PlcText || b.ObjectKind == PlcShape;
        EXPECT_EQ(a.AccPNG == b.AccPNG, button) << n;
        EXPECT_EQ(a.LookPNG == b.LookPNG, look) << n;
    }
    const TShapeRec& shape = out->Buttons[6].ShapeRec;
    EXPECT_EQ(shape.ShapeKind, 3);
    EXPECT_EQ(shape.LineThickness, 2);
    EXPECT_EQ(shape.LineColor, 0x010203);
    EXPECT_EQ(shape.FillType, 2);
    EXPECT_EQ(shape.FillColor, 0xE5E5E5);
    EXPECT_EQ(shape.GradientColor, 0xFFFFFF);
    EXPECT_EQ(shape.CornerRounding, 20);
    EXPECT_EQ(shape.FillAlpha, 1.0f);
    EXPECT_EQ(shape.LineAlpha, 1.0f);

    ExpectSamePicture(out->Buttons[0].Pics[Up][0], in->Buttons[0].Pics[Up][0], "background");
    for (int s = 0; s < kPicStates; ++s) {
        for (int f = 0; f < 3 + s; ++f)
            ExpectSamePicture(out->Buttons[1].Pics[s][f], in->Buttons[1].Pics[s][f],
                              "state " + std::to_string(s) + " frame " + std::to_string(f));
        EXPECT_FALSE(out->Buttons[1].Pics[s][3 + s]);
    }
    // The player's view of a placed image: the placeholder in frame 0, the
    // displayed picture in frame 1.
    const TAQButton& image = out->Buttons[4];
    ExpectSamePicture(image.Pics[Up][1], in->Buttons[4].Pics[Up][1], "placed image");
    ASSERT_TRUE(image.Pics[Up][0]);
    EXPECT_EQ(image.Pics[Up][0]->Width(), 10);
}

TEST(MenuRead, EditorOptionPutsThePlacedImageInBothUpFrames) {
    const auto in = RichMenu();
    auto out = std::make_unique<TAQMenu>();
    MenuReadOptions editor;
    editor.PlcImageAlsoAtFrame0 = true;
    ASSERT_TRUE(ReadFromBytes(WriteToBytes(*in, {}), *out, editor));
    const TAQButton& image = out->Buttons[4];
    ExpectSamePicture(image.Pics[Up][0], in->Buttons[4].Pics[Up][1], "frame 0");
    ExpectSamePicture(image.Pics[Up][1], in->Buttons[4].Pics[Up][1], "frame 1");
    EXPECT_NE(image.Pics[Up][0], image.Pics[Up][1]);  // separate pictures
    // Other objects are untouched by the option.
    ExpectSamePicture(out->Buttons[1].Pics[Up][0], in->Buttons[1].Pics[Up][0], "graphical");
}

TEST(MenuRead, QuietSnapshotReloadsWithoutTouchingWhatItLeavesOut) {
    const auto in = RichMenu();
    MenuWriteOptions quiet;
    quiet.Quiet = true;
    const auto bytes = WriteToBytes(*in, quiet);

    auto out = std::make_unique<TAQMenu>();
    const forms::PngImage marker = Png(2, 2, 9);
    out->AccPNG = marker;
    out->Buttons[3].LookPNG = marker;
    out->Buttons[6].ShapeRec.ShapeKind = 99;
    MenuReadOptions reload;
    reload.Reload = true;
    ASSERT_TRUE(ReadFromBytes(bytes, *out, reload));
    EXPECT_EQ(out->WinRgnString, "null");
    EXPECT_TRUE(out->AccPNG == marker);
    EXPECT_TRUE(out->Buttons[3].LookPNG == marker);
    // The shape's settings come back with the snapshot.
    EXPECT_EQ(out->Buttons[6].ShapeRec.ShapeKind, in->Buttons[6].ShapeRec.ShapeKind);
    EXPECT_EQ(out->Buttons[6].ShapeRec.CornerRounding, in->Buttons[6].ShapeRec.CornerRounding);
    for (int n = 1; n <= in->BtnCount; ++n) ExpectSameObjectFields(out->Buttons[n], in->Buttons[n], n);
    ExpectSamePicture(out->Buttons[1].Pics[Down][3], in->Buttons[1].Pics[Down][3], "raw pixels");

    // A snapshot without pictures leaves every picture where it was.
    MenuWriteOptions skip = quiet;
    skip.SkipImages = true;
    auto kept = std::make_unique<TAQMenu>();
    const PicRef background = Picture(3, 3, 42);
    kept->Buttons[0].Pics[Up][0] = background;
    MenuReadReport report;
    ASSERT_TRUE(ReadFromBytes(WriteToBytes(*in, skip), *kept, reload, &report));
    EXPECT_EQ(kept->Buttons[0].Pics[Up][0], background);
    EXPECT_EQ(report.BlocksRead, 0);
}

TEST(MenuRead, AReloadSharesThePicturesItBringsBackUnchanged) {
    const auto in = RichMenu();
    MenuWriteOptions quiet;
    quiet.Quiet = true;
    const auto bytes = WriteToBytes(*in, quiet);
    // The menu as it stands before the undo: one frame edited, one resized.
    auto before = std::make_unique<TAQMenu>(*in);
    const PicRef edited = Picture(in->Buttons[1].Pics[Up][0]->Width(), in->Buttons[1].Pics[Up][0]->Height(), 77);
    before->Buttons[1].Pics[Up][0] = edited;
    before->Buttons[1].Pics[Down][3] = Picture(2, 2, 78);

    auto out = std::make_unique<TAQMenu>();
    MenuReadOptions reload;
    reload.Reload = true;
    reload.Previous = before.get();
    ASSERT_TRUE(ReadFromBytes(bytes, *out, reload));
    EXPECT_EQ(out->Buttons[0].Pics[Up][0], in->Buttons[0].Pics[Up][0]);  // the very picture
    EXPECT_EQ(out->Buttons[1].Pics[Active][0], in->Buttons[1].Pics[Active][0]);
    for (const auto& [state, frame] : {std::pair{Up, 0}, std::pair{Down, 3}}) {
        const PicRef& read = out->Buttons[1].Pics[state][frame];
        EXPECT_NE(read, before->Buttons[1].Pics[state][frame]);
        ExpectSamePicture(read, in->Buttons[1].Pics[state][frame], "changed frame");
    }
    EXPECT_EQ(before->Buttons[1].Pics[Up][0], edited);  // the previous menu is left alone
}

TEST(MenuRead, ObjectsAbove100KeepTheirPictures) {
    auto in = std::make_unique<TAQMenu>();
    in->Buttons[0].Pics[Up][0] = Picture(4, 4, 1);
    in->BtnCount = 200;
    for (int n = 1; n <= 200; ++n) in->Buttons[n].ObjectKind = WindowsButton;
    in->Buttons[200].ObjectKind = GraphicalButton;
    in->Buttons[200].Pics[Active][0] = Picture(2, 3, 200);
    auto out = std::make_unique<TAQMenu>();
    ASSERT_TRUE(ReadFromBytes(WriteToBytes(*in, {}), *out, {}));
    ExpectSamePicture(out->Buttons[200].Pics[Active][0], in->Buttons[200].Pics[Active][0], "object 200");
}

// ---- older layouts, built field by field ----

namespace {

void PutHeader(forms::MemoryStream& s, int major, int objects, int images) {
    const uint8_t head[11] = {'M', 'E', 'N', 'U', 1, static_cast<uint8_t>(major), 0, 0,
                              static_cast<uint8_t>(objects), static_cast<uint8_t>(images & 0xFF),
                              static_cast<uint8_t>((images >> 8) & 0xFF)};
    s.Write(head, sizeof head);
}

void I(int32_t v) { KitFile().WriteMnuField(mftInt, v, ""); }
void L(int32_t v) { KitFile().WriteMnuField(mftLong, v, ""); }
void S(const std::string& t) { KitFile().WriteMnuField(mftString, 0, t); }

// An old file with one text button and one graphical button with a picture.
std::vector<uint8_t> OldFile(int major) {
    auto owned = std::make_unique<forms::MemoryStream>();
    forms::MemoryStream* s = owned.get();
    KitFile().SetMnuStream(std::move(owned));
    KitFile().ClearMnuError();
    PutHeader(*s, major, 2, 2);
    S("Old Menu");
    I(7);
    // Accessory text with its formatting, then the box and the alignment.
    S("Plain accessory");
    S("Courier New");
    L(14);
    I(-1);
    I(0);
    I(-1);
    I(0x11);
    I(0x22);
    I(0x33);
    I(50);
    I(60);
    I(250);
    I(120);
    I(2);
    I(1);  // time visible
    I(0);
    I(0xAA);
    I(0xBB);
    I(0xCC);
    I(20);
    I(200);
    I(95);
    I(200);
    I(1);   // default button
    I(13);  // transparent colour
    I(5);
    I(6);
    I(150);  // interval
    I(0);
    S("NULL");
    S("Arial");
    L(8);
    I(0);
    I(-1);
    I(0);
    S("Times");
    L(10);
    I(-1);
    I(0);
    I(0);
    I(2);
    I(0x40);
    I(0x50);
    I(0x60);
    if (major >= 7)
        for (int i = 0; i < 4; ++i) S("");
    for (int n = 1; n <= 2; ++n) {
        S("run" + std::to_string(n) + ".exe");
        S("");
        S("Plain " + std::to_string(n));
        I(100 * n);
        I(10 * n);
        I(-1);
        I(0);
        I(3);
        S("Q");
        I(0);
        I(-1);
        I(n == 1 ? TextButton : GraphicalButton);
        S("Caption " + std::to_string(n));
        I(90);
        I(30);
        if (major == 7) {
            S("Georgia");
            I(16);
            I(0x0000FF);
            I(1);
            I(-1);
            I(-1);
            I(0);
        }
        if (major >= 7) {
            I(1);
            S("Reader");
            S("5.0");
            I(1);
        }
    }
    const PicRef back = Picture(4, 3, 60);
    const PicRef up = Picture(2, 2, 61);
    KitFile().WriteMnuBitmap(1, 0, Up, 0, *back, "", major == 6);
    KitFile().WriteMnuBitmap(1, 2, Up, 0, *up, "", major == 6);
    KitFile().WriteMnuEnd();
    return WrittenBytes();
}

}  // namespace

TEST(MenuRead, Version7And6LayoutsKeepThePlainTextsForConversion) {
    for (int major : {7, 6}) {
        SCOPED_TRACE("version " + std::to_string(major));
        auto m = std::make_unique<TAQMenu>();
        m->SoundsOn = 0;
        m->AccRTF = "kept";
        MenuReadReport report;
        ASSERT_TRUE(ReadFromBytes(OldFile(major), *m, {}, &report));
        EXPECT_EQ(m->MenuTitle, "Old Menu");
        EXPECT_EQ(m->ScreenPos, 7);
        EXPECT_EQ(m->PlainAccText, "Plain accessory");
        EXPECT_EQ(m->PlainAccFont.Name, "Courier New");
        EXPECT_EQ(m->PlainAccFont.Size, 14);
        EXPECT_TRUE(m->PlainAccFont.Bold);
        EXPECT_FALSE(m->PlainAccFont.Italic);
        EXPECT_TRUE(m->PlainAccFont.Underline);
        EXPECT_EQ(m->PlainAccColor, 0x332211);
        EXPECT_EQ(m->AccTextLeft, 50);
        EXPECT_EQ(m->AccTextTop, 60);
        EXPECT_EQ(m->AccTextWidth, 250);
        EXPECT_EQ(m->AccTextHeight, 120);
        EXPECT_EQ(m->PlainAccAlign, kAlignCenter);
        EXPECT_EQ(m->AccRTF, "kept");
        EXPECT_EQ(m->SoundsOn, 1);
        EXPECT_TRUE(m->TimeVisible);
        EXPECT_EQ(m->LabelColor, 0xCCBBAA);
        EXPECT_EQ(m->DefaultBtn, 1);
        EXPECT_EQ(m->TransColor, 13);
        EXPECT_EQ(m->AnimInterval, 150);
        EXPECT_EQ(m->TimeFont.Name, "Arial");
        EXPECT_TRUE(m->TimeFont.Italic);
        EXPECT_EQ(m->DateFont.Name, "Times");
        EXPECT_TRUE(m->DateFont.Bold);
        EXPECT_EQ(m->ShadowDepth, 2);
        EXPECT_EQ(m->ShadowColor, 0x605040);
        ASSERT_EQ(m->BtnCount, 2);

        const TAQButton& text = m->Buttons[1];
        EXPECT_EQ(text.ButtonCommand, "run1.exe");
        EXPECT_EQ(text.PlainAccText, "Plain 1");
        EXPECT_EQ(text.Left, 100);
        EXPECT_EQ(text.ObjectKind, TextButton);
        EXPECT_EQ(text.Caption, "Caption 1");
        EXPECT_EQ(text.ObjHeight, 30);
        if (major == 7) {
            EXPECT_EQ(text.FontName, "Georgia");
            EXPECT_EQ(text.FontSize, 16);
            EXPECT_EQ(text.FontColor, 0x0000FF);
            EXPECT_EQ(text.TextAlign, kAlignRight);
            EXPECT_EQ(text.FontStyle, kFontBold | kFontItalic);
            EXPECT_EQ(text.NeedsViewer, 1);
            EXPECT_EQ(text.ViewerName, "Reader");
            EXPECT_EQ(text.VersionOrAbove, 1);
        } else {
            EXPECT_EQ(text.FontName, "Arial");
            EXPECT_EQ(text.FontSize, 12);
            EXPECT_EQ(text.FontStyle, 0);
            EXPECT_EQ(text.NeedsViewer, 0);
            EXPECT_EQ(text.ViewerName, "");
            EXPECT_EQ(text.VersionOrAbove, 0);
        }
        EXPECT_EQ(report.BlocksRead, 2);
        ExpectSamePicture(m->Buttons[0].Pics[Up][0], Picture(4, 3, 60), "background");
        ExpectSamePicture(m->Buttons[2].Pics[Up][0], Picture(2, 2, 61), "button");
    }
}

// ---- damaged files ----

TEST(MenuRead, BlocksOutsideTheRecordAreReadAndDropped) {
    BeginWrite();
    auto m = std::make_unique<TAQMenu>();
    MenuWriteOptions skip;
    skip.SkipImages = true;
    ASSERT_TRUE(WriteMenuFile(KitFile(), *m, skip));
    std::vector<uint8_t> bytes = WrittenBytes();
    bytes.pop_back();  // closing byte: blocks follow instead
    bytes[9] = 5;      // five blocks announced
    bytes[10] = 0;
    auto blocks = std::make_unique<forms::MemoryStream>();
    forms::MemoryStream* s = blocks.get();
    KitFile().SetMnuStream(std::move(blocks));
    const int where[5][3] = {{250, 0, 0}, {1, 4, 0}, {1, 0, 102}, {1, 0, 101}, {201, 3, 0}};
    for (const auto& w : where) KitFile().WriteMnuBitmap(1, w[0], w[1], w[2], *Picture(2, 1, w[0]), "", false);
    KitFile().WriteMnuEnd();
    bytes.insert(bytes.end(), s->Bytes().begin(), s->Bytes().end());

    MenuReadReport report;
    ASSERT_TRUE(ReadFromBytes(bytes, *m, {}, &report));
    EXPECT_EQ(report.BlocksRead, 5);
    EXPECT_EQ(report.BlocksSkipped, 3);
    EXPECT_TRUE(m->Buttons[1].Pics[Up][101]);
    EXPECT_TRUE(m->Buttons[201].Pics[Accessory][0]);
}

TEST(MenuRead, ObjectCountBeyondTheRecordIsRefused) {
    auto m = std::make_unique<TAQMenu>();
    std::vector<uint8_t> bytes = WriteToBytes(*m, {});
    bytes[8] = 201;
    m->BtnCount = 3;
    EXPECT_FALSE(ReadFromBytes(bytes, *m, {}));
    EXPECT_EQ(KitFile().MnuError(), 1);
    EXPECT_EQ(m->BtnCount, 3);
}

TEST(MenuRead, CutOrDamagedFilesSetTheErrorFlagWithoutCrashing) {
    const auto bytes = WriteToBytes(*RichMenu(), {});
    auto m = std::make_unique<TAQMenu>();
    // Every cut before the closing byte (which no reader needs) loses data.
    for (size_t length = 11; length + 1 < bytes.size(); ++length) {
        const std::vector<uint8_t> cut(bytes.begin(), bytes.begin() + length);
        MenuReadReport report;
        EXPECT_FALSE(ReadFromBytes(cut, *m, {}, &report)) << length;
        EXPECT_EQ(KitFile().MnuError(), 1) << length;
        if (!report.BodyOk) {
            EXPECT_EQ(report.BlocksRead, 0) << length;
        }
    }

    std::mt19937 random(1234);
    for (int round = 0; round < 300; ++round) {
        std::vector<uint8_t> damaged = bytes;
        for (int k = 0; k < 4; ++k) damaged[11 + random() % (damaged.size() - 11)] = static_cast<uint8_t>(random());
        ReadFromBytes(damaged, *m, {});
        ASSERT_LE(m->BtnCount, kMaxObjects);
    }
}

TEST(MenuRead, AWrongFieldTypeStopsBeforeThePictures) {
    auto in = RichMenu();
    std::vector<uint8_t> bytes = WriteToBytes(*in, {});
    // The title's type byte comes right after the header.
    bytes[11] = mftInt;
    auto m = std::make_unique<TAQMenu>();
    MenuReadReport report;
    EXPECT_FALSE(ReadFromBytes(bytes, *m, {}, &report));
    EXPECT_FALSE(report.BodyOk);
    EXPECT_EQ(report.BlocksRead, 0);
    EXPECT_FALSE(m->Buttons[0].Pics[Up][0]);
}

TEST(MenuRead, DeferredPicturesArriveWhenDecodedAndACorruptOneIsLeftOut) {
    const auto in = RichMenu();
    const auto bytes = WriteToBytes(*in, {});
    auto out = std::make_unique<TAQMenu>();
    std::vector<DeferredPicture> later;
    MenuReadOptions options;
    options.Deferred = &later;
    options.DecodeNow = [](const TAQMenu&, int, int state, int frame) { return state == Up && frame == 0; };
    MenuReadReport report;
    ASSERT_TRUE(ReadFromBytes(bytes, *out, options, &report));
    EXPECT_EQ(report.BlocksRead, CountImageBlocks(*in));

    // Decoded at once: the Up frames 0; everything else waits.
    ExpectSamePicture(out->Buttons[0].Pics[Up][0], in->Buttons[0].Pics[Up][0], "background");
    ExpectSamePicture(out->Buttons[1].Pics[Up][0], in->Buttons[1].Pics[Up][0], "graphical Up 0");
    EXPECT_FALSE(HasPic(out->Buttons[1].Pics[Up][1]));
    EXPECT_FALSE(HasPic(out->Buttons[1].Pics[Down][0]));
    EXPECT_FALSE(HasPic(out->Buttons[4].Pics[Up][1]));
    ASSERT_FALSE(later.empty());

    // Damage the zlib data of the last deferred picture (the placed image),
    // in a copy of the file read again below.
    std::vector<DeferredPicture> damaged = later;
    std::vector<DeferredPicture> placedOnly{later.back()};
    std::vector<uint8_t> damagedBytes = bytes;
    const size_t zip = static_cast<size_t>(damaged.back().Position);
    size_t zipLength = 0;  // the block length after the sides
    for (int i = 3; i >= 0; --i) zipLength = zipLength << 8 | damagedBytes[zip + 8 + static_cast<size_t>(i)];
    const size_t zipEnd = zip + 12 + zipLength;
    ASSERT_LE(zipEnd, damagedBytes.size());
    for (size_t i = zip + 18; i < zipEnd; ++i) damagedBytes[i] ^= 0x5A;

    forms::MemoryStream source(bytes);
    EXPECT_TRUE(DecodeDeferredPictures(*out, later, source));
    EXPECT_TRUE(later.empty());
    for (int s = 0; s < kPicStates; ++s)
        for (int f = 0; f < 3 + s; ++f)
            ExpectSamePicture(out->Buttons[1].Pics[s][f], in->Buttons[1].Pics[s][f],
                              "graphical " + std::to_string(s) + "/" + std::to_string(f));
    ExpectSamePicture(out->Buttons[4].Pics[Up][1], in->Buttons[4].Pics[Up][1], "placed image");

    auto again = std::make_unique<TAQMenu>();
    std::vector<DeferredPicture> none;
    options.Deferred = &none;
    ASSERT_TRUE(ReadFromBytes(bytes, *again, options));
    forms::MemoryStream damagedSource(damagedBytes);
    EXPECT_FALSE(DecodeDeferredPictures(*again, damaged, damagedSource));
    // A file cut short before a deferred picture's place loses that picture too.
    forms::MemoryStream cut(std::vector<uint8_t>(bytes.begin(), bytes.begin() + static_cast<long>(zip) + 10));
    EXPECT_FALSE(DecodeDeferredPictures(*again, placedOnly, cut));
    EXPECT_FALSE(HasPic(again->Buttons[4].Pics[Up][1]));
    ExpectSamePicture(again->Buttons[1].Pics[Down][0], in->Buttons[1].Pics[Down][0], "undamaged picture");
}

namespace {

// Offset of the count-th (0-based) PNG signature in bytes.
size_t NthPng(const std::vector<uint8_t>& bytes, int count) {
    static const uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    for (size_t i = 0; i + 8 <= bytes.size(); ++i) {
        if (std::equal(kSignature, kSignature + 8, bytes.begin() + i) && count-- == 0) return i;
    }
    return bytes.size();
}

// Offset of the zlib data of the bitmap block of object, Up, frame 0 with the
// given sides.
size_t ZipDataOf(const std::vector<uint8_t>& bytes, int object, int w, int h) {
    auto le32 = [&bytes](size_t at) {
        return static_cast<int32_t>(bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 |
                                    static_cast<uint32_t>(bytes[at + 3]) << 24);
    };
    for (size_t i = 0; i + 26 < bytes.size(); ++i) {
        if (bytes[i] == mftBitmap && bytes[i + 1] == 1 && bytes[i + 2] == object && bytes[i + 3] == Up &&
            le32(i + 4) == 0 && le32(i + 8) == w && le32(i + 12) == h)
            return i + 24;
    }
    return bytes.size();
}

}  // namespace

TEST(MenuRead, WholeButUndecodableBlocksAreSkippedAndReadingGoesOn) {
    const auto in = RichMenu();
    std::vector<uint8_t> bytes = WriteToBytes(*in, {});
    // The menu's accessory text is the first PNG; object 1's accessory the
    // second. Their chunks and the background's zlib data become garbage,
    // every length stays as written.
    for (int png : {0, 1}) {
        const size_t at = NthPng(bytes, png);
        ASSERT_LT(at, bytes.size());
        for (size_t i = at + 8; i < at + 24; ++i) bytes[i] = 0xA5;
    }
    const size_t zip = ZipDataOf(bytes, 0, 12, 8);
    ASSERT_LT(zip, bytes.size());
    bytes[zip] = bytes[zip + 1] = 0xFF;

    for (bool deferred : {false, true}) {
        SCOPED_TRACE(deferred ? "deferred" : "at once");
        auto out = std::make_unique<TAQMenu>();
        out->AccPNG = Png(2, 2, 9);  // kept when its block is damaged
        std::vector<DeferredPicture> later;
        MenuReadOptions options;
        if (deferred) {
            options.Deferred = &later;
            options.DecodeNow = [](const TAQMenu&, int object, int, int) { return object == 0; };
        }
        MenuReadReport report;
        EXPECT_FALSE(ReadFromBytes(bytes, *out, options, &report));
        EXPECT_EQ(KitFile().MnuError(), 1);
        EXPECT_TRUE(report.BodyOk);
        EXPECT_TRUE(report.PicturesOk);
        EXPECT_EQ(report.BlocksDamaged, 3);
        EXPECT_EQ(report.PicturesDamaged, 1);  // the background; the other two are PNGs
        EXPECT_EQ(report.BlocksRead, CountImageBlocks(*in));
        if (deferred) {
            forms::MemoryStream source(bytes);
            EXPECT_TRUE(DecodeDeferredPictures(*out, later, source));
        }

        EXPECT_EQ(out->AccPNG.Width(), 2);
        EXPECT_EQ(out->MenuTitle, in->MenuTitle);
        EXPECT_EQ(out->ShadowColor, in->ShadowColor);
        ASSERT_EQ(out->BtnCount, in->BtnCount);
        for (int n = 1; n <= in->BtnCount; ++n) ExpectSameObjectFields(out->Buttons[n], in->Buttons[n], n);
        EXPECT_TRUE(out->Buttons[2].AccPNG == in->Buttons[2].AccPNG);
        EXPECT_FALSE(HasPic(out->Buttons[0].Pics[Up][0]));
        ExpectSamePicture(out->Buttons[1].Pics[Down][2], in->Buttons[1].Pics[Down][2], "later picture");
        ExpectSamePicture(out->Buttons[4].Pics[Up][1], in->Buttons[4].Pics[Up][1], "placed image");
    }

    // A block cut short is not merely damaged: it still ends the reading.
    std::vector<uint8_t> cut(bytes.begin(), bytes.begin() + static_cast<long>(NthPng(bytes, 0)) + 4);
    auto out = std::make_unique<TAQMenu>();
    MenuReadReport report;
    EXPECT_FALSE(ReadFromBytes(cut, *out, {}, &report));
    EXPECT_FALSE(report.BodyOk);
    EXPECT_EQ(report.BlocksDamaged, 0);
}
