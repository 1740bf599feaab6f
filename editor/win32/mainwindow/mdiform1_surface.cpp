// The design surface: selecting an object by pressing it, dragging it with
// grid snapping, resizing it by the eight handles of the selection frame,
// nudging it (Move buttons and arrow keys) and stepping the selection through
// the objects, and the object toolbar that shows the selection. Positions are
// kept in the object's record as well as on its controls, so the record
// always says where the object is.
//
// A press that the pointer leaves within the system's drag rectangle is a
// click: it selects and moves nothing. The arrow keys move only the selected
// object, whichever control has the keyboard, and stay with a control that
// uses them itself (a text box, a list, the tabs, the in-place text editor).
//
// The handlers let queued messages through (while an undo snapshot is written
// and while dragging); GrabX_ -2/-3, MoveBusy_ and PlacingSel_ keep them from
// running into themselves, and every path that sets MoveBusy_ clears it.
#include <algorithm>
#include <cstdlib>

#include "editor/logic/CoreGraphics.h"
#include "editor/logic/EditorTexts.h"
#include "editor/win32/common/ControlNames.h"
#include "editor/win32/common/EditorGlobals.h"
#include "editor/win32/mainwindow/mdiform1.h"
#include "forms/portable/FileSystem.h"
#include "forms/win32/Application.h"
#include "forms/win32/Button.h"
#include "forms/win32/Command.h"
#include "forms/win32/Image.h"
#include "forms/win32/Label.h"
#include "forms/win32/Panel.h"
#include "forms/win32/RichEdit.h"
#include "forms/win32/Screen.h"
#include "forms/win32/Shape.h"
#include "forms/win32/StatusBar.h"
#include "shared/win32/mdlfilebin_win32.h"

namespace {

editor::SelBox BoxOf(const forms::Control& c) {
    return {c.Left(), c.Left() + c.Width(), c.Top(), c.Top() + c.Height()};
}

}  // namespace

forms::Shape* TMDIForm1Cls::SelHandle(int k) {
    if (k < 0 || k >= 16) return nullptr;
    forms::Shape*& handle = SelHandles_[static_cast<size_t>(k)];
    if (handle) return handle;
    const forms::Cursor cursors[4] = {forms::Cursor::SizeNWSE, forms::Cursor::SizeNS, forms::Cursor::SizeNESW,
                                      forms::Cursor::SizeWE};
    handle = new forms::Shape(this, pnlDrawer);
    handle->SetName(NumberedName("Handle", k));
    handle->SetBounds(0, 0, 7, 7);
    handle->SetPenMode(forms::PenMode::Not);
    handle->SetCursor(cursors[k % 4]);
    handle->OnMouseDown = [this](forms::Control& s, forms::MouseButton b, forms::ShiftState sh, int x, int y) {
        shpHandleMouseDown(s, b, sh, x, y);
    };
    handle->OnMouseMove = [this](forms::Control& s, forms::ShiftState sh, int x, int y) {
        shpHandleMouseMove(s, sh, x, y);
    };
    handle->OnMouseUp = [this](forms::Control& s, forms::MouseButton b, forms::ShiftState sh, int x, int y) {
        shpHandleMouseUp(s, b, sh, x, y);
    };
    handle->BringToFront();
    return handle;
}

forms::Control* TMDIForm1Cls::ObjectControl(TMenuDocument& doc, int n) {
    if (n < 1 || n > doc.Menu.BtnCount || n > kMaxObjects) return nullptr;
    const TObjControls& ctl = doc.Ctl[static_cast<size_t>(n)];
    if (doc.Menu.Buttons[static_cast<size_t>(n)].ObjectKind == WindowsButton) return ctl.WinBtn;
    return ctl.ImgBtn;
}

int TMDIForm1Cls::ObjectOfControl(const TMenuDocument& doc, const forms::Component& sender) const {
    const int n = NameNumber(sender.Name());
    if (n < 1 || n > doc.Menu.BtnCount || n > kMaxObjects) return 0;
    return n;
}

void TMDIForm1Cls::SnapPos() {
    if (!SnapToGrid) return;
    DragX_ = editor::SnapCoordinate(DragX_, GridSize);
    DragY_ = editor::SnapCoordinate(DragY_, GridSize);
}

