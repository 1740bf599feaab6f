// A combo box (Win32 "COMBOBOX"): an editable box with a drop-down list
// (ComboStyle::DropDown) or a pick-only drop-down list (DropDownList); the
// style is fixed at construction.
//
// Events, from the user only (the program's own changes of Items, ItemIndex
// and Text fire none; code that wants the handler calls it):
//  - picking an item from the list (mouse or arrow keys): the text becomes
//    the item, then OnClick, OnSelect and OnChange run, in this order;
//  - typing into the editable box: OnChange;
//  - the box, or the edit inside it, losing the keyboard focus: OnLeave
//    (the edit's own focus changes do not pass the form's focus tracking).
//
// Keys: the form hands the keys of the editable box to OnKeyDown /
// OnKeyPress before its dialog keys (Enter, Tab), and OnEnter / OnExit follow
// the focus into and out of the box. A box of either style keeps the
// characters typed into it (a letter picks the next item that starts with
// it in a list), so a "&" accelerator of the form needs Alt there. Escape
// and Enter while the list is dropped always reach the box itself, which
// closes the list (Enter takes the item), also when an OnKeyDown handler
// set them to 0: the handler acts as well, never instead. The editable box
// keeps its editing keys (TextKeys.h), Ctrl+A selects its whole text, and
// Tab or Shift+Tab into it selects its text (Form).
//
// DropDownCount is the number of rows the opened list shows. The list's
// height is given through the window's height (CB_SETMINVISIBLE does not
// work everywhere); Height() stays the height of the closed box.
//
// The window is created when the box is first shown or asked for; until
// then the control keeps the items and the selection itself, so that a
// long list (all the screen's fonts) costs no window work before then.
#pragma once
#include <string>
#include <vector>

#include "forms/win32/WinControl.h"

namespace forms {

enum class ComboStyle { DropDown, DropDownList };

class ComboBox : public WinControl {
public:
    ComboBox(Component* owner, WinControl* parent, ComboStyle style = ComboStyle::DropDown);

    ComboStyle Style() const { return style_; }

    int ItemCount() const;
    // The item's text; empty for an index out of range.
    std::string Item(int index) const;
    std::vector<std::string> Items() const;
    void SetItems(const std::vector<std::string>& items);
    // Adds at the end; returns the new item's index.
    int AddItem(const std::string& text);
    // Inserts before index (at the end when index is out of range).
    void InsertItem(int index, const std::string& text);
    void DeleteItem(int index);
    void ClearItems();
    // The first item equal to text (case and all), or -1.
    int IndexOf(const std::string& text) const;

    // The selected item, -1 for none. Setting it also sets the text (-1
    // empties it).
    int ItemIndex() const;
    void SetItemIndex(int index);
    // The box's text. A drop-down list selects the item equal to text (none
    // when there is none).
    std::string Text() const { return Caption(); }
    void SetText(const std::string& text);

    // Selects the whole text of the editable box (nothing for a list).
    void SelectAll();

    int DropDownCount() const { return dropDownCount_; }
    void SetDropDownCount(int rows);

    NotifyEvent OnChange;
    NotifyEvent OnSelect;
    NotifyEvent OnLeave;

protected:
    bool Notification(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    bool WantsChars() const override { return true; }
    // Escape and Enter while the list is dropped close the list (Enter takes
    // the item); the editable box keeps its editing keys (TextKeys.h).
    bool WantsKey(const MSG& msg) const override;
    bool KeyAction(const MSG& msg) override;
    void BoundsChanged(const RECT& oldBounds) override;
    void HandleCreated() override;

private:
    void Fire(const NotifyEvent& event);
    // Sizes the window: the closed box plus DropDownCount rows of the list.
    void ApplyDroppedHeight();
    // Sets the text without running OnChange.
    void SetBoxText(const std::string& text);

    ComboStyle style_;
    int dropDownCount_ = 8;
    bool quiet_ = false;
    // The items and the selected one while there is no window.
    std::vector<std::string> items_;
    int itemIndex_ = -1;
};

}  // namespace forms
