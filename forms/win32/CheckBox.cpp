#include "forms/win32/CheckBox.h"

namespace forms {

CheckBox::CheckBox(Component* owner, WinControl* parent) : TwoStateButton(owner, parent, 97, BS_CHECKBOX) {}

void CheckBox::SetChecked(bool checked) {
    if (checked == checked_) return;
    checked_ = checked;
    ShowCheck();
    RunOnClickOnce();
}

void CheckBox::Click() { SetChecked(!checked_); }

}  // namespace forms