void TMDIForm1Cls::FrameAround(int left, int top, int width, int height) {
    shpSelection->SetBounds(left - 2, top - 2, width + 4, height + 4);
}

void TMDIForm1Cls::ApplySelRect(uint8_t apply) {
    TMenuDocument* doc = CurrentDoc();
    if (!doc) return;
    const editor::SelBox r = SelRect_;
    Label3->SetCaption(editor::PositionText(r.Left, r.Top, r.Width(), r.Height()));
    if (PlacingSel_) return;
    PlacingSel_ = 1;
    for (int k = 0; k < 8; ++k) {
        const editor::SurfacePoint p = editor::HandleCorner(r, k, HandleOfs_);
        SelHandle(k)->SetBounds(p.X, p.Y, 7, 7);
    }
    const int n = doc->SelObject;
    if (n > 0 && n <= doc->Menu.BtnCount) {
        shpSelection->SetBounds(r.Left - 1, r.Top - 1, r.Width() + 2, r.Height() + 2);
        TAQButton& object = doc->Menu.Buttons[static_cast<size_t>(n)];
        TObjControls& ctl = doc->Ctl[static_cast<size_t>(n)];
        if (apply && ctl.WinBtn && ctl.ImgBtn) {
            object.ObjWidth = r.Width();
            object.ObjHeight = r.Height();
            object.Left = r.Left;
            object.Top = r.Top;
            // Both controls keep the record's place; the one not shown keeps
            // its own size.
            if (object.ObjectKind == WindowsButton) {
                ctl.WinBtn->SetBounds(r.Left, r.Top, r.Width(), r.Height());
                ctl.ImgBtn->SetBounds(r.Left, r.Top, ctl.ImgBtn->Width(), ctl.ImgBtn->Height());
            } else {
                ctl.ImgBtn->SetBounds(r.Left, r.Top, r.Width(), r.Height());
                ctl.WinBtn->SetBounds(r.Left, r.Top, ctl.WinBtn->Width(), ctl.WinBtn->Height());
            }
            if (object.ObjectKind == PlcText) {
                object.LookPNG = RenderRichText(doc->Menu, object.AccRTF, r.Width(), r.Height());
                ctl.ImgBtn->SetPicture(object.LookPNG);
            } else if (object.ObjectKind == PlcShape) {
                ShapeDelay_ = 20;
            } else if (object.ObjectKind == TextButton) {
                // Drawn again at its new size before the menu is saved.
                object.LookDirty = 1;
            }
        }
    } else if (n <= 0) {
        doc->AccessoryText->SetBounds(r.Left, r.Top, r.Width(), r.Height());
        doc->Menu.AccTextLeft = r.Left;
        doc->Menu.AccTextTop = r.Top;
        doc->Menu.AccTextWidth = r.Width();
        doc->Menu.AccTextHeight = r.Height();
        shpSelection->SetBounds(r.Left - 1, r.Top - 1, r.Width() + 2, r.Height() + 2);
    }
    PlacingSel_ = 0;
}

void TMDIForm1Cls::ShowSelHandles(uint8_t visible) {
    TMenuDocument* doc = CurrentDoc();
    if (!doc) return;
    if (shpSelection->Parent() != doc->ClientPanel) {
        shpSelection->SetParent(doc->ClientPanel);
        shpSelection->SendToBack();
        doc->BackImage->SendToBack();
        for (int k = 0; k < 8; ++k) SelHandle(k)->SetParent(doc->ClientPanel);
    }
    for (int k = 0; k < 8; ++k) {
        SelHandle(k)->SetVisible(visible != 0);
        SelHandle(k)->BringToFront();
    }
    shpSelection->SetVisible(true);
}

