// Windowless controls under the mouse (hollow frames and blank labels let
// it through, unhandled clicks and double clicks reach the parent) and the
// owner of windows opened while a modal form is up. Input is posted and goes
// through the message loop, as a user's does.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TestSupport.h"
#include "forms/win32/Forms.h"

using namespace forms;

namespace {

void PostClick(HWND hwnd, int x, int y, bool twice = false) {
    const LPARAM at = MAKELPARAM(x, y);
    PostMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageA(hwnd, WM_LBUTTONUP, 0, at);
    if (twice) {
        PostMessageA(hwnd, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
        PostMessageA(hwnd, WM_LBUTTONUP, 0, at);
    }
    formstest::PumpFor(50);
}

TEST(HitTestTest, HollowFramesAndBlankLabelsLetTheMouseThroughAndUnhandledClicksReachTheParent) {
    Form form;
    form.SetBorderStyle(BorderStyle::None);
    form.SetBounds(0, 0, 200, 100);
    auto* panel = new Panel(&form, &form);
    panel->SetBounds(0, 0, 200, 100);
    std::vector<std::string> log;
    panel->OnClick = [&log](Component&) { log.push_back("panel click"); };
    panel->OnDblClick = [&log](Component&) { log.push_back("panel dblclick"); };
    auto* swatch = new Image(&form, panel);
    swatch->SetBounds(10, 10, 20, 20);
    swatch->OnMouseDown = [&log](Control&, MouseButton, ShiftState, int x, int y) {
        log.push_back("swatch down " + std::to_string(x) + "," + std::to_string(y));
    };
    // A dotted frame with no fill, around the swatch and above it.
    auto* frame = new Shape(&form, panel);
    frame->SetBrushStyle(BrushStyle::Clear);
    frame->SetPenStyle(PenStyle::Dot);
    frame->SetBounds(8, 8, 24, 24);
    frame->OnMouseDown = [&log](Control&, MouseButton, ShiftState, int, int) { log.push_back("frame down"); };
    // An empty label over everything, and a text that handles only presses.
    auto* blank = new Label(&form, panel);
    blank->SetAutoSize(false);
    blank->SetBounds(0, 0, 200, 100);
    auto* text = new Label(&form, panel);
    text->SetCaption("(Right-click to set)");
    text->SetBounds(100, 40, text->Width(), text->Height());
    text->OnMouseDown = [&log](Control&, MouseButton, ShiftState, int, int) { log.push_back("text down"); };
    auto* plain = new Label(&form, panel);
    plain->SetCaption("Plain");
    plain->SetBounds(100, 70, plain->Width(), plain->Height());
    form.Show();
    HWND hwnd = panel->Handle();

    PostClick(hwnd, 20, 20);  // inside the frame: the swatch below
    PostClick(hwnd, 8, 20);   // on the frame's outline
    EXPECT_EQ(log, (std::vector<std::string>{"swatch down 10,10", "frame down"}));
    log.clear();
    PostClick(hwnd, 105, 45, true);  // the double click goes on; the presses stay
    EXPECT_EQ(log, (std::vector<std::string>{"text down", "panel dblclick", "text down"}));
    log.clear();
    PostClick(hwnd, 102, 72);  // a label that handles nothing: the panel's click
    PostClick(hwnd, 180, 10);  // the blank label takes nothing
    EXPECT_EQ(log, (std::vector<std::string>{"panel click", "panel click"}));
}

TEST(OwnerTest, WindowsOpenedFromAModalFormBelongToItAndItStaysInFront) {
    Form main;
    main.SetBounds(0, 0, 300, 200);
    main.Show();
    Form dialog(&main), inner(&main);
    HWND innerOwner = nullptr, aboveDialog = nullptr;
    dialog.SetBounds(50, 50, 200, 120);
    Form popup(&dialog, BorderStyle::None, 0);
    popup.SetBounds(60, 60, 50, 50);
    auto* menu = new PopupMenu(&dialog);
    menu->AddItem("Item1", "Item", nullptr);
    HWND popupOwner = nullptr, foregroundInMenu = nullptr;
    auto* step = new Timer(&dialog);
    step->OnTimer = [&](Component&) {
        step->SetInterval(0);
        // The menu runs its own loop: a timer there looks and closes it.
        auto* look = new Timer(&dialog);
        look->OnTimer = [&, look](Component&) {
            look->SetInterval(0);
            foregroundInMenu = GetForegroundWindow();
            PostMessageA(GetFocus() ? GetFocus() : GetActiveWindow(), WM_KEYDOWN, VK_ESCAPE, 0);
        };
        look->SetInterval(30);
        menu->Popup(70, 70);
        popup.Show();
        popupOwner = GetWindow(popup.Handle(), GW_OWNER);
        popup.Hide();
        // A modal dialog opened from this one: above it, whatever raises it.
        look->OnTimer = [&, look](Component&) {
            look->SetInterval(0);
            innerOwner = GetWindow(inner.Handle(), GW_OWNER);
            dialog.SetVisible(true);  // raises it
            aboveDialog = GetWindow(dialog.Handle(), GW_HWNDPREV);
            inner.SetModalResult(mrOk);
        };
        look->SetInterval(30);
        inner.ShowModal();
        dialog.SetModalResult(mrOk);
    };
    step->SetInterval(10);
    EXPECT_EQ(dialog.ShowModal(), mrOk);
    EXPECT_EQ(popupOwner, dialog.Handle());
    EXPECT_EQ(foregroundInMenu, dialog.Handle());
    EXPECT_EQ(innerOwner, dialog.Handle());
    EXPECT_EQ(aboveDialog, inner.Handle());
}

}  // namespace
