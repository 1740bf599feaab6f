// The properties dialog of placed objects: sizes refused at OK, presets
// added and read back, the edge-rounding pop-up, colour requests, and adds
// cancelled through the main window; with the times of the largest preview
// and of a full preset strip.
#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <memory>
#include <string>

#include "editor/logic/PNGDraw.h"
#include "editor/logic/ShapePresets.h"
#include "editor/win32/common/ColorRequest.h"
#include "editor/win32/common/EditorGlobals.h"
#include "editor/win32/colors/frmcolors.h"
#include "editor/win32/objectprops/frmedgeround.h"
#include "editor/win32/mainwindow/mdiform1.h"
#include "editor/win32/objectprops/objprops.h"
#include "forms/portable/FileSystem.h"
#include "forms/portable/Stream.h"
#include "forms/win32/Application.h"
#include "forms/win32/Button.h"
#include "forms/win32/ComboBox.h"
#include "forms/win32/Edit.h"
#include "forms/win32/Image.h"
#include "forms/win32/Label.h"
#include "forms/win32/ScrollBar.h"
#include "forms/win32/ScrollBox.h"
#include "forms/win32/Timer.h"
#include "forms/win32/ToolBar.h"
#include "forms/win32/ToolButton.h"
#include "tests/wine/editor_mainwindow/NewMenuFixture.h"
#include "tests/wine/forms/TestSupport.h"

namespace {

TShapeRec GreyShape() {
    TShapeRec shape;
    shape.ShapeKind = 3;
    shape.LineThickness = 1;
    shape.FillType = 2;
    shape.FillColor = 0xE5E5E5;
    shape.GradientColor = 0xFFFFFF;
    shape.CornerRounding = 20;
    return shape;
}

std::string FileText(const std::string& path) {
    std::vector<uint8_t> bytes;
    forms::ReadWholeFile(path, bytes);
    return std::string(bytes.begin(), bytes.end());
}

// The dialog on its own, over a shape record, with a presets folder of its own.
class ObjPropsDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        folder_ = std::string(temp) + "qv-objprops-" + std::to_string(GetCurrentProcessId()) + "\\";
        CreateDirectoryA(folder_.c_str(), nullptr);
        EditorMsg = [this](const std::string& text, TMsgDlgType, TMsgDlgButtons) {
            asked_.push_back(text);
            return mrOk;
        };
        PresetRange = 1;
        shape_.ObjectKind = PlcShape;
        shape_.ObjWidth = 250;
        shape_.ObjHeight = 100;
        shape_.ShapeRec = GreyShape();
    }
    void TearDown() override {
        dialog_.reset();
        forms::Application().ProcessMessages();
        for (int range = 1; range <= 3; ++range) forms::RemoveFile(folder_ + "pss\\" + editor::PresetFileName(range));
        RemoveDirectoryA((folder_ + "pss").c_str());
        RemoveDirectoryA(folder_.c_str());
        PresetRange = 1;
    }
    TForm2& Open() {
        dialog_ = std::make_unique<TForm2>(shape_, nullptr, folder_);
        dialog_->Timer2Timer();
        return *dialog_;
    }
    void ChooseRange(int range) {
        dialog_->ComboBox3->SetItemIndex(range - 1);
        dialog_->ComboBox3Change();
    }

    std::string folder_;
    std::vector<std::string> asked_;
    TAQButton shape_;
    std::unique_ptr<TForm2> dialog_;
};

