// What check boxes and radio buttons have in common: a Win32 "BUTTON" of a
// given style created at once (so that the window always shows Checked), a
// Checked state mirrored into the window, a BN_CLICKED notification that
// runs Click(), and OnClick run once per change even when its handler changes
// Checked again. Each kind says in SetChecked and Click what a change means.
#pragma once
#include "forms/win32/WinControl.h"

namespace forms {

class TwoStateButton : public WinControl {
public:
    bool Checked() const { return checked_; }

    char AccelChar() const override;

protected:
    TwoStateButton(Component* owner, WinControl* parent, int width, DWORD buttonStyle);

    // Shows checked_ in the window.
    void ShowCheck();
    // Runs OnClick unless it is already running for this button.
    void RunOnClickOnce();

    bool Notification(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

    bool checked_ = false;

private:
    bool inClick_ = false;
};

}  // namespace forms
