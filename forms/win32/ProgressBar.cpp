#include "forms/win32/ProgressBar.h"

#include <commctrl.h>

#include <algorithm>

namespace forms {

ProgressBar::ProgressBar(Component* owner, WinControl* parent) : WinControl(owner, parent) {
    INITCOMMONCONTROLSEX classes{sizeof(classes), ICC_PROGRESS_CLASS};
    InitCommonControlsEx(&classes);
    StoreBounds(0, 0, 150, 17);
    CreateChildWindow(PROGRESS_CLASSA, PBS_SMOOTH, 0);
    CreateHandle();
    SendMessageA(Handle(), PBM_SETRANGE32, static_cast<WPARAM>(min_), static_cast<LPARAM>(max_));
}

void ProgressBar::SetRange(int min, int max) {
    if (max < min) max = min;
    min_ = min;
    max_ = max;
    position_ = std::clamp(position_, min_, max_);
    SendMessageA(Handle(), PBM_SETRANGE32, static_cast<WPARAM>(min_), static_cast<LPARAM>(max_));
    SendMessageA(Handle(), PBM_SETPOS, static_cast<WPARAM>(position_), 0);
}

void ProgressBar::SetPosition(int position) {
    position_ = std::clamp(position, min_, max_);
    SendMessageA(Handle(), PBM_SETPOS, static_cast<WPARAM>(position_), 0);
}

}  // namespace forms