TEST_F(ObjPropsDialogTest, OkRefusesBadSizesAndStaysOpenThenStoresAGoodOne) {
    TForm2& dialog = Open();
    EXPECT_EQ(dialog.Caption(), "Shape Properties...");
    EXPECT_EQ(ObjPropsCancelled, 1);
    for (const char* bad : {"0", "-40", "100000"}) {
        dialog.Edit3->SetText(bad);
        dialog.Command1000->Click();
        EXPECT_EQ(dialog.ModalResult(), forms::mrNone) << bad;
        EXPECT_EQ(shape_.ObjWidth, 250) << bad;
    }
    EXPECT_EQ(asked_.size(), 3u);
    EXPECT_EQ(ObjPropsCancelled, 1);
    // Letters in a size edit beep and bring back the last valid size.
    dialog.Edit4->SetText("abc");
    EXPECT_EQ(dialog.Edit4->Text(), "100");
    dialog.Edit3->SetText("120");
    dialog.Command1000->Click();
    EXPECT_EQ(dialog.ModalResult(), mrOk);
    EXPECT_EQ(ObjPropsCancelled, 0);
    EXPECT_EQ(shape_.ObjWidth, 120);
    EXPECT_EQ(shape_.LookPNG.Width(), 120);
}

// Typed into Width as a user types (each keystroke checked): "10", then "$"
// before it; the size is read as the check read it. Left only shows the
// place: typing there changes nothing.
TEST_F(ObjPropsDialogTest, HexadecimalWidthIsReadAsTheCheckReadsItAndLeftTakesNoTyping) {
    TForm2& dialog = Open();
    dialog.Show();
    SetForegroundWindow(dialog.Handle());
    dialog.Edit1->SetFocus();
    formstest::QueueKeys({'7'});
    formstest::PumpFor(100);
    EXPECT_EQ(dialog.Edit1->Text(), std::to_string(shape_.Left));
    dialog.Edit3->SetFocus();
    SendMessageA(dialog.Edit3->Handle(), EM_SETSEL, 0, -1);
    for (std::initializer_list<WORD> keys : {std::initializer_list<WORD>{'1'}, {'0'}, {VK_HOME}, {VK_SHIFT, '4'}})
        formstest::QueueKeys(keys);
    formstest::PumpFor(200);
    EXPECT_EQ(dialog.Edit3->Text(), "$10");
    dialog.Command1000->Click();
    EXPECT_EQ(ObjPropsCancelled, 0);
    EXPECT_EQ(shape_.ObjWidth, 16);
}

TForm2* g_shown = nullptr;
int g_step = 0;
bool g_stayedOpen = false;

// Drives the dialog shown modally: a refused size first, then a good one.
void CALLBACK DriveModal(HWND, UINT, UINT_PTR, DWORD) {
    TForm2& dialog = *g_shown;
    if (dialog.DlgReady != 1 || !dialog.Visible()) return;
    if (g_step == 0) {
        dialog.Edit4->SetText("0");
        dialog.Command1000->Click();
    } else if (g_step == 1) {
        g_stayedOpen = dialog.Visible() && dialog.ModalResult() == forms::mrNone;
        dialog.Edit4->SetText("90");
        dialog.Command1000->Click();
    }
    ++g_step;
}

TEST_F(ObjPropsDialogTest, ShownModallyItSetsItselfUpAndStaysOpenOnARefusedSize) {
    dialog_ = std::make_unique<TForm2>(shape_, nullptr, folder_);
    g_shown = dialog_.get();
    g_step = 0;
    const UINT_PTR timer = SetTimer(nullptr, 0, 30, DriveModal);
    const int result = dialog_->ShowModal();
    KillTimer(nullptr, timer);
    EXPECT_EQ(result, mrOk);
    EXPECT_TRUE(g_stayedOpen);
    EXPECT_EQ(asked_.size(), 1u);
    EXPECT_EQ(shape_.ObjHeight, 90);
    EXPECT_EQ(dialog_->ComboBox1->ItemIndex(), 2);
}

