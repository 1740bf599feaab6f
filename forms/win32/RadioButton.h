// A radio button (Win32 "BUTTON", BS_RADIOBUTTON). The radio buttons with the
// same parent form one group: checking one unchecks the others. OnClick runs
// when the button becomes checked — by the user's click, Click(), or
// SetChecked(true) from code alike — and not when it is unchecked; a change
// made while its OnClick runs does not run OnClick again. A double click
// runs OnDblClick (Control). Once a button of the group is checked, Tab stops
// at that one only (arrow keys move within the group, Form).
#pragma once
#include "forms/win32/TwoStateButton.h"

namespace forms {

class RadioButton : public TwoStateButton {
public:
    RadioButton(Component* owner, WinControl* parent);

    void SetChecked(bool checked);

    // A user's click: checks the button.
    void Click() override;
};

}  // namespace forms
