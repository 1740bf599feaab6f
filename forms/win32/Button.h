// A standard push button (Win32 "BUTTON", BS_PUSHBUTTON). The caption may mark
// an accelerator with "&" (see WinControl.h for how keys reach it). A click —
// mouse, Space, accelerator, BM_CLICK or Click() — runs OnClick and, when
// ModalResult is set, gives the form that modal result.
#pragma once
#include "forms/win32/WinControl.h"

namespace forms {

class Button : public WinControl {
public:
    Button(Component* owner, WinControl* parent);

    // Enter clicks the default button when the focus is not on another button.
    bool Default() const { return default_; }
    void SetDefault(bool on);
    // Escape clicks the cancel button.
    bool Cancel() const { return cancel_; }
    void SetCancel(bool on) { cancel_ = on; }
    int ModalResult() const { return modalResult_; }
    void SetModalResult(int result) { modalResult_ = result; }

    void Click() override;

    // The character that "&" marks in the caption (upper case), or 0.
    char AccelChar() const override;

protected:
    bool KeepsStateWithoutHandle() const override { return true; }
    void HandleCreated() override;
    bool Notification(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    bool default_ = false;
    bool cancel_ = false;
    int modalResult_ = mrNone;
};

}  // namespace forms
