#include "forms/win32/ListBox.h"

#include <algorithm>

namespace forms {

ListBox::ListBox(Component* owner, WinControl* parent) : ListBox(owner, parent, 0) { CreateHandle(); }

ListBox::ListBox(Component* owner, WinControl* parent, DWORD extraStyle) : WinControl(owner, parent) {
    SetTabStop(true);
    SetColor(clWindow);
    StoreBounds(0, 0, 121, 97);
    CreateChildWindow("LISTBOX", LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | extraStyle, WS_EX_CLIENTEDGE);
}

int ListBox::ItemCount() const {
    const LRESULT n = SendMessageA(Handle(), LB_GETCOUNT, 0, 0);
    return n == LB_ERR ? 0 : static_cast<int>(n);
}

std::string ListBox::Item(int index) const {
    const LRESULT length = SendMessageA(Handle(), LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length == LB_ERR || length < 0) return std::string();
    std::string text(static_cast<size_t>(length) + 1, '\0');
    const LRESULT copied =
        SendMessageA(Handle(), LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&text[0]));
    text.resize(copied == LB_ERR ? 0 : std::min<size_t>(static_cast<size_t>(copied), static_cast<size_t>(length)));
    return text;
}

std::vector<std::string> ListBox::Items() const {
    std::vector<std::string> items;
    const int n = ItemCount();
    items.reserve(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) items.push_back(Item(i));
    return items;
}

void ListBox::SetItems(const std::vector<std::string>& items) {
    SendMessageA(Handle(), WM_SETREDRAW, FALSE, 0);
    ClearItems();
    for (const std::string& item : items) AddItem(item);
    SendMessageA(Handle(), WM_SETREDRAW, TRUE, 0);
    Invalidate();
}

int ListBox::AddItem(const std::string& text) {
    const LRESULT index = SendMessageA(Handle(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    return index < 0 ? -1 : static_cast<int>(index);
}

void ListBox::InsertItem(int index, const std::string& text) {
    if (index < 0 || index > ItemCount()) index = -1;
    SendMessageA(Handle(), LB_INSERTSTRING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.c_str()));
}

void ListBox::DeleteItem(int index) { SendMessageA(Handle(), LB_DELETESTRING, static_cast<WPARAM>(index), 0); }

void ListBox::ClearItems() { SendMessageA(Handle(), LB_RESETCONTENT, 0, 0); }

int ListBox::IndexOf(const std::string& text) const {
    const int n = ItemCount();
    for (int i = 0; i < n; ++i)
        if (Item(i) == text) return i;
    return -1;
}

int ListBox::ItemIndex() const {
    const LRESULT index = SendMessageA(Handle(), LB_GETCURSEL, 0, 0);
    return index == LB_ERR ? -1 : static_cast<int>(index);
}

void ListBox::SetItemIndex(int index) {
    if (index < 0 || index >= ItemCount()) index = -1;
    SendMessageA(Handle(), LB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

bool ListBox::Notification(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (msg == WM_COMMAND && HIWORD(wParam) == LBN_SELCHANGE) {
        WinControl::Click();
        result = 0;
        return true;
    }
    return WinControl::Notification(msg, wParam, lParam, result);
}

}  // namespace forms
