// The design surface driven through the main window: adding objects,
// selecting and dragging them with the grid, resizing by a handle, deleting,
// copying and pasting, and restacking with undo.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "editor/win32/common/EditorGlobals.h"
#include "editor/win32/mainwindow/mdiform1.h"
#include "forms/win32/Application.h"
#include "forms/win32/Button.h"
#include "forms/win32/Command.h"
#include "forms/win32/Image.h"
#include "forms/win32/Label.h"
#include "forms/win32/Menus.h"
#include "forms/win32/Panel.h"
#include "forms/win32/RichEdit.h"
#include "forms/win32/Shape.h"
#include "forms/win32/StatusBar.h"
#include "tests/wine/editor_mainwindow/NewMenuFixture.h"

namespace {

class SurfaceTest : public NewMenuFixture {
protected:
    void SetUp() override {
        SnapToGrid = 1;
        GridSize = 6;
        ClipButton = TAQButton();
        NewMenuFixture::SetUp();
    }

    forms::Image& Img(int n) { return *Doc().Ctl[static_cast<size_t>(n)].ImgBtn; }
    // Adds a placed image whose full-size picture has the given colour.
    void AddImage(uint32_t colour) {
        Cmd("cmdAddImage").Execute();
        const int n = Doc().Menu.BtnCount;
        Obj(n).Pics[Up][0] = std::make_shared<forms::Bitmap>(30, 20, colour);
        Obj(n).Pics[Up][1] = std::make_shared<forms::Bitmap>(30, 20, colour);
    }
    void Press(int n, int x, int y) {
        Img(n).MouseDown(forms::MouseButton::Left, forms::ssLeft, x, y);
    }
};

TEST_F(SurfaceTest, AddedObjectsCascadeAreSelectedAndCanBeUndone) {
    Cmd("cmdAddShape").Execute();
    Cmd("cmdAddText").Execute();
    ASSERT_EQ(Doc().Menu.BtnCount, 2);
    EXPECT_EQ(Obj(1).Left, 8);
    EXPECT_EQ(Obj(2).Left, 16);
    EXPECT_EQ(Obj(1).ObjectKind, PlcShape);
    EXPECT_EQ(Img(2).Left(), 16);
    EXPECT_TRUE(Img(2).Visible());
    EXPECT_EQ(Doc().SelObject, 2);
    EXPECT_EQ(Doc().Modified, 1);
    const auto readOut = [this](const char* name) {
        return static_cast<forms::Label*>(form_->FindControl(name))->Caption();
    };
    EXPECT_EQ(readOut("Label3"), "L 16, T 16, W 250, H 100");
    // After an undo or a redo nothing is selected, and the object toolbar
    // says so with its stepping buttons greyed.
    form_->DoUndo();
    EXPECT_EQ(Doc().Menu.BtnCount, 1);
    EXPECT_EQ(readOut("Label2"), "(na)");
    EXPECT_EQ(readOut("Label3"), "(na)");
    EXPECT_FALSE(Cmd("cmdFirst").Enabled());
    EXPECT_FALSE(Cmd("cmdNext").Enabled());
    Cmd("cmdSelectNext").Execute();  // the Objects menu still starts stepping
    EXPECT_EQ(readOut("Label2"), "1");
    form_->DoRedo();
    EXPECT_EQ(Doc().Menu.BtnCount, 2);
    EXPECT_EQ(readOut("Label3"), "(na)");
    EXPECT_FALSE(Cmd("cmdMoveLeft").Enabled());
}

TEST_F(SurfaceTest, DraggingSnapsToTheGridStaysOnTheBackgroundAndEndsOnRelease) {
    Cmd("cmdAddShape").Execute();  // 250 x 100 at 8, 8
    Press(1, 5, 5);
    // The pointer's place inside the object stays under the pointer.
    Img(1).MouseMove(forms::ssLeft, 14, 5);  // left 17 snaps to 12
    EXPECT_EQ(Img(1).Left(), 12);
    EXPECT_EQ(Img(1).GetCursor(), forms::Cursor::SizeAll);
    EXPECT_EQ(Obj(1).Left, 12);
    Img(1).MouseMove(forms::ssLeft, 1000, -500);
    EXPECT_EQ(Obj(1).Left, 150);
    EXPECT_EQ(Obj(1).Top, 0);
    Img(1).MouseUp(forms::MouseButton::Left, 0, 1000, -500);
    EXPECT_EQ(Img(1).GetCursor(), forms::Cursor::Hand);
    Img(1).MouseMove(0, 3, 3);
    EXPECT_EQ(Obj(1).Left, 150);
    EXPECT_EQ(form_->SelRect().Left, 150);
}

TEST_F(SurfaceTest, AWindowsButtonMovesItsImageControlAlong) {
    LastBtnKind = WindowsButton;
    Cmd("cmdInsertBtn").Execute();
    forms::Button& button = *Doc().Ctl[1].WinBtn;
    EXPECT_TRUE(button.Visible());
    button.MouseDown(forms::MouseButton::Left, forms::ssLeft, 2, 2);
    button.MouseMove(forms::ssLeft, 50, 40);
    button.MouseUp(forms::MouseButton::Left, 0, 50, 40);
    EXPECT_EQ(button.Left(), 54);
    EXPECT_EQ(Img(1).Left(), button.Left());
    EXPECT_EQ(Img(1).Top(), button.Top());
    EXPECT_EQ(Obj(1).Left, button.Left());
    LastBtnKind = 0;
}

TEST_F(SurfaceTest, ThePointerOverAButtonShowsItsCommandAndAccessoryPicture) {
    Cmd("cmdInsertBtn").Execute();
    Cmd("cmdInsertBtn").Execute();
    Obj(1).ButtonCommand = "setup.exe";
    form_->SetBtnPic(1, Accessory, 0, forms::Bitmap(12, 9, 0x00FF00));
    EXPECT_EQ(form_->GetBtnPic(1, Accessory, 0, 1), 1);
    EXPECT_EQ(SharedBmp.Width(), 12);
    EXPECT_EQ(form_->GetBtnPic(1, Accessory, kFrameSlots, 0), 0);
    form_->DeselectObj(0, 1);
    Img(1).MouseMove(0, 2, 2);
    auto& status = *dynamic_cast<forms::StatusBar*>(form_->FindComponent("StatusBar1"));
    EXPECT_EQ(status.PanelText(1), "setup.exe");
    EXPECT_TRUE(Doc().AccessoryImage->Visible());
    EXPECT_EQ(Doc().AccessoryImage->Width(), 12);
    Img(2).MouseMove(0, 2, 2);
    EXPECT_EQ(status.PanelText(1), "(none)");
    // Onto the accessory text box: it shows the menu's own text again.
    EXPECT_NE(Doc().AccessoryText->Tag(), 0);
    Doc().AccessoryText->MouseMove(0, 2, 2);
    EXPECT_EQ(Doc().AccessoryText->Tag(), 0);
}

TEST_F(SurfaceTest, AHandleResizesTheObjectDownToItsMinimumSize) {
    Cmd("cmdAddShape").Execute();
    Press(1, 5, 5);
    Img(1).MouseUp(forms::MouseButton::Left, 0, 5, 5);
    forms::Shape& right = *form_->SelHandle(3);
    EXPECT_EQ(right.Left(), 8 + 250 - 3);
    right.MouseDown(forms::MouseButton::Left, forms::ssLeft, 3, 3);
    right.MouseMove(forms::ssLeft, -100, 3);  // x 158 snaps to 156
    EXPECT_EQ(Obj(1).ObjWidth, 148);
    EXPECT_EQ(Img(1).Width(), 148);
    right.MouseMove(forms::ssLeft, -145, 3);  // refused: would leave under 4
    EXPECT_EQ(Obj(1).ObjWidth, 148);
    right.MouseUp(forms::MouseButton::Left, 0, 0, 0);
    EXPECT_EQ(Obj(1).ObjHeight, 100);
    // The shape is drawn again at its new size once the resizing pauses.
    for (int tick = 0; tick < 20; ++tick) form_->Timer3Timer();
    EXPECT_EQ(Obj(1).LookPNG.Width(), 148);
}

TEST_F(SurfaceTest, OriginalImageSizeTakesThePicturesSizeAndNeedsAPicture) {
    AddImage(0x0000FF);
    form_->ToolButton48Click(editor::Navigate::First);
    const int undoBefore = Doc().UndoCount;
    Cmd("cmdOriginalSize").Execute();
    EXPECT_EQ(Obj(1).ObjWidth, 30);
    EXPECT_EQ(Img(1).Height(), 20);
    EXPECT_EQ(Obj(1).Pics[Up][1]->Width(), 30);
    EXPECT_EQ(Doc().UndoCount, undoBefore + 1);
    Cmd("cmdAddImage").Execute();  // no picture yet
    Cmd("cmdOriginalSize").Execute();
    EXPECT_EQ(Obj(2).ObjWidth, 300);
    Cmd("cmdAddShape").Execute();
    Cmd("cmdOriginalSize").Execute();
    EXPECT_EQ(asked_.back(), "The current object is not image based.");
}

TEST_F(SurfaceTest, DeletingMovesTheLaterObjectsDownAndClearsTheVacatedSlot) {
    AddImage(0x0000FF);
    Cmd("cmdAddShape").Execute();
    AddImage(0x00FF00);
    Press(1, 1, 1);
    Img(1).MouseUp(forms::MouseButton::Left, 0, 1, 1);
    Cmd("cmdDelete").Execute();
    ASSERT_EQ(Doc().Menu.BtnCount, 2);
    EXPECT_EQ(Obj(1).ObjectKind, PlcShape);
    EXPECT_EQ(Obj(1).Left, 16);
    EXPECT_EQ(Img(1).Left(), 16);
    EXPECT_EQ(Obj(2).Pics[Up][0]->Pixel(0, 0), 0x00FF00u);
    EXPECT_EQ(Doc().Ctl[3].ImgBtn, nullptr);
    EXPECT_FALSE(Obj(3).Pics[Up][0]);
    EXPECT_EQ(Obj(3).ObjHeight, 0);
    // The next object starts afresh in the vacated slot.
    Cmd("cmdAddText").Execute();
    EXPECT_FALSE(Obj(3).Pics[Up][0]);
    EXPECT_EQ(Obj(3).ObjectKind, PlcText);
    Cmd("cmdDelete").Execute();
    EXPECT_TRUE(asked_.empty());
    Cmd("cmdDelete").Execute();  // nothing selected
    EXPECT_EQ(asked_.back(), "There is currently no object selected.");
}

TEST_F(SurfaceTest, PastesStepDownAndRightAndCanBeUndone) {
    Cmd("cmdAddShape").Execute();
    Cmd("cmdCopy").Execute();
    const int undoBefore = Doc().UndoCount;
    Doc().Modified = 0;
    Cmd("cmdPaste").Execute();
    Cmd("cmdPaste").Execute();
    ASSERT_EQ(Doc().Menu.BtnCount, 3);
    EXPECT_EQ(Obj(2).Left, 14);
    EXPECT_EQ(Obj(3).Top, 20);
    EXPECT_EQ(Img(3).Left(), 20);
    EXPECT_EQ(Obj(3).ShapeRec.CornerRounding, 20);
    EXPECT_EQ(Doc().SelObject, 3);
    EXPECT_EQ(Doc().Modified, 1);
    EXPECT_EQ(Doc().UndoCount, undoBefore + 2);
    form_->DoUndo();
    EXPECT_EQ(Doc().Menu.BtnCount, 2);
    // A full menu takes no more objects, pasted or added.
    Doc().Menu.BtnCount = kMaxObjects;
    Cmd("cmdPaste").Execute();
    EXPECT_EQ(asked_.back(), "You cannot add more than 200 objects to a single menu.");
    asked_.clear();
    Cmd("cmdInsertBtn").Execute();
    EXPECT_EQ(asked_.back().rfind("You cannot add more than 200 objects.", 0), 0u);
    EXPECT_EQ(Doc().Menu.BtnCount, kMaxObjects);
    Doc().Menu.BtnCount = 2;
}

TEST_F(SurfaceTest, RestackingKeepsPlacesAndAnUndoBringsThePicturesBack) {
    AddImage(0x0000FF);
    AddImage(0x00FF00);
    AddImage(0xFF0000);
    Press(1, 1, 1);
    Img(1).MouseUp(forms::MouseButton::Left, 0, 1, 1);
    Cmd("cmdBringForward").Execute();
    EXPECT_EQ(Doc().SelObject, 2);
    EXPECT_EQ(Obj(2).Pics[Up][0]->Pixel(0, 0), 0x0000FFu);
    EXPECT_EQ(Obj(2).Left, 8);
    EXPECT_EQ(Img(2).Left(), 8);
    EXPECT_EQ(Img(1).Left(), 16);
    Cmd("cmdBringToFront").Execute();
    EXPECT_EQ(Doc().SelObject, 3);
    EXPECT_EQ(Obj(3).Pics[Up][0]->Pixel(0, 0), 0x0000FFu);
    asked_.clear();
    Cmd("cmdBringForward").Execute();  // already in front: refused
    EXPECT_EQ(Doc().SelObject, 3);
    form_->DoUndo();
    form_->DoUndo();
    ASSERT_EQ(Doc().Menu.BtnCount, 3);
    ASSERT_TRUE(HasPic(Obj(1).Pics[Up][0]));
    EXPECT_EQ(Obj(1).Pics[Up][0]->Pixel(0, 0), 0x0000FFu);
    EXPECT_EQ(Obj(3).Pics[Up][0]->Pixel(0, 0), 0xFF0000u);
}

TEST_F(SurfaceTest, NudgeAndNavigationActOnTheSelectedObject) {
    Cmd("cmdAddShape").Execute();
    Cmd("cmdAddShape").Execute();
    Cmd("cmdFirst").Execute();
    EXPECT_EQ(Doc().SelObject, 1);
    const int undoBefore = Doc().UndoCount;
    Cmd("cmdMoveLeft").Execute();
    Cmd("cmdMoveDown").Execute();
    EXPECT_EQ(Obj(1).Left, 7);
    EXPECT_EQ(Img(1).Top(), 9);
    EXPECT_EQ(Doc().UndoCount, undoBefore + 2);
    Cmd("cmdSelectPrevious").Execute();
    EXPECT_EQ(Doc().SelObject, 1);
    Cmd("cmdLast").Execute();
    EXPECT_EQ(Doc().SelObject, 2);
}

TEST_F(SurfaceTest, TabOrderClicksRenumberTheObjectsAndKeepTheirPlaces) {
    for (int i = 1; i <= 4; ++i) {
        Cmd("cmdAddShape").Execute();
        Obj(i).Left = 8 * i;
    }
    form_->RefreshObjects();
    // The Menu menu's item shows the markers as the toolbar's check button does.
    EditorOptions.TipShown[7] = 1;
    dynamic_cast<forms::MenuItem&>(*form_->FindComponent("abOrder1")).Click();
    ASSERT_TRUE(Cmd("cmdTabOrder").Checked());
    const auto marker = [this](int n) -> forms::Panel& {
        return *dynamic_cast<forms::Panel*>(form_->FindComponent(n == 4 ? "TabOrd004" : "TabOrd001"));
    };
    marker(4).Click();
    EXPECT_EQ(Obj(1).Left, 32);
    EXPECT_EQ(Img(1).Left(), 32);
    EXPECT_EQ(Obj(2).Left, 8);
    EXPECT_EQ(marker(1).Caption(), "01");
    marker(1).Click();  // a new pass: the first object stays first
    EXPECT_EQ(Obj(1).Left, 32);
    EXPECT_EQ(Obj(4).Left, 24);
}

TEST_F(SurfaceTest, AnInPlaceTextEditGoesToTheObjectItWasOpenedFor) {
    Cmd("cmdAddText").Execute();
    Cmd("cmdAddShape").Execute();
    auto& editor = *dynamic_cast<forms::RichEdit*>(form_->FindComponent("RichAccEdit"));
    Obj(0).Pics[Up][0] = std::make_shared<forms::Bitmap>(400, 300, 0xFF204060);
    Img(1).MouseDown(forms::MouseButton::Right, 0, 3, 3);
    ASSERT_TRUE(editor.Visible());
    EXPECT_FALSE(Img(1).Visible());
    // Borderless, on the colour of the background beneath: white text stays readable.
    EXPECT_FALSE(editor.Border());
    EXPECT_EQ(editor.BackgroundColor(), static_cast<forms::Color>(0x604020));
    editor.SetText("written in place");
    Press(2, 1, 1);
    EXPECT_NE(Obj(1).AccRTF.find("written in place"), std::string::npos);
    EXPECT_TRUE(Obj(2).AccRTF.empty());
    EXPECT_TRUE(Img(1).Visible());
    EXPECT_EQ(Doc().SelObject, 2);
}

TEST_F(SurfaceTest, BoxesAndClockLabelsDragWithTheRecordAndDeleteHidesALabel) {
    forms::Image& box = *Doc().AccessoryText;
    box.MouseDown(forms::MouseButton::Left, forms::ssLeft, 5, 5);
    box.MouseMove(forms::ssLeft, 20, 30);  // left 55 snaps to 54, top 65 to 60
    box.MouseUp(forms::MouseButton::Left, 0, 20, 30);
    EXPECT_EQ(box.Left(), 54);
    EXPECT_EQ(Doc().Menu.AccTextLeft, 54);
    EXPECT_EQ(Doc().Menu.AccTextTop, 60);
    forms::Label& time = *Doc().TimeLabel;
    Doc().Menu.TimeVisible = true;
    time.SetVisible(true);
    time.MouseDown(forms::MouseButton::Left, forms::ssLeft, 0, 0);
    time.MouseMove(forms::ssLeft, 10, -200);
    time.MouseUp(forms::MouseButton::Left, 0, 10, -200);
    EXPECT_EQ(Doc().Menu.TimeLeft, time.Left());
    EXPECT_EQ(Doc().SelObject, kSelTimeLabel);
    Cmd("cmdDelete").Execute();
    EXPECT_FALSE(Doc().Menu.TimeVisible);
    EXPECT_FALSE(time.Visible());
}

}  // namespace