void TMDIForm1Cls::DeselectObj(uint8_t keepSel, uint8_t hideMarkers) {
    TMenuDocument* doc = CurrentDoc();
    if (!doc) return;
    // The text being edited in place goes to the object it was opened for,
    // whatever is selected now.
    if (EditedAcc_ >= 0) ToolButton67Click(65);
    CommitPlacedTextEdit(*doc);
    // A clock label stops being the formatting target.
    if (!keepSel && (doc->SelObject == kSelTimeLabel || doc->SelObject == kSelDateLabel)) {
        doc->SelObject = kSelNone;
        EnableFmtToolbar(0);
    }
    const auto hideFrame = [this] {
        shpSelection->SetVisible(false);
        for (int k = 0; k < 8; ++k) SelHandle(k)->SetVisible(false);
    };
    if (doc->SelObject >= 0) {
        if (!keepSel) {
            const int n = doc->SelObject;
            if (n >= 1 && n <= doc->Menu.BtnCount) {
                const TAQButton& object = doc->Menu.Buttons[static_cast<size_t>(n)];
                forms::Image* image = doc->Ctl[static_cast<size_t>(n)].ImgBtn;
                if (object.ObjectKind == GraphicalButton && image && HasPic(object.Pics[Up][0]))
                    image->SetPicture(*object.Pics[Up][0]);
            }
            doc->SelObject = kSelNone;
            shpSelection->SetLeft(-shpSelection->Width() - 1);
        }
        if (hideMarkers) hideFrame();
    } else if (hideMarkers) {
        hideFrame();
    }
    // With the selection ended the read-out says so, also when the caller
    // had already cleared the selection code.
    if (!keepSel) ShowNoSelection();
}

void TMDIForm1Cls::ShowNoSelection() {
    Label2->SetCaption("(na)");
    Label3->SetCaption("(na)");
    EnableObjToolbar(0);
}

void TMDIForm1Cls::EnableObjToolbar(uint8_t enable) {
    const bool on = enable != 0;
    for (forms::Command* command : ObjCommands_) command->SetEnabled(on);
    // The read-outs and the panels they sit in show whether they apply.
    for (forms::Label* label : {Label2, Label3}) {
        label->SetEnabled(on);
        forms::Font font = label->GetFont();
        font.SetColor(on ? forms::clWindowText : forms::clGrayText);
        label->SetFont(font);
        label->Parent()->SetColor(on ? forms::clWindow : forms::cl3DLight);
    }
}

void TMDIForm1Cls::UpdateButtonBar() {
    TMenuDocument* doc = CurrentDoc();
    if (!doc) return;
    EnableObjToolbar(1);
    const int n = doc->SelObject;
    Label2->SetCaption(std::to_string(n));
    if (const forms::Control* shown = ObjectControl(*doc, n))
        Label3->SetCaption(editor::PositionText(shown->Left(), shown->Top(), shown->Width(), shown->Height()));
}

void TMDIForm1Cls::ShowCommandStatus(int n) {
    if (StatusBar1->PanelText(0) != " Command: ") HoverObj_ = -1;
    if (n == HoverObj_) return;
    TMenuDocument* doc = CurrentDoc();
    if (n != -1 && (!doc || n < 1 || n > doc->Menu.BtnCount)) return;
    HoverObj_ = n;
    if (n == -1) {
        StatusBar1->SetPanelText(0, " Version: ");
        StatusBar1->SetPanelText(1, GetFileVersion(forms::ExecutablePath(), 1));
        return;
    }
    const std::string& command = doc->Menu.Buttons[static_cast<size_t>(n)].ButtonCommand;
    StatusBar1->SetPanelText(0, " Command: ");
    StatusBar1->SetPanelText(1, command.empty() ? "(none)" : command);
}

void TMDIForm1Cls::MsgNoSelection() {
    TMenuDocument* doc = CurrentDoc();
    const bool label = doc && doc->SelObject == -40;
    EditorMsg(label ? "There is currently no object selected.\r\rTo format the time or date, you can use the "
                      "formatting option in the formatting toolbar."
                    : "There is currently no object selected.",
              TMsgDlgType::mtInformation, TMsgDlgButtons::mbOK);
}

int TMDIForm1Cls::SelectedObjectOrSay(const TMenuDocument& doc) {
    const int n = doc.SelObject;
    if (n >= 1 && n <= doc.Menu.BtnCount) return n;
    MsgNoSelection();
    return 0;
}

// ---- pressing, dragging and releasing objects ----