TEST_F(ObjPropsDialogTest, AddToPresetsWritesOneRowThatTheStripReadsBack) {
    TForm2& dialog = Open();
    // The built-in rows of the first range; "User" has none and no strip.
    EXPECT_EQ(dialog.PresetLists[1].size(), 11u);
    EXPECT_TRUE(dialog.PresetImgs[11]->Visible());
    ChooseRange(3);
    EXPECT_FALSE(dialog.ScrollBox1->Visible());
    dialog.Edit3->SetText("120");
    dialog.ComboBox2->SetItemIndex(4);
    dialog.ComboBox2Change();
    dialog.AddPreset();
    const std::string text = FileText(folder_ + "pss\\favs3.lst");
    const std::string row = "120100342020000000000229229229255255255255255";
    EXPECT_EQ(text, std::string(editor::kPresetsHeader) + "\r\n" + row + "\r\n");
    EXPECT_TRUE(dialog.ScrollBox1->Visible());
    EXPECT_EQ(dialog.SelPreset, 1);

    // A new dialog reads the range back; the preset applies its settings.
    dialog_.reset();
    TForm2& again = Open();
    ASSERT_EQ(again.PresetLists[3], std::vector<std::string>{row});
    EXPECT_TRUE(again.PresetImgs[1]->Visible());
    EXPECT_FALSE(again.PresetImgs[2]->Visible());
    again.Image3MouseEnter(1);
    again.Image3Click();
    EXPECT_EQ(again.WorkObj.ObjWidth, 120);
    EXPECT_EQ(again.WorkObj.ShapeRec.LineThickness, 4);
    EXPECT_EQ(again.Edit3->Text(), "120");
    // A thickness the row cannot hold is refused, the file unchanged.
    again.ComboBox2->SetItemIndex(11);
    again.ComboBox2Change();
    again.AddPreset();
    EXPECT_EQ(asked_.size(), 1u);
    EXPECT_EQ(again.PresetLists[3].size(), 1u);
    // Deleting outside the rows does nothing; deleting the last leaves the header.
    again.SelPreset = 5;
    again.ToolButton14Click();
    EXPECT_EQ(again.PresetLists[3].size(), 1u);
    again.SelPreset = 1;
    again.ToolButton14Click();
    EXPECT_EQ(FileText(folder_ + "pss\\favs3.lst"), std::string(editor::kPresetsHeader) + "\r\n");
    EXPECT_FALSE(again.ScrollBox1->Visible());
}

TEST_F(ObjPropsDialogTest, AFileWithBadRowsIsReadWithThemLeftOutAndSaidOnce) {
    CreateDirectoryA((folder_ + "pss").c_str(), nullptr);
    const std::string good = editor::BuiltInPresetRows(2)[3];
    const std::string text = std::string(editor::kPresetsHeader) + "\r\n" + good + "\r\n123\r\nnot a row\r\n" + good +
                             "99\r\n";
    forms::WriteWholeFile(folder_ + "pss\\favs2.lst", text.data(), text.size());
    PresetRange = 2;
    TForm2& dialog = Open();
    EXPECT_EQ(dialog.PresetLists[2], std::vector<std::string>{good});
    EXPECT_EQ(asked_.size(), 1u);
    EXPECT_TRUE(dialog.PresetImgs[1]->Visible());
}

TEST_F(ObjPropsDialogTest, EdgeRoundingAppliesAfterThePauseAndCancelPutsItBack) {
    TForm2& dialog = Open();
    dialog.ToolButton7Click();
    ASSERT_NE(dialog.EdgeRound, nullptr);
    TForm5& popup = *dialog.EdgeRound;
    EXPECT_EQ(ClrTarget, ClrTargetNone);
    EXPECT_EQ(popup.ScrollBar1->Position(), 20);
    popup.ScrollBar1->SetPosition(60);
    EXPECT_EQ(popup.Label2->Caption(), "60");
    for (int tick = 0; tick < 20; ++tick) popup.Timer1Timer();
    EXPECT_EQ(dialog.WorkObj.ShapeRec.CornerRounding, 20);  // not yet
    popup.Timer1Timer();
    EXPECT_EQ(dialog.WorkObj.ShapeRec.CornerRounding, 60);
    popup.Command3001Click();
    EXPECT_EQ(dialog.WorkObj.ShapeRec.CornerRounding, 20);
    forms::Application().ProcessMessages();
    EXPECT_EQ(dialog.EdgeRound, nullptr);

    // OK applies a move still waiting for its pause; the dialog's OK keeps it.
    dialog.ToolButton7Click();
    dialog.EdgeRound->ScrollBar1->SetPosition(45);
    dialog.EdgeRound->Command3000Click();
    forms::Application().ProcessMessages();
    EXPECT_EQ(dialog.EdgeRound, nullptr);
    dialog.Command1000->Click();
    EXPECT_EQ(shape_.ShapeRec.CornerRounding, 45);
}

