#include <gtest/gtest.h>

#include <stdlib.h>
#include <unistd.h>

#include <fstream>
#include <sstream>
#include <tuple>

#include "editor/logic/AutorunWizardRules.h"
#include "forms/portable/FileSystem.h"
#include "shared/MenuBody.h"

using namespace editor;

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

// A saved menu's objects name menus in every form a command takes: only
// objects a user can press and commands that switch menus count.
TEST(AutorunWizardRules, MenusThatChosenMenusOpenButLeaveOutAreNamed) {
    char pattern[] = "/tmp/qv-autorun-wizard-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    const std::string folder = std::string(pattern) + "/";
    TAQMenu main;
    const std::vector<std::pair<int32_t, std::string>> objects = {
        {GraphicalButton, "sub.mnu"}, {WindowsButton, "Extra.MNU"}, {TextButton, "extra.mnu"}, {PlcImage, "gone.mnu"},
        {PlcText, "text.mnu"}, {GraphicalButton, "menus\\deep.mnu"}, {GraphicalButton, "%NOPROC%run.mnu"},
        {GraphicalButton, "$see.mnu"}};
    main.BtnCount = static_cast<int>(objects.size());
    for (size_t n = 0; n < objects.size(); ++n)
        std::tie(main.Buttons[n + 1].ObjectKind, main.Buttons[n + 1].ButtonCommand) = objects[n];
    struct : SilentMenuFileHost {
        void ProgramVersion(int& major, int& minor, int& release) override { major = 8, minor = 1, release = 0; }
    } host;
    TMenuFile file(host);
    ASSERT_TRUE(file.OpenMnuFile("Main.mnu", folder, 1, 0));
    WriteMenuFile(file, main, MenuWriteOptions());
    file.CloseMnuFile();

    const std::vector<std::string> commands = PressableCommands(folder + "Main.mnu");
    ASSERT_EQ(commands.size(), 7u);
    EXPECT_EQ(MenusLeftOut({"main.mnu"}, commands), (std::vector<std::string>{"sub.mnu", "Extra.MNU", "gone.mnu"}));
    EXPECT_TRUE(MenusLeftOut({"Main.mnu", "SUB.mnu", "extra.mnu", "gone.mnu"}, commands).empty());
    unlink((folder + "Main.mnu").c_str());
    rmdir(pattern);
}

TEST(AutorunWizardRules, AutorunInfReplacesTheOldOneOrReportsFailure) {
    char pattern[] = "/tmp/qv-autorun-inf-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    const std::string folder = std::string(pattern) + "/";
    std::ofstream(folder + "Autorun.inf") << "[autorun]\r\nopen=a-much-longer-old-name.exe\r\nlabel=old\r\n";
    std::vector<std::string> steps;
    forms::FileStepObserver = [&steps](const std::string& step, const std::string&) { steps.push_back(step); };
    const bool written = WriteAutorunInf(folder, "Start.exe");
    forms::FileStepObserver = nullptr;
    ASSERT_TRUE(written);
    EXPECT_EQ(steps, (std::vector<std::string>{"flush", "replace"}));  // written beside, flushed, moved over
    std::stringstream text;
    text << std::ifstream(folder + "Autorun.inf", std::ios::binary).rdbuf();
    EXPECT_EQ(text.str(), "[autorun]\r\nopen=Start.exe\r\nicon=Start.exe\r\n");
    EXPECT_FALSE(WriteAutorunInf(folder + "missing/", "Start.exe"));
    unlink((folder + "Autorun.inf").c_str());
    rmdir(pattern);
}
