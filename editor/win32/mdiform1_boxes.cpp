// Dragging the parts of a menu that are not objects: the accessory text box
// (pressing the selection frame acts as pressing it), the accessory image box
// and the time and date labels. Each drag snaps to the grid, stays at 0 or
// more, records an undo step when it starts, and keeps the menu record in
// step with the control so that the record always says where the part is.
#include <algorithm>

#include "editor/win32/EditorGlobals.h"
#include "editor/win32/mdiform1.h"
#include "forms/win32/Application.h"
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
    for (forms::Control* box : {static_cast<forms::Control*>(doc.AccessoryText),
                                static_cast<forms::Control*>(shpSelection)}) {
        box->OnMouseDown = boxDown;
        box->OnMouseMove = boxMove;
        box->OnMouseUp = boxUp;
    }
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
    if (GrabX_ < 0) return;
    MoveBusy_ = 1;
    // The frame lies 1 pixel outside the box: positions are the box's.
    const int offset = &sender == shpSelection ? 1 : 0;
    DragX_ = std::max(0, x + sender.Left() + offset - GrabX_);
    DragY_ = std::max(0, y + sender.Top() + offset - GrabY_);
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
    DragW_ = sender.Width();
    DragH_ = sender.Height();
    doc->SelObject = kSelDraggingBox;
    PushUndo(1);
}

void TMDIForm1Cls::AccImgMouseMove(forms::Control& sender, forms::ShiftState, int x, int y) {
    TMenuDocument* doc = CurrentDoc();
    if (!doc || doc->SelObject != kSelDraggingBox || GrabX_ < 0) return;
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
    DragW_ = sender.Width();
    DragH_ = sender.Height();
    doc->SelObject = kSelDraggingLabel;
}

void TMDIForm1Cls::ControlDragMouseMove(forms::Control& sender, forms::ShiftState, int x, int y) {
    TMenuDocument* doc = CurrentDoc();
    if (!doc || doc->SelObject != kSelDraggingLabel || GrabX_ < 0) return;
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
    ShowSelHandles(0);
}
