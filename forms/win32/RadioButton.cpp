#include "forms/win32/RadioButton.h"

namespace forms {

RadioButton::RadioButton(Component* owner, WinControl* parent)
    : TwoStateButton(owner, parent, 113, BS_RADIOBUTTON) {}

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
    RunOnClickOnce();
}

void RadioButton::Click() { SetChecked(true); }

}  // namespace forms
