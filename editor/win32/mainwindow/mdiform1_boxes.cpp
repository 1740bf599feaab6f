// Dragging the parts of a menu that are not objects: the accessory text box,
// the accessory image box and the time and date labels; and the selection
// frame, whose press goes to what it frames. Each drag snaps to the grid,
// stays at 0 or more, records an undo step when it starts, and keeps the menu
// record in step with the control so that the record always says where the
// part is. As with objects, a press moves a part only once the pointer has
// left the drag rectangle around the press point.
#include <algorithm>

#include "editor/win32/common/EditorGlobals.h"
#include "editor/win32/mainwindow/mdiform1.h"
#include "forms/win32/Application.h"
#include "forms/win32/Button.h"
#include "forms/win32/Image.h"
#include "forms/win32/Label.h"
#include "forms/win32/ScrollBox.h"
#include "forms/win32/Shape.h"

namespace {

// Selection codes while the left button holds a box or a label.
constexpr int32_t kSelDraggingBox = -20;
constexpr int32_t kSelDraggingLabel = -40;

}  // namespace

void TMDIForm1Cls::WireSurfaceControls(TMenuDocument& doc) {
    doc.BackImage->OnClick = [this](forms::Component&) { MenPnlClick(); };
    doc.BackImage->OnMouseMove = [this](forms::Control&, forms::ShiftState, int, int) { MenPnlMouseMove(); };
    doc.BackImage->OnMouseDown = [this](forms::Control&, forms::MouseButton b, forms::ShiftState, int, int) {
        MenPnlMouseDown(b);
    };
    doc.ScrollBox->OnClick = [this](forms::Component&) { MenPnlClick(); };
    const auto boxDown = [this](forms::Control& s, forms::MouseButton b, forms::ShiftState sh, int x, int y) {
        mmoAccPNGMouseDown(s, b, sh, x, y);
    };
    const auto boxMove = [this](forms::Control& s, forms::ShiftState sh, int x, int y) {
        mmoAccPNGMouseMove(s, sh, x, y);
    };
    const auto boxUp = [this](forms::Control& s, forms::MouseButton b, forms::ShiftState sh, int x, int y) {
        mmoAccPNGEditMouseUp(s, b, sh, x, y);
    };
    doc.AccessoryText->OnMouseDown = boxDown;
    doc.AccessoryText->OnMouseMove = boxMove;
    doc.AccessoryText->OnMouseUp = boxUp;
    doc.AccessoryImage->OnMouseDown = [this](forms::Control& s, forms::MouseButton b, forms::ShiftState sh, int x,
                                             int y) { AccImgMouseDown(s, b, sh, x, y); };
    doc.AccessoryImage->OnMouseMove = [this](forms::Control& s, forms::ShiftState sh, int x, int y) {
        AccImgMouseMove(s, sh, x, y);
    };
    doc.AccessoryImage->OnMouseUp = [this](forms::Control& s, forms::MouseButton b, forms::ShiftState sh, int x,
                                           int y) { AccImgMouseUp(s, b, sh, x, y); };
    for (forms::Label* label : {doc.TimeLabel, doc.DateLabel}) {
        label->OnMouseDown = [this](forms::Control& s, forms::MouseButton b, forms::ShiftState sh, int x, int y) {
            ControlDragMouseDown(s, b, sh, x, y);
        };
        label->OnMouseMove = [this](forms::Control& s, forms::ShiftState sh, int x, int y) {
            ControlDragMouseMove(s, sh, x, y);
        };
        label->OnMouseUp = [this](forms::Control& s, forms::MouseButton b, forms::ShiftState sh, int x, int y) {
            ControlDragMouseUp(s, b, sh, x, y);
        };
    }
}

// ---- the accessory text box ----

