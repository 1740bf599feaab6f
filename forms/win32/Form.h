// Top-level windows. Derive a form class, create its controls in the
// constructor (owner and parent `this`), hook its events there, and create it
// through Application().CreateForm<T>(), which then runs OnCreate once:
//
//   class TfrmAboutCls : public forms::Form {
//   public:
//       TfrmAboutCls() {
//           SetCaption("About");
//           SetClientSize(441, 289);
//           Command1 = new forms::Button(this, this);
//           Command1->SetName("Command1");
//           Command1->OnClick = [this](forms::Component& s) { Command1_Click(s); };
//           OnCreate = [this](forms::Component& s) { Form_Load(s); };
//       }
//       ...
//   };
//   auto* about = forms::Application().CreateForm<TfrmAboutCls>();
//   about->Show();
//
// Closing: Close() asks OnCloseQuery, then OnClose chooses what happens
// (default: the main form ends the application, other forms hide). A modal
// form's Close() sets ModalResult to mrCancel instead.
//
// Keys: the form decides what the keys that its focused control leaves
// unhandled do (WinControl.h): Tab and Shift+Tab move the focus through the
// controls with TabStop (in creation order), and select the whole text of a
// box that answers DLGC_HASSETSEL (an edit) as they enter it; arrow keys
// move the focus and the check through a group of radio buttons (the radio
// buttons of one parent); Enter clicks the focused push button, or else the
// Default button, unless the focused control takes Enter itself (a
// multi-line text box); Escape clicks the Cancel button; a letter or digit
// typed with Alt, or typed plainly on a control that takes no typed
// characters (WantsChars: not on a text box or combo box), clicks the first
// showing, enabled control whose caption marks that character with "&".
// Before any of that, in the message loop, a key that is the shortcut of an
// enabled command of the form runs that command and goes no further, unless
// the focused control uses the key itself (WinControl::WantsKey: a text
// box's editing keys, Escape and Enter in a combo box whose list is
// dropped); such a key takes no dialog action either, and reaches the
// control whatever its key events do with it.
#pragma once
#include <windows.h>

#include <vector>

#include "forms/portable/Bitmap.h"
#include "forms/portable/ShortCut.h"
#include "forms/win32/MessageLoop.h"
#include "forms/win32/WinControl.h"

namespace forms {

enum class BorderStyle { None, Single, Sizeable, Dialog, ToolWindow };
using BorderIcons = unsigned;
constexpr BorderIcons biSystemMenu = 1;
constexpr BorderIcons biMinimize = 2;
constexpr BorderIcons biMaximize = 4;
enum class WindowState { Normal, Minimized, Maximized };
// None: stay open; Hide: hide; Free: destroy (deferred); Minimize: minimise.
enum class CloseAction { None, Hide, Free, Minimize };
using CloseEvent = std::function<void(Component& sender, CloseAction& action)>;
using CloseQueryEvent = std::function<void(Component& sender, bool& canClose)>;

class Button;
class Command;
class MainMenu;

class Form : public WinControl, private MessageFilter {
public:
    // The window exists (hidden) from construction on. owner nullptr: the
    // application owns the form and frees it when Run() ends.
    explicit Form(Component* owner = nullptr);
    // A form whose window is made with its border style and icons at once,
    // sparing the restyling (and the frame recalculation) of setting them
    // after construction.
    Form(Component* owner, BorderStyle style, BorderIcons icons);
    ~Form() override;

    BorderStyle GetBorderStyle() const { return borderStyle_; }
    void SetBorderStyle(BorderStyle style);
    BorderIcons GetBorderIcons() const { return borderIcons_; }
    void SetBorderIcons(BorderIcons icons);

    int ClientWidth() const;
    int ClientHeight() const;
    void SetClientSize(int width, int height);
    void CenterOnScreen();
    // Centres the form over its owner form (the main form when it has none),
    // or on the screen while that one is hidden or minimised; the window is
    // kept inside the work area of the screen it lands on.
    void CenterOnOwner();

    // The smallest outer size the window takes, by the user's sizing or the
    // program's (0: no limit).
    int MinWidth() const { return minWidth_; }
    int MinHeight() const { return minHeight_; }
    void SetMinSize(int width, int height);

    // Above every window that does not stay on top itself.
    bool StayOnTop() const { return stayOnTop_; }
    void SetStayOnTop(bool on);

    // The menu bar (MainMenu.h); nullptr removes it. The menu's owner owns it.
    MainMenu* GetMenu() const { return menu_; }
    void SetMenu(MainMenu* menu);

    WindowState GetWindowState() const;
    void SetWindowState(WindowState state);

    // Shows (and activates) or hides the window; fires OnShow / OnHide.
    // Each showing gives the window its owner: the owner form when one is
    // set, else the form the user is working in (Application().WorkingForm()).
    // The main form has no owner.
    void SetVisible(bool visible) override;
    // The form that owns this window from its next showing on (nullptr: the
    // working form at each showing), such as the dialog that asked for a
    // pop-up. Cleared when that form goes.
    Form* OwnerForm() const { return ownerForm_; }
    void SetOwnerForm(Form* owner) { ownerForm_ = owner; }
    // Brings the window to the top and activates it.
    void BringToFront() override;

