// The Button Command Wizard run through its pages against a stand-in for the
// Button Properties sheet: its command and arguments edits and its four
// launch ticks, which follow the sheet's tick rules (restore ticks minimise;
// exit remembers, clears and disables minimise and restore, and gives them
// back when cleared).
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "../forms/TestSupport.h"
#include "editor/win32/common/EditorGlobals.h"
#include "editor/win32/buttonprops/frmbtnwiz.h"
#include "forms/win32/Button.h"
#include "forms/win32/CheckBox.h"
#include "forms/win32/Edit.h"
#include "forms/win32/FileDialogs.h"
#include "forms/win32/Form.h"
#include "forms/win32/GroupBox.h"
#include "forms/win32/RadioButton.h"

namespace {

class CommandWizardTest : public ::testing::Test {
protected:
    void SetUp() override {
        sheet_ = std::make_unique<forms::Form>();
        command_ = new forms::Edit(sheet_.get(), sheet_.get());
        arguments_ = new forms::Edit(sheet_.get(), sheet_.get());
        for (auto** box : {&minimise_, &exit_, &restore_, &maximise_})
            *box = new forms::CheckBox(sheet_.get(), sheet_.get());
        restore_->OnClick = [this](forms::Component&) {
            if (restore_->Checked()) minimise_->SetChecked(true);
        };
        exit_->OnClick = [this](forms::Component&) {
            if (exit_->Checked()) {
                keptMinimise_ = minimise_->Checked();
                keptRestore_ = restore_->Checked();
                minimise_->SetChecked(false);
                restore_->SetChecked(false);
            } else {
                restore_->SetChecked(keptRestore_);
                minimise_->SetChecked(keptMinimise_);
            }
            minimise_->SetEnabled(!exit_->Checked());
            restore_->SetEnabled(!exit_->Checked());
        };
        EditorMsg = [this](const std::string& text, TMsgDlgType, TMsgDlgButtons) {
            told_.push_back(text);
            return mrOk;
        };
        RunBtnWizOpenDialog = [this](forms::OpenDialog& dialog) {
            titles_.push_back(dialog.Title());
            dialog.SetFileName(chosen_);
            return !chosen_.empty();
        };
        wizard_ = std::make_unique<TfrmBtnWizCls>(*command_, *arguments_, *minimise_, *exit_, *restore_, *maximise_);
    }
    void Next() { wizard_->Command2001->Click(); }
    void Back() { wizard_->Command2000->Click(); }
    std::vector<bool> Ticks() const {
        return {minimise_->Checked(), exit_->Checked(), restore_->Checked(), maximise_->Checked()};
    }

    std::unique_ptr<forms::Form> sheet_;
    forms::Edit* command_;
    forms::Edit* arguments_;
    forms::CheckBox *minimise_, *exit_, *restore_, *maximise_;
    bool keptMinimise_ = false, keptRestore_ = false;
    std::string chosen_;
    std::vector<std::string> told_, titles_;
    std::unique_ptr<TfrmBtnWizCls> wizard_;
};

TEST_F(CommandWizardTest, AFileTargetRunsThroughAllPagesAndTheChosenMenuActionWins) {
    // The sheet had exit ticked over a clear minimise: clearing exit gives
    // that clear minimise back, yet the minimise chosen here must stay.
    exit_->SetChecked(true);
    arguments_->SetText("-silent");

    EXPECT_FALSE(wizard_->Command2000->Enabled());
    EXPECT_TRUE(wizard_->Frame1->Visible());
    Next();
    EXPECT_EQ(wizard_->Step(), 1);
    EXPECT_TRUE(wizard_->Frame3->Visible());
    EXPECT_TRUE(wizard_->Command2000->Enabled());
    wizard_->Option2001->SetChecked(true);
    wizard_->Check1->SetChecked(true);
    Next();
    EXPECT_TRUE(wizard_->Frame2->Visible());
    EXPECT_FALSE(wizard_->Frame3->Visible());
    EXPECT_EQ(wizard_->Command2001->Caption(), "&Finish");

    chosen_ = "C:\\docs\\guide.pdf";
    wizard_->Button1->Click();
    EXPECT_EQ(titles_, std::vector<std::string>{"Open Target File"});
    EXPECT_EQ(wizard_->Text1->Text(), "\\docs\\guide.pdf");
    chosen_.clear();  // a cancelled dialog leaves the target as it is
    wizard_->Button1->Click();
    EXPECT_EQ(wizard_->Text1->Text(), "\\docs\\guide.pdf");

    Next();
    EXPECT_EQ(wizard_->ModalResult(), forms::mrOk);
    EXPECT_EQ(command_->Text(), "\\docs\\guide.pdf");
    EXPECT_EQ(arguments_->Text(), "-silent");
    EXPECT_EQ(Ticks(), (std::vector<bool>{true, false, false, true}));
    EXPECT_TRUE(minimise_->Enabled());
    ASSERT_EQ(told_.size(), 1u);
    EXPECT_NE(told_[0].find("filled out the command parameters"), std::string::npos);
}

TEST_F(CommandWizardTest, ASubMenuSkipsTheMenuActionPageAndRemainClearsAGivenBackMinimise) {
    minimise_->SetChecked(true);
    exit_->SetChecked(true);  // remembers the ticked minimise
    wizard_->Option1000[4]->SetChecked(true);
    Next();
    EXPECT_EQ(wizard_->Step(), 2);
    Back();
    EXPECT_EQ(wizard_->Step(), 0);
    EXPECT_FALSE(wizard_->Command2000->Enabled());
    Next();
    wizard_->Text1->SetText("menu2");
    Next();
    EXPECT_EQ(command_->Text(), "menu2.mnu");
    EXPECT_EQ(Ticks(), (std::vector<bool>{false, false, false, false}));
    EXPECT_TRUE(told_.empty());
}

TEST_F(CommandWizardTest, KeysTypedOnTheTargetPageGoIntoItsBoxAndReplaceItsText) {
    wizard_->Show();
    SetForegroundWindow(wizard_->Handle());
    wizard_->Text1->SetText("old");
    // Down to the sub-menu action, Next, "c" over the selected "old", Finish.
    for (WORD key : std::initializer_list<WORD>{VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN, 'C', VK_RETURN}) {
        formstest::QueueKeys({key});
        formstest::PumpFor(50);
    }
    EXPECT_EQ(command_->Text(), "c.mnu");
}

TEST_F(CommandWizardTest, TheExitActionFinishesOnTheFirstPageAndEmptiesTheCommand) {
    command_->SetText("setup.exe");
    arguments_->SetText("-silent");
    minimise_->SetChecked(true);
    maximise_->SetChecked(true);
    wizard_->Option1000[9]->SetChecked(true);
    EXPECT_EQ(wizard_->Command2001->Caption(), "&Finish");
    Next();
    EXPECT_EQ(wizard_->ModalResult(), forms::mrCancel);
    EXPECT_EQ(command_->Text(), "");
    EXPECT_EQ(arguments_->Text(), "");
    EXPECT_EQ(Ticks(), (std::vector<bool>{false, true, false, false}));
    EXPECT_FALSE(minimise_->Enabled());
    // Clearing exit on the sheet gives back the tick it had before.
    exit_->SetChecked(false);
    EXPECT_TRUE(minimise_->Checked());
}

}  // namespace
