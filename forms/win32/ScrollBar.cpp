#include "forms/win32/ScrollBar.h"

#include <algorithm>

namespace forms {

ScrollBar::ScrollBar(Component* owner, WinControl* parent, ScrollBarKind kind) : WinControl(owner, parent), kind_(kind) {
    SetTabStop(true);
    if (kind == ScrollBarKind::Horizontal)
        StoreBounds(0, 0, 121, GetSystemMetrics(SM_CYHSCROLL));
    else
        StoreBounds(0, 0, GetSystemMetrics(SM_CXVSCROLL), 121);
    CreateChildWindow("SCROLLBAR", kind == ScrollBarKind::Horizontal ? SBS_HORZ : SBS_VERT, 0);
    CreateHandle();
    ShowState();
}

void ScrollBar::ShowState() {
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_RANGE | SIF_POS | SIF_PAGE;
    info.nMin = min_;
    info.nMax = max_;
    info.nPos = position_;
    SetScrollInfo(Handle(), SB_CTL, &info, TRUE);
}

void ScrollBar::SetRange(int min, int max) {
    if (max < min) max = min;
    if (min == min_ && max == max_) return;
    min_ = min;
    max_ = max;
    const int kept = std::clamp(position_, min_, max_);
    if (kept != position_) {
        SetPosition(kept);
    } else {
        ShowState();
    }
}

void ScrollBar::SetPosition(int position) {
    position = std::clamp(position, min_, max_);
    if (position == position_) return;
    position_ = position;
    ShowState();
    auto handler = OnChange;
    if (handler) handler(*this);
}

void ScrollBar::Scrolled(WORD request) {
    int position = position_;
    ScrollCode code;
    switch (request) {
    case SB_LINEUP: code = ScrollCode::LineUp; position -= smallChange_; break;
    case SB_LINEDOWN: code = ScrollCode::LineDown; position += smallChange_; break;
    case SB_PAGEUP: code = ScrollCode::PageUp; position -= largeChange_; break;
    case SB_PAGEDOWN: code = ScrollCode::PageDown; position += largeChange_; break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
        // The 32-bit thumb position (the message carries only 16 bits).
        SCROLLINFO info{};
        info.cbSize = sizeof(info);
        info.fMask = SIF_TRACKPOS;
        GetScrollInfo(Handle(), SB_CTL, &info);
        code = request == SB_THUMBTRACK ? ScrollCode::Track : ScrollCode::Position;
        position = info.nTrackPos;
        break;
    }
    case SB_TOP: code = ScrollCode::Top; position = min_; break;
    case SB_BOTTOM: code = ScrollCode::Bottom; position = max_; break;
    case SB_ENDSCROLL: code = ScrollCode::EndScroll; break;
    default: return;
    }
    position = std::clamp(position, min_, max_);
    auto handler = OnScroll;
    if (handler) handler(*this, code, position);
    SetPosition(position);
}

bool ScrollBar::Notification(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (msg == WM_HSCROLL || msg == WM_VSCROLL) {
        Scrolled(LOWORD(wParam));
        result = 0;
        return true;
    }
    return WinControl::Notification(msg, wParam, lParam, result);
}

}  // namespace forms