void TMDIForm1Cls::StartObjectDrag(forms::Control& grabbed, int x, int y) {
    GrabX_ = -2;
    PushUndo(1);
    forms::Application().ProcessMessages();
    if (GrabX_ == -3) {
        GrabX_ = -1;
        return;
    }
    GrabX_ = x;
    GrabY_ = y;
    ArmDrag(x, y);
    grabbed.SetCursor(forms::Cursor::SizeAll);
}

void TMDIForm1Cls::ArmDrag(int x, int y) {
    DragFromX_ = x;
    DragFromY_ = y;
    DragLive_ = false;
}

bool TMDIForm1Cls::DragUnderway(int x, int y) {
    // The rectangle reaches SM_CXDRAG pixels to either side of the press
    // and SM_CYDRAG above and below it.
    if (!DragLive_)
        DragLive_ = std::abs(x - DragFromX_) > GetSystemMetrics(SM_CXDRAG) ||
                    std::abs(y - DragFromY_) > GetSystemMetrics(SM_CYDRAG);
    return DragLive_;
}

void TMDIForm1Cls::ShowButtonHover(TMenuDocument& doc, int n) {
    const bool sameButton = HoverObj_ == n && StatusBar1->PanelText(0) == " Command: ";
    ShowCommandStatus(n);
    if (sameButton) return;
    if (n >= 1 && n <= doc.Menu.BtnCount && doc.Menu.Buttons[static_cast<size_t>(n)].ObjectKind < PlcImage) {
        RenderAccText(n);
        doc.AccessoryText->SetTag(1);
    }
    if (GetBtnPic(n, Accessory, 0, 0)) {
        doc.AccessoryImage->SetPicture(*doc.Menu.Buttons[static_cast<size_t>(n)].Pics[Accessory][0]);
        doc.AccessoryImage->SetVisible(true);
    }
}

void TMDIForm1Cls::ImgBtnMouseDown(forms::Control& sender, forms::MouseButton button, forms::ShiftState shift, int x,
                                   int y) {
    TMenuDocument* doc = CurrentDoc();
    if (!doc) return;
    const int n = ObjectOfControl(*doc, sender);
    if (n == 0) return;
    DeselectObj(1, 0);
    const TAQButton& object = doc->Menu.Buttons[static_cast<size_t>(n)];
    forms::Image* image = doc->Ctl[static_cast<size_t>(n)].ImgBtn;
    DragW_ = object.ObjWidth;
    DragH_ = object.ObjHeight;
    doc->SelObject = n;
    UpdateButtonBar();
    FrameAround(image->Left(), image->Top(), object.ObjWidth, object.ObjHeight);
    ShowSelHandles(0);
    // The keyboard comes to the surface, as a push button takes it when
    // pressed: the arrow keys then move this object, not a list's selection.
    if (!doc->ClientPanel->Focused()) doc->ClientPanel->SetFocus();
    if (button == forms::MouseButton::Left) {
        StartObjectDrag(sender, x, y);
        return;
    }
    // Other buttons open the properties; a placed text pressed without Shift
    // is edited in place.
    if (object.ObjectKind == PlcText && !(shift & forms::ssShift)) {
        BeginPlacedTextEdit(*doc, n);
        return;
    }
    ShowObjProps();
    FrameSelectedObject();
}

void TMDIForm1Cls::FrameSelectedObject() {
    TMenuDocument* doc = CurrentDoc();
    if (!doc) return;
    if (const forms::Control* shown = ObjectControl(*doc, doc->SelObject))
        FrameAround(shown->Left(), shown->Top(), shown->Width(), shown->Height());
}

void TMDIForm1Cls::PlaceSelectedObject(TMenuDocument& doc) {
    const int n = doc.SelObject;
    TAQButton& object = doc.Menu.Buttons[static_cast<size_t>(n)];
    TObjControls& ctl = doc.Ctl[static_cast<size_t>(n)];
    object.Left = DragX_;
    object.Top = DragY_;
    ctl.ImgBtn->SetBounds(DragX_, DragY_, ctl.ImgBtn->Width(), ctl.ImgBtn->Height());
    ctl.WinBtn->SetBounds(DragX_, DragY_, ctl.WinBtn->Width(), ctl.WinBtn->Height());
    const forms::Control* shown = ObjectControl(doc, n);
    FrameAround(DragX_, DragY_, shown->Width(), shown->Height());
    UpdateButtonBar();
}

