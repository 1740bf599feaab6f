// Timers, finding controls by name, freeing from inside handlers, form
// creation and release, and the application's exception handler.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <stdexcept>
#include <string>

#include "TestSupport.h"
#include "forms/win32/Forms.h"

using namespace forms;
using formstest::PumpFor;
using formstest::PumpUntil;

namespace {

TEST(TimerTest, FiresAndIntervalZeroStopsIt) {
    Form form;
    auto* timer = new Timer(&form);
    int ticks = 0;
    Component* sender = nullptr;
    timer->OnTimer = [&](Component& s) {
        ++ticks;
        sender = &s;
    };
    PumpFor(60);
    EXPECT_EQ(ticks, 0);  // a new timer waits for an interval
    timer->SetInterval(15);
    EXPECT_TRUE(PumpUntil([&] { return ticks >= 3; }));
    EXPECT_EQ(sender, timer);
    timer->SetInterval(0);
    const int stopped = ticks;
    PumpFor(80);
    EXPECT_EQ(ticks, stopped);
    timer->SetInterval(15);
    timer->SetEnabled(false);
    PumpFor(80);
    EXPECT_EQ(ticks, stopped);
}

TEST(TimerTest, NestedTickOfTheSameTimerIsDropped) {
    Form form;
    auto* timer = new Timer(&form);
    int depth = 0, maxDepth = 0, ticks = 0;
    timer->OnTimer = [&](Component&) {
        ++ticks;
        maxDepth = std::max(maxDepth, ++depth);
        PumpFor(40);  // a handler that keeps processing messages
        --depth;
    };
    timer->SetInterval(5);
    EXPECT_TRUE(PumpUntil([&] { return ticks >= 2; }));
    timer->SetInterval(0);
    EXPECT_EQ(maxDepth, 1);
}

TEST(FindControlTest, ByNameIgnoringCaseAndAfterFree) {
    Form form;
    auto* img = new Image(&form, &form);
    img->SetName("ImgBtn007");
    auto* button = new Button(&form, &form);
    button->SetName("WinBtn007");
    auto* timer = new Timer(&form);
    timer->SetName("Timer1");
    EXPECT_EQ(form.FindControl("imgbtn007"), img);
    EXPECT_EQ(form.FindControl("WinBtn007"), button);
    EXPECT_EQ(form.FindControl("Timer1"), nullptr);  // not a control
    EXPECT_EQ(form.FindComponent("timer1"), timer);
    EXPECT_EQ(form.FindControl("Nothing"), nullptr);
    button->Free();
    EXPECT_EQ(form.FindControl("WinBtn007"), nullptr);
    EXPECT_EQ(form.ControlCount(), 1);
}

TEST(FreeTest, ControlsFreedInsideTheirOwnHandlers) {
    Form form;
    form.Show();
    auto* key = new Button(&form, &form);
    key->SetName("KeyBtn001");
    key->SetCaption("&K");
    auto* img = new Image(&form, &form);
    img->SetBounds(0, 0, 50, 50);
    // As a menu reload does: the handler frees the very control it runs for.
    key->OnClick = [](Component& s) { s.Free(); };
    img->OnMouseDown = [](Control& s, MouseButton, ShiftState, int, int) { s.Free(); };
    HWND keyWindow = key->Handle();
    SendMessageA(keyWindow, BM_CLICK, 0, 0);
    EXPECT_FALSE(IsWindow(keyWindow));
    SendMessageA(form.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageA(form.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(form.ControlCount(), 0);
    EXPECT_EQ(form.ComponentCount(), 0);
}

TEST(FormGeometryTest, ClientSizeFollowsTheBorderStyle) {
    Form form;
    form.SetBorderStyle(BorderStyle::Dialog);
    form.SetClientSize(200, 100);
    EXPECT_EQ(form.ClientWidth(), 200);
    EXPECT_EQ(form.ClientHeight(), 100);
    EXPECT_GT(form.Height(), 100);  // caption and frame outside
    const int outerWidth = form.Width();
    form.SetBorderStyle(BorderStyle::None);  // the outer size stays
    EXPECT_EQ(form.Width(), outerWidth);
    EXPECT_EQ(form.ClientWidth(), outerWidth);
    form.SetBounds(10, 20, 0, 0);  // a window parked out of sight
    EXPECT_EQ(form.ClientWidth(), 0);
    EXPECT_EQ(form.Left(), 10);
}

class LoadedForm : public Form {
public:
    explicit LoadedForm(std::string* log) : log_(log) {
        OnCreate = [this](Component&) { *log_ += "create;"; };
        OnDestroy = [this](Component&) { *log_ += "destroy;"; };
    }
    ~LoadedForm() override { *log_ += "deleted;"; }

private:
    std::string* log_;
};

TEST(FormLifetimeTest, CreateFormRunsOnCreateAndReleaseDestroysLater) {
    std::unique_ptr<Form> main(Application().CreateForm<Form>());
    ASSERT_EQ(Application().MainForm(), main.get());
    std::string log;
    LoadedForm* form = Application().CreateForm<LoadedForm>(&log);
    EXPECT_EQ(log, "create;");
    EXPECT_EQ(Application().MainForm(), main.get());  // the first form stays the main one
    form->Show();
    HWND hwnd = form->Handle();
    SendMessageA(hwnd, WM_CLOSE, 0, 0);  // a secondary form hides by default
    EXPECT_FALSE(form->Visible());
    form->OnClose = [](Component&, CloseAction& action) { action = CloseAction::Free; };
    form->Close();
    EXPECT_EQ(log, "create;");  // not while the caller may still use it
    EXPECT_TRUE(PumpUntil([&] { return !IsWindow(hwnd); }));
    EXPECT_EQ(log, "create;destroy;deleted;");
    EXPECT_FALSE(Application().Terminated());
    main.reset();
    EXPECT_EQ(Application().MainForm(), nullptr);
}

TEST(ExceptionTest, HandlerExceptionsAreReportedNotFatal) {
    std::string reported;
    Application().OnException = [&reported](const std::string& message) { reported = message; };
    Form form;
    auto* button = new Button(&form, &form);
    button->OnClick = [](Component&) { throw std::runtime_error("Invalid number"); };
    SendMessageA(button->Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(reported, "Invalid number");
    reported.clear();
    auto* timer = new Timer(&form);
    timer->OnTimer = [](Component&) { throw std::runtime_error("in timer"); };
    timer->SetInterval(5);
    EXPECT_TRUE(PumpUntil([&] { return !reported.empty(); }));
    EXPECT_EQ(reported, "in timer");
    Application().OnException = nullptr;
}

}  // namespace
