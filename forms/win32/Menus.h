// Menu items and pop-up menus. A MenuItem holds sub-items (its children in
// order); caption "-" makes a separator. A PopupMenu is shown by a right-button
// release over a control that has it (Control::SetPopupMenu) or by Popup();
// the chosen item's OnClick runs with the item as sender.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "forms/win32/Component.h"

namespace forms {

class Control;

class MenuItem : public Component {
public:
    explicit MenuItem(Component* owner);
    ~MenuItem() override;

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption) { caption_ = caption; }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool on) { enabled_ = on; }
    bool Checked() const { return checked_; }
    void SetChecked(bool on) { checked_ = on; }
    bool Visible() const { return visible_; }
    void SetVisible(bool on) { visible_ = on; }

    // Sub-items. Add appends (taking it from a previous parent item).
    int Count() const { return static_cast<int>(items_.size()); }
    MenuItem* Item(int index) const { return items_.at(static_cast<size_t>(index)); }
    void Add(MenuItem* item);
    void Remove(MenuItem* item);
    MenuItem* ParentItem() const { return parentItem_; }

    void Click();
    NotifyEvent OnClick;

    // Builds a Win32 pop-up menu of the visible sub-items; command id k
    // stands for items[k - 1] (items is filled in the same order).
    HMENU BuildMenu(std::vector<MenuItem*>& items) const;

private:
    std::string caption_;
    bool enabled_ = true;
    bool checked_ = false;
    bool visible_ = true;
    std::vector<MenuItem*> items_;
    MenuItem* parentItem_ = nullptr;
};

class PopupMenu : public Component {
public:
    explicit PopupMenu(Component* owner);

    // The root item: its sub-items are the menu's items.
    MenuItem& Items() { return *root_; }
    // Convenience: a new item owned by this menu, appended to Items().
    MenuItem* AddItem(const std::string& name, const std::string& caption, NotifyEvent onClick);

    // Shows the menu at a screen point and runs the chosen item's OnClick.
    void Popup(int screenX, int screenY);
    // The control the menu was last opened for (nullptr for Popup()).
    Control* PopupComponent() const { return popupComponent_; }
    void SetPopupComponent(Control* c) { popupComponent_ = c; }

    NotifyEvent OnPopup;

private:
    MenuItem* root_;
    Control* popupComponent_ = nullptr;
};

}  // namespace forms