void TMDIForm1Cls::ImgBtnMouseMove(forms::Control& sender, forms::ShiftState, int x, int y) {
    if (MoveBusy_) return;
    const int slot = CurMenu_;
    TMenuDocument* doc = CurrentDoc();
    if (!doc) return;
    const int n = ObjectOfControl(*doc, sender);
    if (n == 0) return;
    forms::Application().ProcessMessages();
    doc = MenuDoc(slot);
    if (!doc || doc->Closed || CurMenu_ != slot) return;
    if (n <= doc->Menu.BtnCount && doc->Menu.Buttons[static_cast<size_t>(n)].ObjectKind < PlcImage)
        ShowButtonHover(*doc, n);
    const int sel = doc->SelObject;
    if (GrabX_ < 0 || sel < 1 || sel > doc->Menu.BtnCount || !DragUnderway(x, y)) return;
    MoveBusy_ = 1;
    const TAQButton& object = doc->Menu.Buttons[static_cast<size_t>(sel)];
    const forms::Image* image = doc->Ctl[static_cast<size_t>(sel)].ImgBtn;
    DragX_ = x + image->Left() - GrabX_;
    DragY_ = y + image->Top() - GrabY_;
    SnapPos();
    const editor::SurfacePoint p = editor::ClampToBackground({DragX_, DragY_}, object.ObjWidth, object.ObjHeight,
                                                             doc->BackImage->Width(), doc->BackImage->Height());
    DragX_ = p.X;
    DragY_ = p.Y;
    if (GrabX_ >= 0) PlaceSelectedObject(*doc);
    MoveBusy_ = 0;
}

void TMDIForm1Cls::ImgBtnMouseUp(forms::Control& sender, forms::MouseButton, forms::ShiftState, int, int) {
    if (GrabX_ >= 0) GrabX_ = -1;
    else if (GrabX_ == -2) GrabX_ = -3;
    sender.SetCursor(forms::Cursor::Hand);
    TMenuDocument* doc = CurrentDoc();
    if (!doc) return;
    SelRect_ = BoxOf(static_cast<forms::Control&>(sender));
    ApplySelRect(0);
    ShowSelHandles(1);
    if (TabOrdMenu_ == CurMenu_) ShowTabOrder(1);
}

void TMDIForm1Cls::cmdButton_MouseDown(forms::Control& sender, forms::MouseButton button, forms::ShiftState, int x,
                                       int y) {
    TMenuDocument* doc = CurrentDoc();
    if (!doc) return;
    const int n = ObjectOfControl(*doc, sender);
    if (n == 0) return;
    DeselectObj(1, 0);
    DragW_ = sender.Width();
    DragH_ = sender.Height();
    FrameAround(sender.Left(), sender.Top(), sender.Width(), sender.Height());
    ShowSelHandles(0);
    doc->SelObject = n;
    UpdateButtonBar();
    if (button == forms::MouseButton::Left) {
        StartObjectDrag(sender, x, y);
        return;
    }
    ShowObjProps();
    FrameSelectedObject();
}

void TMDIForm1Cls::cmdButton_MouseMove(forms::Control& sender, forms::ShiftState, int x, int y) {
    if (MoveBusy_) return;
    TMenuDocument* doc = CurrentDoc();
    if (!doc) return;
    const int n = ObjectOfControl(*doc, sender);
    if (n == 0) return;
    ShowButtonHover(*doc, n);
    const int sel = doc->SelObject;
    if (GrabX_ < 0 || sel < 1 || sel > doc->Menu.BtnCount || !DragUnderway(x, y)) return;
    MoveBusy_ = 1;
    const forms::Button* button = doc->Ctl[static_cast<size_t>(sel)].WinBtn;
    DragX_ = x + button->Left() - GrabX_;
    DragY_ = y + button->Top() - GrabY_;
    SnapPos();
    const editor::SurfacePoint p = editor::ClampToBackground({DragX_, DragY_}, button->Width(), button->Height(),
                                                             doc->BackImage->Width(), doc->BackImage->Height());
    DragX_ = p.X;
    DragY_ = p.Y;
    PlaceSelectedObject(*doc);
    MoveBusy_ = 0;
}

