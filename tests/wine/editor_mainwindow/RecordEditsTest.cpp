// Edits that must reach the menu record, and through it the saved file, as a
// user makes them: the time label's format (clicked, formatted, a size typed
// into the size box), text typed in place before the menu is closed, Find
// Controls after the background shrank, the Position page of Button
// Properties, and objects clicked and moved with the arrow keys. Each is
// judged from the file read back; the object toolbar's read-out and the
// selection frame are judged from the screen.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>

#include "editor/win32/common/EditorGlobals.h"
#include "editor/win32/mainwindow/mdiform1.h"
#include "forms/win32/Application.h"
#include "forms/win32/ComboBox.h"
#include "forms/win32/Command.h"
#include "forms/win32/Image.h"
#include "forms/win32/Label.h"
#include "forms/win32/Menus.h"
#include "forms/win32/Panel.h"
#include "forms/win32/RichEdit.h"
#include "tests/wine/editor_mainwindow/NewMenuFixture.h"
#include "tests/wine/forms/TestSupport.h"

namespace {

class RecordEditsTest : public NewMenuFixture {
protected:
    void SetUp() override {
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        path_ = std::string(temp) + "qvrecord-" + std::to_string(GetCurrentProcessId()) + ".mnu";
        NewMenuFixture::SetUp();
        AskSaveMenuPath = [this](std::string& chosen) { return chosen = path_, true; };
        AskOpenMenuPath = [this](std::string& chosen) { return chosen = path_, true; };
        form_->SetBounds(0, 0, 1024, 768);
        form_->Show();
        Doc().FramePanel->SetBounds(8, 8, 404, 304);
        formstest::PumpFor(50);
        SetForegroundWindow(form_->Handle());
    }
    void TearDown() override {
        NewMenuFixture::TearDown();
        DeleteFileA(path_.c_str());
    }

    // A click of the mouse on a window (the left button unless right).
    void Click(HWND window, int x, int y, bool right = false) {
        PostMessageA(window, right ? WM_RBUTTONDOWN : WM_LBUTTONDOWN, right ? MK_RBUTTON : MK_LBUTTON,
                     MAKELPARAM(x, y));
        PostMessageA(window, right ? WM_RBUTTONUP : WM_LBUTTONUP, 0, MAKELPARAM(x, y));
        formstest::PumpFor(100);
    }
    void Click(int x, int y) { Click(Doc().ClientPanel->Handle(), x, y); }
    void Type(const std::string& keys) {
        for (char c : keys) formstest::QueueKeys({static_cast<WORD>(c)});
        formstest::PumpFor(150);
    }
    // A left press, the pointer moved by (dx, dy) once the press was handled,
    // and the release there.
    void Press(HWND window, int x, int y, int dx, int dy) {
        PostMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
        formstest::PumpFor(100);
        PostMessageA(window, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(x + dx, y + dy));
        formstest::PumpFor(50);
        PostMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(x + dx, y + dy));
        formstest::PumpFor(100);
    }
    static void Key(WORD key) { formstest::QueueKeys({key}), formstest::PumpFor(150); }
    // A right click on the accessory text box opens the text box; the keys
    // typed into it are given without Shift, so they arrive in lower case.
    void TypeIntoTextBox(const std::string& keys) {
        const forms::Image& box = *Doc().AccessoryText;
        Click(Doc().ClientPanel->Handle(), box.Left() + 5, box.Top() + 5, true);
        ASSERT_TRUE(TextBox().Visible());
        SetFocus(TextBox().Handle());
        Type(keys);
    }
    forms::ComboBox& SizeBox() { return *dynamic_cast<forms::ComboBox*>(form_->FindComponent("cmbTB001")); }
    forms::RichEdit& TextBox() { return *dynamic_cast<forms::RichEdit*>(form_->FindComponent("RichAccEdit")); }
    // Saves the menu, opens the file again as a new document and returns its record.
    const TAQMenu& SaveAndReopen() {
        EXPECT_TRUE(form_->mnuSaveAsClick());
        Cmd("cmdOpen").Execute();
        return Doc().Menu;
    }

    std::string path_;
};

