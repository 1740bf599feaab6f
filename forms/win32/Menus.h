// Menu items and pop-up menus. A MenuItem holds sub-items (its children in
// order); caption "-" makes a separator. A PopupMenu is shown by a right-button
// release over a control that has it (Control::SetPopupMenu) or by Popup();
// the chosen item's OnClick runs with the item as sender.
//
// An item linked to a command (SetCommand) is one of the command's faces: it
// shows the command's caption (when the command has one), shortcut, enabled
// and checked state, and choosing it runs the command instead of OnClick.
// The shortcut is shown after the caption ("Ctrl+N"), an image (SetImage)
// before it. A checked RadioItem shows a dot instead of a tick, and checking
// it unchecks the radio items of the same GroupIndex under the same parent
// item.
#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "forms/portable/ShortCut.h"
#include "forms/win32/Command.h"
#include "forms/win32/Control.h"
#include "forms/win32/Picture.h"

namespace forms {

class MenuItem : public Component, private CommandFace {
public:
    explicit MenuItem(Component* owner);
    ~MenuItem() override;

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool on);
    bool Checked() const { return checked_; }
    void SetChecked(bool on);
    bool Visible() const { return visible_; }
    void SetVisible(bool on);
    ShortCut GetShortCut() const { return shortCut_; }
    void SetShortCut(ShortCut shortCut);
    bool RadioItem() const { return radioItem_; }
    void SetRadioItem(bool on);
    int GroupIndex() const { return groupIndex_; }
    void SetGroupIndex(int group) { groupIndex_ = group; }
    // The caption as a menu shows it: the shortcut's text after a tab.
    std::string MenuText() const;
    // The picture shown before the caption, drawn over the menu's colour
    // (pixels with alpha blend into it); an empty picture shows none.
    void SetImage(const Picture& picture);

    // Links the item to a command (nullptr: unlinks; the item keeps the
    // state it showed last).
    Command* GetCommand() const { return command_; }
    void SetCommand(Command* command);

    // Sub-items. Add appends (taking it from a previous parent item).
    int Count() const { return static_cast<int>(items_.size()); }
    MenuItem* Item(int index) const { return items_.at(static_cast<size_t>(index)); }
    void Add(MenuItem* item);
    void Remove(MenuItem* item);
    MenuItem* ParentItem() const { return parentItem_; }
    // True when item is below this one (at any depth).
    bool Contains(const MenuItem* item) const;

    // An item of a check command (the menu face of a check button): choosing
    // it flips the command's checked state before running it, as a click on
    // the button does.
    bool AutoCheck() const { return autoCheck_; }
    void SetAutoCheck(bool on) { autoCheck_ = on; }

    // Runs the linked command, or else OnClick.
    void Click();
    NotifyEvent OnClick;

    // Builds a Win32 pop-up menu of the visible sub-items; command id k
    // stands for items[k - 1] (items is filled in the same order).
    HMENU BuildMenu(std::vector<MenuItem*>& items) const;
    // Appends this item's visible sub-items to menu: leaves get the command
    // id idOf(item), items with sub-items the pop-up menu popupOf(item).
    void AppendItems(HMENU menu, const std::function<UINT(MenuItem*)>& idOf,
                     const std::function<HMENU(MenuItem*)>& popupOf) const;

protected:
    void Detach() override;

private:
    friend class MainMenu;
    void CommandChanged(Command& command) override;
    void CommandDestroyed(Command& command) override;
    void TakeCommandState();
    // Something a menu shows changed: tells the menu that holds the item.
    void Changed();
    void UncheckRadioSiblings();

    std::string caption_;
    bool enabled_ = true;
    bool checked_ = false;
    bool visible_ = true;
    bool autoCheck_ = false;
    bool radioItem_ = false;
    int groupIndex_ = 0;
    ShortCut shortCut_ = scNone;
    Command* command_ = nullptr;
    // The image as menus get it (nullptr: none); owned by the item.
    HBITMAP image_ = nullptr;
    std::vector<MenuItem*> items_;
    MenuItem* parentItem_ = nullptr;
    // Set on the root item of a menu bar: runs after a change below it.
    std::function<void()> rootChanged_;
    // The item's command id and pop-up menu in a menu bar (0 / nullptr
    // until the bar shows it).
    UINT menuId_ = 0;
    HMENU popup_ = nullptr;
};

class PopupMenu : public Component, public ContextMenu {
public:
    explicit PopupMenu(Component* owner);

    // The root item: its sub-items are the menu's items.
    MenuItem& Items() { return *root_; }
    // Convenience: a new item owned by this menu, appended to Items().
    MenuItem* AddItem(const std::string& name, const std::string& caption, NotifyEvent onClick);

    // Shows the menu at a screen point and runs the chosen item's OnClick;
    // OnPopup runs first, and a menu left without items shows nothing.
    void Popup(int screenX, int screenY);
    // A right-button release over target (or a control inside it).
    void PopupFor(Control& target, POINT screen) override;
    // The control the menu was last opened for (nullptr for Popup()).
    Control* PopupComponent() const { return popupComponent_; }
    void SetPopupComponent(Control* c) { popupComponent_ = c; }

    NotifyEvent OnPopup;

private:
    MenuItem* root_;
    Control* popupComponent_ = nullptr;
};

}  // namespace forms
