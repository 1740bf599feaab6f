// The editor's small windows: the splash and About box, the tips, the start
// dialog and the two pop-ups, driven through their controls as a user would.
#include <gtest/gtest.h>

#include <windows.h>

#include <regex>
#include <string>

#include "../forms/TestSupport.h"
#include "editor/win32/frmsplash.h"
#include "forms/win32/Application.h"

using formstest::PumpUntil;

namespace {

// The main form that the pop-ups belong to, made once for the whole suite.
forms::Form& MainForm() {
    static forms::Form* main = [] {
        auto* form = forms::Application().CreateForm<forms::Form>();
        form->SetBounds(100, 100, 600, 400);
        form->Show();
        return form;
    }();
    return *main;
}

TEST(SplashTest, ShapedTopMostVersionedAndFreedByItsTimer) {
    MainForm();
    SplashDone = 7;
    auto* splash = forms::Application().CreateForm<TfrmSplashCls>();
    bool destroyed = false;
    splash->OnDestroy = [&](forms::Component&) { destroyed = true; };
    EXPECT_EQ(SplashDone, 0);
    splash->Show();
    HWND hwnd = splash->Handle();
    RECT r;
    GetWindowRect(hwnd, &r);
    EXPECT_EQ(r.right - r.left, 392);
    EXPECT_EQ(r.bottom - r.top, 212);
    EXPECT_EQ(r.left, (GetSystemMetrics(SM_CXSCREEN) - 392) / 2);
    const LONG_PTR ex = GetWindowLongPtrA(hwnd, GWL_EXSTYLE);
    EXPECT_TRUE(ex & WS_EX_TOPMOST);
    EXPECT_TRUE(ex & WS_EX_LAYERED);
    COLORREF key = 0;
    DWORD flags = 0;
    ASSERT_TRUE(GetLayeredWindowAttributes(hwnd, &key, nullptr, &flags));
    EXPECT_EQ(key, RGB(0, 255, 0));
    EXPECT_TRUE(flags & LWA_COLORKEY);
    EXPECT_FALSE(GetWindowLongPtrA(hwnd, GWL_STYLE) & WS_CAPTION);

    EXPECT_TRUE(std::regex_match(splash->Label3000->Caption(), std::regex(R"(VERSION: \d+\.\d+\.\d+\.\d+)")))
        << splash->Label3000->Caption();
    EXPECT_TRUE(splash->lblShortNotice->Visible());
    EXPECT_FALSE(splash->lblShortNotice->Caption().empty());
    EXPECT_FALSE(splash->lblLongNotice->Visible());
    EXPECT_FALSE(splash->Command1->Visible());

    splash->Timer1->SetInterval(30);
    EXPECT_TRUE(PumpUntil([&] { return destroyed; }));
    EXPECT_EQ(SplashDone, 1);
}

TEST(SplashTest, AboutBoxShowsTheLongNoticeAndCloseAndLeavesSplashDoneAlone) {
    MainForm();
    SplashDone = 1;
    auto* about = forms::Application().CreateForm<TfrmSplashCls>(TfrmSplashCls::Use::About);
    EXPECT_FALSE(about->lblShortNotice->Visible());
    EXPECT_TRUE(about->lblLongNotice->Visible());
    EXPECT_TRUE(about->Command1->Visible());
    EXPECT_EQ(about->Timer1->Interval(), 0);
    // Its Close button ends the modal run with OK.
    bool clicked = false;
    auto* timer = new forms::Timer(about);
    timer->OnTimer = [&](forms::Component&) {
        timer->SetInterval(0);
        clicked = true;
        about->Command1->Click();
    };
    timer->SetInterval(50);
    const int result = about->ShowModal();
    EXPECT_TRUE(clicked);
    EXPECT_EQ(result, forms::mrOk);
    EXPECT_EQ(SplashDone, 1);
    about->Release();
}

}  // namespace
