// The shell's folder browser, driven from a timer (DialogDriver.h).
#include "shared/win32/TarvikUtils_win32.h"
#include "forms/win32/Application.h"
#include "forms/win32/Form.h"
#include "tests/wine/shared/DialogDriver.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

std::string WindowsFolder()
{
    char folder[MAX_PATH] = {};
    GetWindowsDirectoryA(folder, MAX_PATH);
    return folder;
}

}  // namespace

TEST(BrowseForFolderTest, OpensAtGivenPathAndReturnsIt)
{
    const std::string start = WindowsFolder();
    std::string path = start;
    bool chosen = false;
    RunDialog([&] {
                  chosen = BrowseForFolder(nullptr, "Choose the menu folder", path);
                  return 0;
              },
              [](HWND dialog) { Press(dialog, IDOK); });
    EXPECT_TRUE(chosen);
    EXPECT_EQ(lstrcmpiA(path.c_str(), start.c_str()), 0) << path;
}

TEST(BrowseForFolderTest, CancelLeavesPath)
{
    std::string path = WindowsFolder();
    bool chosen = true;
    RunDialog([&] {
                  chosen = BrowseForFolder(nullptr, "Choose", path);
                  return 0;
              },
              [](HWND dialog) { Press(dialog, IDCANCEL); });
    EXPECT_FALSE(chosen);
    EXPECT_EQ(path, WindowsFolder());
}

// The browser belongs to the application's main form, even when another
// window (here none) is active.
TEST(SelectFolderTest, OwnedByTheMainFormAndCancelLeavesPath)
{
    std::unique_ptr<forms::Form> mainForm(forms::Application().CreateForm<forms::Form>());
    ASSERT_EQ(forms::Application().MainForm(), mainForm.get());
    std::string path = WindowsFolder();
    bool chosen = true;
    HWND owner = nullptr;
    RunDialog([&] {
                  chosen = SelectFolder(path, "Select the output folder");
                  return 0;
              },
              [&](HWND dialog) {
                  owner = GetWindow(dialog, GW_OWNER);
                  Press(dialog, IDCANCEL);
              });
    EXPECT_EQ(owner, mainForm->Handle());
    EXPECT_FALSE(chosen);
    EXPECT_EQ(path, WindowsFolder());
}
