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
#pragma once
#include <windows.h>

#include "forms/portable/Bitmap.h"
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

class Form : public WinControl {
public:
    // The window exists (hidden) from construction on. owner nullptr: the
    // application owns the form and frees it when Run() ends.
    explicit Form(Component* owner = nullptr);
    ~Form() override;

    BorderStyle GetBorderStyle() const { return borderStyle_; }
    void SetBorderStyle(BorderStyle style);
    BorderIcons GetBorderIcons() const { return borderIcons_; }
    void SetBorderIcons(BorderIcons icons);

    int ClientWidth() const;
    int ClientHeight() const;
    void SetClientSize(int width, int height);
    void CenterOnScreen();

    WindowState GetWindowState() const;
    void SetWindowState(WindowState state);

    // Shows (and activates) or hides the window; fires OnShow / OnHide.
    void SetVisible(bool visible) override;
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

protected:
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    bool IsContainer() const override { return true; }
    bool WantsChars() const override { return false; }
    void VisibleChanged() override;

private:
    friend class WinControl;
    void ApplyStyle();
    bool CloseQuery();
    void FocusChanged(WinControl* now);
    void SelectNext(WinControl* from, bool forward);
    void SyncBoundsFromWindow();
    void StyleBits(DWORD& style, DWORD& exStyle) const;

    BorderStyle borderStyle_ = BorderStyle::Sizeable;
    BorderIcons borderIcons_ = biSystemMenu | biMinimize | biMaximize;
    WindowState windowState_ = WindowState::Normal;
    WinControl* activeControl_ = nullptr;
    int modalResult_ = mrNone;
    bool modal_ = false;
    bool keyPreview_ = false;
    bool created_ = false;
    bool destroyed_ = false;
    bool releasing_ = false;
};

}  // namespace forms