void TMDIForm1Cls::mmoAccPNGMouseDown(forms::Control&, forms::MouseButton button, forms::ShiftState, int x, int y) {
    TMenuDocument* doc = CurrentDoc();
    if (!doc) return;
    DeselectObj(0, 0);
    forms::Image& box = *doc->AccessoryText;
    SelRect_ = {box.Left(), box.Left() + box.Width(), box.Top(), box.Top() + box.Height()};
    ApplySelRect(0);
    if (button == forms::MouseButton::Right) {
        BeginAccTextEdit(*doc);
        return;
    }
    if (button != forms::MouseButton::Left) return;
    ShowSelHandles(1);
    DragW_ = box.Width();
    DragH_ = box.Height();
    GrabX_ = x;
    GrabY_ = y;
    ArmDrag(x, y);
    doc->SelObject = kSelDraggingBox;
    PushUndo(1);
    forms::Application().ProcessMessages();
}

void TMDIForm1Cls::mmoAccPNGMouseMove(forms::Control& sender, forms::ShiftState, int x, int y) {
    if (MoveBusy_) return;
    TMenuDocument* doc = CurrentDoc();
    if (!doc) return;
    // Not dragging: the pointer came from a button onto the box, which
    // shows the menu's own accessory text again.
    if (doc->SelObject != kSelDraggingBox) {
        MenPnlMouseMove();
        return;
    }
    if (GrabX_ < 0 || !DragUnderway(x, y)) return;
    MoveBusy_ = 1;
    DragX_ = std::max(0, x + sender.Left() - GrabX_);
    DragY_ = std::max(0, y + sender.Top() - GrabY_);
    SnapPos();
    SelRect_ = {DragX_, DragX_ + DragW_, DragY_, DragY_ + DragH_};
    ApplySelRect(0);
    forms::Application().ProcessMessages();
    MoveBusy_ = 0;
}

void TMDIForm1Cls::mmoAccPNGEditMouseUp(forms::Control&, forms::MouseButton, forms::ShiftState, int, int) {
    if (TMenuDocument* doc = CurrentDoc()) doc->SelObject = kSelNone;
    GrabX_ = -1;
}

// ---- the selection frame ----

forms::Control* TMDIForm1Cls::FramedControl() {
    TMenuDocument* doc = CurrentDoc();
    if (!doc) return nullptr;
    const int n = doc->SelObject;
    if (forms::Control* shown = ObjectControl(*doc, n)) return shown;
    if (n == kSelTimeLabel) return doc->TimeLabel;
    if (n == kSelDateLabel) return doc->DateLabel;
    return doc->AccessoryText;
}

void TMDIForm1Cls::WireSelectionFrame() {
    // Positions are passed on in the target's own coordinates.
    const auto inTarget = [this](forms::Control& target, int& x, int& y) {
        x += shpSelection->Left() - target.Left();
        y += shpSelection->Top() - target.Top();
    };
    shpSelection->OnMouseDown = [this, inTarget](forms::Control&, forms::MouseButton b, forms::ShiftState sh, int x,
                                                 int y) {
        FramePressTarget_ = FramedControl();
        if (!FramePressTarget_) return;
        inTarget(*FramePressTarget_, x, y);
        // The frame lies just outside its control: the grab is taken at the
        // control's nearest pixel, as a drag counts grabs from 0.
        FramePressTarget_->MouseDown(b, sh, std::max(0, x), std::max(0, y));
    };
    // The pressed control may have gone while messages ran (an undo, a
    // closed menu): only a control of the current menu takes the rest.
    const auto stillThere = [this](forms::Control* target) {
        TMenuDocument* doc = CurrentDoc();
        if (!doc || !target) return false;
        if (target == doc->AccessoryText || target == doc->TimeLabel || target == doc->DateLabel) return true;
        for (int n = 1; n <= doc->Menu.BtnCount; ++n) {
            const TObjControls& ctl = doc->Ctl[static_cast<size_t>(n)];
            if (target == ctl.ImgBtn || target == ctl.WinBtn) return true;
        }
        return false;
    };
    shpSelection->OnMouseMove = [this, inTarget, stillThere](forms::Control&, forms::ShiftState sh, int x, int y) {
        forms::Control* target = FramePressTarget_ ? FramePressTarget_ : FramedControl();
        if (!stillThere(target)) return;
        inTarget(*target, x, y);
        target->MouseMove(sh, x, y);
    };
    shpSelection->OnMouseUp = [this, inTarget, stillThere](forms::Control&, forms::MouseButton b,
                                                           forms::ShiftState sh, int x, int y) {
        forms::Control* target = FramePressTarget_;
        FramePressTarget_ = nullptr;
        if (!stillThere(target)) return;
        inTarget(*target, x, y);
        target->MouseUp(b, sh, x, y);
    };
}

