#include "editor/win32/menuprops/frmmenuwiz.h"

#include "editor/win32/common/ControlNames.h"
#include "editor/win32/common/EditorGlobals.h"
#include "editor/win32/menuprops/MenuPropsHost.h"
#include "forms/win32/Application.h"
#include "forms/win32/Button.h"
#include "forms/win32/Label.h"
#include "forms/win32/RadioButton.h"

namespace {

forms::RadioButton* NewOption(forms::Form* form, const char* name, const char* caption, int top) {
    auto* option = new forms::RadioButton(form, form);
    option->SetName(name);
    option->SetCaption(caption);
    option->SetBounds(24, top, 300, 20);
    option->SetTabStop(true);
    return option;
}

forms::Button* NewButton(forms::Form* form, const char* name, const char* caption, int left) {
    auto* button = new forms::Button(form, form);
    button->SetName(name);
    button->SetCaption(caption);
    button->SetBounds(left, 100, 75, 25);
    button->SetTabStop(true);
    return button;
}

}  // namespace

TfrmMenuWizCls::TfrmMenuWizCls(MenuPropsHost& main) : main_(main) {
    SetName("frmMenuWiz");
    SetCaption(" Menu Creation Wizard");
    SetBorderStyle(forms::BorderStyle::Dialog);
    SetBorderIcons(forms::biSystemMenu);
    SetClientSize(340, 136);
    auto* label = new forms::Label(this, this);
    label->SetAutoSize(false);
    label->SetBounds(12, 12, 316, 16);
    label->SetCaption("What would you like to do next?");
    Option1000 = NewOption(this, "Option1000", "I would like to add a button to my menu.", 38);
    Option1001 = NewOption(this, "Option1001", "Complete menu creation wizard now.", 62);
    Option1000->SetChecked(true);
    Command1000 = NewButton(this, "Command1000", "OK", 172);
    Command1000->SetDefault(true);
    Command1000->OnClick = [this](forms::Component& s) { Command1_Click(s); };
    Command1001 = NewButton(this, "Command1001", "Cancel", 254);
    Command1001->SetCancel(true);
    Command1001->OnClick = [this](forms::Component& s) { Command1_Click(s); };
    CenterOnOwner();
}

void TfrmMenuWizCls::Command1_Click(forms::Component& sender) {
    if (NameNumber(sender.Name()) != 0) {
        WizardMode = 0;
        SetModalResult(forms::mrCancel);
        return;
    }
    if (Option1001->Checked()) {
        WizardMode = 0;
        SetModalResult(forms::mrOk);
        return;
    }
    TMenuDocument* doc = main_.CurrentDoc();
    const int before = doc ? doc->Menu.BtnCount : 0;
    main_.AddButton();
    forms::Application().ProcessMessages();
    // The document may have gone while messages ran.
    doc = main_.CurrentDoc();
    if (!doc || doc->Menu.BtnCount == before) {
        Option1001->SetChecked(true);
    } else {
        Option1000->SetCaption("I would like to add another button to my menu.");
    }
}
