#include "forms/win32/Edit.h"

namespace forms {

Edit::Edit(Component* owner, WinControl* parent) : Edit(owner, parent, ES_AUTOHSCROLL) {}

Edit::Edit(Component* owner, WinControl* parent, DWORD style) : WinControl(owner, parent) {
    SetTabStop(true);
    StoreBounds(0, 0, 121, 21);
    SetColor(clWindow);
    CreateChildWindow("EDIT", style, WS_EX_CLIENTEDGE);
    // Created at once: every change of the text, set by the program too,
    // reaches OnChange through the window's own change notification.
    CreateHandle();
}

void Edit::SelectAll() { SendMessageA(Handle(), EM_SETSEL, 0, -1); }

void Edit::SetReadOnly(bool on) { SendMessageA(Handle(), EM_SETREADONLY, on ? TRUE : FALSE, 0); }

bool Edit::KeyAction(const MSG& msg) {
    if (!IsSelectAllKey(msg)) return false;
    SelectAll();
    return true;
}

bool Edit::Notification(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (msg != WM_COMMAND || HIWORD(wParam) != EN_CHANGE) return WinControl::Notification(msg, wParam, lParam, result);
    result = 0;
    auto handler = OnChange;
    if (!handler || inChange_) return true;
    inChange_ = true;
    struct Reset {
        bool& flag;
        ~Reset() { flag = false; }
    } reset{inChange_};
    handler(*this);
    return true;
}

}  // namespace forms
