// The Create Autorun Application wizard driven through its pages on menu
// files made by the shared writer. A small stand-in for the editor file that
// carries the player image lies beside the test program, so the built
// executable can be checked byte for byte and its pack read back with the
// player's own reader.
#include <windows.h>

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

#include "editor/win32/common/EditorGlobals.h"
#include "editor/win32/exewizard/frmexewiz.h"
#include "forms/portable/FileSystem.h"
#include "forms/win32/Button.h"
#include "forms/win32/CheckBox.h"
#include "forms/win32/Edit.h"
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
        for (const char* name : {"alpha", "bravo", "charlie"}) {
            menus_.push_back(qvtest::MenuBytes(qvtest::NewMenu(name, 40, 30, qvtest::kGreen)));
            ASSERT_TRUE(qvtest::WriteBytes(folder_ + name + ".mnu", menus_.back()));
        }
        for (int i = 0; i < 5000; ++i) player_.push_back(static_cast<uint8_t>(i * 7));
        const std::string exe = forms::ExecutablePath();
        editorPath_ = exe.substr(0, exe.find_last_of('\\') + 1) + kEditorExeName;
        WriteEditorFile();
        EditorMsg = [this](const std::string& text, TMsgDlgType, TMsgDlgButtons) {
            asked_.push_back(text);
            const int answer = answers_.empty() ? mrOk : answers_.front();
            if (!answers_.empty()) answers_.pop_front();
            return answer;
        };
        AskExeFolder = [this](const std::string&, std::string& folder) {
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
    // The editor's own image, "ApEX", the player image, the marker's offset (300).
    void WriteEditorFile() {
        Bytes editor(300, 0xEE);
        editor.insert(editor.end(), {'A', 'p', 'E', 'X'});
        editor.insert(editor.end(), player_.begin(), player_.end());
        editor.insert(editor.end(), {44, 1, 0, 0});
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

    std::string folder_, editorPath_, browsedFolder_;
    Bytes player_;
    std::vector<Bytes> menus_;
    std::deque<int> answers_;
    std::vector<std::string> asked_;
    std::unique_ptr<TfrmEXEWizCls> wizard_;
};

TEST_F(ExeWizardTest, BuildsThePackWithTheChosenDefaultFirstAndWritesAutorunInf) {
    EXPECT_EQ(wizard_->Text11->Text(), folder_ + "Autorun.exe");
    Next();
    // The current menu first and checked, every file once.
    std::vector<std::string> captions;
    for (int i = 1; i <= 3; ++i) captions.push_back(Find<forms::CheckBox>("ChkOptn" + std::to_string(i))->Caption());
    EXPECT_EQ(captions, (std::vector<std::string>{"bravo", "alpha", "charlie"}));
    EXPECT_FALSE(Find<forms::CheckBox>("ChkOptn2")->Checked());
    wizard_->Button1->Click();
    Next();
    ASSERT_EQ(wizard_->WizStep(), 3);
    EXPECT_TRUE(Find<forms::RadioButton>("RadOptn1")->Checked());
    Find<forms::RadioButton>("RadOptn3")->SetChecked(true);
    Next();
    ASSERT_EQ(wizard_->WizStep(), 4) << (asked_.empty() ? "" : asked_.back());
    EXPECT_FALSE(wizard_->Command3001->Enabled());

    // The player image, then the pack: the default first, the menu it
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

TEST_F(ExeWizardTest, ThePathPageAsksAboutTheNameAndForAMissingFolder) {
    // 13 characters with ".exe": the length question; No stays.
    wizard_->Text11->SetText(folder_ + "LongerName1");
    answers_ = {mrNo};
    Next();
    EXPECT_EQ(wizard_->WizStep(), 1);
    EXPECT_NE(asked_.back().find("no longer than eight characters"), std::string::npos);

    // A space: that question only. Without a folder the browser is asked,
    // and cancelling it stays on the page.
    asked_.clear();
    wizard_->Text11->SetText("My CD");
    answers_ = {mrYes};
    Next();
    ASSERT_EQ(asked_.size(), 1u);
    EXPECT_NE(asked_[0].find("does not contain spaces"), std::string::npos);
    EXPECT_EQ(wizard_->WizStep(), 1);
    browsedFolder_ = "C:\\cd";
    answers_ = {mrYes};
    Next();
    EXPECT_EQ(wizard_->WizStep(), 2);
    EXPECT_EQ(wizard_->Text11->Text(), "C:\\cd\\My CD.exe");
}

TEST_F(ExeWizardTest, AMenuFolderThatIsGoneOffersNoOtherFoldersMenus) {
    // The process's current folder holds menus (the wizard made above listed
    // them); a menu whose folder is gone must not pick those up.
    wizard_ = std::make_unique<TfrmEXEWizCls>(folder_ + "gone\\", "x.mnu");
    wizard_->Text11->SetText(folder_ + "Autorun.exe");
    Next();
    EXPECT_EQ(wizard_->WizStep(), 1);
    ASSERT_EQ(asked_.size(), 1u);
    EXPECT_EQ(asked_[0].rfind("No saved menus could be found.", 0), 0u);
}

TEST_F(ExeWizardTest, AFailedBuildKeepsTheOldExecutableAndStaysOnTheDefaultPage) {
    const Bytes old = {'o', 'l', 'd'};
    ASSERT_TRUE(qvtest::WriteBytes(folder_ + "Autorun.exe", old));
    Next();
    Next();
    ASSERT_EQ(wizard_->WizStep(), 3);

    // Held open by another program: refused before anything is written, and
    // Next stays usable for another try.
    HANDLE held = CreateFileA((folder_ + "Autorun.exe").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    Next();
    CloseHandle(held);
    EXPECT_EQ(wizard_->WizStep(), 3);
    EXPECT_NE(asked_.back().find("could not create the destination EXE."), std::string::npos);
    EXPECT_TRUE(wizard_->Command3001->Enabled());

    // A read-only executable is refused the same way.
    SetFileAttributesA((folder_ + "Autorun.exe").c_str(), FILE_ATTRIBUTE_READONLY);
    asked_.clear();
    Next();
    SetFileAttributesA((folder_ + "Autorun.exe").c_str(), FILE_ATTRIBUTE_NORMAL);
    ASSERT_EQ(asked_.size(), 1u);
    EXPECT_NE(asked_[0].find("could not create the destination EXE."), std::string::npos);

    // The editor file missing: the build fails and the old file stays.
    forms::RemoveFile(editorPath_);
    Next();
    EXPECT_EQ(asked_.back(), "Error, application compile failed");
    EXPECT_EQ(wizard_->WizStep(), 3);
    EXPECT_EQ(FileBytes("Autorun.exe"), old);
    EXPECT_FALSE(forms::FileExists(folder_ + "Autorun.inf"));

    // With the editor file back, the new executable replaces the old one
    // without a question, and so does a second build to the same place.
    WriteEditorFile();
    for (int build = 1; build <= 2; ++build) {
        asked_.clear();
        Next();
        EXPECT_TRUE(asked_.empty()) << asked_.front();
        EXPECT_EQ(wizard_->WizStep(), 4);
        EXPECT_GT(FileBytes("Autorun.exe").size(), player_.size());
        wizard_->Command3000->Click();
    }
}

}  // namespace
