// Menu Properties from the main window: the command (menu item, F2, tool
// button, a right click on the menu's background, and every new menu made
// with New), what follows a valid OK (the Menu Creation Wizard for a menu
// made through the wizards, Find Controls), and the background shown on the
// design surface.
//
// The dialog runs modally; while it runs messages are handled, so every
// step afterwards looks the document up again by its slot and leaves it
// alone once it has gone. A new menu made through the wizards whose Menu
// Properties are cancelled is discarded without a question: it was never
// more than its defaults.
#include <windows.h>


#include "editor/win32/common/ColorRequest.h"
#include "editor/win32/common/EditorGlobals.h"
#include "editor/win32/menuprops/frmformprops.h"
#include "editor/win32/menuprops/frmmenuwiz.h"
#include "editor/win32/mainwindow/mdiform1.h"
#include "forms/win32/Command.h"
#include "forms/win32/Image.h"
#include "forms/win32/Panel.h"
#include "forms/win32/Shape.h"

void TMDIForm1Cls::WireMenuPropsCommand() {
    DocCommands_.push_back(WireCommand("cmdMenuProps", [this] { ShowMenuProps(); }));
}

void TMDIForm1Cls::ShowMenuProps() {
    if (!CurrentDoc()) return;
    const int slot = CurMenu_;
    PushUndo(0);
    MenuPropsCancelled = 0;
    {
        TfrmFormPropsCls dialog(*this);
        dialog.ShowModal();
    }
    TMenuDocument* doc = MenuDoc(slot);
    if (!doc || doc->Closed || CurMenu_ != slot) return;
    if (MenuPropsCancelled != 0 && WizardMode == 1) {
        doc->Modified = 0;
        FreeMenu();
        return;
    }
    doc->AccPNGDirty = 1;
    RenderAccText(0);
    if (MenuPropsCancelled != 0) return;
    if (WizardMode == 1) {
        {
            TfrmMenuWizCls wizard(*this);
            wizard.ShowModal();
        }
        doc = MenuDoc(slot);
        if (!doc || doc->Closed || CurMenu_ != slot) return;
        // The wizard leaves nothing selected, and the object toolbar says so
        // (a button added and then cancelled in it left its read-out).
        doc->SelObject = kSelNone;
        DeselectObj(0, 1);
        EnableToolbars(1, 0);
        SyncMenuTools();
        doc->Modified = 1;
    }
    FindControls();
}

void TMDIForm1Cls::ShowMenuBack() {
    TMenuDocument* doc = CurrentDoc();
    if (!doc) return;
    if (doc->Menu.AccRTF.empty()) {
        doc->BackImage->SetVisible(false);
        doc->FramePanel->SetVisible(false);
        doc->ShadowShape->SetVisible(false);
        return;
    }
    RenderAccText(0);
    const PicRef& back = doc->Menu.Buttons[0].Pics[Up][0];
    int width = 0;
    int height = 0;
    if (back && !back->Empty()) {
        doc->BackImage->SetPicture(*back);
        width = back->Width();
        height = back->Height();
    } else {
        doc->BackImage->ClearPicture();
    }
    doc->FramePanel->SetBounds(8, 8, width + 4, height + 4);
    doc->ShadowShape->SetBounds(11, 11, width + 4, height + 4);
    doc->BackImage->SetVisible(true);
    doc->FramePanel->SetVisible(true);
    doc->ShadowShape->SetVisible(true);
    // The menu's transparent colour, applied as the transparency pop-up
    // applies it (no undo step).
    TransIndex = doc->Menu.TransColor;
    CurClr = doc->Menu.TransColor < 1 ? forms::ColorToRGB(forms::SystemColor(COLOR_APPWORKSPACE))
                                      : static_cast<forms::Color>(QBColor(doc->Menu.TransColor));
    ApplyPickedClr(ClrTargetTransparent, 0);
}
