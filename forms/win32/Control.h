// Controls: components with a place on a parent. `Control` holds the common
// geometry, visibility, enabled state, cursor, pop-up menu and mouse events
// (press, move, release, click, double click, and the pointer entering and
// leaving the control);
// `GraphicControl` is a windowless control that its parent paints (in z-order,
// into the parent's off-screen buffer) and hit-tests for mouse events. Only
// containers (ContainerControl.h, forms) hold windowless controls. A
// windowless control is transparent to the mouse where it draws nothing (a
// hollow frame inside its outline, a label without text), and a click or
// double click that it does not handle goes on to its parent.
// Windowed controls derive from `WinControl` (WinControl.h).
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>

#include "forms/win32/Component.h"

namespace forms {

class WinControl;
class Form;
class Control;

// The system cursor for a shape (Default gives the arrow).
HCURSOR CursorHandle(Cursor cursor);

// A menu that a right-button release over a control opens (PopupMenu).
class ContextMenu {
public:
    // Opens the menu at a screen point on behalf of target.
    virtual void PopupFor(Control& target, POINT screen) = 0;

protected:
    ~ContextMenu() = default;
};

class Control : public Component {
public:
    // parent may be nullptr (not shown until SetParent).
    Control(Component* owner, WinControl* parent);
    ~Control() override;

    WinControl* Parent() const { return parent_; }
    virtual void SetParent(WinControl* parent);
    // The form this control is on (itself for a form), or nullptr.
    Form* ParentForm() const;
    // The top of the parent chain (itself when it has no parent).
    Control* RootControl() const;

    // Position relative to the parent's client area; size in pixels.
    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    void SetLeft(int v) { SetBounds(v, top_, width_, height_); }
    void SetTop(int v) { SetBounds(left_, v, width_, height_); }
    void SetWidth(int v) { SetBounds(left_, top_, v, height_); }
    void SetHeight(int v) { SetBounds(left_, top_, width_, v); }
    virtual void SetBounds(int left, int top, int width, int height);

    // Set: the parent lays the control out (WinControl::Realign).
    Align GetAlign() const { return align_; }
    void SetAlign(Align align);

    bool Visible() const { return visible_; }
    virtual void SetVisible(bool visible);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    // Visible itself and every parent up to a visible form.
    bool Showing() const;

    // A disabled control gets no mouse or keyboard input; a disabled graphic
    // control lets mouse input through to what lies below it. It still draws.
    bool Enabled() const { return enabled_; }
    virtual void SetEnabled(bool enabled);

    Cursor GetCursor() const { return cursor_; }
    void SetCursor(Cursor cursor);

    // Shown on a right-button release over the control (nullptr: the parent's).
    ContextMenu* GetPopupMenu() const { return popupMenu_; }
    void SetPopupMenu(ContextMenu* menu) { popupMenu_ = menu; }

    // Shown in a tooltip while the pointer rests on the control, when its
    // form's ShowHint is on; "\r" starts a new line (Hints.h).
    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& hint) { hint_ = hint; }

    // Top or bottom of the parent's z-order (among controls of the same kind:
    // windowed controls always cover graphic ones).
    virtual void BringToFront();
    virtual void SendToBack();

    // Marks the control's area for repainting; Repaint also paints it now.
    virtual void Invalidate();
    void Repaint();

    // Maps a point of this control to screen coordinates and back.
    POINT ClientToScreen(POINT p) const;
    POINT ScreenToClient(POINT p) const;

    // Runs OnClick exactly as a user's click does.
    virtual void Click();
    // True when a handler of the mouse (press, release, move, click or double
    // click) is set.
    bool HandlesMouse() const;

    NotifyEvent OnClick;
    // The second press of a double click: OnDblClick runs, then OnMouseDown
    // as for any press (its release clicks as any release does). A windowless
    // control without OnDblClick hands the double click to its parent; one
    // without OnClick, OnMouseDown and OnMouseUp hands its clicks on too.
    NotifyEvent OnDblClick;
    MouseEvent OnMouseDown;
    MouseEvent OnMouseUp;
    MouseMoveEvent OnMouseMove;
    NotifyEvent OnMouseEnter;
    NotifyEvent OnMouseLeave;

    // Entry points for the parent's mouse routing (x, y in control coordinates).
    void MouseDown(MouseButton button, ShiftState shift, int x, int y);
    void MouseMove(ShiftState shift, int x, int y);
    void MouseUp(MouseButton button, ShiftState shift, int x, int y);
    void DblClick();
    // A click of the user's (the release of a left press inside the control).
    void UserClick();
    // The pointer came over the control / went away (each once per visit).
    void MouseEnter();
    void MouseLeave();

protected:
    void Detach() override;
    // Geometry changed: windowed controls move their window, graphic ones
    // repaint the old and new areas.
    virtual void BoundsChanged(const RECT& oldBounds) = 0;
    virtual void VisibleChanged() = 0;
    RECT BoundsRect() const { return RECT{left_, top_, left_ + width_, top_ + height_}; }
    // Stores bounds without side effects (for windows that moved themselves).
    void StoreBounds(int left, int top, int width, int height) {
        left_ = left; top_ = top; width_ = width; height_ = height;
    }
    void StoreVisible(bool visible) { visible_ = visible; }
    // True for windows without a parent window (forms).
    virtual bool IsTopLevel() const { return false; }

private:
    friend class WinControl;
    WinControl* parent_ = nullptr;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    bool visible_ = true;
    bool enabled_ = true;
    Cursor cursor_ = Cursor::Default;
    ContextMenu* popupMenu_ = nullptr;
    std::string hint_;
    Align align_ = Align::None;
    // Press seen on this control; a release inside it is a click.
    bool clickArmed_ = false;
    // Between MouseEnter and MouseLeave.
    bool mouseInside_ = false;
};

// Where a graphic control draws: a 32-bit top-down DIB of the parent's client
// area (bits), its memory DC (for GDI drawing), and the area being repainted
// (clip, in buffer coordinates; the DC is clipped to it as well).
struct PaintTarget {
    HDC dc = nullptr;
    uint32_t* bits = nullptr;
    int width = 0;
    int height = 0;
    RECT clip{0, 0, 0, 0};
};

class GraphicControl : public Control {
public:
    using Control::Control;

    // Draws the control at (x, y) of the target (its top-left corner).
    virtual void Paint(PaintTarget& target, int x, int y) = 0;

    // Whether the point (x, y) of the control's own area takes the mouse,
    // rather than what lies below: by default when the control shows
    // something, handles the mouse, or has a pop-up menu or a hint.
    virtual bool HitTest(int x, int y) const;

protected:
    // False for a control that draws nothing at all (a label without text
    // on a clear background, an image without a picture).
    virtual bool ShowsSomething() const { return true; }
    void BoundsChanged(const RECT& oldBounds) override;
    void VisibleChanged() override;
};

}  // namespace forms