TEST_F(RecordEditsTest, TheTimeLabelsFormatIsOneStepEachSavedAndUndone) {
    dynamic_cast<forms::MenuItem*>(form_->FindComponent("N8"))->Click();  // Show Time
    forms::Label& time = *Doc().TimeLabel;
    Click(time.Left() + 3, time.Top() + 3);
    ASSERT_EQ(Doc().SelObject, kSelTimeLabel);
    dynamic_cast<forms::MenuItem*>(form_->FindComponent("Bold1"))->Click();
    const int widthBefore = time.Width();
    const int stepsBefore = Doc().UndoCount;

    // "16" typed over the size: nothing applies until Enter, then once.
    SetFocus(GetWindow(SizeBox().Handle(), GW_CHILD));
    SendMessageA(SizeBox().Handle(), CB_SETEDITSEL, 0, MAKELPARAM(0, -1));
    Type("16");
    EXPECT_EQ(Doc().Menu.TimeFont.Size, 8);
    EXPECT_EQ(Doc().UndoCount, stepsBefore);
    formstest::QueueKeys({VK_RETURN});
    formstest::PumpFor(150);
    EXPECT_EQ(Doc().Menu.TimeFont.Size, 16);
    EXPECT_TRUE(Doc().Menu.TimeFont.Bold);
    EXPECT_EQ(Doc().UndoCount, stepsBefore + 1);
    // The label grew with its font, and the frame with it.
    EXPECT_GT(time.Width(), widthBefore);
    EXPECT_EQ(form_->FindControl("shpSelection")->Width(), time.Width() + 4);

    Cmd("cmdUndo").Execute();
    EXPECT_EQ(Doc().TimeLabel->GetFont().Size(), 8);
    Cmd("cmdRedo").Execute();
    const TAQMenu& reopened = SaveAndReopen();
    EXPECT_EQ(reopened.TimeFont.Name, "Arial");
    EXPECT_EQ(reopened.TimeFont.Size, 16);
    EXPECT_TRUE(reopened.TimeFont.Bold);
    EXPECT_EQ(Doc().TimeLabel->GetFont().Size(), 16);
}

TEST_F(RecordEditsTest, TextTypedInPlaceIsAskedAboutAndSavedWhenTheMenuCloses) {
    ASSERT_TRUE(form_->mnuSaveAsClick());
    TypeIntoTextBox("HELLO");
    // An empty text starts in the default object's font, and the boxes say so.
    EXPECT_EQ(TextBox().SelectionFormat().fontName, "Arial");
    EXPECT_EQ(dynamic_cast<forms::ComboBox*>(form_->FindComponent("cmbTB000"))->Text(), "Arial");
    EXPECT_EQ(SizeBox().Text(), "10");

    // Yes to the question saves the typed text.
    asked_.clear();
    EditorMsg = [this](const std::string& text, TMsgDlgType, TMsgDlgButtons) {
        asked_.push_back(text);
        return asked_.size() == 1 ? mrYes : mrOk;
    };
    Cmd("cmdClose").Execute();
    ASSERT_FALSE(asked_.empty());
    EXPECT_EQ(asked_[0].rfind("Do you want to save the changes", 0), 0u);
    Cmd("cmdOpen").Execute();
    const std::string& saved = Doc().Menu.AccRTF;
    EXPECT_NE(saved.find("hello"), std::string::npos);
    // A text is stored without the rich edit's closing NUL byte.
    ASSERT_FALSE(saved.empty());
    EXPECT_NE(saved.back(), '\0');
}

TEST_F(RecordEditsTest, PickingAnotherTabEndsTheEditInTheMenuItBelongsTo) {
    TMenuDocument& first = Doc();
    Cmd("cmdInsertBtn").Execute();
    first.Modified = 0;
    // A new menu is shown with nothing selected: the old selection ends.
    form_->NewMenu(0);
    EXPECT_EQ(dynamic_cast<forms::Label*>(form_->FindControl("Label2"))->Caption(), "(na)");
    HWND tabs = dynamic_cast<forms::WinControl*>(form_->FindComponent("PageControl1"))->Handle();
    const auto pickTab = [&](int index) {
        RECT tab{};
        SendMessageA(tabs, TCM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&tab));
        Click(tabs, tab.left + 5, tab.top + 5);
    };
    pickTab(0);
    ASSERT_EQ(&Doc(), &first);
    TypeIntoTextBox("ABC");
    pickTab(1);
    ASSERT_NE(&Doc(), &first);
    EXPECT_FALSE(TextBox().Visible());
    EXPECT_FALSE(form_->FindControl("shpSelection")->Visible());
    EXPECT_FALSE(Cmd("cmdBold").Enabled());
    EXPECT_NE(first.Menu.AccRTF.find("abc"), std::string::npos);
    EXPECT_EQ(first.Modified, 1);
    EXPECT_EQ(Doc().Menu.AccRTF.find("abc"), std::string::npos);
}

