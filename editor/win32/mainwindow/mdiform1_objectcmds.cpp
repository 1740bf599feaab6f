// Commands that make and remove objects: Insert Button, Add Image, Add Text,
// Add Shape, Delete, Cut, Copy, Paste, Original Image Size, and the redrawing
// of a placed image's display picture and of a placed shape.
//
// Every command that changes the menu first records an undo step (which also
// marks the document modified). A new object starts from a cleared record,
// so nothing of an object deleted before is inherited; a deleted object's
// slot is cleared with its pictures.
#include <cmath>

#include "editor/logic/CoreGraphics.h"
#include "editor/logic/PNGDraw.h"
#include "editor/win32/common/EditorGlobals.h"
#include "editor/win32/mainwindow/mdiform1.h"
#include "editor/win32/objectprops/objprops.h"
#include "forms/win32/Application.h"
#include "forms/win32/Button.h"
#include "forms/win32/Command.h"
#include "forms/win32/Image.h"
#include "forms/win32/Label.h"
#include "forms/win32/Panel.h"
#include "forms/win32/RichEdit.h"

namespace {

constexpr const char* kObjectLimitText = "You cannot add more than 200 objects to a single menu.";

// Defaults of a new placed shape: a light grey rounded rectangle with a
// gradient to white and a thin black line.
TShapeRec DefaultShape() {
    TShapeRec shape;
    shape.ShapeKind = 3;
    shape.LineThickness = 1;
    shape.LineColor = 0;
    shape.FillType = 2;
    shape.FillColor = 0xE5E5E5;
    shape.GradientColor = 0xFFFFFF;
    shape.CornerRounding = 20;
    shape.FillAlpha = 1.0f;
    shape.LineAlpha = 1.0f;
    return shape;
}

}  // namespace

void TMDIForm1Cls::ClearObjectSlot(TMenuDocument& doc, int n) {
    FreeSlotControls(doc.Ctl[static_cast<size_t>(n)]);
    doc.Menu.Buttons[static_cast<size_t>(n)] = TAQButton();
}

int TMDIForm1Cls::NewObjectSlot(TMenuDocument& doc, int kind, const char* limitMessage, bool snapshotFirst) {
    if (doc.Menu.BtnCount >= kMaxObjects) {
        EditorMsg(limitMessage, TMsgDlgType::mtWarning, TMsgDlgButtons::mbOK);
        return 0;
    }
    DeselectObj(0, 0);
    // The snapshot holds the menu as it was without the new object.
    if (snapshotFirst) PushUndo(0);
    CascadeOfs_ = editor::NextCascadeOffset(CascadeOfs_, doc.ClientPanel->Width(), doc.ClientPanel->Height());
    const int n = doc.Menu.BtnCount + 1;
    ClearObjectSlot(doc, n);
    TAQButton& object = doc.Menu.Buttons[static_cast<size_t>(n)];
    object.ObjectKind = kind;
    object.Left = CascadeOfs_;
    object.Top = CascadeOfs_;
    object.AnimMode = 0;
    doc.Menu.BtnCount = n;
    return n;
}

// Shows the new object n with its frame, selected, handles hidden.
static void ShowNewObject(TMenuDocument& doc, int n) {
    const TAQButton& object = doc.Menu.Buttons[static_cast<size_t>(n)];
    TObjControls& ctl = doc.Ctl[static_cast<size_t>(n)];
    ctl.WinBtn->SetVisible(object.ObjectKind == WindowsButton);
    ctl.ImgBtn->SetVisible(object.ObjectKind != WindowsButton);
    if (doc.AccessoryText) doc.AccessoryText->BringToFront();
}

