// Windowed controls: a Control with its own Win32 window. WinControl creates
// (or wraps) the window, subclasses it to route keyboard, focus and mouse
// messages to the std::function events, and — for containers such as forms —
// holds child controls and paints its graphic children double-buffered.
// Children with an Align are laid out by the control itself (Realign).
//
// Notifications: WM_COMMAND, WM_NOTIFY, WM_HSCROLL / WM_VSCROLL, WM_DRAWITEM
// and WM_CTLCOLOR* that a window receives from a child control go back to
// that control's Notification(), which may handle them and give the result.
// Each control thereby owns its own events; parents stay unaware of them.
//
// Mouse: a press on a control with a window of its own (a push button, a
// text box) is handled by the window first (capture, pressed look, focus)
// and then raises OnMouseDown, so a handler may let messages through.
//
// Keyboard handling (the same on every windowed control of a form):
//  - Key down/up and characters reach the root container's key preview (a
//    form with KeyPreview on) first, then the control's own OnKeyDown /
//    OnKeyUp / OnKeyPress; a handler that sets the key to 0 swallows it,
//    except a key that the control claims (WantsKey): that one always goes
//    on to the control itself (KeyAction, then its window), so a handler acts
//    on it as well, never instead (Enter in a dropped list still closes it).
//  - A key or character that is still unhandled goes to the root container's
//    DialogKey (Form: Tab, Enter, Escape, arrows in radio groups, "&"
//    accelerators). A control that claims a key (WantsKey, or WM_GETDLGCODE
//    flags such as DLGC_WANTTAB) keeps it; one that takes typed text
//    (WantsChars: text boxes and combo boxes of every style) keeps its plain
//    letters, which then need Alt to press a "&" accelerator.
//  - Keyboard shortcuts of commands and menus are taken earlier, in the
//    message loop's filter step (Form), unless the focused control claims
//    the key (WantsKey).
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

    // Lays out the visible children that have an Align: Top ones stack down
    // from the top edge and Bottom ones up from the bottom (each in the order
    // of their positions, taking the whole width), then Left and Right ones
    // likewise, and Client ones fill what is left. Runs by itself when the
    // client area or an aligned child changes.
    void Realign();

    // The top-most visible, enabled graphic child that takes the mouse at
    // (x, y) of the client area (GraphicControl::HitTest), or nullptr.
    GraphicControl* GraphicControlAt(int x, int y) const;

    // A solid brush of Color (owned by the control): the background that
    // containers give their children on WM_CTLCOLOR*.
    HBRUSH BackgroundBrush();

    // Hands a notification message that a window received from a child
    // window (see the file comment) to the control of this layer that sent
    // it. True when that control handled it; result is then the answer.
    static bool ReflectNotification(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);
    // The control of this layer that sent a notification message, or nullptr.
    static WinControl* NotificationSender(UINT msg, WPARAM wParam, LPARAM lParam);

    // Destroys the windows of the controls below this one that keep
    // everything their window shows (KeepsStateWithoutHandle), such as the
    // buttons of a page that is no longer shown: a process may own only so
    // many windows. Each is created again when next needed, with its
    // caption, bounds, visibility, enabled state, font and z-order.
    void ReleaseChildHandles();

    // The windowed controls below this one, depth first (each container's
    // children in z-order).
    void CollectWinControls(std::vector<WinControl*>& out) const;
    // The position in creation order: the order of Tab navigation.
    unsigned CreationSerial() const { return tabSerial_; }

    // Routes a key message (WM_KEYDOWN, WM_KEYUP, WM_SYSKEYDOWN,
    // WM_SYSKEYUP, WM_CHAR, WM_SYSCHAR) as described in the file comment;
    // true when it was used (the window is then not to get it). The
    // control's window calls it; forms call it for keys of inner windows
    // that a control owns (a combo box's edit).
    bool HandleKeyMessage(UINT msg, WPARAM wParam, LPARAM lParam);

    // True for controls that take typed characters: text boxes, and combo
    // boxes of every style (a letter picks an item of a list), as their
    // windows answer DLGC_WANTCHARS. Their plain letters are no accelerators.
    virtual bool WantsChars() const { return false; }
    // True when the control uses this key message (from the message loop)
    // itself, so that neither a shortcut nor a dialog key takes it: text
    // boxes keep their editing keys, a combo box Escape and Enter while its
    // list is dropped. A claimed Escape or Enter goes to the control's own
    // window without its character (which would otherwise come after the
    // key has been used). The default asks the window (WM_GETDLGCODE with
    // the message, DLGC_WANTMESSAGE).
    virtual bool WantsKey(const MSG& msg) const;
    // The accelerator character (upper case) that "&" marks in the caption
    // of controls that show one, or 0.
    virtual char AccelChar() const { return 0; }

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
    // The window is to be created as a child of the application's utility
    // window and then moved to the parent: for controls that send their
    // notifications for their whole life to the window they were created
    // in (the utility window hands them back to the control).
    void CreateUnderUtilityWindow() { underUtility_ = true; }
    // Runs just before the window is created (e.g. to load the library of
    // its window class).
    virtual void BeforeHandleCreated() {}
    // True for controls whose window may be destroyed and made again:
    // everything it shows is kept by the control (ReleaseChildHandles).
    virtual bool KeepsStateWithoutHandle() const { return false; }
    // Destroys the window of such a control and those of its children; it
    // is created again when next needed.
    void DestroyHandle();
    // Adopts a window created by a derived class (forms) and subclasses it.
    void AttachWindow(HWND hwnd);

    // The control's message handler; the default routes input to the events
    // and passes everything on to DefaultProc.
    virtual LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT DefaultProc(UINT msg, WPARAM wParam, LPARAM lParam);
    // A notification message (WM_COMMAND, WM_NOTIFY, WM_HSCROLL,
    // WM_VSCROLL, WM_DRAWITEM, WM_CTLCOLOR*) that the parent window received
    // from this control's window, with the parent's wParam and lParam.
    // Return true with result set to handle it, false to leave it to the
    // parent's default handling.
    virtual bool Notification(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);

    // The part of the client area that aligned children share.
    virtual RECT AlignArea() const;
    // A child was added or removed, or changed its bounds, visibility or
    // Align. The default realigns when the child has an Align.
    virtual void ChildLayoutChanged(Control& child);
    // The window has just been created (derived controls send it what they
    // kept while there was none).
    virtual void HandleCreated() {}
    // The caption changed (containers that draw it repaint).
    virtual void TextChanged() {}
    // Containers: fills the part target.clip of the client area (in target
    // coordinates) before the graphic children are drawn. The default fills
    // Color.
    virtual void PaintBackground(PaintTarget& target);

    // Root containers (forms) only: a key message of a control below them
    // before that control's own events (msg WM_KEYDOWN, WM_KEYUP or WM_CHAR;
    // key set to 0 swallows it) ...
    virtual void PreviewKey(UINT msg, WPARAM& key, ShiftState shift) {
        (void)msg; (void)key; (void)shift;
    }
    // ... and a key message (WM_KEYDOWN, WM_CHAR, WM_SYSCHAR) that the
    // focused control left unhandled; true when used.
    virtual bool DialogKey(WinControl& focused, UINT msg, WPARAM key, ShiftState shift) {
        (void)focused; (void)msg; (void)key; (void)shift;
        return false;
    }
    // What the control itself does with a key that its Win32 class leaves
    // undone (text boxes: Ctrl+A selects all). Runs after the key's events,
    // for keys of the control's window and of its inner windows (msg.hwnd is
    // the control's window either way); true when it acted, and the window
    // then does not get the key.
    virtual bool KeyAction(const MSG& msg) {
        (void)msg;
        return false;
    }
    // Tells the root container that this control has the focus (its window
    // got it, or a window inside it: a combo box's edit), for ActiveControl,
    // OnEnter and OnExit.
    void ReportFocus();
    // Root containers: a control below got the focus / is leaving the tree.
    virtual void ChildFocused(WinControl& control) { (void)control; }
    virtual void ChildRemoved(Control& control) { (void)control; }
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
    bool IsTopLevel() const override { return topLevel_; }
    // Marks the control as a window without a parent window (forms).
    void SetTopLevel() { topLevel_ = true; }

    // Mouse routing of containers to their graphic children.
    bool HandleContainerMouse(UINT msg, WPARAM wParam, LPARAM lParam);
    // Creates the windows of the visible windowed children (and theirs).
    void CreateVisibleChildHandles();

