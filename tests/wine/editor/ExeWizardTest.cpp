// The Create Autorun Application wizard driven through its pages on menu
// files made by the shared writer. The editor file that carries the player
// image is a small stand-in written beside the test program, so the test can
// check the built executable byte for byte and read its pack back with the
// player's own reader.
#include <windows.h>

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

#include "editor/win32/EditorGlobals.h"
#include "editor/win32/frmexewiz.h"
#include "forms/portable/FileSystem.h"
#include "forms/win32/Button.h"
#include "forms/win32/CheckBox.h"
#include "forms/win32/Edit.h"
#include "forms/win32/FileDialogs.h"
#include "forms/win32/Label.h"
#include "forms/win32/Panel.h"
#include "forms/win32/RadioButton.h"
#include "player/logic/PackReader.h"
#include "shared/mdlfilebin.h"
#include "tests/wine/player/TestMenus.h"

namespace {

using Bytes = std::vector<uint8_t>;

class ExeWizardTest : public ::testing::Test {
protected:
    void SetUp() override {
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        folder_ = std::string(temp) + "qv-exewiz-" + std::to_string(GetCurrentProcessId()) + "\\";
        CreateDirectoryA(folder_.c_str(), nullptr);
        const char* names[] = {"alpha", "bravo", "charlie"};
        for (int i = 0; i < 3; ++i) {
            menus_.push_back(qvtest::MenuBytes(qvtest::NewMenu(names[i], 40 + i, 30, qvtest::kGreen)));
            ASSERT_TRUE(qvtest::WriteBytes(folder_ + names[i] + ".mnu", menus_.back()));
        }
        for (int i = 0; i < 5000; ++i) player_.push_back(static_cast<uint8_t>(i * 7));
        SetUpEditorFile();

        EditorMsg = [this](const std::string& text, TMsgDlgType, TMsgDlgButtons) {
            asked_.push_back(text);
            if (answers_.empty()) return mrOk;
            const int answer = answers_.front();
            answers_.pop_front();
            return answer;
        };
        AskExeFolder = [this](const std::string&, std::string& folder) {
            ++folderAsks_;
            folder = browsedFolder_;
            return !folder.empty();
        };
        wizard_ = std::make_unique<TfrmEXEWizCls>(folder_, "bravo.mnu");
    }
    void TearDown() override {
        wizard_.reset();
        for (const char* name : {"alpha.mnu", "bravo.mnu", "charlie.mnu", "Autorun.exe", "Autorun.inf"})
            forms::RemoveFile(folder_ + name);
        RemoveDirectoryA(folder_.c_str());
        forms::RemoveFile(editorPath_);
    }

    // The editor file: its own image, "ApEX", the player image, the marker's offset.
    void SetUpEditorFile() {
        Bytes editor(300, 0xEE);
        editor.insert(editor.end(), {'A', 'p', 'E', 'X'});
        editor.insert(editor.end(), player_.begin(), player_.end());
        editor.insert(editor.end(), {44, 1, 0, 0});  // 300
        const std::string exe = forms::ExecutablePath();
        editorPath_ = exe.substr(0, exe.find_last_of('\\') + 1) + kEditorExeName;
        ASSERT_TRUE(qvtest::WriteBytes(editorPath_, editor));
    }
    void Next() { wizard_->Command3001->Click(); }
    template <class T>
    T* Find(const std::string& name) {
        return dynamic_cast<T*>(wizard_->FindControl(name));
    }
    Bytes FileBytes(const std::string& name) {
        Bytes bytes;
        qvtest::ReadBytes(folder_ + name, bytes);
        return bytes;
    }
    // Runs the wizard to its default page with every menu included.
    void ToDefaultPage() {
        Next();
        wizard_->Button1->Click();
        Next();
        ASSERT_EQ(wizard_->WizStep(), 3);
    }

