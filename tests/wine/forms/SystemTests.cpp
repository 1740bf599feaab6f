// The bitmap clipboard, the screen font list and the file dialogs (driven
// from a timer that runs inside the dialog's own message loop).
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cctype>
#include <functional>
#include <string>
#include <thread>

#include "TestPictures.h"
#include "forms/portable/Stream.h"
#include "forms/win32/Forms.h"
#include "forms/win32/TextUtil.h"

using namespace forms;

namespace {

TEST(ClipboardTest, BitmapRoundTripsWholeAndOpaque) {
    Bitmap picture(7, 5);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 7; ++x) picture.SetPixel(x, y, 0x00010203u * static_cast<uint32_t>(x + 7 * y));
    ASSERT_TRUE(SetClipboardBitmap(picture));
    EXPECT_TRUE(ClipboardHasBitmap());
    Bitmap back;
    ASSERT_TRUE(GetClipboardBitmap(back));
    for (size_t i = 0; i < picture.PixelCount(); ++i) picture.Data()[i] |= 0xFF000000u;
    EXPECT_EQ(back, picture);

    EXPECT_FALSE(SetClipboardBitmap(Bitmap()));  // nothing to put: the clipboard keeps its picture
    EXPECT_TRUE(ClipboardHasBitmap());
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    CloseClipboard();
    EXPECT_FALSE(ClipboardHasBitmap());
    Bitmap untouched(1, 1, 7);
    EXPECT_FALSE(GetClipboardBitmap(untouched));
    EXPECT_EQ(untouched, Bitmap(1, 1, 7));
}

TEST(ClipboardTest, ABusyClipboardIsReportedNotThrown) {
    ASSERT_TRUE(SetClipboardBitmap(Bitmap(2, 2, 0xFF112233)));
    // Another thread holds the clipboard open for a while.
    HANDLE opened = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    HANDLE release = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    std::thread holder([&] {
        OpenClipboard(nullptr);
        SetEvent(opened);
        WaitForSingleObject(release, 5000);
        CloseClipboard();
    });
    WaitForSingleObject(opened, 5000);
    EXPECT_FALSE(SetClipboardBitmap(Bitmap(3, 3, 0xFF445566)));
    Bitmap out(1, 1, 9);
    EXPECT_FALSE(GetClipboardBitmap(out));
    EXPECT_EQ(out, Bitmap(1, 1, 9));
    SetEvent(release);
    holder.join();
    CloseHandle(opened);
    CloseHandle(release);
    ASSERT_TRUE(GetClipboardBitmap(out));  // the earlier picture is still there
    EXPECT_EQ(out, Bitmap(2, 2, 0xFF112233));
}

TEST(ScreenTest, FontListIsSortedWithoutDuplicates) {
    const std::vector<std::string> fonts = ScreenFonts();
    ASSERT_FALSE(fonts.empty());
    auto lower = [](std::string s) {
        for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return s;
    };
    for (size_t i = 1; i < fonts.size(); ++i) EXPECT_LT(lower(fonts[i - 1]), lower(fonts[i]));
}

// Window frames draw their caption buttons, and scroll bars their arrows,
// with Marlett glyphs: the system needs the font by that name.
TEST(ScreenTest, MarlettIsInstalled) {
    const std::vector<std::string> fonts = ScreenFonts();
    EXPECT_NE(std::find(fonts.begin(), fonts.end(), "Marlett"), fonts.end());
}

// Runs `act` on the first visible dialog of this thread, from a timer that
// fires inside the dialog's modal loop, once the dialog is up.
std::function<bool(HWND)> g_dialogAction;

BOOL CALLBACK FindDialog(HWND hwnd, LPARAM found) {
    char cls[16] = {};
    GetClassNameA(hwnd, cls, sizeof(cls));
    if (IsWindowVisible(hwnd) && std::string(cls) == "#32770") {
        *reinterpret_cast<HWND*>(found) = hwnd;
        return FALSE;
    }
    return TRUE;
}

