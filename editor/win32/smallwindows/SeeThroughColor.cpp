#include "editor/win32/smallwindows/SeeThroughColor.h"

#include <windows.h>

bool SetSeeThroughColor(forms::Form& form, forms::Color key) {
    HWND hwnd = form.Handle();
    const LONG_PTR ex = GetWindowLongPtrA(hwnd, GWL_EXSTYLE);
    SetWindowLongPtrA(hwnd, GWL_EXSTYLE, ex | WS_EX_LAYERED);
    return SetLayeredWindowAttributes(hwnd, forms::ColorToRGB(key), 0, LWA_COLORKEY) != FALSE;
}