TEST_F(ObjPropsDialogTest, ColoursReachTheOpenDialogOnlyWhileItIsOpen) {
    forms::Color answer = 0x0000FF;
    OpenColorChooser = [&answer](int, int) {
        CurClr = answer;
        DispatchColor();
    };
    TForm2& dialog = Open();
    dialog.ToolButton2->Click();
    EXPECT_EQ(dialog.WorkObj.ShapeRec.LineColor, 0x0000FF);
    dialog.FillButtonClick(1);
    answer = 0x00FF00;
    dialog.ToolButton4->Click();
    EXPECT_EQ(dialog.WorkObj.ShapeRec.FillColor, 0x00FF00);
    // A request left open when the dialog goes is never delivered.
    OpenColorChooser = [](int, int) {};
    dialog.ToolButton6->Click();
    EXPECT_EQ(ClrTarget, ClrTargetShapeGradient);
    EXPECT_TRUE(HasColorRequest(dialog));
    dialog_.reset();
    CurClr = 0x123456;
    DispatchColor();
    EXPECT_EQ(ClrTarget, ClrTargetNone);
    OpenColorChooser = nullptr;
}

// The arrow beside a colour button asks for the colour as the button does;
// the chooser belongs to the modal dialog and stays open over it.
TEST_F(ObjPropsDialogTest, TheColourArrowOpensTheChooserOverTheModalDialog) {
    OpenColorChooser = ShowColorChooser;
    // The editor's main window stands behind the dialog.
    std::unique_ptr<forms::Form> main;
    if (!forms::Application().MainForm()) main.reset(forms::Application().CreateForm<forms::Form>());
    forms::Application().MainForm()->Show();
    TForm2& dialog = Open();
    HWND chooserOwner = nullptr, active = nullptr;
    auto* driver = new forms::Timer(&dialog);
    driver->OnTimer = [&](forms::Component&) {
        driver->SetEnabled(false);
        const RECT r = dialog.ToolButton2->BoundsRect();
        const LPARAM arrow = MAKELPARAM(r.right - 4, (r.top + r.bottom) / 2);
        PostMessageA(dialog.ToolBar1->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, arrow);
        PostMessageA(dialog.ToolBar1->Handle(), WM_LBUTTONUP, 0, arrow);
        const DWORD start = GetTickCount();
        while (GetTickCount() - start < 200) {
            forms::Application().ProcessMessages();
            Sleep(5);
        }
        if (frmColors) {
            chooserOwner = GetWindow(frmColors->Handle(), GW_OWNER);
            active = GetActiveWindow() == frmColors->Handle() ? dialog.Handle() : nullptr;
            delete frmColors;
        }
        dialog.SetModalResult(forms::mrCancel);
    };
    driver->SetInterval(20);
    dialog.ShowModal();
    EXPECT_EQ(ClrTarget, ClrTargetShapeLine);
    EXPECT_EQ(chooserOwner, dialog.Handle());
    EXPECT_EQ(active, dialog.Handle());  // the chooser was the active window
    ClrTarget = ClrTargetNone;
    OpenColorChooser = nullptr;
}

