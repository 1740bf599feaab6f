#include "forms/win32/CheckBox.h"

#include "forms/win32/TextUtil.h"

namespace forms {

CheckBox::CheckBox(Component* owner, WinControl* parent) : WinControl(owner, parent) {
    SetTabStop(true);
    StoreBounds(0, 0, 97, 17);
    CreateChildWindow("BUTTON", BS_CHECKBOX, 0);
    // Created at once so that the window always shows Checked.
    CreateHandle();
}

void CheckBox::SetChecked(bool checked) {
    if (checked == checked_) return;
    checked_ = checked;
    SendMessageA(Handle(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
    if (inClick_) return;
    inClick_ = true;
    struct Reset {
        bool& flag;
        ~Reset() { flag = false; }
    } reset{inClick_};
    WinControl::Click();
}

void CheckBox::Click() { SetChecked(!checked_); }

char CheckBox::AccelChar() const { return AccelCharOf(Caption()); }

bool CheckBox::Notification(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (msg == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
        Click();
        result = 0;
        return true;
    }
    return WinControl::Notification(msg, wParam, lParam, result);
}

}  // namespace forms
