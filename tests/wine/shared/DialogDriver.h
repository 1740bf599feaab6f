// Drives a modal dialog of the test's own thread: a thread timer, which the
// dialog's message loop dispatches, finds the dialog once it is up and hands
// it to a function that inspects it and presses a button or key.
#pragma once
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

std::function<void(HWND)> g_drive;
bool g_driven = false;

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

void CALLBACK OnTimer(HWND, UINT, UINT_PTR id, DWORD)
{
    HWND dialog = FindThreadDialog();
    if (!dialog || g_driven) return;
    KillTimer(nullptr, id);
    g_driven = true;
    g_drive(dialog);
}

// Shows the dialog and lets drive act on it once it is up.
int RunDialog(const std::function<int()>& show, const std::function<void(HWND)>& drive)
{
    g_drive = drive;
    g_driven = false;
    const UINT_PTR timer = SetTimer(nullptr, 0, 20, OnTimer);
    const int result = show();
    KillTimer(nullptr, timer);
    EXPECT_TRUE(g_driven) << "the dialog never appeared";
    return result;
}

}  // namespace
