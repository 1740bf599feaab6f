// A check box (Win32 "BUTTON", BS_CHECKBOX). OnClick runs for every change
// of Checked: the user's click or Space, Click(), and SetChecked from code
// alike, so that code that ticks a box runs the same handler as the user
// does. A change of Checked made while OnClick runs (by the handler itself)
// does not run OnClick again.
#pragma once
#include "forms/win32/TwoStateButton.h"

namespace forms {

class CheckBox : public TwoStateButton {
public:
    CheckBox(Component* owner, WinControl* parent);

    void SetChecked(bool checked);

    // A user's click: flips Checked.
    void Click() override;
};

}  // namespace forms
