// The Create Autorun Application wizard: turns the saved menu files of the
// current menu's folder into an autorun executable and writes Autorun.inf
// beside it. Four pages, shown one at a time: 1 the executable's path,
// 2 the menus to include (check boxes, "Add All"), 3 the default menu
// (radio buttons), 4 the files created. Next on page 3 builds; a failed
// build stays on page 3 so the user can try again. Before building, the
// wizard names the menus that buttons of the checked menus open but that are
// not checked (or exist nowhere) and asks whether to build anyway; No
// returns to the list of page 2. Page 1 takes the keyboard in its path box,
// the path selected.
//
// The window is made for one run and shown modally by the main window's
// Create Autorun EXE command. It reads the current menu's folder and file
// name when made, asks through EditorMsg, and reaches the save dialog and the
// folder browser through the replaceable calls below, so tests can answer
// them. An existing executable is kept until the new one is complete.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "forms/win32/Form.h"

namespace forms {
class Button;
class CheckBox;
class Edit;
class FileListBox;
class Label;
class Panel;
class RadioButton;
class SaveDialog;
class ScrollBox;
}  // namespace forms

// Folder of the last path chosen with the wizard's Browse button (empty
// until then); the next Browse starts there.
extern std::string LastExeFolder;
// Shows the wizard's save dialog; true when a file was chosen (then in the
// dialog's FileName). The editor runs the system dialog.
extern std::function<bool(forms::SaveDialog& dialog)> RunExeSaveDialog;
// Asks for the executable's folder when the path typed has none; true and
// the folder on success. The editor runs the folder browser.
extern std::function<bool(const std::string& title, std::string& folder)> AskExeFolder;

class TfrmEXEWizCls : public forms::Form {
public:
    // menuFolder (with its trailing "\", or empty) and menuFileName: the
    // current menu's Folder and FileName.
    TfrmEXEWizCls(const std::string& menuFolder, const std::string& menuFileName);

    // The page shown: 1..4.
    int WizStep() const { return WizStep_; }

    void Form_Load(forms::Component& sender);
    // Back ("Command3000") and Next ("Command3001").
    void Command3_Click(forms::Component& sender);
    void Command1_Click(forms::Component& sender);
    // Add All: checks every menu.
    void Button1Click(forms::Component& sender);
    // Browse for the executable's path.
    void Command11_Click(forms::Component& sender);

    forms::Panel* pnlEXE01;
    forms::Panel* pnlEXE02;
    forms::Panel* pnlEXE03;
    forms::Panel* pnlEXE04;
    forms::Button* Command3000;
    forms::Button* Command3001;
    forms::Button* Command1;
    forms::FileListBox* File3;
    forms::Edit* Text11;
    forms::Button* Button3;
    forms::SaveDialog* SaveDialog1;
    forms::ScrollBox* ScrollBox2;
    forms::Panel* pnlChkCon;
    forms::Button* Button1;
    forms::ScrollBox* ScrollBox1;
    forms::Panel* pnlOptnCon;
    forms::Label* Label4;
    forms::Label* Label5;

private:
    forms::Panel* NewPage(const char* name, const char* heading, const char* text);
    // Checks the executable's path; true when the wizard may go on.
    bool LeavePathPage();
    bool LeaveMenusPage();
    // Lists the current menu's folder again; nothing when the menu has no
    // folder or its folder cannot be listed, so that no other folder's menus
    // are ever offered.
    void RefreshMenuFiles();
    void EnterMenusPage();
    void EnterDefaultPage();
    // The checked menus' file names, in list order.
    std::vector<std::string> ChosenMenuFiles() const;
    // True when no button of the checked menus opens a menu left out of the
    // pack, or when the user, told which, builds anyway.
    bool ConfirmMenusLeftOut();
    // Builds the executable and Autorun.inf; false after reporting a failure.
    bool Build();
    // Buttons and the page shown follow WizStep.
    void ShowStep();

    std::string MenuFolder_;
    std::string MenuFileName_;
    bool FolderListed_ = false;
    int WizStep_ = 1;
    std::vector<forms::CheckBox*> ChkOptn_;
    std::vector<forms::RadioButton*> RadOptn_;
};
