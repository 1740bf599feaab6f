#include <gtest/gtest.h>

#include <stdlib.h>
#include <unistd.h>

#include <fstream>
#include <sstream>

#include "editor/logic/AutorunWizardRules.h"

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

TEST(AutorunWizardRules, AutorunInfReplacesTheOldOneOrReportsFailure) {
    char pattern[] = "/tmp/qv-autorun-inf-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    const std::string folder = std::string(pattern) + "/";
    std::ofstream(folder + "Autorun.inf") << "[autorun]\r\nopen=a-much-longer-old-name.exe\r\nlabel=old\r\n";
    ASSERT_TRUE(WriteAutorunInf(folder, "Start.exe"));
    std::stringstream text;
    text << std::ifstream(folder + "Autorun.inf", std::ios::binary).rdbuf();
    EXPECT_EQ(text.str(), "[autorun]\r\nopen=Start.exe\r\nicon=Start.exe\r\n");
    EXPECT_FALSE(WriteAutorunInf(folder + "missing/", "Start.exe"));
    unlink((folder + "Autorun.inf").c_str());
    rmdir(pattern);
}
