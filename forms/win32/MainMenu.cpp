#include "forms/win32/MainMenu.h"

#include "forms/win32/Application.h"
#include "forms/win32/Form.h"

namespace forms {
namespace {

// The item below root (root included) that satisfies match, or nullptr.
template <class Match>
MenuItem* FindItem(MenuItem& root, const Match& match) {
    if (match(root)) return &root;
    for (int i = 0; i < root.Count(); ++i)
        if (MenuItem* found = FindItem(*root.Item(i), match)) return found;
    return nullptr;
}

bool ShownAndEnabled(const MenuItem& item) {
    for (const MenuItem* i = &item; i; i = i->ParentItem())
        if (!i->Visible() || !i->Enabled()) return false;
    return true;
}

}  // namespace

MainMenu::MainMenu(Component* owner) : Component(owner), root_(new MenuItem(this)) {
    root_->rootChanged_ = [this] { dirty_ = true; };
    Application().AddIdleHandler(this);
}

MainMenu::~MainMenu() {
    Application().RemoveIdleHandler(this);
    if (form_ && form_->GetMenu() == this) form_->SetMenu(nullptr);
    root_->rootChanged_ = nullptr;
    DestroyComponents();
    DestroyHandles(bar_, popups_);
}

MenuItem* MainMenu::AddItem(MenuItem* parent, const std::string& name, const std::string& caption,
                            NotifyEvent onClick) {
    auto* item = new MenuItem(this);
    item->SetName(name);
    item->SetCaption(caption);
    item->OnClick = std::move(onClick);
    (parent ? parent : root_)->Add(item);
    return item;
}

HMENU MainMenu::Handle() {
    if (dirty_ || !bar_) Rebuild();
    return bar_;
}

void MainMenu::DestroyHandles(HMENU bar, const std::vector<HMENU>& popups) {
    // Take every pop-up out of its parent first, so that destroying one
    // never destroys another a second time through its parent.
    auto empty = [](HMENU menu) {
        while (GetMenuItemCount(menu) > 0) RemoveMenu(menu, 0, MF_BYPOSITION);
    };
    if (bar) empty(bar);
    for (HMENU p : popups) empty(p);
    for (HMENU p : popups) DestroyMenu(p);
    if (bar) DestroyMenu(bar);
}

void MainMenu::Fill(HMENU menu, MenuItem& parent) {
    parent.AppendItems(
        menu,
        [this](MenuItem* leaf) {
            if (leaf->menuId_ == 0) leaf->menuId_ = nextId_++;
            return leaf->menuId_;
        },
        [this](MenuItem* sub) {
            // Entries are filled when the pop-up opens (PopupOpening).
            if (!sub->popup_) {
                sub->popup_ = CreatePopupMenu();
                popups_.push_back(sub->popup_);
            }
            return sub->popup_;
        });
}

void MainMenu::Rebuild() {
    HMENU oldBar = bar_;
    std::vector<HMENU> oldPopups;
    oldPopups.swap(popups_);
    FindItem(*root_, [](MenuItem& i) {
        i.popup_ = nullptr;
        return false;
    });
    bar_ = CreateMenu();
    Fill(bar_, *root_);
    dirty_ = false;
    if (form_) ::SetMenu(form_->Handle(), bar_);  // which also redraws the bar
    DestroyHandles(oldBar, oldPopups);
}

void MainMenu::Idle() {
    if (dirty_ && !inMenuLoop_) Rebuild();
}

void MainMenu::MenuLoopStarting() {
    if (dirty_) Rebuild();
    inMenuLoop_ = true;
}

void MainMenu::PopupOpening(HMENU popup) {
    MenuItem* item = FindItem(*root_, [popup](MenuItem& i) { return i.popup_ == popup; });
    if (!item) return;
    auto handler = item->OnClick;
    if (handler) handler(*item);
    for (int i = 0; i < item->Count(); ++i)
        if (Command* c = item->Item(i)->GetCommand()) c->Update();
    // The pop-up is open now: fill it in place (its nested pop-ups keep
    // their handles, which Windows may already be using).
    while (GetMenuItemCount(popup) > 0) RemoveMenu(popup, 0, MF_BYPOSITION);
    Fill(popup, *item);
}

void MainMenu::MenuLoopEnded() {
    inMenuLoop_ = false;
    if (dirty_) Rebuild();
}

bool MainMenu::Choose(UINT id) {
    if (id == 0) return false;
    MenuItem* item = FindItem(*root_, [id](MenuItem& i) { return i.menuId_ == id && i.Count() == 0; });
    if (!item) return false;
    item->Click();
    return true;
}

bool MainMenu::ExecuteShortCut(ShortCut shortCut) {
    if (shortCut == scNone) return false;
    MenuItem* item =
        FindItem(*root_, [shortCut](MenuItem& i) { return i.Count() == 0 && i.GetShortCut() == shortCut; });
    if (!item) return false;
    if (Command* c = item->GetCommand()) c->Update();
    if (!ShownAndEnabled(*item)) return false;
    item->Click();
    return true;
}

}  // namespace forms
