#include "forms/win32/ScrollBox.h"

#include <algorithm>

namespace forms {
namespace {

constexpr int kLineStep = 8;

}  // namespace

ScrollBox::ScrollBox(Component* owner, WinControl* parent)
    : ContainerControl(owner, parent, 0, WS_EX_CLIENTEDGE) {}

bool ScrollBox::HorzScrollBarVisible() const {
    return HandleAllocated() && (GetWindowLongPtrA(Handle(), GWL_STYLE) & WS_HSCROLL);
}

bool ScrollBox::VertScrollBarVisible() const {
    return HandleAllocated() && (GetWindowLongPtrA(Handle(), GWL_STYLE) & WS_VSCROLL);
}

void ScrollBox::ChildLayoutChanged(Control& child) {
    ContainerControl::ChildLayoutChanged(child);
    if (!busy_) UpdateRange();
}

void ScrollBox::UpdateRange() {
    if (!HandleAllocated() || busy_) return;
    busy_ = true;
    struct Reset {
        bool& flag;
        ~Reset() { flag = false; }
    } reset{busy_};
    HWND hwnd = Handle();
    // The extent of the children, measured from the start of the range.
    int extentX = 0, extentY = 0;
    for (int i = 0; i < ControlCount(); ++i) {
        const Control* c = Controls(i);
        if (!c->Visible() || c->GetAlign() != Align::None) continue;
        extentX = std::max(extentX, c->Left() + c->Width() + hpos_);
        extentY = std::max(extentY, c->Top() + c->Height() + vpos_);
    }
    // The client area without scroll bars, then with the ones needed (a
    // bar on one axis can make the other one needed).
    RECT client;
    GetClientRect(hwnd, &client);
    const LONG_PTR style = GetWindowLongPtrA(hwnd, GWL_STYLE);
    const int barW = GetSystemMetrics(SM_CXVSCROLL), barH = GetSystemMetrics(SM_CYHSCROLL);
    const int fullW = client.right + ((style & WS_VSCROLL) ? barW : 0);
    const int fullH = client.bottom + ((style & WS_HSCROLL) ? barH : 0);
    bool needH = extentX > fullW, needV = extentY > fullH;
    if (needH && !needV) needV = extentY > fullH - barH;
    if (needV && !needH) needH = extentX > fullW - barW;
    const int viewW = fullW - (needV ? barW : 0), viewH = fullH - (needH ? barH : 0);
    const int newH = needH ? std::min(hpos_, extentX - viewW) : 0;
    const int newV = needV ? std::min(vpos_, extentY - viewH) : 0;
    MoveChildren(newH, newV);
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    info.nMin = 0;
    info.nMax = needH ? extentX - 1 : 0;
    info.nPage = needH ? static_cast<UINT>(viewW) : 0;
    info.nPos = hpos_;
    SetScrollInfo(hwnd, SB_HORZ, &info, TRUE);
    ShowScrollBar(hwnd, SB_HORZ, needH ? TRUE : FALSE);
    info.nMax = needV ? extentY - 1 : 0;
    info.nPage = needV ? static_cast<UINT>(viewH) : 0;
    info.nPos = vpos_;
    SetScrollInfo(hwnd, SB_VERT, &info, TRUE);
    ShowScrollBar(hwnd, SB_VERT, needV ? TRUE : FALSE);
}

void ScrollBox::ScrollTo(int horz, int vert) {
    horz = std::max(horz, 0);
    vert = std::max(vert, 0);
    if (HandleAllocated()) {
        // Keep inside the range the scroll bars hold.
        SCROLLINFO info{};
        info.cbSize = sizeof(info);
        info.fMask = SIF_RANGE | SIF_PAGE;
        const int maxH = GetScrollInfo(Handle(), SB_HORZ, &info) && HorzScrollBarVisible()
                             ? info.nMax - static_cast<int>(info.nPage) + 1
                             : 0;
        const int maxV = GetScrollInfo(Handle(), SB_VERT, &info) && VertScrollBarVisible()
                             ? info.nMax - static_cast<int>(info.nPage) + 1
                             : 0;
        horz = std::min(horz, std::max(maxH, 0));
        vert = std::min(vert, std::max(maxV, 0));
    } else {
        horz = vert = 0;
    }
    MoveChildren(horz, vert);
}

void ScrollBox::MoveChildren(int horz, int vert) {
    const int dx = hpos_ - horz, dy = vpos_ - vert;
    if (dx == 0 && dy == 0) return;
    const bool wasBusy = busy_;
    busy_ = true;
    hpos_ = horz;
    vpos_ = vert;
    for (int i = 0; i < ControlCount(); ++i) {
        Control* c = Controls(i);
        if (c->GetAlign() == Align::None) c->SetBounds(c->Left() + dx, c->Top() + dy, c->Width(), c->Height());
    }
    if (HandleAllocated()) {
        SetScrollPos(Handle(), SB_HORZ, hpos_, TRUE);
        SetScrollPos(Handle(), SB_VERT, vpos_, TRUE);
    }
    Invalidate();
    busy_ = wasBusy;
}

void ScrollBox::Scroll(int bar, WORD code) {
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_ALL;
    GetScrollInfo(Handle(), bar, &info);
    int pos = bar == SB_HORZ ? hpos_ : vpos_;
    switch (code) {
    case SB_LINEUP: pos -= kLineStep; break;
    case SB_LINEDOWN: pos += kLineStep; break;
    case SB_PAGEUP: pos -= static_cast<int>(info.nPage); break;
    case SB_PAGEDOWN: pos += static_cast<int>(info.nPage); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: pos = info.nTrackPos; break;
    case SB_TOP: pos = 0; break;
    case SB_BOTTOM: pos = info.nMax; break;
    default: return;
    }
    if (bar == SB_HORZ)
        ScrollTo(pos, vpos_);
    else
        ScrollTo(hpos_, pos);
}

LRESULT ScrollBox::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    // The box's own scroll bars (a scroll bar control would name itself).
    if ((msg == WM_HSCROLL || msg == WM_VSCROLL) && lParam == 0) {
        Scroll(msg == WM_HSCROLL ? SB_HORZ : SB_VERT, LOWORD(wParam));
        return 0;
    }
    const LRESULT result = ContainerControl::WndProc(msg, wParam, lParam);
    if (msg == WM_SIZE) UpdateRange();
    return result;
}

}  // namespace forms