    std::string folder_, editorPath_, browsedFolder_;
    Bytes player_;
    std::vector<Bytes> menus_;
    std::deque<int> answers_;
    std::vector<std::string> asked_;
    int folderAsks_ = 0;
    std::unique_ptr<TfrmEXEWizCls> wizard_;
};

TEST_F(ExeWizardTest, BuildsThePackWithTheChosenDefaultFirstAndWritesAutorunInf) {
    EXPECT_EQ(wizard_->Text11->Text(), folder_ + "Autorun.exe");
    EXPECT_FALSE(wizard_->Command3000->Visible());
    EXPECT_EQ(wizard_->Command3001->Caption(), "&Create Autorun >");
    Next();
    // The current menu first, checked; every file once.
    ASSERT_EQ(wizard_->WizStep(), 2);
    std::vector<std::string> captions;
    for (int i = 1; i <= 3; ++i) captions.push_back(Find<forms::CheckBox>("ChkOptn" + std::to_string(i))->Caption());
    EXPECT_EQ(captions, (std::vector<std::string>{"bravo", "alpha", "charlie"}));
    EXPECT_TRUE(Find<forms::CheckBox>("ChkOptn1")->Checked());
    EXPECT_FALSE(Find<forms::CheckBox>("ChkOptn2")->Checked());
    EXPECT_EQ(wizard_->Command3001->Caption(), "N&ext >");

    wizard_->Button1->Click();
    Next();
    ASSERT_EQ(wizard_->WizStep(), 3);
    EXPECT_TRUE(Find<forms::RadioButton>("RadOptn1")->Checked());
    auto* third = Find<forms::RadioButton>("RadOptn3");
    ASSERT_NE(third, nullptr);
    EXPECT_EQ(third->Caption(), "charlie");
    third->SetChecked(true);
    Next();
    ASSERT_EQ(wizard_->WizStep(), 4) << (asked_.empty() ? "" : asked_.back());
    EXPECT_TRUE(wizard_->pnlEXE04->Visible());
    EXPECT_FALSE(wizard_->Command3001->Enabled());
    EXPECT_EQ(wizard_->Label4->Caption(), "Autorun.exe");

    // The player image, then the pack: the default first, the one it
    // displaced in its place.
    const Bytes exe = FileBytes("Autorun.exe");
    ASSERT_GT(exe.size(), player_.size());
    EXPECT_EQ(Bytes(exe.begin(), exe.begin() + player_.size()), player_);
    player::PackDirectory pack;
    ASSERT_EQ(player::ReadPackFile(folder_ + "Autorun.exe", pack), player::PackError::None);
    const std::vector<std::pair<std::string, int>> expected = {{"charlie.mnu", 2}, {"alpha.mnu", 0}, {"bravo.mnu", 1}};
    ASSERT_EQ(pack.entries.size(), expected.size());
    for (size_t k = 0; k < expected.size(); ++k) {
        EXPECT_EQ(pack.entries[k].name, expected[k].first);
        const Bytes& menu = menus_[expected[k].second];
        const auto start = exe.begin() + pack.entries[k].offset;
        EXPECT_EQ(Bytes(start, start + menu.size()), menu) << expected[k].first;
    }
    const Bytes inf = FileBytes("Autorun.inf");
    EXPECT_EQ(std::string(inf.begin(), inf.end()), "[autorun]\r\nopen=Autorun.exe\r\nicon=Autorun.exe\r\n");
}

TEST_F(ExeWizardTest, ThePathPageChecksTheNameAndAsksForAMissingFolder) {
    wizard_->Text11->SetText("");
    Next();
    EXPECT_EQ(wizard_->WizStep(), 1);
    EXPECT_EQ(asked_.back(), "You must specify a filename.");

    // 13 characters with ".exe": the length question; No stays.
    wizard_->Text11->SetText(folder_ + "LongerName1");
    answers_ = {mrNo};
    Next();
    EXPECT_EQ(wizard_->WizStep(), 1);
    EXPECT_EQ(wizard_->Text11->Text(), folder_ + "LongerName1.exe");
    EXPECT_NE(asked_.back().find("no longer than eight characters"), std::string::npos);

    // A space: that question only; a name without a folder gets one from the
    // browser, and cancelling the browser stays on the page.
    asked_.clear();
    wizard_->Text11->SetText("My CD");
    answers_ = {mrYes, mrYes};
    Next();
    ASSERT_EQ(asked_.size(), 1u);
    EXPECT_NE(asked_[0].find("does not contain spaces"), std::string::npos);
    EXPECT_EQ(folderAsks_, 1);
    EXPECT_EQ(wizard_->WizStep(), 1);
    browsedFolder_ = "C:\\cd";
    answers_ = {mrYes};
    Next();
    EXPECT_EQ(wizard_->WizStep(), 2);
    EXPECT_EQ(wizard_->Text11->Text(), "C:\\cd\\My CD.exe");

    // Back to page 1: the Back button goes and the first caption returns.
    wizard_->Command3000->Click();
    EXPECT_EQ(wizard_->WizStep(), 1);
    EXPECT_FALSE(wizard_->Command3000->Visible());
    EXPECT_TRUE(wizard_->pnlEXE01->Visible());
}

TEST_F(ExeWizardTest, BrowseGivesAnExecutablePathAndRemembersItsFolder) {
    std::string filter;
    RunExeSaveDialog = [&](forms::SaveDialog& dialog) {
        filter = dialog.Filter();
        dialog.SetFileName(folder_ + "start.mnu");
        return true;
    };
    wizard_->Button3->Click();
    EXPECT_EQ(filter, "Autorun Application (*.exe)|*.EXE");
    EXPECT_EQ(wizard_->Text11->Text(), folder_ + "start.exe");
    EXPECT_EQ(LastExeFolder, folder_);
}

TEST_F(ExeWizardTest, NoMenusOrNoneChecked) {
    // A folder without menus, one that is gone, and a menu not saved yet.
    CreateDirectoryA((folder_ + "empty").c_str(), nullptr);
    for (const std::string& folder : {folder_ + "empty\\", folder_ + "gone\\", std::string()}) {
        asked_.clear();
        wizard_ = std::make_unique<TfrmEXEWizCls>(folder, "x.mnu");
        wizard_->Text11->SetText(folder_ + "Autorun.exe");
        Next();
        EXPECT_EQ(wizard_->WizStep(), 1) << folder;
        ASSERT_EQ(asked_.size(), 1u);
        EXPECT_EQ(asked_.back().rfind("No saved menus could be found.", 0), 0u);
    }
    RemoveDirectoryA((folder_ + "empty").c_str());

    wizard_ = std::make_unique<TfrmEXEWizCls>(folder_, "alpha.mnu");
    Next();
    Find<forms::CheckBox>("ChkOptn1")->SetChecked(false);
    Next();
    EXPECT_EQ(wizard_->WizStep(), 2);
    EXPECT_EQ(asked_.back(), "You must select your saved settings file.");
}

TEST_F(ExeWizardTest, AFailedBuildKeepsTheOldExecutableAndStaysOnTheDefaultPage) {
    const Bytes old = {'o', 'l', 'd'};
    ASSERT_TRUE(qvtest::WriteBytes(folder_ + "Autorun.exe", old));
    ToDefaultPage();

    // Held open by another program: refused before anything is written.
    HANDLE held = CreateFileA((folder_ + "Autorun.exe").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    Next();
    CloseHandle(held);
    EXPECT_EQ(wizard_->WizStep(), 3);
    EXPECT_NE(asked_.back().find("could not create the destination EXE."), std::string::npos);
    // Next stays usable for another try.
    EXPECT_TRUE(wizard_->Command3001->Enabled());

    // The builder's overwrite question answered No; then the editor file gone.
    answers_ = {mrNo};
    Next();
    EXPECT_EQ(wizard_->WizStep(), 3);
    EXPECT_EQ(asked_.back(), "Error, application compile failed");
    forms::RemoveFile(editorPath_);
    Next();
    EXPECT_EQ(wizard_->WizStep(), 3);
    EXPECT_EQ(asked_.back(), "Error, application compile failed");
    EXPECT_EQ(FileBytes("Autorun.exe"), old);
    EXPECT_FALSE(forms::FileExists(folder_ + "Autorun.inf"));

    // With the editor file back, Yes replaces the old executable.
    SetUpEditorFile();
    answers_ = {mrYes};
    Next();
    EXPECT_EQ(wizard_->WizStep(), 4);
    EXPECT_GT(FileBytes("Autorun.exe").size(), player_.size());
    EXPECT_TRUE(forms::FileExists(folder_ + "Autorun.inf"));
}

}  // namespace
