#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "editor/win32/common/sndkey32.h"

namespace {

// A visible top-level window of this process with one text box child that
// has the keyboard focus.
class FocusedTextBox {
public:
    explicit FocusedTextBox(const char* className) {
        WNDCLASSA wc{};
        wc.lpfnWndProc = DefWindowProcA;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "SendKeysTestHost";
        RegisterClassA(&wc);
        host_ = CreateWindowExA(0, wc.lpszClassName, "SendKeys test", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                10, 10, 300, 120, nullptr, nullptr, wc.hInstance, nullptr);
        box_ = CreateWindowExA(0, className, "", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, 5, 5, 250,
                               30, host_, nullptr, wc.hInstance, nullptr);
        SetForegroundWindow(host_);
        SetFocus(box_);
        // The display's focus notice arrives a little later and resets the
        // modifier keys' state: let it land before keys are sent.
        const DWORD until = GetTickCount() + 200;
        while (GetTickCount() < until) {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
            Pump();
        }
    }
    ~FocusedTextBox() { DestroyWindow(host_); }

    bool Ready() const { return host_ && box_ && GetFocus() == box_; }
    void SetText(const char* text) {
        SetWindowTextA(box_, text);
        SendMessageA(box_, EM_SETSEL, 0, 0);
    }
    std::string Text() const {
        char buffer[256] = {};
        GetWindowTextA(box_, buffer, sizeof buffer);
        return buffer;
    }
    static void Pump() {
        for (MSG msg; PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE);) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }

private:
    HWND host_ = nullptr;
    HWND box_ = nullptr;
};

bool ShiftIsUp() { return (GetAsyncKeyState(VK_SHIFT) & 0x8000) == 0; }

}  // namespace

TEST(SendKeys, DeleteReachesTheFocusedEditAndRichEditBeforeReturning) {
    ASSERT_NE(LoadLibraryA("riched20.dll"), nullptr);
    for (const char* className : {"EDIT", "RichEdit20A"}) {
        FocusedTextBox box(className);
        ASSERT_TRUE(box.Ready()) << className;
        box.SetText("abc");
        EXPECT_TRUE(SendKeys("{DEL}", true));
        EXPECT_EQ(box.Text(), "bc") << className;
        EXPECT_TRUE(SendKeys("{DEL 2}", true));
        EXPECT_EQ(box.Text(), "") << className;
    }
}

TEST(SendKeys, ShiftedWordsArriveAndShiftIsReleased) {
    FocusedTextBox box("EDIT");
    ASSERT_TRUE(box.Ready());
    box.SetText("");
    EXPECT_TRUE(SendKeys("+hello +(wor)ld{{}~", true));
    EXPECT_EQ(box.Text(), "Hello WORld{");
    EXPECT_TRUE(ShiftIsUp());

    // Without wait the keys arrive once the queue is pumped; empty texts
    // send nothing.
    box.SetText("");
    EXPECT_TRUE(SendKeys("ok", false));
    EXPECT_FALSE(SendKeys("", true));
    EXPECT_FALSE(SendKeys(nullptr, true));
    FocusedTextBox::Pump();
    EXPECT_EQ(box.Text(), "ok");
}
