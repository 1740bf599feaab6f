// Menu Properties and the Menu Creation Wizard driven through the main
// window: New leads through both; OK stores the menu's settings only with a
// background and a whole-number rate; Cancel discards a menu made by New but
// nothing else; pictures that cannot be read or are not chosen change
// nothing; colours go to the dialog that asked while it is open.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <string>

#include "editor/win32/common/ColorRequest.h"
#include "editor/win32/common/EditorGlobals.h"
#include "editor/win32/menuprops/frmformprops.h"
#include "editor/win32/menuprops/frmmenuwiz.h"
#include "editor/win32/mainwindow/mdiform1.h"
#include "forms/portable/BmpFile.h"
#include "forms/portable/FileSystem.h"
#include "forms/portable/PictureFile.h"
#include "forms/portable/Stream.h"
#include "forms/win32/Application.h"
#include "forms/win32/CheckBox.h"
#include "forms/win32/ComboBox.h"
#include "forms/win32/Clipboard.h"
#include "forms/win32/Command.h"
#include "forms/win32/Edit.h"
#include "forms/win32/FileDialogs.h"
#include "forms/win32/Image.h"
#include "forms/win32/Label.h"
#include "forms/win32/PageControl.h"
#include "forms/win32/Panel.h"
#include "forms/win32/RadioButton.h"
#include "forms/win32/RichEdit.h"
#include "forms/win32/ToolBar.h"
#include "tests/wine/editor_mainwindow/ButtonPropsAnswer.h"
#include "tests/wine/editor_mainwindow/MenuPropsAnswers.h"
#include "tests/wine/forms/TestSupport.h"

namespace {

using Answers = MenuPropsAnswers;

std::string TempPath(const std::string& name) {
    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    return std::string(folder) + name;
}

class MenuPropsTest : public ::testing::Test {
protected:
    void SetUp() override {
        MenuCounter = 0;
        UndoBusy = 0;
        WizardMode = 0;
        EditorMsg = [this](const std::string& text, TMsgDlgType, TMsgDlgButtons) {
            asked_.push_back(text);
            return answer_;
        };
        RunBackOpenDialog = [this](forms::OpenDialog& d) {
            d.SetFileName(openPath_);
            return !openPath_.empty();
        };
        RunBackSaveDialog = [this](forms::SaveDialog& d) {
            d.SetFileName(savePath_);
            return true;
        };
        // The wizard's added buttons are accepted as their dialog opens.
        keptButtonDialog_ = RunButtonPropertiesDialog;
        RunButtonPropertiesDialog = AcceptButtonProperties;
        form_ = forms::Application().CreateForm<TMDIForm1Cls>(false);
    }
    void TearDown() override {
        if (form_->CurrentDoc()) form_->DeleteUndoFiles();
        delete form_;
        RunButtonPropertiesDialog = keptButtonDialog_;
        OpenColorChooser = nullptr;
        forms::Application().ProcessMessages();
    }
    forms::Command& Cmd(const std::string& name) { return *dynamic_cast<forms::Command*>(form_->FindComponent(name)); }
    TMenuDocument& Doc() { return *form_->CurrentDoc(); }
    // A new menu with a 300 x 200 background through New, as a user would.
    void NewMenuWithBackground() {
        Answers answers;
        answers.props = {[](TfrmFormPropsCls& d) { d.SetBackImage(forms::Bitmap(300, 200, 0x336699)); }, Answers::Ok};
        answers.wizard = {Answers::Complete};
        Cmd("cmdNew").Execute();
        ASSERT_EQ(answers.unanswered, 0);
    }