void TMDIForm1Cls::AddButton() {
    TMenuDocument* doc = CurrentDoc();
    if (!doc) return;
    const int n = NewObjectSlot(*doc, LastBtnKind,
                                "You cannot add more than 200 objects.\r\n\r\nTry organising your buttons into "
                                "submenus instead.",
                                false);
    if (n == 0) return;
    TAQButton& object = doc->Menu.Buttons[static_cast<size_t>(n)];
    object.VersionOrAbove = -1;
    object.ObjWidth = DefButton_.ObjWidth;
    object.ObjHeight = DefButton_.ObjHeight;
    object.Caption = "Button " + std::to_string(n);
    object.ShortcutKey = "none";
    if (DefButton_.ObjectKind == TextButton) {
        object.Caption = DefButton_.Caption;
        object.AccRTF = DefButton_.AccRTF;
        object.ObjectKind = TextButton;
        object.LookDirty = 1;
    }
    object.AccPNG = RenderRichText(doc->Menu, "", doc->AccessoryText->Width(), doc->AccessoryText->Height());
    CreateObjControls(*doc, n);
    doc->SelObject = n;
    UpdateButtonBar();
    const bool accepted = RunButtonProps(*doc, n);
    forms::Application().ProcessMessages();
    if (!accepted) {
        // Nothing of the cancelled button stays: not its controls, record or
        // pictures, and no undo step that would bring it back.
        ClearObjectSlot(*doc, n);
        doc->Menu.BtnCount = n - 1;
        doc->SelObject = kSelNone;
        DeselectObj(0, 1);
        return;
    }
    // The undo step holds the menu without the new button.
    doc->Menu.BtnCount = n - 1;
    PushUndo(0);
    doc->Menu.BtnCount = n;
    LastBtnKind = object.ObjectKind;
    RefreshObjects(*doc);
    ShowNewObject(*doc, n);
    SelectPlacedObject(*doc, n, 0);
    if (EditorOptions.AutoPlaceButtons && LastBtnKind == GraphicalButton) DoAutoSeek(1);
}

void TMDIForm1Cls::AddPlcImage() {
    TMenuDocument* doc = CurrentDoc();
    if (!doc) return;
    const int n = NewObjectSlot(*doc, PlcImage, kObjectLimitText, false);
    if (n == 0) return;
    TAQButton& object = doc->Menu.Buttons[static_cast<size_t>(n)];
    object.ObjWidth = 300;
    object.ObjHeight = 150;
    object.Pics[Up][0] = std::make_shared<forms::Bitmap>();
    object.Pics[Up][1] = std::make_shared<forms::Bitmap>();
    CreateObjControls(*doc, n);
    FinishPlacedAdd(*doc, n, RunPlacedObjDialog(*doc, n));
}

void TMDIForm1Cls::AddPlcText() {
    TMenuDocument* doc = CurrentDoc();
    if (!doc) return;
    const int n = NewObjectSlot(*doc, PlcText, kObjectLimitText, false);
    if (n == 0) return;
    TAQButton& object = doc->Menu.Buttons[static_cast<size_t>(n)];
    object.ObjWidth = 250;
    object.ObjHeight = 100;
    CreateObjControls(*doc, n);
    doc->Ctl[static_cast<size_t>(n)].ImgBtn->SetStretch(false);
    FinishPlacedAdd(*doc, n, RunPlacedObjDialog(*doc, n));
}

void TMDIForm1Cls::AddPlcShape() {
    TMenuDocument* doc = CurrentDoc();
    if (!doc) return;
    const int n = NewObjectSlot(*doc, PlcShape, kObjectLimitText, false);
    if (n == 0) return;
    TAQButton& object = doc->Menu.Buttons[static_cast<size_t>(n)];
    object.ObjWidth = 250;
    object.ObjHeight = 100;
    object.ShapeRec = DefaultShape();
    (void)editor::DrawShape(object);
    CreateObjControls(*doc, n);
    doc->Ctl[static_cast<size_t>(n)].ImgBtn->SetStretch(false);
    FinishPlacedAdd(*doc, n, RunPlacedObjDialog(*doc, n));
}