private:
    friend class Control;
    static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    void AddChild(Control* c);
    void RemoveChild(Control* c);
    void MoveChild(Control* c, bool toFront);
    bool ApplyCursor();
    // The preview, the events and the dialog keys of HandleKeyMessage; true
    // when one of them used the key.
    bool RouteKey(UINT msg, WPARAM wParam);
    void PaintMessage();
    void FireMouse(UINT msg, WPARAM wParam, LPARAM lParam);
    void ShowPopupFor(Control* target, POINT screen);
    void TrackMouseLeave();
    void MouseLeft();
    // Puts a new window below the nearest sibling in front of it that has
    // a window (at the top when there is none).
    void PlaceInZOrder();

    HWND hwnd_ = nullptr;
    WNDPROC oldProc_ = nullptr;
    // The window still to be created (CreateChildWindow).
    std::string className_;
    DWORD style_ = 0, exStyle_ = 0;
    bool pending_ = false;
    bool underUtility_ = false;
    // The caption while there is no window.
    std::string caption_;
    std::vector<Control*> children_;
    Font font_;
    Color color_ = clBtnFace;
    HBRUSH brush_ = nullptr;
    bool tabStop_ = false;
    bool topLevel_ = false;
    bool aligning_ = false;
    // Creation order: the order of Tab navigation.
    unsigned tabSerial_ = 0;
    // Graphic child that received the press and gets every mouse message
    // until the buttons are released.
    Control* captured_ = nullptr;
    // Graphic child under the pointer (it had MouseEnter).
    Control* hovered_ = nullptr;
    // Off-screen surface of containers (grows to the largest client size).
    DibBuffer buffer_;
};

}  // namespace forms