void CALLBACK DialogTimer(HWND, UINT, UINT_PTR id, DWORD) {
    HWND dialog = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindDialog, reinterpret_cast<LPARAM>(&dialog));
    if (dialog && g_dialogAction && g_dialogAction(dialog)) KillTimer(nullptr, id);
}

void WhenDialogShows(std::function<bool(HWND)> act) {
    g_dialogAction = std::move(act);
    SetTimer(nullptr, 0, 100, DialogTimer);
}

std::string WindowText(HWND hwnd) {
    char text[256] = {};
    GetWindowTextA(hwnd, text, sizeof(text));
    return text;
}

// Types a name into the dialog's file name box and presses OK.
bool ChooseName(HWND dialog, const std::string& name) {
    HWND box = GetDlgItem(dialog, edt1);
    if (!box) box = GetDlgItem(dialog, cmb13);
    if (!box) return false;
    SetWindowTextA(box, name.c_str());
    PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    return true;
}

TEST(FileDialogTest, OpenShowsTitleAndFolderAndReturnsTheChosenPath) {
    const std::string folder = formstest::TempFolder();
    ASSERT_TRUE(WriteWholeFile(folder + "\\one.mnu", "x", 1));
    OpenDialog dialog(nullptr);
    dialog.SetTitle("Open Menu...");
    dialog.SetFilter("Menus (*.mnu)|*.MNU");
    dialog.SetInitialDir(folder);
    dialog.SetOptions(ofPathMustExist | ofFileMustExist | ofHideReadOnly);
    std::string seenTitle, seenFilter;
    bool readOnlyBoxShown = true;
    WhenDialogShows([&](HWND d) {
        seenTitle = WindowText(d);
        char filter[64] = {};
        SendDlgItemMessageA(d, cmb1, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(filter));
        seenFilter = filter;
        readOnlyBoxShown = IsWindowVisible(GetDlgItem(d, chx1)) != FALSE;
        return ChooseName(d, "one.mnu");
    });
    ASSERT_TRUE(dialog.Execute());
    EXPECT_EQ(seenTitle, "Open Menu...");
    EXPECT_EQ(seenFilter, "Menus (*.mnu)");
    EXPECT_FALSE(readOnlyBoxShown);
    EXPECT_TRUE(SameText(dialog.FileName(), folder + "\\one.mnu")) << dialog.FileName();

    WhenDialogShows([](HWND d) { return PostMessageA(d, WM_COMMAND, IDCANCEL, 0) != FALSE; });
    const std::string before = dialog.FileName();
    EXPECT_FALSE(dialog.Execute());
    EXPECT_EQ(dialog.FileName(), before);
}

TEST(FileDialogTest, SaveAsksBeforeReplacingWhenTold) {
    const std::string folder = formstest::TempFolder();
    ASSERT_TRUE(WriteWholeFile(folder + "\\old.mnu", "x", 1));
    SaveDialog dialog(nullptr);
    dialog.SetInitialDir(folder);
    dialog.SetOptions(ofOverwritePrompt | ofPathMustExist);
    int dialogsSeen = 0;
    HWND fileDialog = nullptr;
    WhenDialogShows([&](HWND d) {
        if (!fileDialog) {
            fileDialog = d;
            ++dialogsSeen;
            ChooseName(d, "old.mnu");
            return false;
        }
        if (d == fileDialog) return false;  // the question is not up yet
        ++dialogsSeen;                      // the replace question: answer Yes
        PostMessageA(d, WM_COMMAND, IDYES, 0);
        return true;
    });
    ASSERT_TRUE(dialog.Execute());
    EXPECT_EQ(dialogsSeen, 2);
    EXPECT_TRUE(SameText(dialog.FileName(), folder + "\\old.mnu")) << dialog.FileName();
}

}  // namespace
