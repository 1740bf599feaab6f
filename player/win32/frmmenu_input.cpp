// The menu window's mouse, wheel and keyboard handlers and its six timers.
#include <cstdlib>

#include "forms/win32/Application.h"
#include "player/win32/frmabout.h"
#include "player/win32/frmmenu.h"
#include "player/win32/launch.h"

int TfrmMenuCls::ObjectOf(const forms::Component& sender) const {
    const std::string& name = sender.Name();
    if (name.size() < 3) return 0;
    const int n = std::atoi(name.c_str() + name.size() - 3);
    if (n < 1 || n > Menu.BtnCount) return 0;
    // Only the current menu's controls count: a control of a replaced menu
    // that still delivers an event belongs to no object.
    const ObjControls& c = Ctl[n];
    if (&sender != c.WinBtn && &sender != c.ImgBtn && &sender != c.KeyBtn) return 0;
    return n;
}

void TfrmMenuCls::FocusObject(int n) {
    if (n < 1 || n > Menu.BtnCount) return;
    if (Ctl[n].KeyBtn->Visible()) {
        Ctl[n].KeyBtn->SetFocus();
    } else if (Ctl[n].WinBtn->Visible()) {
        Ctl[n].WinBtn->SetFocus();
    }
}

// ---- pictures ----

// Any mouse button presses and releases a picture, not only the left one.
void TfrmMenuCls::picButton_MouseDown(forms::Control& sender, forms::MouseButton, forms::ShiftState, int, int) {
    if (!Ready()) return;
    const int n = ObjectOf(sender);
    if (n == 0) return;
    const unsigned serial = MenuSerial;
    forms::Application().ProcessMessages();
    if (serial != MenuSerial) return;
    SetButtonState(n, Down, false);
}

void TfrmMenuCls::picButton_MouseMove(forms::Control& sender, forms::ShiftState, int, int) {
    if (MenuLoaded == 0 || !Ready()) return;
    const int n = ObjectOf(sender);
    if (n == 0) return;
    CurBtn = n;
    SelectButton(n);
}

void TfrmMenuCls::picButton_MouseUp(forms::Control& sender, forms::MouseButton, forms::ShiftState, int x, int y) {
    if (!Ready()) return;
    const int n = ObjectOf(sender);
    if (n == 0) return;
    try {
        SetButtonState(n, Active, false);
        // The object released over is the one launched, even when the keyboard
        // or the wheel moved CurBtn elsewhere while the button was held.
        if (x > 0 && x < sender.Width() && y > 0 && y < sender.Height()) LaunchButton(n, *this);
    } catch (...) {
    }
}

// ---- Windows buttons ----

void TfrmMenuCls::cmdButton_MouseMove(forms::Control& sender, forms::ShiftState, int, int) {
    if (!Ready()) return;
    const int n = ObjectOf(sender);
    if (n == 0) return;
    CurBtn = n;
    SelectButton(n);
}

void TfrmMenuCls::cmdButton_Click(forms::Component& sender) {
    if (!Ready()) return;
    const int n = ObjectOf(sender);
    if (n == 0) return;
    PendingLaunch = n;
    Timer5->SetInterval(10);
}

void TfrmMenuCls::cmdButton_GotFocus(forms::Component& sender) {
    if (!Ready()) return;
    const int n = ObjectOf(sender);
    if (n == 0) return;
    CurBtn = n;
    SelectButton(n);
}

void TfrmMenuCls::AltRedraw() {
    const unsigned serial = MenuSerial;
    for (int i = 0; i < 3; ++i) forms::Application().ProcessMessages();
    if (serial != MenuSerial) return;
    for (int n = 1; n <= Menu.BtnCount; ++n)
        if (Menu.Buttons[n].ObjectKind == WindowsButton) Ctl[n].WinBtn->Hide();
    forms::Application().ProcessMessages();
    if (serial != MenuSerial) return;
    for (int n = 1; n <= Menu.BtnCount; ++n)
        if (Menu.Buttons[n].ObjectKind == WindowsButton) Ctl[n].WinBtn->Show();
    if (FocusedWinBtn >= 1 && FocusedWinBtn <= Menu.BtnCount &&
        Menu.Buttons[FocusedWinBtn].ObjectKind == WindowsButton)
        Ctl[FocusedWinBtn].WinBtn->SetFocus();
}

void TfrmMenuCls::cmdButton_KeyDown(forms::Control& sender, uint16_t& key, forms::ShiftState shift) {
    if (!Ready() || AltDown == 1) return;
    if (key == VK_MENU) {
        AltDown = 1;
        FocusedWinBtn = 0;
        for (int n = 1; n <= Menu.BtnCount; ++n)
            if (Ctl[n].WinBtn->Focused()) FocusedWinBtn = n;
        AltRedraw();
    }
    btnShortcutKeyDown(sender, key, shift);
}

void TfrmMenuCls::cmdButton_KeyUp(forms::Control&, uint16_t&, forms::ShiftState) {
    if (!Ready() || AltDown != 1) return;
    AltDown = 0;
    if (FocusedWinBtn == 0) FocusedWinBtn = 1;
    AltRedraw();
}

// ---- shortcut buttons and keys ----

void TfrmMenuCls::btnShortcut_GotFocus(forms::Component& sender) {
    if (!Ready()) return;
    const int n = ObjectOf(sender);
    if (n == 0) return;
    CurBtn = n;
    SelectButton(n);
    const unsigned serial = MenuSerial;
    forms::Application().ProcessMessages();
    if (serial != MenuSerial) return;
    Ctl[n].ImgBtn->SetTag(-1);
    SetButtonState(n, Active, false);
}