void TMDIForm1Cls::cmdButton_MouseUp(forms::Control& sender, forms::MouseButton, forms::ShiftState, int, int) {
    if (GrabX_ >= 0) GrabX_ = -1;
    else if (GrabX_ == -2) GrabX_ = -3;
    sender.SetCursor(forms::Cursor::Hand);
    if (!CurrentDoc()) return;
    DeselectObj(1, 0);
    SelRect_ = BoxOf(sender);
    ApplySelRect(0);
    ShowSelHandles(1);
    if (TabOrdMenu_ == CurMenu_) ShowTabOrder(1);
}

void TMDIForm1Cls::cmdButton_KeyDown(forms::Control& sender, uint16_t& key, forms::ShiftState) {
    // Only Delete is the button's own: the arrow keys reach the window first
    // (SurfaceKeyDown) and move the selected object, never the focused one.
    TMenuDocument* doc = CurrentDoc();
    if (!doc || key != VK_DELETE || ObjectOfControl(*doc, sender) == 0) return;
    key = 0;
    DeleteObject();
}

void TMDIForm1Cls::SurfaceKeyDown(uint16_t& key, forms::ShiftState shift) {
    editor::Nudge direction;
    switch (key) {
        case VK_LEFT: direction = editor::Nudge::Left; break;
        case VK_RIGHT: direction = editor::Nudge::Right; break;
        case VK_UP: direction = editor::Nudge::Up; break;
        case VK_DOWN: direction = editor::Nudge::Down; break;
        default: return;
    }
    if (shift & (forms::ssShift | forms::ssCtrl | forms::ssAlt)) return;
    TMenuDocument* doc = CurrentDoc();
    if (!doc || doc->SelObject < 1 || doc->SelObject > doc->Menu.BtnCount) return;
    if (HWND focus = GetFocus();
        focus && (SendMessageA(focus, WM_GETDLGCODE, key, 0) & (DLGC_WANTARROWS | DLGC_WANTALLKEYS)))
        return;
    key = 0;
    ToolButton47Click(direction);
}

// ---- sizing handles ----

void TMDIForm1Cls::shpHandleMouseDown(forms::Control& sender, forms::MouseButton, forms::ShiftState, int x, int y) {
    TMenuDocument* doc = CurrentDoc();
    if (!doc) return;
    const int k = NameNumber(sender.Name());
    if (k < 0 || k > 7) return;
    DraggedHandle = k;
    ArmDrag(x, y);
    // A placed image's resize changes its display picture: the snapshot
    // keeps the pictures so that an undo brings them back.
    const int n = doc->SelObject;
    const bool image = n >= 1 && n <= doc->Menu.BtnCount &&
                       doc->Menu.Buttons[static_cast<size_t>(n)].ObjectKind == PlcImage;
    PushUndo(image ? 0 : 1);
    if (!doc->ClientPanel->Focused()) doc->ClientPanel->SetFocus();
}

void TMDIForm1Cls::shpHandleMouseMove(forms::Control& sender, forms::ShiftState, int x, int y) {
    if (DraggedHandle == -1 || MoveBusy_) return;
    if (!CurrentDoc() || !DragUnderway(x, y)) return;
    MoveBusy_ = 1;
    DragX_ = x + sender.Left() + HandleOfs_;
    DragY_ = y + sender.Top() + HandleOfs_;
    SnapPos();
    SelRect_ = editor::ResizeByHandle(SelRect_, DraggedHandle, DragX_, DragY_, HandleOfs_);
    ApplySelRect(1);
    forms::Application().ProcessMessages();
    MoveBusy_ = 0;
}

