#include <gtest/gtest.h>

#include <stdlib.h>
#include <unistd.h>

#include <fstream>
#include <sstream>

#include "editor/logic/AutorunWizardRules.h"

using namespace editor;

TEST(AutorunWizardRules, ExecutablePaths) {
    EXPECT_EQ(DefaultExePath("C:\\cd\\"), "C:\\cd\\Autorun.exe");
    EXPECT_EQ(DefaultExePath(""), "");
    EXPECT_EQ(WithExeExtension("C:\\cd\\Start"), "C:\\cd\\Start.exe");
    EXPECT_EQ(WithExeExtension("C:\\cd\\Start.EXE"), "C:\\cd\\Start.EXE");
    // A menu file chosen in the browser becomes an executable of that name;
    // a folder whose name holds ".mnu" stays the same folder.
    EXPECT_EQ(CleanBrowsedExePath("C:\\cd\\main.mnu"), "C:\\cd\\main.exe");
    EXPECT_EQ(CleanBrowsedExePath("C:\\old.mnu\\a.mnu.exe"), "C:\\old.mnu\\a.exe");

    EXPECT_FALSE(ExeNameTooLong("Autorun1.exe"));
    EXPECT_TRUE(ExeNameTooLong("Autorun12.exe"));
    EXPECT_FALSE(ExeNameHasSpace("Autorun.exe"));
    EXPECT_TRUE(ExeNameHasSpace("My CD.exe"));
}

TEST(AutorunWizardRules, MenuListHasTheCurrentMenuFirstAndEveryFileOnce) {
    const std::vector<std::string> files = {"a.mnu", "b.mnu", "c.mnu", "d.mnu"};
    EXPECT_EQ(WizardMenuNames(files, "c.mnu"), (std::vector<std::string>{"c", "b", "a", "d"}));
    EXPECT_EQ(WizardMenuNames(files, "a.mnu"), (std::vector<std::string>{"a", "b", "c", "d"}));
    // A menu not saved yet, or saved elsewhere, leaves the list as it is.
    EXPECT_EQ(WizardMenuNames(files, "Menu 3"), (std::vector<std::string>{"a", "b", "c", "d"}));
    EXPECT_EQ(WizardMenuNames(files, "x.mnu"), (std::vector<std::string>{"a", "b", "c", "d"}));
    EXPECT_TRUE(WizardMenuNames({}, "a.mnu").empty());
}

TEST(AutorunWizardRules, PackOrderPutsTheDefaultFirst) {
    EXPECT_EQ(PackOrder({"one", "two", "three"}, "three"), (std::vector<std::string>{"three", "two", "one"}));
    EXPECT_EQ(PackOrder({"one", "two", "three"}, "two"), (std::vector<std::string>{"two", "one", "three"}));
    EXPECT_EQ(PackOrder({"one", "two"}, "one"), (std::vector<std::string>{"one", "two"}));
}

TEST(AutorunWizardRules, AutorunInfIsWrittenWholeAndReplacesTheOldOne) {
    char pattern[] = "/tmp/qv-autorun-inf-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    const std::string folder = std::string(pattern) + "/";
    {
        std::ofstream old(folder + "Autorun.inf");
        old << "[autorun]\r\nopen=previous-and-much-longer-name.exe\r\nicon=x\r\nlabel=old\r\n";
    }
    ASSERT_TRUE(WriteAutorunInf(folder, "Start.exe"));
    std::ifstream in(folder + "Autorun.inf", std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    EXPECT_EQ(text.str(), "[autorun]\r\nopen=Start.exe\r\nicon=Start.exe\r\n");

    EXPECT_FALSE(WriteAutorunInf(folder + "missing/", "Start.exe"));
    unlink((folder + "Autorun.inf").c_str());
    rmdir(pattern);
}
