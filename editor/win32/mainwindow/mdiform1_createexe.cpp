// The Create Autorun EXE command of the main window: the wizard packs the
// saved menu files, so modified menus are offered a save first.
#include "editor/win32/common/EditorGlobals.h"
#include "editor/win32/exewizard/frmexewiz.h"
#include "editor/win32/mainwindow/mdiform1.h"
#include "forms/win32/Application.h"
#include "forms/win32/Command.h"

void TMDIForm1Cls::ToolButton6Click() {
    // The packed files are the saved ones: a text still being typed must
    // reach its menu before the question whether to save it.
    EndTextEdits();
    const int original = CurMenu_;
    // The tab-order markers go before any question is asked.
    if (forms::Command* tabOrder = Cmd("cmdTabOrder"); tabOrder->Checked()) {
        tabOrder->SetChecked(false);
        ToolButton56Click();
        forms::Application().ProcessMessages();
    }
    bool asking = true;
    for (int slot = 1; slot <= MenuCounter; ++slot) {
        TMenuDocument* doc = MenuDoc(slot);
        if (!asking || !doc || doc->Closed || doc->Modified != 1) continue;
        MakeCurrent(slot);
        const int answer = EditorMsg(
            "Your autorun application will be created using the last saved\r"
            "copy of your menu/s, do you want to save your changes to"
            "\r" + doc->FileName + " now?",
            TMsgDlgType::mtWarning, TMsgDlgButtons::mbYesNoCancel);
        if (answer == mrYes) {
            // A save that fails has said so; the wizard still runs on the files saved before.
            if (doc->HasFile == 1)
                mnuSaveClick();
            else
                mnuSaveAsClick();
        } else if (answer != mrNo) {
            asking = false;
        }
    }
    if (TMenuDocument* doc = MenuDoc(original); doc && !doc->Closed) MakeCurrent(original);
    PageControl1Change();

    // The saves' dialogs let messages through: look again for the document.
    TMenuDocument* doc = CurrentDoc();
    if (!doc) {
        EditorMsg("Please open a menu you wish to create an application from first.", TMsgDlgType::mtInformation,
                  TMsgDlgButtons::mbOK);
        return;
    }
    TfrmEXEWizCls wizard(doc->Folder, doc->FileName);
    wizard.ShowModal();
}
