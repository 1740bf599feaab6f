// A list of text rows with a single selection (Win32 "LISTBOX"). The user's
// change of the selection (mouse or keys) runs OnClick; a double click runs
// OnDblClick (Control). The program's changes of Items and ItemIndex run no
// event.
#pragma once
#include <string>
#include <vector>

#include "forms/win32/WinControl.h"

namespace forms {

class ListBox : public WinControl {
public:
    ListBox(Component* owner, WinControl* parent);

    int ItemCount() const;
    // The item's text; empty for an index out of range.
    std::string Item(int index) const;
    std::vector<std::string> Items() const;
    void SetItems(const std::vector<std::string>& items);
    // Adds at the end (in order for a sorted list); returns the new index.
    int AddItem(const std::string& text);
    void InsertItem(int index, const std::string& text);
    void DeleteItem(int index);
    void ClearItems();
    // The first item equal to text (case and all), or -1.
    int IndexOf(const std::string& text) const;

    // The selected item, -1 for none.
    int ItemIndex() const;
    void SetItemIndex(int index);

protected:
    // For lists of a particular kind: extra LBS_* styles (LBS_SORT). The
    // window is made on first need (first show or first use of the items).
    ListBox(Component* owner, WinControl* parent, DWORD extraStyle);
    bool Notification(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
};

}  // namespace forms
