// What the surface shows follows the menu record after the user's own
// presses and drags (mouse messages posted to the menu's panel): the
// selection frame drags what it frames, resized texts and pictures are drawn
// again at their new size, and an opened or undone menu shows its accessory
// text at once.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "editor/win32/objectprops/objprops.h"
#include "forms/portable/FileSystem.h"
#include "shared/MenuBody.h"
#include "shared/win32/mdlfilebin_win32.h"
#include "tests/wine/editor_mainwindow/NewMenuFixture.h"

namespace {

class ShownFromRecordTest : public NewMenuFixture {
protected:
    void SetUp() override {
        SnapToGrid = 1;
        GridSize = 6;
        NewMenuFixture::SetUp();
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        folder_ = std::string(temp) + "qvshown-" + std::to_string(GetCurrentProcessId()) + "\\";
        CreateDirectoryA(folder_.c_str(), nullptr);
    }
    void TearDown() override {
        NewMenuFixture::TearDown();
        forms::RemoveFile(folder_ + "m.mnu");
        RemoveDirectoryA(folder_.c_str());
    }
    // A press, a move and a release at panel coordinates, each handled.
    void Drag(int x, int y, int toX, int toY) {
        const HWND panel = Doc().ClientPanel->Handle();
        PostMessageA(panel, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
        forms::Application().ProcessMessages();
        PostMessageA(panel, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(toX, toY));
        forms::Application().ProcessMessages();
        PostMessageA(panel, WM_LBUTTONUP, 0, MAKELPARAM(toX, toY));
        forms::Application().ProcessMessages();
    }
    void Click(int x, int y) { Drag(x, y, x, y); }
    // Drags handle k by (dx, dy) from its centre.
    void DragHandle(int k, int dx, int dy) {
        const forms::Shape& handle = *form_->SelHandle(k);
        Drag(handle.Left() + 3, handle.Top() + 3, handle.Left() + 3 + dx, handle.Top() + 3 + dy);
    }
    static bool Inked(const forms::Picture& picture) {
        const forms::Bitmap& pixels = picture.Pixels();
        for (int y = 0; y < pixels.Height(); ++y)
            for (int x = 0; x < pixels.Width(); ++x)
                if (pixels.Pixel(x, y) >> 24 != 0) return true;
        return false;
    }
    const forms::Picture& BoxPicture() { return Doc().AccessoryText->GetPicture(); }

    std::string folder_;
};

TEST_F(ShownFromRecordTest, PressingTheFrameDragsWhatItFrames) {
    // The added shape (250 x 100 at 8, 8) is selected, framed from 7, 7.
    Cmd("cmdAddShape").Execute();
    Drag(258, 30, 272, 30);  // on the frame's right edge: the shape's left 22 snaps to 18
    EXPECT_EQ(Obj(1).Left, 18);
    EXPECT_EQ(Doc().Menu.AccTextLeft, 40);
    EXPECT_EQ(Doc().AccessoryText->Left(), 40);

    // With the accessory text box selected, its frame drags the box.
    Click(100, 130);
    Drag(39, 125, 51, 125);  // left 51 snaps to 48
    EXPECT_EQ(Doc().Menu.AccTextLeft, 48);
    EXPECT_EQ(Doc().AccessoryText->Left(), 48);
    EXPECT_EQ(Obj(1).Left, 18);
}

TEST_F(ShownFromRecordTest, ResizedTextsAreDrawnAndSavedAtTheirNewSize) {
    LastBtnKind = TextButton;
    Cmd("cmdInsertBtn").Execute();
    const int left = Obj(1).Left, top = Obj(1).Top, width = Obj(1).ObjWidth;
    Click(left + 5, top + 5);
    DragHandle(3, 36, 0);
    ASSERT_GT(Obj(1).ObjWidth, width);
    EXPECT_EQ(Obj(1).LookPNG.Width(), Obj(1).ObjWidth);
    EXPECT_EQ(Doc().Ctl[1].ImgBtn->GetPicture().Width(), Obj(1).ObjWidth);

    Doc().Menu.AccRTF = "{\\rtf1 Choose a button}";
    Doc().AccPNGDirty = 1;
    Click(100, 130);
    DragHandle(4, 24, 12);
    ASSERT_GT(Doc().Menu.AccTextWidth, 200);
    EXPECT_EQ(BoxPicture().Width(), Doc().Menu.AccTextWidth);
    EXPECT_EQ(BoxPicture().Height(), Doc().Menu.AccTextHeight);

    ASSERT_TRUE(form_->SaveMenu(folder_, "m.mnu", true, false));
    DialogMenuFileHost host;
    TMenuFile file(host);
    TAQMenu stored;
    ASSERT_TRUE(file.OpenMnuFile("m.mnu", folder_, 0, 0) && file.ReadMnuHeader());
    ASSERT_TRUE(ReadMenuBody(file, stored, MenuReadOptions()));
    file.CloseMnuFile();
    EXPECT_EQ(stored.AccPNG.Width(), stored.AccTextWidth);
    EXPECT_GT(stored.AccTextWidth, 200);
    EXPECT_EQ(stored.AccPNG.Height(), stored.AccTextHeight);
    EXPECT_EQ(stored.Buttons[1].LookPNG.Width(), stored.Buttons[1].ObjWidth);
}

TEST_F(ShownFromRecordTest, AResizedImageIsResampledByTheChosenMethod) {
    Cmd("cmdAddImage").Execute();
    forms::Bitmap checks(30, 20);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 30; ++x) checks.SetPixel(x, y, (x + y) % 2 ? 0xFFFFFF : 0);
    Obj(1).Pics[Up][0] = std::make_shared<forms::Bitmap>(checks);
    Obj(1).Pics[Up][1] = std::make_shared<forms::Bitmap>(checks);
    Obj(1).ObjWidth = 30;
    Obj(1).ObjHeight = 20;
    Doc().Ctl[1].ImgBtn->SetBounds(Obj(1).Left, Obj(1).Top, 30, 20);
    const uint8_t kept = HQScaling;
    HQScaling = 0;
    Click(Obj(1).Left + 5, Obj(1).Top + 5);
    DragHandle(4, 17, 11);
    HQScaling = kept;
    const forms::Bitmap& shown = *Obj(1).Pics[Up][1];
    ASSERT_GT(shown.Width(), 30);
    // Nearest pixels only: no blended grey.
    for (int y = 0; y < shown.Height(); ++y)
        for (int x = 0; x < shown.Width(); ++x) {
            const uint32_t colour = shown.Pixel(x, y) & 0xFFFFFF;
            ASSERT_TRUE(colour == 0 || colour == 0xFFFFFF) << x << "," << y << ": " << std::hex << colour;
        }
}

TEST_F(ShownFromRecordTest, AnOpenedMenuShowsItsAccessoryTextAtOnceAndAfterUndoAndRedo) {
    // A new menu's accessory picture is its empty text as rendered.
    EXPECT_EQ(Doc().Menu.AccPNG.Width(), 40);
    EXPECT_EQ(Doc().Menu.AccPNG.Height(), 40);

    Obj(0).Pics[Up][0] = std::make_shared<forms::Bitmap>(400, 300, 0x808080);
    Doc().Menu.AccRTF = "{\\rtf1 Choose a button}";
    Doc().AccPNGDirty = 1;
    ASSERT_TRUE(form_->SaveMenu(folder_, "m.mnu", true, false));
    ASSERT_TRUE(form_->LoadMenu("m.mnu", folder_, false));
    ASSERT_EQ(form_->CurMenu(), 2);
    EXPECT_TRUE(Inked(BoxPicture()));
    EXPECT_EQ(Doc().Modified, 0);

    Click(100, 130);  // a press on the box records an undo step
    Doc().AccessoryText->SetPicture(forms::Bitmap());
    Cmd("cmdUndo").Execute();
    EXPECT_TRUE(Inked(BoxPicture()));
    Doc().AccessoryText->SetPicture(forms::Bitmap());
    Cmd("cmdRedo").Execute();
    EXPECT_TRUE(Inked(BoxPicture()));
}

}  // namespace