void TMDIForm1Cls::shpHandleMouseUp(forms::Control&, forms::MouseButton, forms::ShiftState, int, int) {
    DraggedHandle = -1;
    TMenuDocument* doc = CurrentDoc();
    if (!doc) return;
    // What the drag resized is drawn again at its new size.
    const int n = doc->SelObject;
    if (n < 1) {
        RenderAccText(0);
        return;
    }
    if (n > doc->Menu.BtnCount) return;
    const int kind = doc->Menu.Buttons[static_cast<size_t>(n)].ObjectKind;
    if (kind == PlcImage) ShowPicImg();
    if (kind == TextButton) RenderObjText(n);
}

// ---- background, nudging, stepping ----

void TMDIForm1Cls::MenPnlClick() {
    if (!CurrentDoc()) return;
    DeselectObj(0, 1);
}

void TMDIForm1Cls::MenPnlMouseDown(forms::MouseButton button) {
    if (button != forms::MouseButton::Right || !CurrentDoc()) return;
    DeselectObj(0, 1);
    ShowMenuProps();
    SyncMenuTools();
}

void TMDIForm1Cls::ToolButton47Click(editor::Nudge direction) {
    TMenuDocument* doc = CurrentDoc();
    if (!doc) return;
    const int n = doc->SelObject;
    if (n < 1 || n > doc->Menu.BtnCount) return;
    PushUndo(1);
    const TAQButton& object = doc->Menu.Buttons[static_cast<size_t>(n)];
    const forms::Image* image = doc->Ctl[static_cast<size_t>(n)].ImgBtn;
    const editor::SurfacePoint p =
        editor::NudgePosition({image->Left(), image->Top()}, direction, object.ObjWidth, object.ObjHeight,
                              doc->BackImage->Width(), doc->BackImage->Height());
    DragX_ = p.X;
    DragY_ = p.Y;
    PlaceSelectedObject(*doc);
    SelRect_ = BoxOf(*ObjectControl(*doc, n));
    ApplySelRect(0);
}

void TMDIForm1Cls::ToolButton48Click(editor::Navigate step) {
    TMenuDocument* doc = CurrentDoc();
    if (!doc) return;
    const editor::NavigateResult result = editor::NavigateSelection(doc->SelObject, doc->Menu.BtnCount, step);
    if (result.Beep) forms::Beep();
    if (result.Selected < 1) return;
    DeselectObj(1, 0);
    SelectPlacedObject(*doc, result.Selected, 0);
}

void TMDIForm1Cls::SelectPlacedObject(TMenuDocument& doc, int n, uint8_t handles) {
    doc.SelObject = n;
    UpdateButtonBar();
    const forms::Control* shown = ObjectControl(doc, n);
    if (!shown) return;
    FrameAround(shown->Left(), shown->Top(), shown->Width(), shown->Height());
    SelRect_ = BoxOf(*shown);
    ApplySelRect(0);
    ShowSelHandles(handles);
}

// ---- in-place editing of a placed text ----

void TMDIForm1Cls::PlaceTextEditor(TMenuDocument& doc, const forms::Control& over) {
    const int depth = doc.Menu.ShadowDepth;
    RichAccEdit->SetParent(doc.ClientPanel);
    RichAccEdit->SetBorder(false);
    const PicRef& background = doc.Menu.Buttons[0].Pics[Up][0];
    if (HasPic(background))
        RichAccEdit->SetBackgroundColor(static_cast<forms::Color>(
            editor::GetAverageColor(*background, over.Left(), over.Top(), over.Width(), over.Height())));
    RichAccEdit->SetBounds(over.Left() + 1, over.Top() + 1, over.Width() - depth, over.Height() - depth);
}

void TMDIForm1Cls::BeginPlacedTextEdit(TMenuDocument& doc, int n) {
    const TAQButton& object = doc.Menu.Buttons[static_cast<size_t>(n)];
    forms::Image* image = doc.Ctl[static_cast<size_t>(n)].ImgBtn;
    PlaceTextEditor(doc, *image);
    RichAccEdit->SetRTF(object.AccRTF);
    RichAccEdit->BringToFront();
    RichAccEdit->SetVisible(true);
    RichAccEdit->SetFocus();
    EnableFmtToolbar(1);
    image->SetVisible(false);
    EditedObj_ = n;
    EditedMenu_ = CurMenu_;
    ShowSelFormat(*RichAccEdit);
}