void TfrmMenuCls::btnShortcut_Click(forms::Component& sender) {
    if (!Ready()) return;
    const int n = ObjectOf(sender);
    if (n == 0) return;
    const unsigned serial = MenuSerial;
    CurBtn = n;
    SelectButton(n);
    forms::Application().ProcessMessages();
    if (serial != MenuSerial) return;
    if (Menu.Buttons[n].ObjectKind != GraphicalButton) {
        LaunchButton(n, *this);
        return;
    }
    Ctl[n].ImgBtn->SetTag(-1);
    SetButtonState(n, Down, false);
    forms::Application().ProcessMessages();
    if (serial != MenuSerial) return;
    LaunchButton(n, *this);
    forms::Application().ProcessMessages();
    if (serial != MenuSerial) return;
    SetButtonState(n, Active, false);
}

void TfrmMenuCls::btnShortcutKeyDown(forms::Control&, uint16_t& key, forms::ShiftState) {
    if (!Ready() || Menu.BtnCount == 0) return;
    if (key == VK_LEFT || key == VK_UP) {
        CurBtn = CurBtn <= 1 ? Menu.BtnCount : CurBtn - 1;
    } else if (key == VK_RIGHT || key == VK_DOWN) {
        CurBtn = CurBtn >= Menu.BtnCount ? 1 : CurBtn + 1;
    } else {
        return;
    }
    key = 0;
    FocusObject(CurBtn);
}

void TfrmMenuCls::btnShortcutKeyPress(forms::Control& sender, char& key) {
    if (!Ready() || key != '\r') return;
    const int n = ObjectOf(sender);
    if (n == 0) return;
    key = 0;
    PressByEnter(n);
}

void TfrmMenuCls::PressByEnter(int n) {
    const unsigned serial = MenuSerial;
    SetButtonState(n, Down, false);
    LaunchButton(n, *this);
    forms::Application().ProcessMessages();
    if (serial != MenuSerial) return;
    SetButtonState(n, Active, false);
}

// ---- keys of the window itself ----

void TfrmMenuCls::FormKeyDown(forms::Control& sender, uint16_t& key, forms::ShiftState shift) {
    // The arrows move on from CurBtn as they do on an object's buttons.
    btnShortcutKeyDown(sender, key, shift);
}

void TfrmMenuCls::FormKeyPress(forms::Control&, char& key) {
    if (!Ready() || key != '\r' || SelectedBtn < 1 || SelectedBtn > Menu.BtnCount) return;
    key = 0;
    PressByEnter(SelectedBtn);
}

LRESULT TfrmMenuCls::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    // The window has no menu bar: Alt alone (or with a key no button claims)
    // would open the system menu at its corner, and that menu would keep
    // every key until Escape. Alt+F4 and the pop-up menu are not affected.
    if (msg == WM_SYSCOMMAND && (wParam & 0xFFF0) == SC_KEYMENU) return 0;
    return Form::WndProc(msg, wParam, lParam);
}

// ---- wheel and pop-up menu ----

void TfrmMenuCls::FormMouseWheelDown(forms::Control&, forms::ShiftState, int, int, bool& handled) {
    if (!Ready() || Menu.BtnCount == 0) return;
    CurBtn = CurBtn >= Menu.BtnCount ? 1 : CurBtn + 1;
    FocusObject(CurBtn);
    handled = true;
}

void TfrmMenuCls::FormMouseWheelUp(forms::Control&, forms::ShiftState, int, int, bool& handled) {
    if (!Ready() || Menu.BtnCount == 0) return;
    CurBtn = CurBtn <= 1 ? Menu.BtnCount : CurBtn - 1;
    FocusObject(CurBtn);
    handled = true;
}

void TfrmMenuCls::About1Click(forms::Component&) {
    TfrmAboutCls* about = forms::Application().CreateForm<TfrmAboutCls>(imgAboutIcon->GetPicture());
    about->Show();
}

// ---- timers ----

void TfrmMenuCls::Timer1_Timer(forms::Component&) { UpdateClock(); }

void TfrmMenuCls::Timer2_Timer(forms::Component&) {
    Timer2->SetInterval(0);
    forms::Application().ProcessMessages();
    forms::Application().Terminate();
}

void TfrmMenuCls::Timer3_Timer(forms::Component&) {
    if (!Ready()) return;
    try {
        AnimateButtons();
    } catch (...) {
    }
    forms::Application().ProcessMessages();
}

void TfrmMenuCls::Timer4_Timer(forms::Component&) {
    if (!Ready()) return;
    if (ScrollText.empty()) ScrollText = Menu.MenuTitle + "     ";
    const int length = static_cast<int>(ScrollText.size());
    ScrollPos = ScrollPos + 1 > length ? 1 : ScrollPos + 1;
    // Characters k..L, then 1..k: character k stands at both ends.
    const std::string shown = ScrollText.substr(ScrollPos - 1) + ScrollText.substr(0, ScrollPos);
    SetCaption(shown);
    forms::Application().SetTitle(shown);
    forms::Application().ProcessMessages();
}

void TfrmMenuCls::Timer5_Timer(forms::Component&) {
    Timer5->SetInterval(0);
    const int n = PendingLaunch;
    PendingLaunch = 0;
    if (!Ready() || n < 1 || n > Menu.BtnCount) return;
    LaunchButton(n, *this);
}

void TfrmMenuCls::tmrARstr_Timer(forms::Component&) {
    if (!WaitProcess) {
        tmrARstr->SetInterval(0);
        return;
    }
    if (WaitForSingleObject(WaitProcess, 0) == WAIT_TIMEOUT) return;
    forms::Application().Restore();
    tmrARstr->SetInterval(0);
    CloseHandle(WaitProcess);
    WaitProcess = nullptr;
    BringToFront();
}
