#include "forms/win32/TwoStateButton.h"

#include "forms/win32/TextUtil.h"

namespace forms {

TwoStateButton::TwoStateButton(Component* owner, WinControl* parent, int width, DWORD buttonStyle)
    : WinControl(owner, parent) {
    SetTabStop(true);
    StoreBounds(0, 0, width, 17);
    CreateChildWindow("BUTTON", buttonStyle, 0);
    CreateHandle();
}

void TwoStateButton::ShowCheck() {
    SendMessageA(Handle(), BM_SETCHECK, checked_ ? BST_CHECKED : BST_UNCHECKED, 0);
}

void TwoStateButton::RunOnClickOnce() {
    if (inClick_) return;
    inClick_ = true;
    struct Reset {
        bool& flag;
        ~Reset() { flag = false; }
    } reset{inClick_};
    WinControl::Click();
}

char TwoStateButton::AccelChar() const { return AccelCharOf(Caption()); }

bool TwoStateButton::Notification(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (msg == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
        Click();
        result = 0;
        return true;
    }
    return WinControl::Notification(msg, wParam, lParam, result);
}

}  // namespace forms