void TMDIForm1Cls::CommitPlacedTextEdit(TMenuDocument&) {
    const int n = EditedObj_;
    const int slot = EditedMenu_;
    EditedObj_ = 0;
    EditedMenu_ = 0;
    if (n == 0) return;
    RichAccEdit->SetVisible(false);
    EnableFmtToolbar(0);
    // The text goes to the object the editor was opened for, in its own
    // document, and nowhere else.
    TMenuDocument* owner = MenuDoc(slot);
    if (!owner || owner->Closed || n > owner->Menu.BtnCount) return;
    TAQButton& object = owner->Menu.Buttons[static_cast<size_t>(n)];
    forms::Image* image = owner->Ctl[static_cast<size_t>(n)].ImgBtn;
    // The edit hid the object's picture; a picture shown again means the
    // records were replaced meanwhile (an undo), and the text has no owner.
    if (object.ObjectKind != PlcText || !image || image->Visible()) return;
    const std::string rtf = RichAccEdit->RTF();
    if (rtf != object.AccRTF) {
        object.AccRTF = rtf;
        owner->Modified = 1;
    }
    object.LookPNG = RenderRichText(owner->Menu, object.AccRTF, image->Width(), image->Height());
    image->SetPicture(object.LookPNG);
    image->SetVisible(true);
}

// ---- commands ----

void TMDIForm1Cls::WireSurfaceCommands() {
    // The commands that need an open document, and those of the object
    // toolbar that need a selected object.
    const std::pair<const char*, std::function<void()>> docCommands[] = {
        {"cmdInsertBtn", [this] { AddButton(); }},
        {"cmdBtnProps", [this] { ShowObjProps(); }},
        {"cmdAddImage", [this] { AddPlcImage(); }},
        {"cmdAddText", [this] { AddPlcText(); }},
        {"cmdAddShape", [this] { AddPlcShape(); }},
        {"cmdDelete", [this] { DeleteObject(); }},
        {"cmdAutoSeek", [this] { DoAutoSeek(1); }},
        {"cmdCut", [this] { CutObject(); }},
        {"cmdCopy", [this] { CopyObject(); }},
        {"cmdPaste", [this] { PasteObject(); }},
        {"cmdSelectNext", [this] { ToolButton48Click(editor::Navigate::Next); }},
        {"cmdSelectPrevious", [this] { ToolButton48Click(editor::Navigate::Previous); }},
        {"cmdTabOrder", [this] { ToolButton56Click(); }},
        {"cmdOriginalSize", [this] { ToolButton64Click(); }},
    };
    // The toolbar's stepping buttons grey out with no selection; the Objects
    // menu's Select Next and Select Previous stay usable to start stepping.
    const std::pair<const char*, std::function<void()>> objectCommands[] = {
        {"cmdFirst", [this] { ToolButton48Click(editor::Navigate::First); }},
        {"cmdPrevious", [this] { ToolButton48Click(editor::Navigate::Previous); }},
        {"cmdNext", [this] { ToolButton48Click(editor::Navigate::Next); }},
        {"cmdLast", [this] { ToolButton48Click(editor::Navigate::Last); }},
        {"cmdMoveLeft", [this] { ToolButton47Click(editor::Nudge::Left); }},
        {"cmdMoveRight", [this] { ToolButton47Click(editor::Nudge::Right); }},
        {"cmdMoveUp", [this] { ToolButton47Click(editor::Nudge::Up); }},
        {"cmdMoveDown", [this] { ToolButton47Click(editor::Nudge::Down); }},
        {"cmdBringToFront", [this] { ToolButton22Click(); }},
        {"cmdSendToBack", [this] { ToolButton73Click(); }},
        {"cmdBringForward", [this] { ToolButton72Click(); }},
        {"cmdSendBackward", [this] { ToolButton71Click(); }},
    };
    for (const auto& [name, run] : docCommands) DocCommands_.push_back(WireCommand(name, run));
    for (const auto& [name, run] : objectCommands) ObjCommands_.push_back(WireCommand(name, run));
    SetKeyPreview(true);
    OnKeyDown = [this](forms::Control&, uint16_t& key, forms::ShiftState shift) { SurfaceKeyDown(key, shift); };
}
