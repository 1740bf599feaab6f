// The main window's Create Autorun EXE command: the save questions for
// modified menus, then the wizard (closed by the test as soon as it shows).
#include <windows.h>

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

#include "editor/win32/EditorGlobals.h"
#include "editor/win32/mdiform1.h"
#include "forms/win32/Application.h"
#include "forms/win32/Command.h"

namespace {

int wizardsShown = 0;

// Closes the wizard once its modal loop runs.
void CALLBACK CloseWizard(HWND, UINT, UINT_PTR timer, DWORD) {
    if (HWND wizard = FindWindowA(nullptr, "Create Autorun Application")) {
        if (IsWindowVisible(wizard)) {
            ++wizardsShown;
            KillTimer(nullptr, timer);
            PostMessageA(wizard, WM_CLOSE, 0, 0);
        }
    }
}

class CreateExeCommandTest : public ::testing::Test {
protected:
    void SetUp() override {
        MenuCounter = 0;
        wizardsShown = 0;
        EditorMsg = [this](const std::string& text, TMsgDlgType, TMsgDlgButtons) {
            asked_.push_back(text);
            if (answers_.empty()) return mrOk;
            const int answer = answers_.front();
            answers_.pop_front();
            return answer;
        };
        AskSaveMenuPath = [this](std::string&) {
            ++saveDialogs_;
            return false;
        };
        form_ = forms::Application().CreateForm<TMDIForm1Cls>(false);
    }
    void TearDown() override {
        delete form_;
        forms::Application().ProcessMessages();
    }
    void CreateExe() {
        SetTimer(nullptr, 0, 20, CloseWizard);
        dynamic_cast<forms::Command*>(form_->FindComponent("cmdCreateEXE"))->Execute();
    }

    TMDIForm1Cls* form_ = nullptr;
    std::deque<int> answers_;
    std::vector<std::string> asked_;
    int saveDialogs_ = 0;
};

TEST_F(CreateExeCommandTest, WithoutADocumentItOnlySaysSo) {
    CreateExe();
    ASSERT_EQ(asked_.size(), 1u);
    EXPECT_EQ(asked_[0], "Please open a menu you wish to create an application from first.");
    EXPECT_EQ(wizardsShown, 0);
}

TEST_F(CreateExeCommandTest, ModifiedMenusAreOfferedASaveBeforeTheWizard) {
    for (int i = 0; i < 3; ++i) form_->mnuNew_Click();
    form_->MenuDoc(2)->Modified = 0;
    // Yes on a menu without a file runs Save As; Cancel asks no further.
    answers_ = {mrYes, mrCancel};
    CreateExe();
    ASSERT_EQ(asked_.size(), 2u);
    EXPECT_NE(asked_[0].find("\rMenu 1 now?"), std::string::npos);
    EXPECT_EQ(saveDialogs_, 1);
    EXPECT_NE(asked_[1].find("\rMenu 3 now?"), std::string::npos);
    EXPECT_EQ(wizardsShown, 1);
    EXPECT_EQ(form_->CurMenu(), 3);

    asked_.clear();
    form_->PageControl1Change();
    answers_ = {mrNo, mrNo};
    CreateExe();
    EXPECT_EQ(asked_.size(), 2u);
    EXPECT_EQ(wizardsShown, 2);
}

}  // namespace
