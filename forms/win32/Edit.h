// A single-line text box (Win32 "EDIT"). OnChange runs for every change of the
// text, typed or set by the program; a change made by an OnChange handler of
// the same box does not run OnChange again (no recursion).
//
// Keys: the box keeps its editing keys (TextKeys.h) and Ctrl+A selects the
// whole text. Tab or Shift+Tab into the box selects its whole text, as in a
// Windows dialog (the window answers DLGC_HASSETSEL; Form); a click places
// the caret where it lands.
#pragma once
#include <string>

#include "forms/win32/TextKeys.h"
#include "forms/win32/WinControl.h"

namespace forms {

class Edit : public WinControl {
public:
    Edit(Component* owner, WinControl* parent);

    std::string Text() const { return Caption(); }
    void SetText(const std::string& text) { SetCaption(text); }
    void SelectAll();
    // A read-only box shows a text the user can select and copy but not
    // change, on its parent's colour rather than the window colour.
    void SetReadOnly(bool on);

    NotifyEvent OnChange;

    bool WantsChars() const override { return true; }
    // The editing keys (TextKeys.h) act on the text.
    bool WantsKey(const MSG& msg) const override { return IsTextEditingKey(msg); }

protected:
    // For kinds of text box with other styles of the Win32 "EDIT" window.
    Edit(Component* owner, WinControl* parent, DWORD style);

    bool Notification(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    bool KeyAction(const MSG& msg) override;

private:
    bool inChange_ = false;
};

}  // namespace forms
