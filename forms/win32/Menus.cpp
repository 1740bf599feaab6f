#include "forms/win32/Menus.h"

#include <algorithm>

#include "forms/win32/Application.h"

namespace forms {

MenuItem::MenuItem(Component* owner) : Component(owner) {}

MenuItem::~MenuItem() {
    if (parentItem_) parentItem_->Remove(this);
    for (MenuItem* sub : items_) sub->parentItem_ = nullptr;
}

void MenuItem::Add(MenuItem* item) {
    if (!item || item == this) return;
    if (item->parentItem_) item->parentItem_->Remove(item);
    item->parentItem_ = this;
    items_.push_back(item);
}

void MenuItem::Remove(MenuItem* item) {
    auto it = std::find(items_.begin(), items_.end(), item);
    if (it == items_.end()) return;
    items_.erase(it);
    item->parentItem_ = nullptr;
}

void MenuItem::Click() {
    auto handler = OnClick;
    if (handler) handler(*this);
}

HMENU MenuItem::BuildMenu(std::vector<MenuItem*>& items) const {
    HMENU menu = CreatePopupMenu();
    for (MenuItem* sub : items_) {
        if (!sub->visible_) continue;
        if (sub->caption_ == "-") {
            AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
            continue;
        }
        UINT flags = MF_STRING;
        if (!sub->enabled_) flags |= MF_GRAYED;
        if (sub->checked_) flags |= MF_CHECKED;
        if (!sub->items_.empty()) {
            HMENU child = sub->BuildMenu(items);
            AppendMenuA(menu, flags | MF_POPUP, reinterpret_cast<UINT_PTR>(child), sub->caption_.c_str());
        } else {
            items.push_back(sub);
            AppendMenuA(menu, flags, items.size(), sub->caption_.c_str());
        }
    }
    return menu;
}

PopupMenu::PopupMenu(Component* owner) : Component(owner), root_(new MenuItem(this)) {}

MenuItem* PopupMenu::AddItem(const std::string& name, const std::string& caption, NotifyEvent onClick) {
    auto* item = new MenuItem(this);
    item->SetName(name);
    item->SetCaption(caption);
    item->OnClick = std::move(onClick);
    root_->Add(item);
    return item;
}

void PopupMenu::Popup(int screenX, int screenY) {
    auto handler = OnPopup;
    if (handler) handler(*this);
    std::vector<MenuItem*> items;
    HMENU menu = root_->BuildMenu(items);
    Form* main = Application().MainForm();
    HWND owner = main ? main->Handle() : Application().UtilityWindow();
    SetForegroundWindow(owner);
    const int chosen = static_cast<int>(TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, screenX,
                                                       screenY, 0, owner, nullptr));
    DestroyMenu(menu);
    if (chosen > 0 && static_cast<size_t>(chosen) <= items.size()) items[static_cast<size_t>(chosen) - 1]->Click();
}

}  // namespace forms
