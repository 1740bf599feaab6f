#include "forms/win32/Control.h"

#include "forms/win32/WinControl.h"

namespace forms {
namespace {

LPCSTR CursorResource(Cursor c) {
    switch (c) {
    case Cursor::IBeam: return IDC_IBEAM;
    case Cursor::Wait: return IDC_WAIT;
    case Cursor::Cross: return IDC_CROSS;
    case Cursor::UpArrow: return IDC_UPARROW;
    case Cursor::SizeNWSE: return IDC_SIZENWSE;
    case Cursor::SizeNESW: return IDC_SIZENESW;
    case Cursor::SizeWE: return IDC_SIZEWE;
    case Cursor::SizeNS: return IDC_SIZENS;
    case Cursor::SizeAll: return IDC_SIZEALL;
    case Cursor::No: return IDC_NO;
    case Cursor::Hand: return IDC_HAND;
    case Cursor::AppStarting: return IDC_APPSTARTING;
    default: return IDC_ARROW;
    }
}

}  // namespace

HCURSOR CursorHandle(Cursor c) { return LoadCursor(nullptr, CursorResource(c)); }

Control::Control(Component* owner, WinControl* parent) : Component(owner) {
    if (parent) {
        parent_ = parent;
        parent->AddChild(this);
    }
}

Control::~Control() {
    if (parent_) parent_->RemoveChild(this);
}

void Control::SetParent(WinControl* parent) {
    if (parent == parent_) return;
    if (parent_) parent_->RemoveChild(this);
    parent_ = parent;
    if (parent_) parent_->AddChild(this);
}

Control* Control::RootControl() const {
    const Control* c = this;
    while (c->parent_) c = c->parent_;
    return const_cast<Control*>(c);
}

void Control::SetBounds(int left, int top, int width, int height) {
    if (width < 0) width = 0;
    if (height < 0) height = 0;
    if (left == left_ && top == top_ && width == width_ && height == height_) return;
    RECT old = BoundsRect();
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    BoundsChanged(old);
    if (parent_) parent_->ChildLayoutChanged(*this);
}

void Control::SetAlign(Align align) {
    if (align == align_) return;
    align_ = align;
    if (parent_) parent_->ChildLayoutChanged(*this);
}

void Control::SetVisible(bool visible) {
    if (visible == visible_) return;
    visible_ = visible;
    VisibleChanged();
    if (parent_) parent_->ChildLayoutChanged(*this);
}

bool Control::Showing() const {
    if (!visible_) return false;
    return parent_ ? parent_->Showing() : IsTopLevel();
}

void Control::SetEnabled(bool enabled) { enabled_ = enabled; }

void Control::SetCursor(Cursor cursor) {
    if (cursor == cursor_) return;
    cursor_ = cursor;
    // Show the new shape at once when the pointer is over this control (or
    // the control holds the mouse), not only at the next pointer move. A
    // control that is not showing is not under the pointer: asking where the
    // pointer is would only cost time (controls are made hidden by the
    // hundred when a menu opens).
    if (!Showing()) return;
    const WinControl* win = dynamic_cast<const WinControl*>(this);
    const WinControl* windowed = win ? win : parent_;
    if (!windowed || !windowed->HandleAllocated()) return;
    HWND hwnd = windowed->Handle();
    POINT p;
    GetCursorPos(&p);
    if (WindowFromPoint(p) == hwnd || GetCapture() == hwnd)
        SendMessageA(hwnd, WM_SETCURSOR, reinterpret_cast<WPARAM>(hwnd), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
}

void Control::BringToFront() {
    if (parent_) parent_->MoveChild(this, true);
}

void Control::SendToBack() {
    if (parent_) parent_->MoveChild(this, false);
}

void Control::Invalidate() {
    if (visible_ && parent_ && parent_->HandleAllocated()) {
        RECT r = BoundsRect();
        InvalidateRect(parent_->Handle(), &r, FALSE);
    }
}

void Control::Repaint() {
    Invalidate();
    const WinControl* win = dynamic_cast<const WinControl*>(this);
    const WinControl* windowed = win ? win : parent_;
    if (windowed && windowed->HandleAllocated()) UpdateWindow(windowed->Handle());
}

POINT Control::ClientToScreen(POINT p) const {
    if (const WinControl* win = dynamic_cast<const WinControl*>(this)) {
        ::ClientToScreen(win->Handle(), &p);
    } else if (parent_) {
        p.x += left_;
        p.y += top_;
        p = parent_->ClientToScreen(p);
    }
    return p;
}

POINT Control::ScreenToClient(POINT p) const {
    if (const WinControl* win = dynamic_cast<const WinControl*>(this)) {
        ::ScreenToClient(win->Handle(), &p);
    } else if (parent_) {
        p = parent_->ScreenToClient(p);
        p.x -= left_;
        p.y -= top_;
    }
    return p;
}

void Control::Click() {
    auto handler = OnClick;
    if (handler) handler(*this);
}

bool Control::HandlesMouse() const {
    return OnClick || OnDblClick || OnMouseDown || OnMouseUp || OnMouseMove;
}

void Control::UserClick() {
    const bool passOn = !OnClick && !OnMouseDown && !OnMouseUp && dynamic_cast<GraphicControl*>(this);
    if (passOn && parent_)
        parent_->UserClick();
    else
        Click();
}

void Control::MouseDown(MouseButton button, ShiftState shift, int x, int y) {
    if (button == MouseButton::Left) clickArmed_ = true;
    auto handler = OnMouseDown;
    if (handler) handler(*this, button, shift, x, y);
}

void Control::MouseMove(ShiftState shift, int x, int y) {
    auto handler = OnMouseMove;
    if (handler) handler(*this, shift, x, y);
}

void Control::MouseUp(MouseButton button, ShiftState shift, int x, int y) {
    if (button == MouseButton::Left && clickArmed_) {
        clickArmed_ = false;
        if (x >= 0 && y >= 0 && x < width_ && y < height_) UserClick();
    }
    auto handler = OnMouseUp;
    if (handler) handler(*this, button, shift, x, y);
}

void Control::DblClick() {
    auto handler = OnDblClick;
    if (handler)
        handler(*this);
    else if (parent_ && dynamic_cast<GraphicControl*>(this))
        parent_->DblClick();
}

void Control::MouseEnter() {
    if (mouseInside_) return;
    mouseInside_ = true;
    auto handler = OnMouseEnter;
    if (handler) handler(*this);
}

void Control::MouseLeave() {
    if (!mouseInside_) return;
    mouseInside_ = false;
    auto handler = OnMouseLeave;
    if (handler) handler(*this);
}

void Control::Detach() {
    // Freed controls leave the screen at once and run no more handlers.
    OnClick = nullptr;
    OnDblClick = nullptr;
    OnMouseDown = nullptr;
    OnMouseUp = nullptr;
    OnMouseMove = nullptr;
    OnMouseEnter = nullptr;
    OnMouseLeave = nullptr;
    SetParent(nullptr);
}

bool GraphicControl::HitTest(int x, int y) const {
    (void)x;
    (void)y;
    return ShowsSomething() || HandlesMouse() || GetPopupMenu() || !Hint().empty();
}

void GraphicControl::BoundsChanged(const RECT& oldBounds) {
    if (!Parent() || !Parent()->HandleAllocated() || !Visible()) return;
    // Old and new places that overlap (a control dragged a step) are
    // invalidated as one rectangle: one request instead of two.
    RECT now = BoundsRect(), both;
    if (IntersectRect(&both, &oldBounds, &now)) {
        UnionRect(&both, &oldBounds, &now);
        InvalidateRect(Parent()->Handle(), &both, FALSE);
        return;
    }
    InvalidateRect(Parent()->Handle(), &oldBounds, FALSE);
    Invalidate();
}

void GraphicControl::VisibleChanged() {
    if (Parent() && Parent()->HandleAllocated()) {
        RECT r = BoundsRect();
        InvalidateRect(Parent()->Handle(), &r, FALSE);
    }
}

}  // namespace forms
