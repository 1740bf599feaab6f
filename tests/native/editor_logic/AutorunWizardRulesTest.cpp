#include <gtest/gtest.h>

#include <stdlib.h>
#include <unistd.h>

#include <fstream>
#include <sstream>

#include "editor/logic/AutorunWizardRules.h"
#include "forms/portable/FileSystem.h"
#include "shared/MenuBody.h"

using namespace editor;

namespace {

std::string TempFolder() {
    char pattern[] = "/tmp/qv-autorun-wizard-XXXXXX";
    return mkdtemp(pattern) ? std::string(pattern) + "/" : std::string();
}

// Writes the menu as the editor saves it.
bool SaveMenu(const TAQMenu& menu, const std::string& folder, const std::string& name) {
    struct Version8 : SilentMenuFileHost {
        void ProgramVersion(int& major, int& minor, int& release) override { major = 8, minor = 1, release = 0; }
    } host;
    TMenuFile file(host);
    file.ClearMnuError();
    if (!file.OpenMnuFile(name, folder, 1, 0)) return false;
    WriteMenuFile(file, menu, MenuWriteOptions());
    file.CloseMnuFile();
    return file.MnuError() == 0;
}

}  // namespace

TEST(AutorunWizardRules, ExecutablePathsAndNameQuestions) {
    EXPECT_EQ(DefaultExePath(""), "");
    EXPECT_EQ(WithExeExtension("C:\\cd\\Start.EXE"), "C:\\cd\\Start.EXE");
    // A menu file chosen in the browser becomes an executable of that name;
    // a folder whose name holds ".mnu" stays the same folder.
    EXPECT_EQ(CleanBrowsedExePath("C:\\cd\\main.mnu"), "C:\\cd\\main.exe");
    EXPECT_EQ(CleanBrowsedExePath("C:\\old.mnu\\a.mnu.exe"), "C:\\old.mnu\\a.exe");
    EXPECT_FALSE(ExeNameTooLong("Autorun1.exe"));
    EXPECT_TRUE(ExeNameTooLong("Autorun12.exe"));
}

TEST(AutorunWizardRules, MenuListAndPackOrder) {
    const std::vector<std::string> files = {"a.mnu", "b.mnu", "c.mnu", "d.mnu"};
    EXPECT_EQ(WizardMenuNames(files, "c.mnu"), (std::vector<std::string>{"c", "b", "a", "d"}));
    // A menu not saved yet, or saved elsewhere, leaves the list as it is.
    EXPECT_EQ(WizardMenuNames(files, "Menu 3"), (std::vector<std::string>{"a", "b", "c", "d"}));
    EXPECT_EQ(WizardMenuNames(files, "x.mnu"), (std::vector<std::string>{"a", "b", "c", "d"}));
    EXPECT_EQ(PackOrder({"one", "two", "three"}, "three"), (std::vector<std::string>{"three", "two", "one"}));
}

// A main menu's objects open sub-menus in every form a command can take;
// only the ones a user can press and that name a menu count.
TEST(AutorunWizardRules, MenusThatChosenMenusOpenButLeaveOutAreNamed) {
    const std::string folder = TempFolder();
    ASSERT_FALSE(folder.empty());
    TAQMenu main;
    const std::vector<std::pair<int32_t, std::string>> objects = {
        {GraphicalButton, "sub.mnu"}, {WindowsButton, "Extra.MNU"},  {TextButton, "extra.mnu"},
        {PlcImage, "gone.mnu"},       {PlcText, "hidden.mnu"},       {PlcShape, "shape.mnu"},
        {GraphicalButton, "menus\\deep.mnu"}, {GraphicalButton, "%NOPROC%run.mnu"}, {GraphicalButton, "$see.mnu"},
        {GraphicalButton, "readme.txt"}};
    main.BtnCount = static_cast<int>(objects.size());
    for (size_t n = 0; n < objects.size(); ++n) {
        main.Buttons[n + 1].ObjectKind = objects[n].first;
        main.Buttons[n + 1].ButtonCommand = objects[n].second;
    }
    ASSERT_TRUE(SaveMenu(main, folder, "Main.mnu"));

    const std::vector<std::string> commands = PressableCommands(folder + "Main.mnu");
    EXPECT_EQ(commands, (std::vector<std::string>{"sub.mnu", "Extra.MNU", "extra.mnu", "gone.mnu", "menus\\deep.mnu",
                                                  "%NOPROC%run.mnu", "$see.mnu", "readme.txt"}));
    // Named once each, as first written; chosen menus match in any case.
    EXPECT_EQ(MenusLeftOut({"main.mnu"}, commands), (std::vector<std::string>{"sub.mnu", "Extra.MNU", "gone.mnu"}));
    EXPECT_EQ(MenusLeftOut({"Main.mnu", "SUB.mnu", "extra.mnu", "gone.mnu"}, commands), std::vector<std::string>());
    const std::string question = MenusLeftOutQuestion({"sub.mnu", "Extra.MNU"});
    EXPECT_NE(question.find("\r    sub.mnu\r    Extra.MNU\r"), std::string::npos) << question;

    // A file that is missing or no menu has no commands.
    EXPECT_TRUE(PressableCommands(folder + "missing.mnu").empty());
    std::ofstream(folder + "text.mnu") << "not a menu at all";
    EXPECT_TRUE(PressableCommands(folder + "text.mnu").empty());
    for (const char* name : {"Main.mnu", "text.mnu"}) unlink((folder + name).c_str());
    rmdir(folder.c_str());
}

TEST(AutorunWizardRules, AutorunInfReplacesTheOldOneOrReportsFailure) {
    const std::string folder = TempFolder();
    ASSERT_FALSE(folder.empty());
    std::ofstream(folder + "Autorun.inf") << "[autorun]\r\nopen=a-much-longer-old-name.exe\r\nlabel=old\r\n";
    // Written beside, flushed, then moved over the old one.
    std::vector<std::string> steps;
    forms::FileStepObserver = [&steps](const std::string& step, const std::string& path) {
        steps.push_back(step + " " + path.substr(path.find_last_of('/') + 1, 11));
    };
    const bool written = WriteAutorunInf(folder, "Start.exe");
    forms::FileStepObserver = nullptr;
    ASSERT_TRUE(written);
    EXPECT_EQ(steps, (std::vector<std::string>{"flush Autorun.inf", "replace Autorun.inf"}));
    std::stringstream text;
    text << std::ifstream(folder + "Autorun.inf", std::ios::binary).rdbuf();
    EXPECT_EQ(text.str(), "[autorun]\r\nopen=Start.exe\r\nicon=Start.exe\r\n");
    EXPECT_FALSE(WriteAutorunInf(folder + "missing/", "Start.exe"));
    unlink((folder + "Autorun.inf").c_str());
    EXPECT_EQ(rmdir(folder.c_str()), 0);  // no temporary file left behind
}
