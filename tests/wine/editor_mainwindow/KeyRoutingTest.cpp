// Keys pressed as a user presses them in the main window and its dialogs:
// the in-place text editor keeps the editing keys that are also the main
// window's shortcuts; drop-down lists keep Escape, Enter and letters, and
// Ctrl+A and Tab select the text of a box.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>

#include "forms/win32/ComboBox.h"
#include "forms/win32/RadioButton.h"
#include "forms/win32/RichEdit.h"
#include "tests/wine/editor_mainwindow/NewMenuFixture.h"
#include "tests/wine/forms/TestSupport.h"

namespace {

class KeyRoutingTest : public NewMenuFixture {
protected:
    void ShowWindow() {
        form_->Show();
        SetForegroundWindow(form_->Handle());
        formstest::PumpFor(50);
    }
    static void Press(std::initializer_list<WORD> down) {
        formstest::QueueKeys(down);
        formstest::PumpFor(100);
    }
};

TEST_F(KeyRoutingTest, TheInPlaceEditorKeepsCopyPasteUndoAndDelete) {
    Cmd("cmdAddShape").Execute();  // something for the window's Undo to take away
    Cmd("cmdAddText").Execute();
    ShowWindow();
    auto& editor = *dynamic_cast<forms::RichEdit*>(form_->FindComponent("RichAccEdit"));
    Doc().Ctl[2].ImgBtn->MouseDown(forms::MouseButton::Right, 0, 3, 3);
    ASSERT_TRUE(editor.Focused());
    editor.SetText("abc");
    editor.SetSelection(0, 3);
    Press({VK_CONTROL, 'C'});
    Press({VK_END});
    Press({VK_CONTROL, 'V'});
    Press({VK_HOME});
    Press({VK_DELETE});
    EXPECT_EQ(editor.Text(), "bcabc");
    Press({VK_CONTROL, 'Z'});
    EXPECT_EQ(editor.Text(), "abcabc");
    EXPECT_TRUE(editor.Visible());
    EXPECT_EQ(Doc().Menu.BtnCount, 2);
}

TEST_F(KeyRoutingTest, ButtonPropertiesEscapeClosesOnlyTheOpenListLettersPickItemsCtrlASelectsAll) {
    RunButtonPropertiesDialog = [](TfrmPropertiesCls& dialog) { return dialog.ShowModal(); };
    std::fill(std::begin(EditorOptions.TipShown), std::end(EditorOptions.TipShown), 1);
    bool stayed = false;
    forms::Timer later(nullptr);
    DialogAnswer answer([&](TfrmPropertiesCls& d) {
        d.BtnType[WindowsButton]->Click();
        d.Combo3a->SetFocus();
        SendMessageA(d.Combo3a->Handle(), CB_SHOWDROPDOWN, TRUE, 0);
        formstest::QueueKeys({VK_ESCAPE});
        later.OnTimer = [&stayed, &later, &d](forms::Component&) {
            later.SetInterval(0);
            stayed = d.ModalResult() == forms::mrNone && !SendMessageA(d.Combo3a->Handle(), CB_GETDROPPEDSTATE, 0, 0);
            for (WORD letter : {WORD('C'), WORD('O')}) Press({letter});  // no &Cancel, no &OK
            d.Text4->SetFocus();
            Press({VK_CONTROL, 'A'});
            Press({'E'});
            d.Command1000->Click();
        };
        later.SetInterval(200);
    });
    Cmd("cmdInsertBtn").Execute();
    ASSERT_TRUE(answer.Answered());
    EXPECT_TRUE(stayed);
    ASSERT_EQ(Doc().Menu.BtnCount, 1);
    EXPECT_EQ(Obj(1).ObjectKind, WindowsButton);
    EXPECT_EQ(Obj(1).ShortcutKey, "O");
    EXPECT_EQ(Obj(1).Caption, "e");
}

TEST_F(KeyRoutingTest, EnterInTheOpenSizeListClosesItAndATypedSizeAppliesOnce) {
    Doc().AccessoryText->MouseDown(forms::MouseButton::Right, 0, 2, 2);
    ShowWindow();
    auto& sizes = *dynamic_cast<forms::ComboBox*>(form_->FindComponent("cmbTB001"));
    const int steps = Doc().UndoCount;
    sizes.SetFocus();
    SendMessageA(sizes.Handle(), CB_SHOWDROPDOWN, TRUE, 0);
    for (WORD key : {WORD('3'), WORD('3'), WORD(VK_RETURN)}) Press({key});
    EXPECT_FALSE(SendMessageA(sizes.Handle(), CB_GETDROPPEDSTATE, 0, 0));
    EXPECT_EQ(Doc().UndoCount, steps + 1);
    EXPECT_EQ(sizes.Text(), "33");
}

}  // namespace
