// What the menu writer puts in a file, checked by an independent walk over
// the written bytes.
#include <gtest/gtest.h>

#include <algorithm>

#include "BodyTestKit.h"
#include "shared/mdlfilebin.h"

using namespace bodytest;

namespace {

std::string Repeat(const char* kinds, int times) {
    std::string out;
    for (int i = 0; i < times; ++i) out += kinds;
    return out;
}

// Title, placement, accessory box, accessory text and picture, sounds, the
// label and window settings, the shape string, two fonts, the shadow and the
// four unused strings.
std::string MenuKinds(bool quiet) {
    return "s" + Repeat(" i", 5) + " s" + (quiet ? "" : " png") + Repeat(" i", 16) + " s" +
           Repeat(" s l i i i", 2) + Repeat(" i", 4) + Repeat(" s", 4);
}
const size_t kMenuFields = 43;
const size_t kObjectFixed = 15;  // fields 1..15 of every object
const char* const kObjectHead = "s s s i i i i i s i i i s i i";
const char* const kViewerKinds = "i s s i";

std::unique_ptr<TAQMenu> MenuWithBackground() {
    auto m = std::make_unique<TAQMenu>();
    m->Buttons[0].Pics[Up][0] = Picture(6, 4, 1);
    return m;
}

TAQButton& AddObject(TAQMenu& m, ObjectKind kind) {
    TAQButton& b = m.Buttons[++m.BtnCount];
    b.ObjectKind = kind;
    return b;
}

}  // namespace

TEST(MenuWriteLayout, MenuWithoutObjectsIsHeaderMenuFieldsBackgroundAndClosingByte) {
    auto m = MenuWithBackground();
    m->Buttons[0].Pics[Up][1] = Picture(6, 4, 2);
    m->Buttons[0].Pics[Active][0] = Picture(3, 3, 3);
    m->MenuTitle = "Main";
    m->TransColor = 15;

    const auto bytes = WriteToBytes(*m, {});
    const FileScan scan = ScanFile(bytes, false);
    ASSERT_TRUE(scan.ok) << scan.error;
    EXPECT_EQ(scan.major, 8);
    EXPECT_EQ(scan.objects, 0);
    ASSERT_EQ(scan.fields.size(), kMenuFields);
    EXPECT_EQ(Kinds(scan.fields, 0, kMenuFields), MenuKinds(false));
    EXPECT_EQ(scan.fields[0], "s:Main");
    EXPECT_EQ(scan.fields[19], "i:15");
    EXPECT_EQ(scan.fields[24], "s:" + MakeWinRgnString(*m->Buttons[0].Pics[Up][0], 15));

    ASSERT_EQ(scan.blocks.size(), 3u);
    EXPECT_EQ(scan.images, 3);
    const int expected[3][3] = {{0, Up, 0}, {0, Up, 1}, {0, Active, 0}};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(scan.blocks[i].flag, 1);
        EXPECT_EQ(scan.blocks[i].object, expected[i][0]);
        EXPECT_EQ(scan.blocks[i].state, expected[i][1]);
        EXPECT_EQ(scan.blocks[i].frame, expected[i][2]);
    }
    const PicRef& up1 = m->Buttons[0].Pics[Up][1];
    EXPECT_EQ(scan.blocks[1].pixels, std::vector<uint32_t>(up1->Data(), up1->Data() + up1->PixelCount()));
}

