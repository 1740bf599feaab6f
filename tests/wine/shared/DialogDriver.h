// Drives modal dialogs of the test's own thread: a thread timer, which the
// dialog's message loop dispatches, finds each dialog once it is up and hands
// it to a function that inspects it and presses a button or key.
#pragma once
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

std::function<void(HWND)> g_drive;
int g_toDrive = 0;
int g_driven = 0;
HWND g_lastDriven = nullptr;

HWND FindThreadDialog()
{
    HWND found = nullptr;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM data) -> BOOL {
            char cls[16] = {};
            GetClassNameA(window, cls, sizeof(cls));
            if (std::string(cls) == "#32770" && IsWindowVisible(window)) {
                *reinterpret_cast<HWND*>(data) = window;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

// A dialog already driven stays up until it handles what was posted to it.
void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD)
{
    HWND dialog = FindThreadDialog();
    if (!dialog || dialog == g_lastDriven || g_driven >= g_toDrive) return;
    g_lastDriven = dialog;
    ++g_driven;
    g_drive(dialog);
}

// Shows the dialog and lets drive act on it, and on each further dialog up
// to count of them, once it is up.
int RunDialog(const std::function<int()>& show, const std::function<void(HWND)>& drive, int count = 1)
{
    g_drive = drive;
    g_toDrive = count;
    g_driven = 0;
    g_lastDriven = nullptr;
    const UINT_PTR timer = SetTimer(nullptr, 0, 20, OnTimer);
    const int result = show();
    KillTimer(nullptr, timer);
    EXPECT_EQ(g_driven, count) << "not every dialog appeared";
    return result;
}

inline void Press(HWND dialog, int id)
{
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

}  // namespace
