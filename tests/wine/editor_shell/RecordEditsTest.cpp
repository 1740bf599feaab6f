// Edits that must reach the menu record, and through it the saved file, as a
// user makes them: the time label's format (clicked, formatted, a size typed
// into the size box), text typed in place before the menu is closed, Find
// Controls after the background shrank, and the Position page of Button
// Properties. Each is judged from the file read back.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>

#include "editor/win32/EditorGlobals.h"
#include "editor/win32/mdiform1.h"
#include "forms/win32/Application.h"
#include "forms/win32/ComboBox.h"
#include "forms/win32/Command.h"
#include "forms/win32/Image.h"
#include "forms/win32/Label.h"
#include "forms/win32/Menus.h"
#include "forms/win32/Panel.h"
#include "forms/win32/RichEdit.h"
#include "forms/win32/Shape.h"
#include "tests/wine/editor_shell/NewMenuFixture.h"
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

    // A left click of the mouse on the design surface.
    void Click(int x, int y) {
        HWND surface = Doc().ClientPanel->Handle();
        PostMessageA(surface, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
        PostMessageA(surface, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
        formstest::PumpFor(100);
    }
    void Type(const std::string& keys) {
        for (char c : keys) formstest::QueueKeys({static_cast<WORD>(c)});
        formstest::PumpFor(150);
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
    EXPECT_EQ(time.GetFont().Size(), 16);
    EXPECT_GT(time.Width(), widthBefore);
    EXPECT_EQ(form_->FindControl("shpSelection")->Width(), time.Width() + 4);

    Cmd("cmdUndo").Execute();
    EXPECT_EQ(Doc().Menu.TimeFont.Size, 8);
    EXPECT_EQ(Doc().TimeLabel->GetFont().Size(), 8);
    Cmd("cmdRedo").Execute();
    const TAQMenu& reopened = SaveAndReopen();
    EXPECT_EQ(reopened.TimeFont.Name, "Arial");
    EXPECT_EQ(reopened.TimeFont.Size, 16);
    EXPECT_TRUE(reopened.TimeFont.Bold);
    EXPECT_EQ(Doc().TimeLabel->GetFont().Size(), 16);
}

TEST_F(RecordEditsTest, AClickedLabelShowsItsFrameAlsoWhenAnObjectsFlashHadHiddenIt) {
    Cmd("cmdInsertBtn").Execute();
    dynamic_cast<forms::MenuItem*>(form_->FindComponent("ShowDate1"))->Click();
    auto& frame = *dynamic_cast<forms::Shape*>(form_->FindComponent("shpSelection"));
    // The selected button's frame flashes; stop in its hidden phase.
    while (frame.GetPenStyle() != forms::PenStyle::Clear) form_->Timer1Timer();
    const forms::Label& date = *Doc().DateLabel;
    Click(date.Left() + 3, date.Top() + 3);
    ASSERT_EQ(Doc().SelObject, kSelDateLabel);
    EXPECT_TRUE(frame.Visible());
    EXPECT_NE(frame.GetPenStyle(), forms::PenStyle::Clear);
    EXPECT_EQ(frame.Left(), date.Left() - 2);
}

TEST_F(RecordEditsTest, TextTypedInPlaceIsAskedAboutAndSavedWhenTheMenuCloses) {
    ASSERT_TRUE(form_->mnuSaveAsClick());
    ASSERT_EQ(Doc().Modified, 0);
    const forms::Image& box = *Doc().AccessoryText;
    HWND surface = Doc().ClientPanel->Handle();
    PostMessageA(surface, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(box.Left() + 5, box.Top() + 5));
    PostMessageA(surface, WM_RBUTTONUP, 0, MAKELPARAM(box.Left() + 5, box.Top() + 5));
    ASSERT_TRUE(formstest::PumpUntil([this] { return TextBox().Visible(); }));
    // An empty text starts in the default object's font, and the boxes say so.
    EXPECT_EQ(dynamic_cast<forms::ComboBox*>(form_->FindComponent("cmbTB000"))->Text(), "Arial");
    EXPECT_EQ(SizeBox().Text(), "10");
    SetFocus(TextBox().Handle());
    Type("HELLO");  // keys without Shift: "hello"
    ASSERT_NE(TextBox().Text().find("hello"), std::string::npos);
    EXPECT_EQ(TextBox().SelectionFormat().fontName, "Arial");

    // Yes to the question saves the typed text.
    asked_.clear();
    EditorMsg = [this](const std::string& text, TMsgDlgType, TMsgDlgButtons) {
        asked_.push_back(text);
        return asked_.size() == 1 ? mrYes : mrOk;
    };
    Cmd("cmdClose").Execute();
    ASSERT_FALSE(asked_.empty());
    EXPECT_EQ(asked_[0].rfind("Do you want to save the changes", 0), 0u);
    EXPECT_EQ(form_->CurrentDoc(), nullptr);
    const TAQMenu& reopened = (Cmd("cmdOpen").Execute(), Doc().Menu);
    EXPECT_NE(reopened.AccRTF.find("hello"), std::string::npos);
    // A text is stored without the rich edit's closing NUL byte.
    ASSERT_FALSE(reopened.AccRTF.empty());
    EXPECT_NE(reopened.AccRTF.back(), '\0');
}

TEST_F(RecordEditsTest, PickingAnotherTabEndsTheEditInTheMenuItBelongsTo) {
    TMenuDocument& first = Doc();
    first.Modified = 0;
    form_->NewMenu(0);
    TMenuDocument& second = Doc();
    const auto pickTab = [this](int index) {
        HWND tabs = dynamic_cast<forms::WinControl*>(form_->FindComponent("PageControl1"))->Handle();
        RECT r{};
        SendMessageA(tabs, TCM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r));
        PostMessageA(tabs, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(r.left + 5, r.top + 5));
        PostMessageA(tabs, WM_LBUTTONUP, 0, MAKELPARAM(r.left + 5, r.top + 5));
        formstest::PumpFor(150);
    };
    pickTab(0);
    ASSERT_EQ(&Doc(), &first);
    const forms::Image& box = *first.AccessoryText;
    PostMessageA(first.ClientPanel->Handle(), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(box.Left() + 5, box.Top() + 5));
    ASSERT_TRUE(formstest::PumpUntil([this] { return TextBox().Visible(); }));
    SetFocus(TextBox().Handle());
    Type("ABC");
    pickTab(1);
    ASSERT_EQ(&Doc(), &second);
    EXPECT_FALSE(TextBox().Visible());
    EXPECT_FALSE(Cmd("cmdBold").Enabled());
    EXPECT_NE(first.Menu.AccRTF.find("abc"), std::string::npos);
    EXPECT_EQ(first.Modified, 1);
    EXPECT_EQ(second.Menu.AccRTF.find("abc"), std::string::npos);
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
    EXPECT_EQ(Obj(1).Left, 200 - 32);
    EXPECT_EQ(Obj(1).Top, 150 - 32);
    EXPECT_EQ(Obj(2).Left, 0);
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
    EXPECT_EQ(Obj(1).Left, 150);
    EXPECT_EQ(Obj(1).Top, 160);
    EXPECT_EQ(Doc().Ctl[1].ImgBtn->Left(), 150);
    // No viewer required: the boxes show "N/A", the record keeps its empty values.
    EXPECT_EQ(Obj(1).ViewerName, "");
    EXPECT_EQ(Obj(1).ViewerVersion, "");
    const TAQMenu& reopened = SaveAndReopen();
    EXPECT_EQ(reopened.Buttons[1].Left, 150);
    EXPECT_EQ(reopened.Buttons[1].Top, 160);
}

}  // namespace