TEST_F(RecordEditsTest, FindControlsBringsEveryObjectIntoTheRecordAfterTheBackgroundShrank) {
    Cmd("cmdInsertBtn").Execute();
    Cmd("cmdAddText").Execute();
    Obj(1).Left = 380;
    Obj(1).Top = 290;
    Obj(2).Left = -40;
    Obj(2).Top = 250;
    Doc().Menu.AccImageLeft = 500;
    Doc().BackImage->SetPicture(forms::Bitmap(200, 150, 0x808080));
    const int steps = Doc().UndoCount;
    EditorMsg = [this](const std::string& text, TMsgDlgType, TMsgDlgButtons) {
        asked_.push_back(text);
        return asked_.size() == 1 ? mrYes : mrOk;
    };
    formstest::QueueKeys({VK_F12});
    ASSERT_TRUE(formstest::PumpUntil([this] { return asked_.size() == 2; }));
    EXPECT_EQ(Doc().UndoCount, steps + 1);
    EXPECT_EQ(dynamic_cast<forms::Label*>(form_->FindControl("Label3"))->Caption(), "(na)");
    EXPECT_EQ(Doc().Ctl[1].ImgBtn->Left(), 200 - 32);

    const TAQMenu& reopened = SaveAndReopen();
    EXPECT_EQ(reopened.Buttons[1].Left, 200 - 32);
    EXPECT_EQ(reopened.Buttons[1].Top, 150 - 32);
    EXPECT_EQ(reopened.Buttons[2].Left, 0);
    EXPECT_EQ(reopened.AccImageLeft, 200 - 32);
}

TEST_F(RecordEditsTest, ThePositionPageAndTheViewerBoxesGoIntoTheRecordAtOk) {
    std::string startFont;
    RunButtonPropertiesDialog = [&startFont](TfrmPropertiesCls& dialog) {
        dialog.Timer2Timer();
        // The empty accessory text starts in the default object's font.
        const forms::CharFormat format =
            dynamic_cast<forms::RichEdit*>(dialog.FindComponent("REProp1"))->SelectionFormat();
        startFont = format.fontName + " " + std::to_string(format.size);
        dialog.StoreFrame(forms::Bitmap(40, 20));
        dialog.Text1[0]->SetText("150");
        dialog.Text1[1]->SetText("160");
        dialog.Command1000->Click();
        return dialog.ModalResult();
    };
    Cmd("cmdInsertBtn").Execute();
    ASSERT_EQ(Doc().Menu.BtnCount, 1);
    EXPECT_EQ(startFont, "Arial 10");
    EXPECT_EQ(Doc().Ctl[1].ImgBtn->Left(), 150);
    // No viewer required: the boxes show "N/A", the record keeps its empty values.
    EXPECT_EQ(Obj(1).ViewerName, "");
    EXPECT_EQ(Obj(1).ViewerVersion, "");
    const TAQMenu& reopened = SaveAndReopen();
    EXPECT_EQ(reopened.Buttons[1].Left, 150);
    EXPECT_EQ(reopened.Buttons[1].Top, 160);
}

// Presses whose pointer shakes by a pixel are clicks and move nothing; the
// arrow keys move only the selected object, whichever control has the
// keyboard, and stay the in-place text editor's.
TEST_F(RecordEditsTest, ClicksMoveNothingAndTheArrowKeysMoveOnlyTheSelectedObject) {
    LastBtnKind = WindowsButton;
    Cmd("cmdInsertBtn").Execute();  // 1 at 8, 8
    LastBtnKind = 0;
    Cmd("cmdAddText").Execute();  // 2 at 16, 16
    HWND button = Doc().Ctl[1].WinBtn->Handle(), surface = Doc().ClientPanel->Handle();
    Click(button, 5, 5);  // released while the press is handled: the mouse is free again
    EXPECT_NE(GetCapture(), button);
    Cmd("cmdNext").Execute();  // the button keeps the keyboard
    Key(VK_RIGHT);
    Press(surface, 250, 30, 1, 1);
    Key(VK_DOWN);
    EXPECT_EQ(Doc().Ctl[2].ImgBtn->Top(), 17);
    Press(surface, 250, 30, 10, 0);  // a drag still snaps: 27, 17 to 24, 12
    Press(button, 5, 5, 0, 1);
    const int steps = Doc().UndoCount;
    Key(VK_LEFT);
    EXPECT_EQ(Doc().UndoCount, steps + 1);
    EXPECT_EQ(Doc().Ctl[1].ImgBtn->Left(), 7);  // the button's image goes along
    Click(surface, 250, 30, true);
    Key(VK_LEFT);
    const TAQMenu& reopened = SaveAndReopen();
    EXPECT_EQ(reopened.Buttons[1].Left, 7);
    EXPECT_EQ(reopened.Buttons[2].Left, 24);
    EXPECT_EQ(reopened.Buttons[2].Top, 12);
}

}  // namespace
