// The properties of the selected object: Object Properties (F3), the right
// click on an object and Insert Button open the Button Properties dialog for
// a button; afterwards the object's controls, its rendered accessory text and
// the selection follow the record the dialog wrote.
#include "editor/win32/common/EditorGlobals.h"
#include "editor/win32/buttonprops/frmproperties.h"
#include "editor/win32/mainwindow/mdiform1.h"
#include "forms/win32/Application.h"
#include "forms/win32/ComboBox.h"
#include "forms/win32/Image.h"
#include "forms/win32/Shape.h"

void TMDIForm1Cls::ShowObjProps() {
    TMenuDocument* doc = CurrentDoc();
    if (!doc) return;
    const int n = SelectedObjectOrSay(*doc);
    if (n == 0) return;
    // Placed images, texts and shapes have a dialog of their own.
    if (doc->Menu.Buttons[static_cast<size_t>(n)].ObjectKind > TextButton) {
        ShowPlacedObjProps();
        return;
    }
    PushUndo(0);
    doc->AccessoryImage->SetVisible(false);
    RunButtonProps(*doc, n);
    forms::Application().ProcessMessages();
}

bool TMDIForm1Cls::RunButtonProps(TMenuDocument& doc, int n) {
    const int slot = CurMenu_;
    {
        TfrmPropertiesCls dialog(doc.Menu, n, DefButton_, cmbTB000->Items(), cmbTB001->Items());
        RunButtonPropertiesDialog(dialog);
    }
    // The dialog let messages through: the document must still be current.
    if (ObjPropsCancelled || CurMenu_ != slot || MenuDoc(slot) != &doc || doc.Closed) return false;
    TAQButton& object = doc.Menu.Buttons[static_cast<size_t>(n)];
    object.AccDirty = 1;
    RefreshObjects(doc);
    RenderAccText(n);
    doc.AccessoryText->SetTag(-1);
    ShowCommandStatus(-1);
    // Frame and read-out show the object as it now stands on the surface.
    const bool handles = SelHandle(0)->Visible();
    SelectPlacedObject(doc, n, handles ? 1 : 0);
    return true;
}
