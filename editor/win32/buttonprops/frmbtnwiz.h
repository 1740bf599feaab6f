// The Button Command Wizard: composes a button's command in up to three
// steps (the action, the menu action, the action's target) and writes it
// straight into the Button Properties sheet that started it: the command
// edit, and the minimise, exit, restore and maximise ticks. The exit action
// also empties the arguments edit. Nothing else is written, and Cancel
// writes nothing. Each page takes the keyboard when it shows: a target page
// in its first box, with the text selected; the others on the chosen option.
//
// Made for one run and shown modally; finishing ends it with mrOk, the exit
// action with mrCancel. Each tick is written through the check box, so the
// sheet's own tick rules run as for a user's click; the exit tick is written
// first, so the menu action chosen here is what the ticks end as. The open
// dialogs and the folder browser go through the replaceable calls below, so
// tests can answer them.
#pragma once
#include <functional>
#include <string>

#include "forms/win32/Form.h"

namespace forms {
class Button;
class CheckBox;
class Edit;
class GroupBox;
class Label;
class Memo;
class OpenDialog;
class RadioButton;
}  // namespace forms

// Shows one of the wizard's open dialogs; true when a file was chosen (then
// in the dialog's FileName). The editor runs the system dialog.
extern std::function<bool(forms::OpenDialog& dialog)> RunBtnWizOpenDialog;
// Asks for a target folder; true and the folder on success. The editor runs
// the folder browser.
extern std::function<bool(const std::string& title, std::string& folder)> AskBtnWizFolder;

class TfrmBtnWizCls : public forms::Form {
public:
    TfrmBtnWizCls(forms::Edit& command, forms::Edit& arguments, forms::CheckBox& minimise, forms::CheckBox& exit,
                  forms::CheckBox& restore, forms::CheckBox& maximise);

    // 0 action page, 1 menu-action page, 2 target page, 3 finished.
    int Step() const { return Step_; }
    // The chosen action, 0..9.
    int Action() const { return Action_; }

    void Form_Load(forms::Component& sender);
    // The ten action options ("Option1000".."Option1009").
    void Option1_Click(forms::Component& sender);
    // Back ("Command2000") and Next ("Command2001").
    void Command2_Click(forms::Component& sender);
    // Browse for the target.
    void Button1Click(forms::Component& sender);
    // Cancel.
    void Command1_Click(forms::Component& sender);

    // The action page and its options.
    forms::GroupBox* Frame1;
    forms::RadioButton* Option1000[10];
    // The menu-action page.
    forms::GroupBox* Frame3;
    forms::RadioButton* Option2000;  // "Remain on screen."
    forms::RadioButton* Option2001;  // "Minimize into the TaskBar"
    forms::RadioButton* Option2002;  // "Close (exit)."
    forms::CheckBox* Check1;         // "Maximize target."
    // The file, program, folder or menu target page.
    forms::GroupBox* Frame2;
    forms::Label* Label3;
    forms::Edit* Text1;
    forms::Button* Button1;
    // The Internet address or email page.
    forms::GroupBox* Frame4;
    forms::Label* Label4000;
    forms::Label* Label4001;
    forms::Label* Label4003;
    forms::Label* Label4004;
    forms::Edit* Text2;
    forms::Edit* Text4;
    // The message page.
    forms::GroupBox* Frame5;
    forms::Label* Label5;
    forms::Memo* Text3;

    forms::Button* Command2000;  // Back
    forms::Button* Command2001;  // Next / Finish
    forms::Button* Command1;     // Cancel
    forms::OpenDialog* OpenDialog1;

private:
    forms::GroupBox* NewPage(const char* name, const char* caption);
    // The pages and buttons follow Step_.
    void ShowStep();
    // Writes the composed command and the ticks into the sheet and ends.
    void Finish();
    // The exit action: empties the sheet's command and arguments, ticks exit.
    void FinishExitButton();

    forms::Edit& SheetCommand_;
    forms::Edit& SheetArguments_;
    forms::CheckBox& SheetMinimise_;
    forms::CheckBox& SheetExit_;
    forms::CheckBox& SheetRestore_;
    forms::CheckBox& SheetMaximise_;
    int Action_ = 0;
    int Step_ = 0;
};