    TMDIForm1Cls* form_ = nullptr;
    std::function<int(TfrmPropertiesCls&)> keptButtonDialog_;
    std::vector<std::string> asked_;
    int answer_ = mrNo;
    std::string openPath_;
    std::string savePath_;
};

TEST_F(MenuPropsTest, NewLeadsThroughPropertiesAndWizardAndOkStoresTheSettings) {
    const std::string bmp = TempPath("mp_back.bmp");
    ASSERT_TRUE(forms::SaveBmpFile(forms::Bitmap(320, 240, 0x00FF8040), bmp));
    openPath_ = bmp;
    Answers answers;
    bool wizardModeSeen = false;
    answers.props = {
        [&](TfrmFormPropsCls& d) {
            wizardModeSeen = WizardMode == 1;
            EXPECT_EQ(d.Caption(), "Menu Properties");
            // OK without a background asks and stays open.
            Answers::Ok(d);
            EXPECT_EQ(d.ModalResult(), forms::mrNone);
        },
        [&](TfrmFormPropsCls& d) {
            d.OpenBackImage();
            EXPECT_TRUE(d.Image1->Visible());
            d.Text1->SetText("Spring Sale");
            TransIndex = 12;
            d.ColorDelivered(ClrTargetTransparent);
            d.Options[4]->SetChecked(true);
            d.Option1_Click(*d.Options[4]);
            EXPECT_EQ(d.PosiLabel->Caption(), "Bottom Right Corner");
            // A rate that is no whole number is refused by OK and by Enter.
            d.Text7->SetText("fast");
            Answers::Ok(d);
            EXPECT_EQ(d.ModalResult(), forms::mrNone);
            EXPECT_EQ(d.Text7->Text(), "100");
            d.Text7->SetText("-5");
            d.DefaultButton()->Click();
            EXPECT_EQ(d.ModalResult(), forms::mrNone);
            d.Text7->SetText("250");
            d.Check1->SetChecked(true);
            d.DefaultButton()->Click();
        }};
    // In wizard mode the Background Wizard opens over the dialog at once.
    bool backWizardShown = false;
    answers.backWizard = {[&](TfrmBackWizCls& w) {
        backWizardShown = true;
        w.SetModalResult(forms::mrCancel);
    }};
    answers.wizard = {[](TfrmMenuWizCls& w) {
                          w.Command1_Click(*w.Command1000);  // adds a button
                          EXPECT_EQ(w.Option1000->Caption(), "I would like to add another button to my menu.");
                      },
                      Answers::Complete};
    Cmd("cmdNew").Execute();
    EXPECT_EQ(answers.unanswered, 0);
    EXPECT_TRUE(answers.props.empty());
    EXPECT_TRUE(wizardModeSeen);
    EXPECT_TRUE(backWizardShown);
    EXPECT_EQ(WizardMode, 0);
    ASSERT_EQ(asked_.size(), 1u);
    EXPECT_EQ(asked_[0],
              "In order to proceed you must set a background image for your menu. Would you like to do that now?");

    const TAQMenu& menu = Doc().Menu;
    EXPECT_EQ(menu.MenuTitle, "Spring Sale");
    EXPECT_EQ(menu.TransColor, 12);
    EXPECT_EQ(menu.ScreenPos, 4);
    EXPECT_EQ(menu.AnimInterval, 250);
    EXPECT_EQ(menu.ScrollTitle, 1);
    EXPECT_EQ(menu.BtnCount, 1);
    EXPECT_EQ(dynamic_cast<forms::Label*>(form_->FindControl("Label3"))->Caption(), "(na)");  // nothing selected
    EXPECT_FALSE(menu.AccRTF.empty());
    ASSERT_TRUE(menu.Buttons[0].Pics[Up][0]);
    EXPECT_EQ(menu.Buttons[0].Pics[Up][0]->Width(), 320);
    // The menu takes the background's size on the surface.
    EXPECT_EQ(Doc().BackImage->Width(), 320);
    EXPECT_EQ(Doc().FramePanel->Width(), 324);
    EXPECT_EQ(Doc().FramePanel->Height(), 244);
    EXPECT_TRUE(Doc().FramePanel->Visible());
    EXPECT_EQ(Doc().Modified, 1);
    std::remove(bmp.c_str());
}

TEST_F(MenuPropsTest, CancelDiscardsOnlyAMenuMadeByNew) {
    {
        Answers answers;
        answers.props = {[](TfrmFormPropsCls& d) { d.Command1_Click(*d.Command1001); }};
        Cmd("cmdNew").Execute();
        EXPECT_EQ(answers.unanswered, 0);
    }
    EXPECT_EQ(form_->CurMenu(), 0);
    EXPECT_TRUE(asked_.empty());
    EXPECT_EQ(WizardMode, 0);
    EXPECT_FALSE(Cmd("cmdMenuProps").Enabled());

    NewMenuWithBackground();
    const int slot = form_->CurMenu();
    // Later cancels (button or close box) keep the menu: wizard mode has ended.
    for (bool closeBox : {false, true}) {
        Answers answers;
        answers.backWizard = {[](TfrmBackWizCls& w) {
            ADD_FAILURE() << "the Background Wizard opened outside wizard mode";
            w.SetModalResult(forms::mrCancel);
        }};
        answers.props = {[closeBox](TfrmFormPropsCls& d) {
            d.Text1->SetText("changed");
            if (closeBox)
                d.Close();
            else
                d.Command1_Click(*d.Command1001);
        }};
        Cmd("cmdMenuProps").Execute();
        EXPECT_EQ(answers.unanswered, 0);
        EXPECT_EQ(form_->CurMenu(), slot);
        EXPECT_EQ(Doc().Menu.MenuTitle, "");
        EXPECT_EQ(MenuPropsCancelled, 1);
    }
    EXPECT_TRUE(asked_.empty());

    // A right click on the background opens it too.
    Answers answers;
    answers.props = {[](TfrmFormPropsCls& d) { d.Text1->SetText("by right click"); }, Answers::Ok};
    Doc().BackImage->MouseDown(forms::MouseButton::Right, 0, 5, 5);
    EXPECT_EQ(Doc().Menu.MenuTitle, "by right click");
}

TEST_F(MenuPropsTest, PicturesThatAreNotChosenOrCannotBeReadChangeNothing) {
    NewMenuWithBackground();
    const std::string damaged = TempPath("mp_damaged.bmp");
    const std::string huge = TempPath("mp_huge.bmp");
    std::vector<uint8_t> bytes = forms::EncodeBmp(forms::Bitmap(50, 40, 0x112233));
    bytes.resize(60);
    ASSERT_TRUE(forms::WriteWholeFile(damaged, bytes.data(), bytes.size()));
    bytes = forms::EncodeBmp(forms::Bitmap(2, 2, 0));
    bytes[18] = 0xFF;
    bytes[19] = 0xFF;
    bytes[20] = 0xFF;  // width 16 million pixels
    ASSERT_TRUE(forms::WriteWholeFile(huge, bytes.data(), bytes.size()));
    const std::string folder = TempPath("My.Pics\\");
    CreateDirectoryA(folder.c_str(), nullptr);

    Answers answers;
    answers.props = {[&](TfrmFormPropsCls& d) {
                         const forms::Bitmap before = d.BackImage();
                         SharedBmp = forms::Bitmap(9, 9, 0);  // a stale shared picture
                         openPath_ = "";
                         d.OpenBackImage();
                         for (const std::string& path : {damaged, huge}) {
                             openPath_ = path;
                             d.OpenBackImage();
                         }
                         EXPECT_EQ(asked_.size(), 2u);
                         EXPECT_TRUE(d.BackImage() == before);
                         // Saved under the name chosen, its extension made .bmp.
                         savePath_ = folder + "photo.jpg";
                         d.SaveBackImage();
                         // Copy and paste go through the clipboard.
                         d.ToolButton5Click();
                         d.SetBackImage(forms::Bitmap(5, 5, 0));
                         d.ToolButton6Click();
                         EXPECT_EQ(d.BackImage().Width(), 300);
                     },
                     Answers::Ok};
    Cmd("cmdMenuProps").Execute();
    EXPECT_EQ(answers.unanswered, 0);
    forms::Bitmap saved;
    EXPECT_TRUE(forms::LoadPictureFile(folder + "photo.bmp", saved));
    EXPECT_EQ(saved.Width(), 300);
    EXPECT_EQ(saved.Pixel(0, 0) & 0xFFFFFF, 0x336699u);
    EXPECT_EQ(Doc().Menu.Buttons[0].Pics[Up][0]->Width(), 300);
    for (const std::string& path : {damaged, huge, folder + "photo.bmp"}) std::remove(path.c_str());
    RemoveDirectoryA(folder.c_str());
}

// Paste clicked on the tool bar: a picture from the clipboard becomes the
// background in the stored layout (the clipboard's opaque pixels carry 0xFF
// in their fourth byte), and one wider than a menu file holds is refused.
TEST_F(MenuPropsTest, PastedPicturesAreStoredOpaqueAndTooLargeOnesAreRefused) {
    NewMenuWithBackground();
    Answers answers;
    answers.props = {[&](TfrmFormPropsCls& d) {
                         const auto paste = [&d] {
                             HWND bar = d.ToolBar1->Handle();
                             RECT r{};
                             SendMessageA(bar, TB_GETITEMRECT, 5, reinterpret_cast<LPARAM>(&r));  // Paste
                             const LPARAM at = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
                             SendMessageA(bar, WM_LBUTTONDOWN, MK_LBUTTON, at);
                             SendMessageA(bar, WM_LBUTTONUP, 0, at);
                         };
                         ASSERT_TRUE(forms::SetClipboardBitmap(forms::Bitmap(16385, 2, 0x00FF00)));
                         paste();
                         ASSERT_EQ(asked_.size(), 1u);
                         EXPECT_NE(asked_[0].find("16385 x 2 pixels"), std::string::npos) << asked_[0];
                         EXPECT_EQ(d.BackImage().Width(), 300);
                         ASSERT_TRUE(forms::SetClipboardBitmap(forms::Bitmap(40, 30, 0x00FF00)));
                         paste();
                         EXPECT_TRUE(d.BackImage() == forms::Bitmap(40, 30, 0x00FF00));
                     },
                     Answers::Ok};
    Cmd("cmdMenuProps").Execute();
    EXPECT_EQ(answers.unanswered, 0);
    EXPECT_TRUE(*Doc().Menu.Buttons[0].Pics[Up][0] == forms::Bitmap(40, 30, 0x00FF00));
}

TEST_F(MenuPropsTest, ColoursReachTheDialogOnlyWhileItIsOpen) {
    NewMenuWithBackground();
    OpenColorChooser = [](int, int) {};
    Answers answers;
    answers.props = {[](TfrmFormPropsCls& d) {
                         // The text colour: all the text with nothing selected.
                         d.RichEdit1->SetText("Hello");
                         d.RichEdit1->SetSelection(0, 0);
                         d.ToolButton27Click();
                         CurClr = 0xFFFFFF;
                         DispatchColor();
                         d.RichEdit1->SetSelection(0, 5);
                         EXPECT_EQ(d.RichEdit1->SelectionFormat().color, 0xFFFFFFu);
                         EXPECT_EQ(d.RichEdit1->BackgroundColor(), 0u);  // light text on black
                         // The right click's request is the dialog's own.
                         d.RichEdit1->MouseDown(forms::MouseButton::Right, 0, 3, 3);
                         EXPECT_TRUE(HasColorRequest(d));
                         CurClr = 0x00FF00;
                         DispatchColor();
                         EXPECT_EQ(d.RichEdit1->BackgroundColor(), 0x00FF00u);
                         d.RichEdit1->MouseDown(forms::MouseButton::Right, 0, 3, 3);
                     },
                     Answers::Ok};
    Cmd("cmdMenuProps").Execute();
    // The request left open went with the dialog.
    CurClr = 0x0000FF;
    DispatchColor();
    EXPECT_EQ(ClrTarget, ClrTargetNone);
    EXPECT_NE(Doc().Menu.AccRTF.find("Hello"), std::string::npos);
}

TEST_F(MenuPropsTest, WizardCancelKeepsButtonsAndEndsWizardMode) {
    Answers answers;
    answers.props = {[](TfrmFormPropsCls& d) { d.SetBackImage(forms::Bitmap(200, 100, 0)); }, Answers::Ok};
    answers.wizard = {[](TfrmMenuWizCls& w) { w.Command1_Click(*w.Command1000); },
                      [](TfrmMenuWizCls& w) { w.Command1_Click(*w.Command1000); },
                      [](TfrmMenuWizCls& w) { w.Command1_Click(*w.Command1001); }};
    Cmd("cmdNew").Execute();
    EXPECT_EQ(answers.unanswered, 0);
    EXPECT_EQ(WizardMode, 0);
    EXPECT_EQ(Doc().Menu.BtnCount, 2);
    EXPECT_EQ(Doc().SelObject, kSelNone);
}

TEST_F(MenuPropsTest, ASizeTypedIntoTheSizeBoxAppliesOnEnterBeforeOk) {
    NewMenuWithBackground();
    Answers answers;
    answers.props = {[](TfrmFormPropsCls& d) {
        d.RichEdit1->SetText("Hello");
        d.RichEdit1->SetSelection(0, 0);  // no selection: the whole text
        d.cmbTB001->SetFocus();
        formstest::PumpFor(60);  // the box shows the selection's size first
        d.cmbTB001->SetText("");
        for (WORD key : {WORD('2'), WORD('0'), WORD(VK_RETURN)}) {
            formstest::QueueKeys({key});
            formstest::PumpFor(60);
        }
        EXPECT_EQ(d.ModalResult(), forms::mrOk);
    }};
    Cmd("cmdMenuProps").Execute();
    EXPECT_EQ(answers.unanswered, 0);
    EXPECT_NE(Doc().Menu.AccRTF.find("\\fs40"), std::string::npos);
}

TEST_F(MenuPropsTest, OpensAtOnceOnAFullHdBackground) {
    NewMenuWithBackground();
    form_->SetBtnPic(0, Up, 0, forms::Bitmap(1920, 1080, 0x404040));
    double shownAfterMs = -1;
    const auto start = std::chrono::steady_clock::now();
    Answers answers;
    answers.props = {[&](TfrmFormPropsCls& d) {
        shownAfterMs = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        EXPECT_EQ(d.BackImage().Width(), 1920);
        d.Command1_Click(*d.Command1001);
    }};
    Cmd("cmdMenuProps").Execute();
    // The answer comes on a 20 ms tick after the dialog shows.
    std::printf("Menu Properties on a 1920 x 1080 background: shown within %.0f ms\n", shownAfterMs);
    EXPECT_GE(shownAfterMs, 0);
    EXPECT_LT(shownAfterMs, 500);
}

}  // namespace
