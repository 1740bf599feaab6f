// File-system behaviour that only Windows has: hidden and system attributes,
// clearing read-only and hidden before a replace, the message queue.
#include "forms/portable/FileSystem.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>

#include "TestPictures.h"
#include "forms/portable/Stream.h"

namespace {

std::string NewFile(const std::string& name, const char* text) {
    static const std::string folder = formstest::TempFolder();
    const std::string path = folder + "\\" + name;
    forms::WriteWholeFile(path, text, std::strlen(text));
    return path;
}

std::string Contents(const std::string& path) {
    formstest::Bytes b;
    return forms::ReadWholeFile(path, b) ? std::string(b.begin(), b.end()) : "<none>";
}

}  // namespace

TEST(FileSystemWin32, HiddenAndSystemFilesExistButAPlainSearchDoesNotSeeThem) {
    const std::string hidden = NewFile("hidden.txt", "h");
    const std::string system = NewFile("system.txt", "s");
    ASSERT_TRUE(SetFileAttributesA(hidden.c_str(), FILE_ATTRIBUTE_HIDDEN));
    ASSERT_TRUE(SetFileAttributesA(system.c_str(), FILE_ATTRIBUTE_SYSTEM));
    EXPECT_TRUE(forms::FileExists(hidden));
    EXPECT_TRUE(forms::FileExists(system));
    EXPECT_FALSE(forms::VisibleFileExists(hidden));
    EXPECT_FALSE(forms::VisibleFileExists(system));

    EXPECT_TRUE(forms::ClearAttributes(hidden));
    EXPECT_TRUE(forms::VisibleFileExists(hidden));

    // A wildcard names no file of its own; a folder is no file.
    const std::string pattern = hidden.substr(0, hidden.size() - 5) + "*";
    EXPECT_FALSE(forms::FileExists(pattern));
    EXPECT_FALSE(forms::VisibleFileExists(pattern));
    EXPECT_FALSE(forms::FileExists(hidden.substr(0, hidden.rfind('\\'))));
}

TEST(FileSystemWin32, ClearedReadOnlyHiddenTargetIsReplaced) {
    const std::string target = NewFile("target.dat", "old");
    ASSERT_TRUE(SetFileAttributesA(target.c_str(), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN));
    EXPECT_TRUE(forms::IsReadOnly(target));

    const std::string temp = forms::UniqueTempPathBeside(target);
    ASSERT_TRUE(forms::WriteWholeFile(temp, "new", 3));
    EXPECT_TRUE(forms::FlushFileToDisk(temp));
    EXPECT_FALSE(forms::FlushFileToDisk(temp + ".missing"));
    EXPECT_TRUE(forms::ClearAttributes(target));
    EXPECT_FALSE(forms::IsReadOnly(target));
    EXPECT_EQ(GetFileAttributesA(target.c_str()) & FILE_ATTRIBUTE_HIDDEN, 0u);
    EXPECT_TRUE(forms::ReplaceFileWith(target, temp));
    EXPECT_EQ(Contents(target), "new");
    EXPECT_FALSE(forms::FileExists(temp));
}

TEST(FileSystemWin32, PendingMessagesAreDispatchedAndQuitIsKept) {
    static int seen = 0;
    WNDCLASSA wc{};
    wc.lpfnWndProc = [](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
        if (m == WM_APP) ++seen;
        return DefWindowProcA(h, m, w, l);
    };
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "FormsFsTestWindow";
    ASSERT_TRUE(RegisterClassA(&wc));
    HWND wnd = CreateWindowA(wc.lpszClassName, "", 0, 0, 0, 10, 10, HWND_MESSAGE, nullptr,
                             wc.hInstance, nullptr);
    ASSERT_NE(wnd, nullptr);
    PostMessageA(wnd, WM_APP, 0, 0);
    PostMessageA(wnd, WM_APP, 0, 0);
    forms::ProcessPendingMessages();
    EXPECT_EQ(seen, 2);

    PostQuitMessage(3);
    forms::ProcessPendingMessages();
    MSG msg;
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_QUIT));
    EXPECT_EQ(msg.wParam, 3u);
    DestroyWindow(wnd);
}
