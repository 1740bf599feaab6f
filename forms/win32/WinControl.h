// Windowed controls: a Control with its own Win32 window. WinControl creates
// (or wraps) the window, subclasses it to route keyboard, focus and mouse
// messages to the std::function events, and — for containers such as forms —
// holds child controls and paints its graphic children double-buffered.
//
// Keyboard handling (the same on every windowed control of a form):
//  - Key down/up: the form's OnKeyDown/OnKeyUp first when its KeyPreview is
//    on, then the control's own; a handler that sets the key to 0 swallows it.
//    Tab and Shift+Tab then move the focus to the next/previous control with
//    TabStop (in creation order) unless the control wants Tab itself.
//  - Characters: the form's OnKeyPress (KeyPreview), then the control's. An
//    unhandled Enter (one a multi-line text box does not take for itself)
//    clicks the focused button, or else the form's Default
//    button; Escape clicks the form's Cancel button. An unhandled letter or
//    digit typed with Alt, or typed plainly on a control that takes no text
//    (a button, the form itself), clicks the first visible, enabled button of
//    the form whose caption marks that character with "&".
//  - Arrow keys are not used for navigation: the control's OnKeyDown gets them.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "forms/win32/Control.h"
#include "forms/win32/Font.h"
#include "forms/win32/PaintBuffer.h"

namespace forms {

class WinControl : public Control {
public:
    WinControl(Component* owner, WinControl* parent);
    ~WinControl() override;

    // The window. A child control's window is created when it is first
    // needed: when the control is visible on a showing parent (a form that
    // is shown creates the windows of its visible controls first), or when
    // Handle() is asked for. Until then the control keeps its caption,
    // bounds, visibility, font and place in the z-order itself, and the
    // window is created with all of them in one go. Valid from then on for
    // the control's whole life.
    HWND Handle() const;
    bool HandleAllocated() const { return hwnd_ != nullptr; }
    // The control that wraps a window of this layer, or nullptr.
    static WinControl* FromHandle(HWND hwnd);

    // Child controls in z-order, bottom first.
    int ControlCount() const { return static_cast<int>(children_.size()); }
    Control* Controls(int index) const { return children_.at(static_cast<size_t>(index)); }

    // The window text (a form's title, a button's caption, an edit's text).
    std::string Caption() const;
    void SetCaption(const std::string& text);

    const Font& GetFont() const { return font_; }
    void SetFont(const Font& font);
    // Background colour of containers (forms) and the text colour source.
    Color GetColor() const { return color_; }
    void SetColor(Color color);

    bool TabStop() const { return tabStop_; }
    void SetTabStop(bool on);

    bool Focused() const;
    // Showing, enabled, and on an enabled form.
    bool CanFocus() const;
    void SetFocus();

    void SetParent(WinControl* parent) override;
    void SetEnabled(bool enabled) override;
    void Invalidate() override;

    // The top-most visible, enabled graphic child at (x, y) of the client
    // area, or nullptr.
    GraphicControl* GraphicControlAt(int x, int y) const;

    // Hands a WM_COMMAND that a window received from a child control to that
    // control; false when lParam is not a control of this layer.
    static bool ReflectCommand(WPARAM wParam, LPARAM lParam);

    KeyEvent OnKeyDown;
    KeyEvent OnKeyUp;
    KeyPressEvent OnKeyPress;
    NotifyEvent OnEnter;  // the control got the keyboard focus
    NotifyEvent OnExit;   // the control lost the keyboard focus

protected:
    // Names the Win32 class (e.g. "BUTTON") and styles of the control's
    // window, which is created as a child of the parent (or of a hidden
    // parking window while there is none) when first needed (see Handle())
    // and subclassed. Derived constructors call this once.
    void CreateChildWindow(const char* className, DWORD style, DWORD exStyle);
    // Creates the window now, if it has not been created yet.
    void CreateHandle();
    // Adopts a window created by a derived class (forms) and subclasses it.
    void AttachWindow(HWND hwnd);

    // The control's message handler; the default routes input to the events
    // and passes everything on to DefaultProc.
    virtual LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT DefaultProc(UINT msg, WPARAM wParam, LPARAM lParam);
    // WM_COMMAND / WM_NOTIFY that the parent received from this control.
    virtual void CommandNotify(WORD code) { (void)code; }
    // True for controls that take typed text (no plain-letter accelerators).
    virtual bool WantsChars() const { return false; }
    // True for containers: WM_PAINT then paints the background and the
    // graphic children through an off-screen buffer.
    virtual bool IsContainer() const { return false; }
    // Paints the background and the graphic children inside target.clip into
    // a target that covers the whole client area.
    void PaintContainer(PaintTarget& target);
    // Draws the windowed children (and theirs) into target, this control's
    // client origin being at (originX, originY) of the target.
    void PrintChildren(PaintTarget& target, int originX, int originY);

    void BoundsChanged(const RECT& oldBounds) override;
    void VisibleChanged() override;
    void Detach() override;

    // Key routing shared by all windowed controls (see the file comment).
    bool HandleKeyMessage(UINT msg, WPARAM wParam, LPARAM lParam);
    // Mouse routing of containers to their graphic children.
    bool HandleContainerMouse(UINT msg, WPARAM wParam, LPARAM lParam);

private:
    friend class Control;
    friend class Form;
    static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    void AddChild(Control* c);
    void RemoveChild(Control* c);
    void MoveChild(Control* c, bool toFront);
    bool ApplyCursor();
    void PaintMessage();
    void FireMouse(UINT msg, WPARAM wParam, LPARAM lParam);
    void ShowPopupFor(Control* target, POINT screen);
    HBRUSH BackgroundBrush();
    // Creates the windows of the visible windowed children (and theirs).
    void CreateVisibleChildHandles();
    // Puts a new window below the nearest sibling in front of it that has
    // a window (at the top when there is none).
    void PlaceInZOrder();

    HWND hwnd_ = nullptr;
    WNDPROC oldProc_ = nullptr;
    // The window still to be created (CreateChildWindow).
    std::string className_;
    DWORD style_ = 0, exStyle_ = 0;
    bool pending_ = false;
    // The caption while there is no window.
    std::string caption_;
    std::vector<Control*> children_;
    Font font_;
    Color color_ = clBtnFace;
    HBRUSH brush_ = nullptr;
    bool tabStop_ = false;
    bool topLevel_ = false;
    // Creation order: the order of Tab navigation.
    unsigned tabSerial_ = 0;
    // Graphic child that received the press and gets every mouse message
    // until the buttons are released.
    Control* captured_ = nullptr;
    // Off-screen surface of containers (grows to the largest client size).
    DibBuffer buffer_;
};

}  // namespace forms
