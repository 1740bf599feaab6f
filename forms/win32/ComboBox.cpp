#include "forms/win32/ComboBox.h"

#include <algorithm>

#include "forms/win32/TextKeys.h"

namespace forms {

ComboBox::ComboBox(Component* owner, WinControl* parent, ComboStyle style) : WinControl(owner, parent), style_(style) {
    SetTabStop(true);
    SetColor(clWindow);
    StoreBounds(0, 0, 145, 21);
    const DWORD kind = style == ComboStyle::DropDown ? CBS_DROPDOWN | CBS_AUTOHSCROLL : CBS_DROPDOWNLIST;
    CreateChildWindow("COMBOBOX", kind | WS_VSCROLL, 0);
}

void ComboBox::HandleCreated() {
    HWND hwnd = Handle();
    SendMessageA(hwnd, WM_SETREDRAW, FALSE, 0);
    for (const std::string& item : items_) SendMessageA(hwnd, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
    SendMessageA(hwnd, WM_SETREDRAW, TRUE, 0);
    if (itemIndex_ >= 0) SendMessageA(hwnd, CB_SETCURSEL, static_cast<WPARAM>(itemIndex_), 0);
    items_.clear();
    items_.shrink_to_fit();
    itemIndex_ = -1;
    ApplyDroppedHeight();
}

int ComboBox::ItemCount() const {
    if (!HandleAllocated()) return static_cast<int>(items_.size());
    const LRESULT n = SendMessageA(Handle(), CB_GETCOUNT, 0, 0);
    return n == CB_ERR ? 0 : static_cast<int>(n);
}

std::string ComboBox::Item(int index) const {
    if (!HandleAllocated()) return index >= 0 && index < ItemCount() ? items_[static_cast<size_t>(index)] : std::string();
    const LRESULT length = SendMessageA(Handle(), CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length == CB_ERR || length < 0) return std::string();
    std::string text(static_cast<size_t>(length) + 1, '\0');
    const LRESULT copied = SendMessageA(Handle(), CB_GETLBTEXT, static_cast<WPARAM>(index),
                                        reinterpret_cast<LPARAM>(&text[0]));
    text.resize(copied == CB_ERR ? 0 : std::min<size_t>(static_cast<size_t>(copied), static_cast<size_t>(length)));
    return text;
}

std::vector<std::string> ComboBox::Items() const {
    std::vector<std::string> items;
    const int n = ItemCount();
    items.reserve(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) items.push_back(Item(i));
    return items;
}

void ComboBox::SetItems(const std::vector<std::string>& items) {
    if (!HandleAllocated()) {
        items_ = items;
        itemIndex_ = -1;
        return;
    }
    SendMessageA(Handle(), WM_SETREDRAW, FALSE, 0);
    ClearItems();
    for (const std::string& item : items) AddItem(item);
    SendMessageA(Handle(), WM_SETREDRAW, TRUE, 0);
    Invalidate();
}

int ComboBox::AddItem(const std::string& text) {
    if (!HandleAllocated()) {
        items_.push_back(text);
        return ItemCount() - 1;
    }
    const LRESULT index = SendMessageA(Handle(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    return index < 0 ? -1 : static_cast<int>(index);
}

void ComboBox::InsertItem(int index, const std::string& text) {
    if (index < 0 || index > ItemCount()) index = -1;
    if (!HandleAllocated()) {
        const size_t at = index < 0 ? items_.size() : static_cast<size_t>(index);
        items_.insert(items_.begin() + static_cast<std::ptrdiff_t>(at), text);
        if (itemIndex_ >= static_cast<int>(at)) ++itemIndex_;
        return;
    }
    SendMessageA(Handle(), CB_INSERTSTRING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.c_str()));
}

void ComboBox::DeleteItem(int index) {
    if (HandleAllocated()) {
        SendMessageA(Handle(), CB_DELETESTRING, static_cast<WPARAM>(index), 0);
        return;
    }
    if (index < 0 || index >= ItemCount()) return;
    items_.erase(items_.begin() + index);
    // As the list does: the selection goes with its item, later ones move up.
    if (itemIndex_ == index)
        itemIndex_ = -1;
    else if (itemIndex_ > index)
        --itemIndex_;
}

void ComboBox::ClearItems() {
    if (!HandleAllocated()) {
        items_.clear();
        itemIndex_ = -1;
        SetBoxText("");  // the list's reset empties the box too
        return;
    }
    SendMessageA(Handle(), CB_RESETCONTENT, 0, 0);
}

int ComboBox::IndexOf(const std::string& text) const {
    const int n = ItemCount();
    for (int i = 0; i < n; ++i)
        if (Item(i) == text) return i;
    return -1;
}

int ComboBox::ItemIndex() const {
    if (!HandleAllocated()) return itemIndex_;
    const LRESULT index = SendMessageA(Handle(), CB_GETCURSEL, 0, 0);
    return index == CB_ERR ? -1 : static_cast<int>(index);
}

void ComboBox::SetItemIndex(int index) {
    if (index < 0 || index >= ItemCount()) index = -1;
    if (!HandleAllocated()) {
        itemIndex_ = index;
        SetBoxText(index >= 0 ? items_[static_cast<size_t>(index)] : std::string());
        return;
    }
    SendMessageA(Handle(), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void ComboBox::SetText(const std::string& text) {
    if (style_ == ComboStyle::DropDownList) {
        SetItemIndex(IndexOf(text));
        return;
    }
    SetBoxText(text);
}

void ComboBox::SetBoxText(const std::string& text) {
    quiet_ = true;
    struct Reset {
        bool& flag;
        ~Reset() { flag = false; }
    } reset{quiet_};
    SetCaption(text);
}

void ComboBox::SetDropDownCount(int rows) {
    dropDownCount_ = std::max(rows, 1);
    if (HandleAllocated()) ApplyDroppedHeight();
}

void ComboBox::BoundsChanged(const RECT& oldBounds) {
    (void)oldBounds;
    if (HandleAllocated()) ApplyDroppedHeight();
}

void ComboBox::ApplyDroppedHeight() {
    HWND hwnd = Handle();
    // The window of a combo box is as high as its closed box, which its font
    // decides; the height asked for is the closed box plus the list.
    RECT closed;
    GetWindowRect(hwnd, &closed);
    const int boxHeight = closed.bottom - closed.top;
    const LRESULT rowHeight = SendMessageA(hwnd, CB_GETITEMHEIGHT, 0, 0);
    const int listHeight = dropDownCount_ * static_cast<int>(rowHeight > 0 ? rowHeight : 16) + 2;
    MoveWindow(hwnd, Left(), Top(), Width(), boxHeight + listHeight, TRUE);
    StoreBounds(Left(), Top(), Width(), boxHeight);
}

bool ComboBox::WantsKey(const MSG& msg) const {
    const bool closesList = msg.message == WM_KEYDOWN && (msg.wParam == VK_ESCAPE || msg.wParam == VK_RETURN);
    if (closesList) return HandleAllocated() && SendMessageA(Handle(), CB_GETDROPPEDSTATE, 0, 0) != 0;
    return style_ == ComboStyle::DropDown && IsTextEditingKey(msg);
}

void ComboBox::SelectAll() {
    if (style_ == ComboStyle::DropDown) SendMessageA(Handle(), CB_SETEDITSEL, 0, MAKELPARAM(0, -1));
}

bool ComboBox::KeyAction(const MSG& msg) {
    if (style_ != ComboStyle::DropDown || !IsSelectAllKey(msg)) return false;
    SelectAll();
    return true;
}

void ComboBox::Fire(const NotifyEvent& event) {
    auto handler = event;
    if (handler) handler(*this);
}

bool ComboBox::Notification(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (msg != WM_COMMAND) return WinControl::Notification(msg, wParam, lParam, result);
    switch (HIWORD(wParam)) {
    case CBN_SELCHANGE: {
        // The box shows the picked item only after this notification: give
        // the handlers the new text already.
        const int index = ItemIndex();
        if (index >= 0 && style_ == ComboStyle::DropDown) SetBoxText(Item(index));
        WinControl::Click();
        Fire(OnSelect);
        Fire(OnChange);
        break;
    }
    case CBN_DROPDOWN:
        ApplyDroppedHeight();  // the rows may have changed height with the font
        break;
    case CBN_EDITCHANGE:
        if (!quiet_) Fire(OnChange);
        break;
    case CBN_KILLFOCUS:
        Fire(OnLeave);
        break;
    case CBN_SETFOCUS:
        ReportFocus();  // also when the user clicked into the edit
        break;
    default:
        return WinControl::Notification(msg, wParam, lParam, result);
    }
    result = 0;
    return true;
}

}  // namespace forms