TEST(MenuWriteLayout, OptionalObjectFieldsFollowTheKind) {
    auto m = MenuWithBackground();
    AddObject(*m, WindowsButton).Caption = "Press me";
    AddObject(*m, PlcImage).Pics[Up][1] = Picture(5, 2, 9);
    TAQButton& shape = AddObject(*m, PlcShape);
    shape.ShapeRec.ShapeKind = 3;
    shape.ShapeRec.LineThickness = 2;
    shape.ShapeRec.LineColor = 0x112233;
    shape.ShapeRec.FillType = 2;
    shape.ShapeRec.FillColor = 0xE5E5E5;
    shape.ShapeRec.GradientColor = 0xFFFFFF;
    shape.ShapeRec.CornerRounding = 20;
    AddObject(*m, TextButton);
    AddObject(*m, PlcText);
    AddObject(*m, GraphicalButton);

    const FileScan scan = ScanFile(WriteToBytes(*m, {}), false);
    ASSERT_TRUE(scan.ok) << scan.error;
    // Each object: fields 1..15, what its kind adds, the viewer fields.
    size_t at = kMenuFields;
    auto nextObject = [&](const std::string& added) {
        const std::string want = std::string(kObjectHead) + added + " " + kViewerKinds;
        const size_t count = static_cast<size_t>(std::count(want.begin(), want.end(), ' ') + 1);
        EXPECT_EQ(Kinds(scan.fields, at, count), want) << "object fields from " << at;
        at += count;
        return at - count;
    };
    const size_t windows = nextObject(" png");
    EXPECT_EQ(scan.fields[windows + 12], "s:Press me");
    nextObject("");  // placed image
    const size_t shapeAt = nextObject(" png i i i i i i i");
    EXPECT_EQ(scan.fields[shapeAt + kObjectFixed + 1], "i:3");
    EXPECT_EQ(scan.fields[shapeAt + kObjectFixed + 3], "i:" + std::to_string(0x112233));
    EXPECT_EQ(scan.fields[shapeAt + kObjectFixed + 7], "i:20");
    nextObject(" png png");  // text button
    nextObject(" png");      // placed text
    nextObject(" png");      // graphical button
    EXPECT_EQ(at, scan.fields.size());

    // Background, then the placed image's placeholder and displayed picture;
    // the graphical button without pictures has no blocks.
    ASSERT_EQ(scan.blocks.size(), 3u);
    EXPECT_EQ(scan.images, 3);
    const Block& placeholder = scan.blocks[1];
    EXPECT_EQ(placeholder.object, 2);
    EXPECT_EQ(placeholder.frame, 0);
    EXPECT_EQ(placeholder.width, 10);
    EXPECT_EQ(placeholder.height, 10);
    EXPECT_EQ(placeholder.pixels, std::vector<uint32_t>(100, 0x00FFFFFF));
    EXPECT_EQ(scan.blocks[2].object, 2);
    EXPECT_EQ(scan.blocks[2].state, Up);
    EXPECT_EQ(scan.blocks[2].frame, 1);
    EXPECT_EQ(scan.blocks[2].width, 5);
}

TEST(MenuWriteLayout, QuietFileLeavesOutPngsKeepsShapeSettingsAndHoldsRawPixels) {
    auto m = MenuWithBackground();
    m->TransColor = 3;
    AddObject(*m, PlcShape).ShapeRec.ShapeKind = 5;
    AddObject(*m, TextButton);

    MenuWriteOptions quiet;
    quiet.Quiet = true;
    const FileScan scan = ScanFile(WriteToBytes(*m, quiet), true);
    ASSERT_TRUE(scan.ok) << scan.error;
    ASSERT_EQ(scan.fields.size(), kMenuFields - 1 + 2 * (kObjectFixed + 4) + 7);
    EXPECT_EQ(Kinds(scan.fields, 0, kMenuFields - 1), MenuKinds(true));
    EXPECT_EQ(scan.fields[23], "s:null");
    // The shape: field 15 is followed by its seven settings, then field 25.
    EXPECT_EQ(Kinds(scan.fields, kMenuFields - 1, kObjectFixed + 4 + 7),
              std::string(kObjectHead) + " i i i i i i i " + kViewerKinds);
    ASSERT_EQ(scan.blocks.size(), 1u);
    const PicRef& back = m->Buttons[0].Pics[Up][0];
    EXPECT_EQ(scan.blocks[0].pixels, std::vector<uint32_t>(back->Data(), back->Data() + back->PixelCount()));
}

TEST(MenuWriteLayout, SkippingImagesWritesCountMinusOneAndNoImageSection) {
    auto m = MenuWithBackground();
    AddObject(*m, GraphicalButton).Pics[Up][0] = Picture(2, 2, 4);
    MenuWriteOptions options;
    options.Quiet = true;
    options.SkipImages = true;
    const FileScan scan = ScanFile(WriteToBytes(*m, options), true);
    ASSERT_TRUE(scan.ok) << scan.error;
    EXPECT_EQ(scan.images, -1);
    EXPECT_TRUE(scan.blocks.empty());
}