    void Close();
    // Destroys the form once the current message has been handled (fires
    // OnDestroy first). Safe from the form's own handlers.
    void Release();

    // Shows the form modally: other forms of the application are disabled
    // until ModalResult becomes non-zero (a button with a ModalResult, a
    // handler, or Close()). OnCloseQuery may refuse; the result is then reset
    // to mrNone and the form stays. Returns the result; the form is hidden.
    // Its owner is taken before the others are disabled: OwnerForm(), else
    // the form the user is working in (a modal dialog opened from another
    // belongs to that one and stays above it, whatever raises that one).
    int ShowModal();
    int ModalResult() const { return modalResult_; }
    void SetModalResult(int result) { modalResult_ = result; }
    bool IsModal() const { return modal_; }

    // The windowed control that has (or gets back) the focus on this form.
    WinControl* ActiveControl() const { return activeControl_; }
    void SetActiveControl(WinControl* control);
    // The buttons that Enter / Escape click (see WinControl.h).
    Button* DefaultButton() const;
    Button* CancelButton() const;

    // Key events reach the form before the focused control.
    bool KeyPreview() const { return keyPreview_; }
    void SetKeyPreview(bool on) { keyPreview_ = on; }

    // The controls' hints show as tooltips over this form (Hints.h).
    bool ShowHint() const { return showHint_; }
    void SetShowHint(bool on);

    // Runs what a shortcut stands for on this form: the menu bar's entry
    // with that shortcut, else the first command of the form with it,
    // brought up to date first. True when it ran; a disabled one lets the
    // key go on to the focused control.
    bool ExecuteShortCut(ShortCut shortCut);

    // Commands register themselves with the form that owns them (directly
    // or through other components); Command.h.
    void AddCommand(Command* command);
    void RemoveCommand(Command* command);

    // Any control owned by this form or by its components, by name
    // (case-insensitive), or nullptr.
    Control* FindControl(const std::string& name) const;

    // Gives the window a region (SetWindowRgn); the window owns it afterwards.
    // nullptr makes the window rectangular again.
    void SetWindowRegion(HRGN region, bool redraw);

    // Paints the client area — background, graphic controls and windowed
    // children — into out (resized to the client size). Works for hidden forms.
    void PaintTo(Bitmap& out);

    // Runs OnCreate (once). CreateForm calls it after construction.
    void DoCreate();
    // Runs OnDestroy (once); before the form is freed.
    void DoDestroy();

    NotifyEvent OnCreate;
    NotifyEvent OnDestroy;
    NotifyEvent OnShow;
    NotifyEvent OnHide;
    NotifyEvent OnResize;
    NotifyEvent OnActivate;
    NotifyEvent OnDeactivate;
    CloseQueryEvent OnCloseQuery;
    CloseEvent OnClose;
    MouseWheelUpDownEvent OnMouseWheelDown;
    MouseWheelUpDownEvent OnMouseWheelUp;

    bool WantsChars() const override { return false; }

protected:
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    bool IsContainer() const override { return true; }
    void VisibleChanged() override;
    void PreviewKey(UINT msg, WPARAM& key, ShiftState shift) override;
    bool DialogKey(WinControl& focused, UINT msg, WPARAM key, ShiftState shift) override;
    void ChildFocused(WinControl& control) override { FocusChanged(&control); }
    void ChildRemoved(Control& control) override;

private:
    // The message loop's filter step, in this order: the keys that the
    // focused control claims, shortcuts, and the keys of inner windows that
    // a control of the form owns (its events, then the dialog keys).
    bool FilterMessage(MSG& msg) override;
    void ApplyStyle();
    bool CloseQuery();
    void FocusChanged(WinControl* now);
    void SelectNext(WinControl* from, bool forward);
    bool SelectRadio(WinControl& from, bool forward);
    WinControl* FindAccelControl(char ch) const;
    void SyncBoundsFromWindow();
    // Owns the window to OwnerForm() or the working form, never to itself
    // or to a form that this one owns.
    void TakeOwner();
    void StyleBits(DWORD& style, DWORD& exStyle) const;

    BorderStyle borderStyle_;
    BorderIcons borderIcons_;
    WindowState windowState_ = WindowState::Normal;
    WinControl* activeControl_ = nullptr;
    Form* ownerForm_ = nullptr;
    std::vector<Command*> commands_;
    MainMenu* menu_ = nullptr;
    int minWidth_ = 0;
    int minHeight_ = 0;
    bool stayOnTop_ = false;
    int modalResult_ = mrNone;
    bool modal_ = false;
    bool keyPreview_ = false;
    bool showHint_ = false;
    bool created_ = false;
    bool destroyed_ = false;
    bool releasing_ = false;
};

}  // namespace forms
