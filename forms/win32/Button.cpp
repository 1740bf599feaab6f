#include "forms/win32/Button.h"

#include <cctype>

#include "forms/win32/Form.h"

namespace forms {

Button::Button(Component* owner, WinControl* parent) : WinControl(owner, parent) {
    SetTabStop(true);
    StoreBounds(0, 0, 75, 25);
    CreateChildWindow("BUTTON", BS_PUSHBUTTON, 0);
}

void Button::SetDefault(bool on) {
    if (on == default_) return;
    default_ = on;
    if (HandleAllocated()) SendMessageA(Handle(), BM_SETSTYLE, on ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
}

void Button::HandleCreated() {
    if (default_) SendMessageA(Handle(), BM_SETSTYLE, BS_DEFPUSHBUTTON, FALSE);
}

void Button::Click() {
    if (modalResult_ != mrNone) {
        if (Form* form = ParentForm()) form->SetModalResult(modalResult_);
    }
    WinControl::Click();
}

char Button::AccelChar() const {
    const std::string caption = Caption();
    for (size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&') continue;
        if (caption[i + 1] == '&') {
            ++i;  // "&&" is a plain "&"
            continue;
        }
        return static_cast<char>(std::toupper(static_cast<unsigned char>(caption[i + 1])));
    }
    return 0;
}

bool Button::Notification(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (msg != WM_COMMAND || HIWORD(wParam) != BN_CLICKED) return WinControl::Notification(msg, wParam, lParam, result);
    Click();
    result = 0;
    return true;
}

}  // namespace forms
