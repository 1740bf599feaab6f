#include "forms/win32/TabStrip.h"

#include <commctrl.h>

#include <algorithm>

namespace forms {

TabStrip::TabStrip(Component* owner, WinControl* parent) : WinControl(owner, parent) {
    static const bool initialised = [] {
        INITCOMMONCONTROLSEX init{sizeof(INITCOMMONCONTROLSEX), ICC_TAB_CLASSES};
        return InitCommonControlsEx(&init) != FALSE;
    }();
    (void)initialised;
    SetTabStop(true);
    StoreBounds(0, 0, 289, 193);
    CreateChildWindow(WC_TABCONTROLA, WS_CLIPCHILDREN, 0);
}

RECT TabStrip::DisplayRect() const {
    RECT r{0, 0, Width(), Height()};
    if (HandleAllocated()) {
        GetClientRect(Handle(), &r);
        SendMessageA(Handle(), TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&r));
    }
    return r;
}

void TabStrip::HandleCreated() {
    for (int i = 0; i < TabCount(); ++i) {
        TCITEMA item{};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<char*>(tabs_[static_cast<size_t>(i)].c_str());
        SendMessageA(Handle(), TCM_INSERTITEMA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
    }
    SendMessageA(Handle(), TCM_SETCURSEL, static_cast<WPARAM>(selected_), 0);
    Realign();
}

void TabStrip::InsertTab(int index, const std::string& text) {
    index = std::max(0, std::min(index, TabCount()));
    tabs_.insert(tabs_.begin() + index, text);
    if (selected_ >= index) ++selected_;
    if (HandleAllocated()) {
        TCITEMA item{};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<char*>(text.c_str());
        SendMessageA(Handle(), TCM_INSERTITEMA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
        // The first row of tabs can change the page area.
        Realign();
    }
}

void TabStrip::DeleteTab(int index) {
    if (index < 0 || index >= TabCount()) return;
    tabs_.erase(tabs_.begin() + index);
    if (selected_ == index)
        selected_ = -1;
    else if (selected_ > index)
        --selected_;
    if (HandleAllocated()) {
        SendMessageA(Handle(), TCM_DELETEITEM, static_cast<WPARAM>(index), 0);
        SendMessageA(Handle(), TCM_SETCURSEL, static_cast<WPARAM>(selected_), 0);
        Realign();
    }
}

void TabStrip::SetTabText(int index, const std::string& text) {
    if (index < 0 || index >= TabCount()) return;
    tabs_[static_cast<size_t>(index)] = text;
    if (HandleAllocated()) {
        TCITEMA item{};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<char*>(text.c_str());
        SendMessageA(Handle(), TCM_SETITEMA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
        // A shorter text moves the tabs after it to the left; some tab
        // controls repaint only up to the new end of the row and leave the
        // old tab's right part standing beside it. The whole row is redrawn.
        RECT row{0, 0, Width(), DisplayRect().top};
        InvalidateRect(Handle(), &row, TRUE);
    }
}

void TabStrip::SelectTab(int index) {
    if (index < -1 || index >= TabCount()) index = -1;
    selected_ = index;
    if (HandleAllocated()) SendMessageA(Handle(), TCM_SETCURSEL, static_cast<WPARAM>(index), 0);
}

bool TabStrip::Notification(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (msg == WM_NOTIFY && reinterpret_cast<const NMHDR*>(lParam)->code == TCN_SELCHANGE) {
        selected_ = static_cast<int>(SendMessageA(Handle(), TCM_GETCURSEL, 0, 0));
        result = 0;
        TabPicked(selected_);
        return true;
    }
    return WinControl::Notification(msg, wParam, lParam, result);
}

}  // namespace forms
