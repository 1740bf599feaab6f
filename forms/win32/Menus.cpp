#include "forms/win32/Menus.h"

#include <algorithm>

#include "forms/win32/Application.h"
#include "forms/win32/GdiScope.h"
#include "forms/win32/PaintBuffer.h"

namespace forms {

MenuItem::MenuItem(Component* owner) : Component(owner) {}

MenuItem::~MenuItem() {
    if (command_) command_->RemoveFace(this);
    if (parentItem_) parentItem_->Remove(this);
    for (MenuItem* sub : items_) sub->parentItem_ = nullptr;
    if (image_) DeleteObject(image_);
}

void MenuItem::Detach() {
    OnClick = nullptr;
    if (command_) {
        command_->RemoveFace(this);
        command_ = nullptr;
    }
    if (parentItem_) parentItem_->Remove(this);
}

void MenuItem::Changed() {
    MenuItem* root = this;
    while (root->parentItem_) root = root->parentItem_;
    if (root->rootChanged_) {
        auto handler = root->rootChanged_;
        handler();
    }
}

void MenuItem::SetCaption(const std::string& caption) {
    if (caption == caption_) return;
    caption_ = caption;
    Changed();
}

void MenuItem::SetEnabled(bool on) {
    if (on == enabled_) return;
    enabled_ = on;
    Changed();
}

void MenuItem::SetChecked(bool on) {
    if (on == checked_) return;
    checked_ = on;
    if (on) UncheckRadioSiblings();
    Changed();
}

void MenuItem::UncheckRadioSiblings() {
    if (!radioItem_ || !parentItem_) return;
    for (MenuItem* other : parentItem_->items_)
        if (other != this && other->radioItem_ && other->groupIndex_ == groupIndex_) other->SetChecked(false);
}

void MenuItem::SetVisible(bool on) {
    if (on == visible_) return;
    visible_ = on;
    Changed();
}

void MenuItem::SetShortCut(ShortCut shortCut) {
    if (shortCut == shortCut_) return;
    shortCut_ = shortCut;
    Changed();
}

void MenuItem::SetRadioItem(bool on) {
    if (on == radioItem_) return;
    radioItem_ = on;
    if (checked_) UncheckRadioSiblings();
    Changed();
}

std::string MenuItem::MenuText() const {
    const std::string keys = ShortCutToText(shortCut_);
    return keys.empty() ? caption_ : caption_ + "\t" + keys;
}

void MenuItem::SetImage(const Picture& picture) {
    if (image_) DeleteObject(image_);
    image_ = nullptr;
    if (!picture.Empty()) {
        // Menus draw an item's bitmap as it is: pixels with alpha are blended
        // into the menu's colour here, once.
        const int w = picture.Width(), h = picture.Height();
        Bitmap pixels(w, h, ColorToPixel(SystemColor(COLOR_MENU)));
        PaintTarget target;
        target.bits = pixels.Data();
        target.width = w;
        target.height = h;
        DrawPictureRows(target, picture, 0, 0, RECT{0, 0, w, h});
        ScopedGetDC screen(nullptr);
        HBITMAP bitmap = screen.get() ? CreateCompatibleBitmap(screen.get(), w, h) : nullptr;
        const BITMAPINFO info = TopDownDibInfo(w, h);
        if (bitmap && SetDIBits(screen.get(), bitmap, 0, static_cast<UINT>(h), pixels.Data(), &info,
                                DIB_RGB_COLORS) == h) {
            image_ = bitmap;
        } else if (bitmap) {
            DeleteObject(bitmap);
        }
    }
    Changed();
}

void MenuItem::SetCommand(Command* command) {
    if (command == command_) return;
    if (command_) command_->RemoveFace(this);
    command_ = command;
    if (command_) {
        command_->AddFace(this);
        TakeCommandState();
    }
}

void MenuItem::TakeCommandState() {
    if (!command_->Caption().empty()) caption_ = command_->Caption();
    shortCut_ = command_->GetShortCut();
    enabled_ = command_->Enabled();
    checked_ = command_->Checked();
    Changed();
}

void MenuItem::CommandChanged(Command& command) {
    if (&command == command_) TakeCommandState();
}

void MenuItem::CommandDestroyed(Command& command) {
    if (&command == command_) command_ = nullptr;
}

void MenuItem::Add(MenuItem* item) {
    if (!item || item == this) return;
    if (item->parentItem_) item->parentItem_->Remove(item);
    item->parentItem_ = this;
    items_.push_back(item);
    Changed();
}

void MenuItem::Remove(MenuItem* item) {
    auto it = std::find(items_.begin(), items_.end(), item);
    if (it == items_.end()) return;
    items_.erase(it);
    item->parentItem_ = nullptr;
    Changed();
}

bool MenuItem::Contains(const MenuItem* item) const {
    for (const MenuItem* sub : items_)
        if (sub == item || sub->Contains(item)) return true;
    return false;
}

void MenuItem::Click() {
    if (command_) {
        if (autoCheck_ && command_->Enabled()) command_->SetChecked(!command_->Checked());
        command_->Execute();
        return;
    }
    auto handler = OnClick;
    if (handler) handler(*this);
}

void MenuItem::AppendItems(HMENU menu, const std::function<UINT(MenuItem*)>& idOf,
                          const std::function<HMENU(MenuItem*)>& popupOf) const {
    for (MenuItem* sub : items_) {
        if (!sub->visible_) continue;
        if (sub->caption_ == "-") {
            AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
            continue;
        }
        const std::string text = sub->MenuText();
        MENUITEMINFOA info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_STRING | (sub->items_.empty() ? MIIM_ID : MIIM_SUBMENU);
        info.fType = MFT_STRING | (sub->radioItem_ ? MFT_RADIOCHECK : 0);
        info.fState = (sub->enabled_ ? MFS_ENABLED : MFS_GRAYED) | (sub->checked_ ? MFS_CHECKED : MFS_UNCHECKED);
        info.dwTypeData = const_cast<char*>(text.c_str());
        if (sub->image_) {
            info.fMask |= MIIM_BITMAP;
            info.hbmpItem = sub->image_;
        }
        if (sub->items_.empty())
            info.wID = idOf(sub);
        else
            info.hSubMenu = popupOf(sub);
        InsertMenuItemA(menu, static_cast<UINT>(GetMenuItemCount(menu)), TRUE, &info);
    }
}

HMENU MenuItem::BuildMenu(std::vector<MenuItem*>& items) const {
    HMENU menu = CreatePopupMenu();
    AppendItems(
        menu,
        [&items](MenuItem* leaf) {
            items.push_back(leaf);
            return static_cast<UINT>(items.size());
        },
        [&items](MenuItem* parent) { return parent->BuildMenu(items); });
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

void PopupMenu::PopupFor(Control& target, POINT screen) {
    popupComponent_ = &target;
    Popup(screen.x, screen.y);
}

void PopupMenu::Popup(int screenX, int screenY) {
    auto handler = OnPopup;
    if (handler) handler(*this);
    std::vector<MenuItem*> items;
    HMENU menu = root_->BuildMenu(items);
    if (items.empty()) {
        // Nothing to choose (a drop-down arrow whose OnPopup did the work):
        // no menu, and the window that OnPopup opened keeps the activation.
        DestroyMenu(menu);
        return;
    }
    // The menu belongs to the window the user works in (a modal dialog when
    // one is up), which must be in the foreground for the menu to close
    // when the user clicks elsewhere.
    HWND owner = Application().WorkingWindow();
    if (!owner) owner = Application().UtilityWindow();
    SetForegroundWindow(owner);
    const int chosen = static_cast<int>(TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, screenX,
                                                       screenY, 0, owner, nullptr));
    DestroyMenu(menu);
    if (chosen <= 0 || static_cast<size_t>(chosen) > items.size()) return;
    // The menu ran a loop of its own: timers may have removed the item
    // meanwhile. Only an item still in the menu is run.
    MenuItem* item = items[static_cast<size_t>(chosen) - 1];
    if (root_->Contains(item)) item->Click();
}

}  // namespace forms
