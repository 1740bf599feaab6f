// The design-time controls of a menu's objects: each object has a push
// button (shown for a Windows button) and a picture (shown for every other
// kind), both on the document's client panel. RefreshObjects brings them in
// line with the records after a load or any change of the records.
#include "editor/logic/MenuLoadRules.h"
#include "editor/win32/common/ControlNames.h"
#include "editor/win32/mainwindow/mdiform1.h"
#include "forms/win32/Button.h"
#include "forms/win32/Image.h"
#include "forms/win32/Panel.h"

namespace {

// What a slot's controls take from its record when they are made.
void SetFromRecord(TObjControls& ctl, const TAQButton& object) {
    ctl.WinBtn->SetBounds(object.Left, object.Top, 97, 25);
    ctl.WinBtn->SetCaption(object.Caption);
    ctl.ImgBtn->SetStretch(true);
    ctl.ImgBtn->SetHint(editor::ObjectHintForKind(object.ObjectKind));
    ctl.ImgBtn->SetBounds(object.Left, object.Top, object.ObjWidth, object.ObjHeight);
}

}  // namespace

void TMDIForm1Cls::CreateObjControls(int n) {
    if (TMenuDocument* doc = CurrentDoc()) CreateObjControls(*doc, n);
}

void TMDIForm1Cls::CreateObjControls(TMenuDocument& doc, int n) {
    if (n < 1 || n >= kButtonSlots) return;
    TObjControls& ctl = doc.Ctl[static_cast<size_t>(n)];
    if (ctl.WinBtn || ctl.ImgBtn) return;
    // Hidden before it joins the panel, the button gets its window only
    // when it is first shown: a menu of pictures makes no windows.
    ctl.WinBtn = new forms::Button(this, nullptr);
    ctl.WinBtn->SetVisible(false);
    ctl.WinBtn->SetParent(doc.ClientPanel);
    ctl.WinBtn->SetName(NumberedName("WinBtn", n));
    ctl.WinBtn->SetCursor(forms::Cursor::Hand);
    ctl.WinBtn->SetHint("Windows Button\r Right-click to edit");
    ctl.WinBtn->OnMouseDown = [this](forms::Control& s, forms::MouseButton b, forms::ShiftState sh, int x, int y) {
        cmdButton_MouseDown(s, b, sh, x, y);
    };
    ctl.WinBtn->OnMouseMove = [this](forms::Control& s, forms::ShiftState sh, int x, int y) {
        cmdButton_MouseMove(s, sh, x, y);
    };
    ctl.WinBtn->OnMouseUp = [this](forms::Control& s, forms::MouseButton b, forms::ShiftState sh, int x, int y) {
        cmdButton_MouseUp(s, b, sh, x, y);
    };
    ctl.WinBtn->OnKeyDown = [this](forms::Control& s, uint16_t& key, forms::ShiftState sh) {
        cmdButton_KeyDown(s, key, sh);
    };
    ctl.ImgBtn = new forms::Image(this, doc.ClientPanel);
    ctl.ImgBtn->SetName(NumberedName("ImgBtn", n));
    ctl.ImgBtn->SetVisible(false);
    ctl.ImgBtn->SetCursor(forms::Cursor::Hand);
    ctl.ImgBtn->OnMouseDown = [this](forms::Control& s, forms::MouseButton b, forms::ShiftState sh, int x, int y) {
        ImgBtnMouseDown(s, b, sh, x, y);
    };
    ctl.ImgBtn->OnMouseMove = [this](forms::Control& s, forms::ShiftState sh, int x, int y) {
        ImgBtnMouseMove(s, sh, x, y);
    };
    ctl.ImgBtn->OnMouseUp = [this](forms::Control& s, forms::MouseButton b, forms::ShiftState sh, int x, int y) {
        ImgBtnMouseUp(s, b, sh, x, y);
    };
    SetFromRecord(ctl, doc.Menu.Buttons[static_cast<size_t>(n)]);
    // Later objects lie above earlier ones; the accessory text box above all.
    ctl.WinBtn->BringToFront();
    ctl.ImgBtn->BringToFront();
    if (doc.AccessoryText) doc.AccessoryText->BringToFront();
}

void TMDIForm1Cls::RenewObjControls(TMenuDocument& doc) {
    for (int n = 1; n < kButtonSlots; ++n) {
        TObjControls& ctl = doc.Ctl[static_cast<size_t>(n)];
        if (n <= doc.Menu.BtnCount && ctl.WinBtn && ctl.ImgBtn) {
            SetFromRecord(ctl, doc.Menu.Buttons[static_cast<size_t>(n)]);
            continue;
        }
        FreeSlotControls(ctl);
        if (n <= doc.Menu.BtnCount) CreateObjControls(doc, n);
    }
}

void TMDIForm1Cls::FreeSlotControls(TObjControls& ctl) {
    if (ctl.WinBtn) ctl.WinBtn->Free();
    if (ctl.ImgBtn) ctl.ImgBtn->Free();
    ctl = TObjControls{};
}

void TMDIForm1Cls::FreeObjControls(TMenuDocument& doc) {
    for (TObjControls& ctl : doc.Ctl) FreeSlotControls(ctl);
}

void TMDIForm1Cls::RefreshObjects() {
    if (TMenuDocument* doc = CurrentDoc()) RefreshObjects(*doc);
}

void TMDIForm1Cls::RefreshObjects(TMenuDocument& doc) {
    for (int j = 1; j <= doc.Menu.BtnCount && j <= kMaxObjects; ++j) {
        const TAQButton& object = doc.Menu.Buttons[static_cast<size_t>(j)];
        TObjControls& ctl = doc.Ctl[static_cast<size_t>(j)];
        if (!ctl.WinBtn || !ctl.ImgBtn) continue;
        const PicRef& up0 = object.Pics[Up][0];
        const PicRef& up1 = object.Pics[Up][1];
        switch (object.ObjectKind) {
            case WindowsButton:
                ctl.WinBtn->SetCaption(object.Caption);
                ctl.WinBtn->SetBounds(object.Left, object.Top, object.ObjWidth, object.ObjHeight);
                break;
            case PlcImage:
                if (up1) ctl.ImgBtn->SetPicture(*up1); else ctl.ImgBtn->ClearPicture();
                break;
            case TextButton:
            case PlcText:
                RenderObjText(doc, j);
                ctl.ImgBtn->SetPicture(object.LookPNG);
                break;
            case PlcShape:
                ctl.ImgBtn->SetPicture(object.LookPNG);
                break;
            default:
                if (up0) ctl.ImgBtn->SetPicture(*up0); else ctl.ImgBtn->ClearPicture();
                break;
        }
        if (object.ObjectKind != WindowsButton)
            ctl.ImgBtn->SetBounds(object.Left, object.Top, object.ObjWidth, object.ObjHeight);
        ctl.ImgBtn->SetHint(editor::ObjectHintForKind(object.ObjectKind));
        ctl.WinBtn->SetVisible(object.ObjectKind == WindowsButton);
        ctl.ImgBtn->SetVisible(object.ObjectKind != WindowsButton);
    }
}
