// The start dialog: at start-up the user chooses to create a new menu or to
// open an existing one (from the list of MenuFolder's "*.mnu" files, or
// through "Browse...").
//
// Use (the main window's ShowStartDlg): set StartNewMenu to 0 and
// StartFileName to "", create the dialog, ShowModal() it, Release() it, then
// act on the result:
//   StartNewMenu 1          create a new menu;
//   StartFileName "null"    cancelled (Cancel or the close box): nothing;
//   StartFileName ""        open a menu through the Open dialog;
//   else                    load that file of MenuFolder.
// OK and "Browse..." also set MenuFolder (with its trailing "\").
//
// The window: caption "Autorun Quorvel - Start", dialog border, 478 x 281,
// centred on the screen; its hints show while the editor's show-tooltips
// option is on.
#pragma once
#include <cstdint>
#include <string>

#include "forms/win32/Button.h"
#include "forms/win32/FileDialogs.h"
#include "forms/win32/FileListBox.h"
#include "forms/win32/Form.h"
#include "forms/win32/Image.h"
#include "forms/win32/Label.h"
#include "forms/win32/Panel.h"
#include "forms/win32/RadioButton.h"

// 1 when the dialog chose a new menu. (StartFileName, the name it chose, is
// editor-wide: EditorGlobals.h.)
extern uint8_t StartNewMenu;

class TfrmStartCls : public forms::Form {
public:
    TfrmStartCls();

    forms::Panel* Panel1;            // white header
    forms::Image* Image1;            // header picture
    forms::Label* Label2;            // "Welcome to"
    forms::Label* Label1;            // "Autorun Quorvel"
    forms::RadioButton* Option1000;  // "Create a new menu."
    forms::RadioButton* Option1001;  // "Open an existing menu"
    forms::FileListBox* File1;
    forms::Button* Button1;          // "Browse..."
    forms::Button* Command1000;      // "&OK"
    forms::Button* Command1001;      // "&Cancel"
    forms::OpenDialog* OpenDialog1;

    void Form_Load(forms::Component& sender);
    void Command1_Click(forms::Component& sender);
    void Option1_Click(forms::Component& sender);
    void Option1_DblClick(forms::Component& sender);
    void File1_Click(forms::Component& sender);
    void File1_DblClick(forms::Component& sender);
    void Button1Click(forms::Component& sender);
};
