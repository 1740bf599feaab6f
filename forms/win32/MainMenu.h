// The menu bar of a form (Form::SetMenu). Its root item's sub-items are the
// bar's menus ("&File", "&Edit"...), theirs the entries.
//
//  - Opening a menu first runs that menu's item's OnClick (so a handler can
//    set captions, as "Show Time" / "Hide Time"), and brings the commands of
//    its entries up to date; the entries then show the state they have now.
//  - Entries show their shortcut ("Ctrl+N"), and the shortcut works through
//    the message loop's filter step while the form has the keyboard, also
//    when the menu is closed; a disabled or hidden entry lets the key go on.
//  - Changes to items reach the bar at the next idle step or when a menu is
//    next opened, whichever comes first (Handle() applies them at once).
#pragma once
#include <windows.h>

#include <vector>

#include "forms/portable/ShortCut.h"
#include "forms/win32/Menus.h"
#include "forms/win32/MessageLoop.h"

namespace forms {

class Form;

class MainMenu : public Component, private IdleHandler {
public:
    explicit MainMenu(Component* owner);
    ~MainMenu() override;

    // The root item: its sub-items are the menus of the bar.
    MenuItem& Items() { return *root_; }
    // Convenience: a new item owned by this menu, appended to parent
    // (nullptr: to the bar).
    MenuItem* AddItem(MenuItem* parent, const std::string& name, const std::string& caption,
                      NotifyEvent onClick = nullptr);

    // The Win32 menu bar, with every change applied.
    HMENU Handle();

    // Called by the form the menu is attached to.
    void AttachTo(Form* form) { form_ = form; }
    Form* AttachedForm() const { return form_; }
    // WM_INITMENU, WM_INITMENUPOPUP, WM_EXITMENULOOP and a menu's WM_COMMAND.
    void MenuLoopStarting();
    void PopupOpening(HMENU popup);
    void MenuLoopEnded();
    bool Choose(UINT id);
    // Runs the visible, enabled entry with this shortcut; true when it ran.
    bool ExecuteShortCut(ShortCut shortCut);

private:
    void Idle() override;
    void Rebuild();
    void Fill(HMENU menu, MenuItem& parent);
    static void DestroyHandles(HMENU bar, const std::vector<HMENU>& popups);

    MenuItem* root_;
    Form* form_ = nullptr;
    HMENU bar_ = nullptr;
    // Every pop-up menu made for the bar (destroyed one by one on rebuild).
    std::vector<HMENU> popups_;
    UINT nextId_ = 1;
    bool dirty_ = true;
    bool inMenuLoop_ = false;
};

}  // namespace forms
