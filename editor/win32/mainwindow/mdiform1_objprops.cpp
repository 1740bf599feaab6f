// The properties of placed images, texts and shapes: the main window runs the
// placed-object properties dialog on the selected object (or on the object
// an Add command has just made) and shows the result. An add whose dialog
// is cancelled leaves nothing behind: the new slot is freed and cleared,
// and no undo step was recorded for it.
#include "editor/win32/common/EditorGlobals.h"
#include "editor/win32/mainwindow/mdiform1.h"
#include "editor/win32/objectprops/objprops.h"
#include "forms/win32/Application.h"
#include "forms/win32/Image.h"
#include "forms/win32/Shape.h"

bool TMDIForm1Cls::RunPlacedObjDialog(TMenuDocument& doc, int n) {
    TAQButton& object = doc.Menu.Buttons[static_cast<size_t>(n)];
    const int slot = CurMenu_;
    doc.SelObject = n;
    shpSelection->BringToFront();
    const PicRef& background = doc.Menu.Buttons[0].Pics[Up][0];
    {
        TForm2 dialog(object, HasPic(background) ? background.get() : nullptr, DataFolders_.Presets);
        RunObjPropsDialog(dialog);
    }
    forms::Application().ProcessMessages();
    // The dialog let messages through: the document must still be current.
    if (ObjPropsCancelled == 1 || CurMenu_ != slot || MenuDoc(slot) != &doc || doc.Closed) return false;
    TObjControls& ctl = doc.Ctl[static_cast<size_t>(n)];
    if (!ctl.ImgBtn) return false;
    if (object.ObjectKind == PlcImage) {
        if (HasPic(object.Pics[Up][1])) ctl.ImgBtn->SetPicture(*object.Pics[Up][1]);
    } else {
        ctl.ImgBtn->SetPicture(object.LookPNG);
    }
    DeselectObj(1, 0);
    doc.SelObject = n;
    UpdateButtonBar();
    SelRect_ = {object.Left, object.Left + object.ObjWidth, object.Top, object.Top + object.ObjHeight};
    FrameAround(object.Left, object.Top, object.ObjWidth, object.ObjHeight);
    ApplySelRect(1);
    ShowSelHandles(1);
    ctl.ImgBtn->SetVisible(true);
    if (doc.AccessoryText) doc.AccessoryText->BringToFront();
    doc.Modified = 1;
    return true;
}

void TMDIForm1Cls::FinishPlacedAdd(TMenuDocument& doc, int n, bool accepted) {
    if (!accepted) {
        if (MenuDoc(CurMenu_) != &doc || doc.Menu.BtnCount != n) return;
        ClearObjectSlot(doc, n);
        doc.Menu.BtnCount = n - 1;
        doc.SelObject = kSelNone;
        DeselectObj(0, 1);
        return;
    }
    // The snapshot holds the menu as it was without the new object.
    doc.Menu.BtnCount = n - 1;
    PushUndo(0);
    doc.Menu.BtnCount = n;
    forms::Application().ProcessMessages();
}

void TMDIForm1Cls::ShowPlacedObjProps() {
    TMenuDocument* doc = CurrentDoc();
    if (!doc) return;
    const int n = SelectedObjectOrSay(*doc);
    if (n == 0) return;
    const int kind = doc->Menu.Buttons[static_cast<size_t>(n)].ObjectKind;
    if (kind != PlcImage && kind != PlcText && kind != PlcShape) return;
    PushUndo(0);
    if (doc->AccessoryImage) doc->AccessoryImage->SetVisible(false);
    RunPlacedObjDialog(*doc, n);
    forms::Application().ProcessMessages();
}
