// The shell's folder browser, driven from a timer (DialogDriver.h).
#include "shared/win32/TarvikUtils_win32.h"
#include "tests/wine/shared/DialogDriver.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string WindowsFolder()
{
    char folder[MAX_PATH] = {};
    GetWindowsDirectoryA(folder, MAX_PATH);
    return folder;
}

void Press(HWND dialog, int id)
{
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
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