void TMDIForm1Cls::CopyObject() {
    TMenuDocument* doc = CurrentDoc();
    if (!doc) return;
    const int n = doc->SelObject;
    if (n < 1 || n > doc->Menu.BtnCount) return;
    const TAQButton& object = doc->Menu.Buttons[static_cast<size_t>(n)];
    CopyButton(object, ClipButton);
    ClipLeft_ = object.Left;
    ClipTop_ = object.Top;
}

void TMDIForm1Cls::CutObject() {
    TMenuDocument* doc = CurrentDoc();
    if (!doc) return;
    if (doc->SelObject < 1 || doc->SelObject > doc->Menu.BtnCount) return;
    CopyObject();
    DeleteObject();
}

void TMDIForm1Cls::PasteObject() {
    TMenuDocument* doc = CurrentDoc();
    if (!doc || ClipButton.ObjHeight == 0) return;
    if (doc->Menu.BtnCount >= kMaxObjects) {
        EditorMsg(kObjectLimitText, TMsgDlgType::mtWarning, TMsgDlgButtons::mbOK);
        return;
    }
    DeselectObj(0, 0);
    PushUndo(0);
    const int n = doc->Menu.BtnCount + 1;
    ClearObjectSlot(*doc, n);
    TAQButton& object = doc->Menu.Buttons[static_cast<size_t>(n)];
    CopyButton(ClipButton, object);
    std::vector<editor::SurfacePoint> occupied;
    for (int j = 1; j < n; ++j) {
        const TAQButton& other = doc->Menu.Buttons[static_cast<size_t>(j)];
        occupied.push_back({other.Left, other.Top});
    }
    const editor::SurfacePoint p =
        editor::PastePosition({ClipLeft_, ClipTop_}, occupied, object.ObjWidth, object.ObjHeight,
                              doc->BackImage->Width(), doc->BackImage->Height());
    ClipLeft_ = p.X;
    ClipTop_ = p.Y;
    object.Left = p.X;
    object.Top = p.Y;
    doc->Menu.BtnCount = n;
    CreateObjControls(*doc, n);
    RefreshObjects(*doc);
    SelectPlacedObject(*doc, n, 1);
    if (object.ObjectKind == WindowsButton) doc->Ctl[static_cast<size_t>(n)].WinBtn->SetFocus();
}

void TMDIForm1Cls::DeleteObject() {
    TMenuDocument* doc = CurrentDoc();
    if (!doc) return;
    if (RichAccEdit->Visible() && RichAccEdit->Parent() == doc->ClientPanel) {
        // While a text is edited in place, the command deletes in the text
        // as the Delete key does.
        RichAccEdit->SetFocus();
        SendMessageA(RichAccEdit->Handle(), WM_KEYDOWN, VK_DELETE, 0);
        return;
    }
    if (doc->SelObject == kSelTimeLabel || doc->SelObject == kSelDateLabel) {
        // Deleting a label hides it as its Show/Hide button does, the button
        // going up with it.
        const bool time = doc->SelObject == kSelTimeLabel;
        Cmd(time ? "cmdShowTime" : "cmdShowDate")->SetChecked(false);
        ShowClockLabel(time, false);
        doc->SelObject = kSelNone;
        DeselectObj(0, 1);
        return;
    }
    const int s = SelectedObjectOrSay(*doc);
    const int count = doc->Menu.BtnCount;
    if (s == 0) return;
    PushUndo(0);
    DeselectObj(0, 1);
    doc->ClientPanel->SetVisible(false);
    // The records above move down one slot with their pictures and places;
    // the controls of each slot then show the record now in it.
    for (int i = s; i < count; ++i)
        doc->Menu.Buttons[static_cast<size_t>(i)] = std::move(doc->Menu.Buttons[static_cast<size_t>(i + 1)]);
    ClearObjectSlot(*doc, count);
    doc->Menu.BtnCount = count - 1;
    doc->SelObject = kSelNone;
    RefreshObjects(*doc);
    doc->ClientPanel->SetVisible(true);
}