// ---- the accessory image box ----

void TMDIForm1Cls::AccImgMouseDown(forms::Control& sender, forms::MouseButton button, forms::ShiftState, int x,
                                   int y) {
    TMenuDocument* doc = CurrentDoc();
    if (!doc) return;
    if (button == forms::MouseButton::Right) {
        sender.SetVisible(false);
        return;
    }
    DeselectObj(0, 0);
    GrabX_ = x;
    GrabY_ = y;
    ArmDrag(x, y);
    DragW_ = sender.Width();
    DragH_ = sender.Height();
    doc->SelObject = kSelDraggingBox;
    PushUndo(1);
}

void TMDIForm1Cls::AccImgMouseMove(forms::Control& sender, forms::ShiftState, int x, int y) {
    TMenuDocument* doc = CurrentDoc();
    if (!doc || doc->SelObject != kSelDraggingBox || GrabX_ < 0 || !DragUnderway(x, y)) return;
    DragX_ = std::max(0, x + sender.Left() - GrabX_);
    DragY_ = std::max(0, y + sender.Top() - GrabY_);
    SnapPos();
    sender.SetBounds(DragX_, DragY_, sender.Width(), sender.Height());
    doc->Menu.AccImageLeft = DragX_;
    doc->Menu.AccImageTop = DragY_;
}

void TMDIForm1Cls::AccImgMouseUp(forms::Control&, forms::MouseButton, forms::ShiftState, int, int) {
    if (TMenuDocument* doc = CurrentDoc()) doc->SelObject = kSelNone;
    GrabX_ = -1;
}

// ---- the time and date labels ----

void TMDIForm1Cls::ControlDragMouseDown(forms::Control& sender, forms::MouseButton, forms::ShiftState, int x,
                                        int y) {
    TMenuDocument* doc = CurrentDoc();
    if (!doc) return;
    PushUndo(1);
    GrabX_ = x;
    GrabY_ = y;
    ArmDrag(x, y);
    DragW_ = sender.Width();
    DragH_ = sender.Height();
    doc->SelObject = kSelDraggingLabel;
}

void TMDIForm1Cls::ControlDragMouseMove(forms::Control& sender, forms::ShiftState, int x, int y) {
    TMenuDocument* doc = CurrentDoc();
    if (!doc || doc->SelObject != kSelDraggingLabel || GrabX_ < 0 || !DragUnderway(x, y)) return;
    DragX_ = x + sender.Left() - GrabX_;
    DragY_ = y + sender.Top() - GrabY_;
    SnapPos();
    sender.SetBounds(DragX_, DragY_, sender.Width(), sender.Height());
    const bool time = &sender == doc->TimeLabel;
    (time ? doc->Menu.TimeLeft : doc->Menu.DateLeft) = DragX_;
    (time ? doc->Menu.TimeTop : doc->Menu.DateTop) = DragY_;
}

void TMDIForm1Cls::ControlDragMouseUp(forms::Control& sender, forms::MouseButton, forms::ShiftState, int, int) {
    TMenuDocument* doc = CurrentDoc();
    GrabX_ = -1;
    if (!doc) return;
    doc->SelObject = kSelNone;
    DeselectObj(0, 0);
    // The released label stays selected for formatting and for Delete.
    doc->SelObject = &sender == doc->TimeLabel ? kSelTimeLabel : kSelDateLabel;
    EnableFmtToolbar(1);
    ShowFontFormat((doc->SelObject == kSelTimeLabel ? doc->TimeLabel : doc->DateLabel)->GetFont());
    FrameAround(sender.Left(), sender.Top(), sender.Width(), sender.Height());
    // The frame does not flash around a label: it may have been left in the
    // flash's hidden phase by an object selected before.
    shpSelection->SetPenStyle(forms::PenStyle::Dot);
    ShowSelHandles(0);
}