TEST_F(ObjPropsDialogTest, PreviewAndPresetStripTimes) {
    shape_.ObjWidth = 800;
    shape_.ObjHeight = 800;
    TForm2& dialog = Open();
    auto start = std::chrono::steady_clock::now();
    dialog.DoPNGShape();
    const double redrawMs =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    EXPECT_EQ(dialog.Image2->Width(), 800);
    start = std::chrono::steady_clock::now();
    (void)editor::DrawShape(dialog.WorkObj);
    const double drawMs = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    // A size bar's move reaches the size edit at once; the redraw waits for the pause.
    start = std::chrono::steady_clock::now();
    dialog.ScrollBars[5]->SetPosition(700);
    const double barMs = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    EXPECT_EQ(dialog.Edit3->Text(), "700");
    EXPECT_EQ(dialog.ShapeDelayTicks, 20);

    CreateDirectoryA((folder_ + "pss").c_str(), nullptr);
    std::vector<std::string> rows;
    for (int i = 0; i < 100; ++i) rows.push_back(editor::BuiltInPresetRows(2)[static_cast<size_t>(i % 11)]);
    const std::string text = editor::WritePresetFile(rows);
    forms::WriteWholeFile(folder_ + "pss\\favs3.lst", text.data(), text.size());
    start = std::chrono::steady_clock::now();
    ChooseRange(3);
    const double stripMs = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    EXPECT_TRUE(dialog.PresetImgs[100]->Visible());
    std::printf("preview redraw 800 x 800: %.1f ms (drawing %.1f ms); size bar move: %.2f ms; preset strip of 100: "
                "%.1f ms\n",
                redrawMs, drawMs, barMs, stripMs);
    RecordProperty("preview_redraw_ms", std::to_string(redrawMs));
    RecordProperty("preset_strip_ms", std::to_string(stripMs));
    EXPECT_LT(stripMs, 1000.0);
}

// ---- through the main window ----

class PlacedObjectsTest : public NewMenuFixture {};

TEST_F(PlacedObjectsTest, CancellingAnAddLeavesNothingAndNoUndoStep) {
    RunObjPropsDialog = [](TForm2& dialog) {
        dialog.Timer2Timer();
        dialog.Command1001->Click();
        return dialog.ModalResult();
    };
    const int undoBefore = Doc().UndoCount;
    for (const char* command : {"cmdAddShape", "cmdAddText", "cmdAddImage"}) {
        Cmd(command).Execute();
        EXPECT_EQ(Doc().Menu.BtnCount, 0) << command;
        EXPECT_EQ(Doc().Ctl[1].ImgBtn, nullptr) << command;
        EXPECT_EQ(Obj(1).ObjWidth, 0) << command;
        EXPECT_FALSE(HasPic(Obj(1).Pics[Up][0])) << command;
        EXPECT_EQ(Doc().SelObject, kSelNone) << command;
    }
    EXPECT_EQ(Doc().UndoCount, undoBefore);
    form_->DoUndo();
    EXPECT_EQ(Doc().Menu.BtnCount, 0);
}

TEST_F(PlacedObjectsTest, PropertiesOfAShapeChangeItsRoundingAndCanBeUndone) {
    Cmd("cmdAddShape").Execute();
    ASSERT_EQ(Doc().Menu.BtnCount, 1);
    EXPECT_EQ(Obj(1).ShapeRec.CornerRounding, 20);
    RunObjPropsDialog = [](TForm2& dialog) {
        dialog.Timer2Timer();
        dialog.ToolButton7Click();
        dialog.EdgeRound->ScrollBar1->SetPosition(70);
        for (int tick = 0; tick < 21; ++tick) dialog.EdgeRound->Timer1Timer();
        dialog.EdgeRound->Command3000Click();
        dialog.Edit3->SetText("300");
        dialog.Command1000->Click();
        return dialog.ModalResult();
    };
    form_->ShowPlacedObjProps();
    EXPECT_EQ(Obj(1).ShapeRec.CornerRounding, 70);
    EXPECT_EQ(Obj(1).ObjWidth, 300);
    EXPECT_EQ(Doc().Ctl[1].ImgBtn->Width(), 300);
    EXPECT_EQ(form_->SelRect().Width(), 300);
    EXPECT_EQ(Doc().SelObject, 1);
    // The step recorded before the dialog brings the old size and rounding back.
    form_->DoUndo();
    EXPECT_EQ(Obj(1).ObjWidth, 250);
    EXPECT_EQ(Obj(1).ShapeRec.CornerRounding, 20);
}

}  // namespace