void TMDIForm1Cls::ToolButton64Click() {
    TMenuDocument* doc = CurrentDoc();
    if (!doc) return;
    const int n = SelectedObjectOrSay(*doc);
    if (n == 0) return;
    TAQButton& object = doc->Menu.Buttons[static_cast<size_t>(n)];
    if (object.ObjectKind != GraphicalButton && object.ObjectKind != PlcImage) {
        EditorMsg("The current object is not image based.", TMsgDlgType::mtInformation, TMsgDlgButtons::mbOK);
        return;
    }
    // An object without a picture has no size of its own to take.
    if (!HasPic(object.Pics[Up][0])) return;
    PushUndo(0);
    const forms::Bitmap& picture = *object.Pics[Up][0];
    SelRect_ = {object.Left, object.Left + picture.Width(), object.Top, object.Top + picture.Height()};
    ApplySelRect(1);
    if (object.ObjectKind == PlcImage) ShowPicImg();
}

void TMDIForm1Cls::ShowPicImg() {
    TMenuDocument* doc = CurrentDoc();
    if (!doc) return;
    const int n = doc->SelObject;
    if (n < 1 || n > doc->Menu.BtnCount) return;
    TAQButton& object = doc->Menu.Buttons[static_cast<size_t>(n)];
    if (object.ObjectKind != PlcImage || !HasPic(object.Pics[Up][0])) return;
    const forms::Bitmap& full = *object.Pics[Up][0];
    const double sx = static_cast<double>(SelRect_.Width()) / full.Width();
    const double sy = static_cast<double>(SelRect_.Height()) / full.Height();
    const float s = static_cast<float>(std::min(sx, sy));
    if (s == object.LastScale) return;
    object.LastScale = s;
    const int width = std::max(1, static_cast<int>(std::nearbyint(full.Width() * static_cast<double>(s))));
    const int height = std::max(1, static_cast<int>(std::nearbyint(full.Height() * static_cast<double>(s))));
    PicWork1 = full;
    if (!ScalePlacedPicture(PicWork1, PicWork2, width, height)) return;
    object.Pics[Up][1] = std::make_shared<forms::Bitmap>(PicWork2);
    if (forms::Image* image = doc->Ctl[static_cast<size_t>(n)].ImgBtn) image->SetPicture(*object.Pics[Up][1]);
}

void TMDIForm1Cls::DoPNGShape() {
    TMenuDocument* doc = CurrentDoc();
    if (!doc) return;
    const int n = doc->SelObject;
    if (n < 1 || n > doc->Menu.BtnCount) return;
    TAQButton& object = doc->Menu.Buttons[static_cast<size_t>(n)];
    if (object.ObjectKind != PlcShape || !editor::DrawShape(object)) return;
    if (forms::Image* image = doc->Ctl[static_cast<size_t>(n)].ImgBtn) image->SetPicture(object.LookPNG);
}

namespace {

// The picture slot of object, state and frame in menu, or nullptr when one
// of them is out of range.
PicRef* PictureSlot(TAQMenu& menu, int object, int state, int frame) {
    if (object < 0 || object >= kButtonSlots || state < 0 || state >= kPicStates || frame < 0 ||
        frame >= kFrameSlots)
        return nullptr;
    return &menu.Buttons[static_cast<size_t>(object)].Pics[state][frame];
}

}  // namespace

uint8_t TMDIForm1Cls::GetBtnPic(int object, int state, int frame, uint8_t copy) {
    TMenuDocument* doc = CurrentDoc();
    if (!doc) return 0;
    const PicRef* slot = PictureSlot(doc->Menu, object, state, frame);
    if (!slot || !HasPic(*slot)) return 0;
    if (copy) SharedBmp = **slot;
    return 1;
}

void TMDIForm1Cls::SetBtnPic(int object, int state, int frame, const forms::Bitmap& bitmap) {
    TMenuDocument* doc = CurrentDoc();
    if (!doc) return;
    if (PicRef* slot = PictureSlot(doc->Menu, object, state, frame)) *slot = std::make_shared<forms::Bitmap>(bitmap);
}
