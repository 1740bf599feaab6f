#include "editor/win32/WindowPlacement.h"

#include <windows.h>

#include <algorithm>

bool SetSeeThroughColor(forms::Form& form, forms::Color key) {
    HWND hwnd = form.Handle();
    const LONG_PTR ex = GetWindowLongPtrA(hwnd, GWL_EXSTYLE);
    SetWindowLongPtrA(hwnd, GWL_EXSTYLE, ex | WS_EX_LAYERED);
    return SetLayeredWindowAttributes(hwnd, forms::ColorToRGB(key), 0, LWA_COLORKEY) != FALSE;
}

void SetStayOnTop(forms::Form& form) {
    SetWindowPos(form.Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void CenterOverForm(forms::Form& form, const forms::Form* owner) {
    RECT area{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    if (owner) GetWindowRect(owner->Handle(), &area);
    int left = area.left + (area.right - area.left - form.Width()) / 2;
    int top = area.top + (area.bottom - area.top - form.Height()) / 2;
    left = std::max(0, std::min(left, GetSystemMetrics(SM_CXSCREEN) - form.Width()));
    top = std::max(0, std::min(top, GetSystemMetrics(SM_CYSCREEN) - form.Height()));
    form.SetBounds(left, top, form.Width(), form.Height());
}
