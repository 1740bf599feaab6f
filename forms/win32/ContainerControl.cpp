#include "forms/win32/ContainerControl.h"

#include <stdexcept>

#include "forms/win32/Application.h"

namespace forms {
namespace {

const char kContainerClass[] = "QvFormsContainer";

const char* ContainerClass() {
    static bool registered = false;
    if (!registered) {
        WNDCLASSA wc{};
        // A DC of its own: each repaint takes it back as it was, where a DC
        // from the shared cache is set up again on every paint.
        wc.style = CS_DBLCLKS | CS_OWNDC;
        wc.lpfnWndProc = DefWindowProcA;
        wc.hInstance = Application().Instance();
        wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
        wc.lpszClassName = kContainerClass;
        if (!RegisterClassA(&wc)) throw std::runtime_error("Cannot register the container window class");
        registered = true;
    }
    return kContainerClass;
}

}  // namespace

ContainerControl::ContainerControl(Component* owner, WinControl* parent, DWORD style, DWORD exStyle)
    : WinControl(owner, parent) {
    StoreBounds(0, 0, 185, 41);
    CreateChildWindow(ContainerClass(), WS_CLIPCHILDREN | style, exStyle);
}

LRESULT ContainerControl::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_SIZE) {
        const LRESULT result = WinControl::WndProc(msg, wParam, lParam);  // realigns first
        auto handler = OnResize;
        if (handler) handler(*this);
        return result;
    }
    return WinControl::WndProc(msg, wParam, lParam);
}

void ContainerControl::Detach() {
    OnResize = nullptr;
    WinControl::Detach();
}

}  // namespace forms
