// A check box (Win32 "BUTTON", BS_CHECKBOX). OnClick runs for every change
// of Checked: the user's click or Space, Click(), and SetChecked from code
// alike, so that code that ticks a box runs the same handler as the user
// does. A change of Checked made while OnClick runs (by the handler itself)
// does not run OnClick again.
#pragma once
#include "forms/win32/WinControl.h"

namespace forms {

class CheckBox : public WinControl {
public:
    CheckBox(Component* owner, WinControl* parent);

    bool Checked() const { return checked_; }
    void SetChecked(bool checked);

    // A user's click: flips Checked.
    void Click() override;

    char AccelChar() const override;

protected:
    bool Notification(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    bool checked_ = false;
    bool inClick_ = false;
};

}  // namespace forms