namespace {

// A background where every place looks different.
forms::Bitmap Patterned(int w, int h) {
    forms::Bitmap b(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            b.SetPixel(x, y, static_cast<uint32_t>((x * 7 + y * 3) & 0xFF) | static_cast<uint32_t>((x * y) & 0xFF) << 8 |
                                 static_cast<uint32_t>((x + y * 11) & 0xFF) << 16);
    return b;
}

forms::Bitmap Cut(const forms::Bitmap& from, int left, int top, int w, int h) {
    forms::Bitmap b(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) b.SetPixel(x, y, from.Pixel(left + x, top + y));
    return b;
}

}  // namespace

TEST_F(SurfaceTest, AutoSeekMovesAGraphicalButtonToWhereItsPictureWasCutFromAndCanBeUndone) {
    EditorOptions.TipShown[3] = 1;
    const forms::Bitmap background = Patterned(200, 120);
    Obj(0).Pics[Up][0] = std::make_shared<forms::Bitmap>(background);
    Cmd("cmdInsertBtn").Execute();
    ASSERT_EQ(Doc().Menu.BtnCount, 1);
    ASSERT_EQ(Obj(1).ObjectKind, GraphicalButton);
    Obj(1).Pics[Up][0] = std::make_shared<forms::Bitmap>(Cut(background, 53, 41, 30, 12));
    ASSERT_TRUE(Cmd("cmdAutoSeek").Enabled());
    const int undoSteps = Doc().UndoCount;

    Cmd("cmdAutoSeek").Execute();
    EXPECT_TRUE(asked_.empty());
    // The record and both controls move; the frame encloses the picture.
    EXPECT_EQ(Obj(1).Left, 53);
    EXPECT_EQ(Obj(1).Top, 41);
    EXPECT_EQ(Img(1).Left(), 53);
    EXPECT_EQ(Doc().Ctl[1].WinBtn->Top(), 41);
    EXPECT_EQ(Doc().UndoCount, undoSteps + 1);

    Cmd("cmdUndo").Execute();
    EXPECT_EQ(Obj(1).Left, 8);
    EXPECT_EQ(Obj(1).Top, 8);
}

TEST_F(SurfaceTest, AutoSeekNeedsASelectedGraphicalButton) {
    EditorOptions.TipShown[3] = 1;
    Cmd("cmdAutoSeek").Execute();
    ASSERT_EQ(asked_.size(), 1u);
    EXPECT_EQ(asked_[0], "There is currently no object selected.");
    Cmd("cmdAddShape").Execute();
    Cmd("cmdAutoSeek").Execute();
    ASSERT_EQ(asked_.size(), 2u);
    EXPECT_EQ(asked_[1], "This function only works on graphical buttons.");
    EXPECT_EQ(Obj(1).Left, 8);
}

TEST_F(SurfaceTest, WithAutomaticPlacementAnInsertedButtonIsPlacedAtOnce) {
    EditorOptions.TipShown[3] = 1;
    EditorOptions.AutoPlaceButtons = true;
    Obj(0).Pics[Up][0] = std::make_shared<forms::Bitmap>(Patterned(200, 120));
    Cmd("cmdInsertBtn").Execute();
    EditorOptions.AutoPlaceButtons = false;
    // A new button has no picture yet to match: it goes to the start place.
    EXPECT_EQ(Obj(1).Left, 0);
    EXPECT_EQ(Obj(1).Top, 0);
    EXPECT_EQ(Img(1).Left(), 0);
}

namespace {

double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// The middle of the times: a step that waited for the processor on a busy
// machine does not count.
double Median(std::vector<double> times) {
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

}  // namespace

// Dragging an object over an 800 x 600 menu of 100 objects repaints only the
// places the object left and entered. Prints the painting time of a drag
// step beside that of repainting the whole design surface (medians of 40).
TEST_F(SurfaceTest, ADragStepRepaintsOnlyWhereTheObjectWasAndIs) {
    Doc().BackImage->SetPicture(forms::Bitmap(800, 600, 0x607080));
    // Ten rows of ten 60 x 24 pictures, shown at their own size.
    for (int k = 0; k < 100; ++k) {
        Cmd("cmdAddImage").Execute();
        const int n = Doc().Menu.BtnCount;
        const forms::Bitmap picture(60, 24, 0x102030u * static_cast<uint32_t>(k % 7 + 1));
        Obj(n).Pics[Up][1] = std::make_shared<forms::Bitmap>(picture);
        Img(n).SetPicture(picture);
        Obj(n).Left = 20 + 78 * (k % 10);
        Obj(n).Top = 20 + 58 * (k / 10);
        Obj(n).ObjWidth = 60;
        Obj(n).ObjHeight = 24;
    }
    for (int n = 1; n <= 100; ++n) Img(n).SetBounds(Obj(n).Left, Obj(n).Top, 60, 24);
    form_->SetBounds(0, 0, 1024, 768);
    form_->Show();
    forms::Application().ProcessMessages();
    forms::Panel& panel = *Doc().ClientPanel;
    Doc().FramePanel->SetBounds(10, 10, 804, 604);
    forms::Application().ProcessMessages();
    HWND surface = panel.Handle();
    RedrawWindow(surface, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    forms::Application().ProcessMessages();

    ASSERT_TRUE(IsWindowVisible(surface));
    RECT client;
    GetClientRect(surface, &client);
    ASSERT_GE(client.right, 790);
    ASSERT_GE(client.bottom, 500);

    // The painting a move causes is timed, not the handler that moves.
    constexpr int kSteps = 40;
    Press(1, 5, 5);
    LARGE_INTEGER start, end;
    std::vector<double> dragPainting;
    for (int k = 1; k <= kSteps; ++k) {
        const auto bounds = [this] {
            return RECT{Img(1).Left(), Img(1).Top(), Img(1).Left() + Img(1).Width(), Img(1).Top() + Img(1).Height()};
        };
        const RECT before = bounds();
        Img(1).MouseMove(forms::ssLeft, 5 + (k % 2 ? 6 : -6), 5);
        // Only the object's old and new places (with the selection frame
        // around them) are to be painted again.
        RECT changed, update, outside;
        const RECT after = bounds();
        UnionRect(&changed, &before, &after);
        InflateRect(&changed, 3, 3);
        GetUpdateRect(surface, &update, FALSE);
        SubtractRect(&outside, &update, &changed);
        EXPECT_TRUE(IsRectEmpty(&outside)) << update.left << "," << update.top << " " << update.right << ","
                                           << update.bottom;
        QueryPerformanceCounter(&start);
        RedrawWindow(surface, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        QueryPerformanceCounter(&end);
        dragPainting.push_back(Milliseconds(start, end));
    }
    Img(1).MouseUp(forms::MouseButton::Left, 0, 5, 5);
    const double dragStep = Median(dragPainting);

    std::vector<double> fullPainting;
    for (int k = 0; k < kSteps; ++k) {
        QueryPerformanceCounter(&start);
        RedrawWindow(surface, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        QueryPerformanceCounter(&end);
        fullPainting.push_back(Milliseconds(start, end));
    }
    const double fullRepaint = Median(fullPainting);

    std::printf("drag step %.3f ms, whole surface %.3f ms, ratio %.3f\n", dragStep, fullRepaint,
                dragStep / fullRepaint);
}
