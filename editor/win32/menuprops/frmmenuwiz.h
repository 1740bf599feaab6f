// The Menu Creation Wizard: the last step of making a new menu through the
// wizards. The user adds buttons one after the other (each through the main
// window's Insert Button) and then completes the wizard; Complete and Cancel
// both end wizard mode (WizardMode := 0). The buttons already added stay.
//
// Made for one showing and run modally by the main window after a valid OK
// in Menu Properties.
#pragma once
#include "forms/win32/Form.h"

namespace forms {
class Button;
class RadioButton;
}  // namespace forms

class MenuPropsHost;

class TfrmMenuWizCls : public forms::Form {
public:
    explicit TfrmMenuWizCls(MenuPropsHost& main);

    // OK ("Command1000") and Cancel ("Command1001").
    void Command1_Click(forms::Component& sender);

    forms::RadioButton* Option1000 = nullptr;  // add a button
    forms::RadioButton* Option1001 = nullptr;  // complete the wizard
    forms::Button* Command1000 = nullptr;
    forms::Button* Command1001 = nullptr;

private:
    MenuPropsHost& main_;
};
