#include "forms/win32/RadioButton.h"

#include "forms/win32/TextUtil.h"

namespace forms {

RadioButton::RadioButton(Component* owner, WinControl* parent) : WinControl(owner, parent) {
    SetTabStop(true);
    StoreBounds(0, 0, 113, 17);
    CreateChildWindow("BUTTON", BS_RADIOBUTTON, 0);
    // Created at once so that the window always shows Checked.
    CreateHandle();
}

void RadioButton::ShowCheck() {
    SendMessageA(Handle(), BM_SETCHECK, checked_ ? BST_CHECKED : BST_UNCHECKED, 0);
}

void RadioButton::SetChecked(bool checked) {
    if (checked == checked_) return;
    checked_ = checked;
    ShowCheck();
    if (!checked) return;
    SetTabStop(true);
    if (WinControl* parent = Parent()) {
        for (int i = 0; i < parent->ControlCount(); ++i) {
            auto* other = dynamic_cast<RadioButton*>(parent->Controls(i));
            if (!other || other == this) continue;
            other->SetTabStop(false);
            if (other->checked_) {
                other->checked_ = false;
                other->ShowCheck();
            }
        }
    }
    if (inClick_) return;
    inClick_ = true;
    struct Reset {
        bool& flag;
        ~Reset() { flag = false; }
    } reset{inClick_};
    WinControl::Click();
}

void RadioButton::Click() { SetChecked(true); }

char RadioButton::AccelChar() const { return AccelCharOf(Caption()); }

bool RadioButton::Notification(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (msg == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
        Click();
        result = 0;
        return true;
    }
    return WinControl::Notification(msg, wParam, lParam, result);
}

}  // namespace forms