TEST(MenuWriteLayout, FramesEndAtTheFirstMissingOrEmptyOneAndTheCountMatches) {
    auto m = MenuWithBackground();
    TAQButton& b = AddObject(*m, GraphicalButton);
    b.Pics[Up][0] = std::make_shared<forms::Bitmap>();  // empty: no Up blocks
    b.Pics[Up][1] = Picture(2, 2, 5);
    for (int f = 0; f < 3; ++f) b.Pics[Down][f] = Picture(2, 2, 10 + f);
    b.Pics[Down][4] = Picture(2, 2, 20);  // after the gap: not stored
    for (int f = 0; f <= kMaxFrame; ++f) b.Pics[Accessory][f] = Picture(1, 1, 30 + f);
    b.Pics[Accessory][101] = Picture(1, 1, 99);  // the spare slot is never stored

    EXPECT_EQ(CountImageBlocks(*m), 1 + 3 + 101);
    const FileScan scan = ScanFile(WriteToBytes(*m, {}), false);
    ASSERT_TRUE(scan.ok) << scan.error;
    EXPECT_EQ(static_cast<int>(scan.blocks.size()), scan.images);
    EXPECT_EQ(scan.images, 1 + 3 + 101);
    for (const Block& block : scan.blocks) {
        if (block.object != 1) continue;
        EXPECT_NE(block.state, Up);
        if (block.state == Down) {
            EXPECT_LT(block.frame, 3);
        }
    }
}

TEST(MenuWriteLayout, PicturesOfObjectsAbove100AreStored) {
    auto m = MenuWithBackground();
    while (m->BtnCount < 105) AddObject(*m, WindowsButton);
    m->Buttons[103].ObjectKind = GraphicalButton;
    m->Buttons[103].Pics[Up][0] = Picture(3, 2, 7);
    m->Buttons[104].ObjectKind = PlcImage;
    m->Buttons[104].Pics[Up][1] = Picture(4, 2, 8);

    const FileScan scan = ScanFile(WriteToBytes(*m, {}), false);
    ASSERT_TRUE(scan.ok) << scan.error;
    ASSERT_EQ(scan.blocks.size(), 4u);
    EXPECT_EQ(scan.blocks[1].object, 103);
    EXPECT_EQ(scan.blocks[2].object, 104);
    EXPECT_EQ(scan.blocks[3].object, 104);
}

TEST(MenuWriteLayout, RefusesMenusTheHeaderCannotDescribe) {
    auto m = MenuWithBackground();
    for (int count : {-1, 201}) {
        m->BtnCount = count;
        BeginWrite();
        EXPECT_FALSE(WriteMenuFile(KitFile(), *m, {})) << count;
        EXPECT_EQ(KitFile().MnuError(), 1);
        EXPECT_TRUE(WrittenBytes().empty());
    }

    // More picture blocks than the signed 16-bit count can hold.
    m->BtnCount = 200;
    const PicRef one = Picture(1, 1, 1);
    for (int n = 1; n <= 200; ++n)
        for (int s = 0; s < kPicStates; ++s)
            for (int f = 0; f < 41; ++f) m->Buttons[n].Pics[s][f] = one;
    ASSERT_GT(CountImageBlocks(*m), 32767);
    BeginWrite();
    EXPECT_FALSE(WriteMenuFile(KitFile(), *m, {}));
    EXPECT_TRUE(WrittenBytes().empty());
    // Without the image section the same menu is fine.
    MenuWriteOptions skip;
    skip.Quiet = true;
    skip.SkipImages = true;
    BeginWrite();
    EXPECT_TRUE(WriteMenuFile(KitFile(), *m, skip));

    KitFile().SetMnuStream(nullptr);
    KitFile().ClearMnuError();
    EXPECT_FALSE(WriteMenuFile(KitFile(), *m, skip));
    EXPECT_EQ(KitFile().MnuError(), 1);
}
