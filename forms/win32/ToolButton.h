// One button of a tool bar (ToolBar.h): a push button, a check button, a
// check button of a group (consecutive group buttons form one group, exactly
// one of them down once one was pressed), a button with a drop-down arrow that
// opens its DropdownMenu just below it, or a separator. A separator gives room
// to another windowed control placed on the bar (SetControl; a label goes
// on the bar inside a panel): the separator takes the control's width and
// the control sits on it, centred vertically.
//
// A button bound to a Command (SetCommand) shows the command's enabled and
// checked state (checked = down), shows its hint when the button has none of
// its own, and a click runs the command (a check button first gives the
// command its new down state). An unbound button runs OnClick.
//
// A tool button is a component: its owner frees it; the bar it belongs to is
// fixed at construction, and it is appended as the bar's last button. Freed
// with or before its bar, it leaves the bar (at once, also when freed from its
// own click handler); a bar freed first leaves the button without a bar (it
// then does nothing).
#pragma once
#include <string>

#include "forms/win32/Command.h"
#include "forms/win32/Component.h"

namespace forms {

class WinControl;
class PopupMenu;
class ToolBar;

enum class ToolButtonStyle { Button, Check, CheckGroup, DropDown, Separator };

class ToolButton : public Component, private CommandFace {
public:
    ToolButton(Component* owner, ToolBar* bar);
    ~ToolButton() override;

    ToolBar* Bar() const { return bar_; }
    // Position among the bar's buttons (separators count), or -1.
    int Index() const;

    ToolButtonStyle Style() const { return style_; }
    void SetStyle(ToolButtonStyle style);
    // The glyph: a cell of the bar's image list; -1 for none.
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int index);
    // The tooltip text ("\r\n" breaks lines); the command's hint when empty.
    std::string Hint() const;
    void SetHint(const std::string& hint) { hint_ = hint; }
    // Text shown beside the glyph ("" for none); the button grows to fit it.
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption);
    // Width of a separator in pixels (ignored for other styles).
    int SeparatorWidth() const { return separatorWidth_; }
    void SetSeparatorWidth(int width);

    bool Down() const;
    void SetDown(bool down);
    bool Enabled() const;
    void SetEnabled(bool enabled);
    bool Visible() const;
    void SetVisible(bool visible);

    // The button's rectangle in the bar's client coordinates (empty while
    // hidden or without a bar).
    RECT BoundsRect() const;

    // The menu that the drop-down arrow opens (nullptr: the arrow does what
    // the button does).
    PopupMenu* DropdownMenu() const { return dropdownMenu_; }
    void SetDropdownMenu(PopupMenu* menu) { dropdownMenu_ = menu; }
    // Opens the drop-down menu just below the button, or clicks the button
    // when it has none, as the arrow does.
    void DropDown();

    // Makes the button a separator that holds control (whose parent becomes
    // the bar); nullptr releases the control from the button.
    WinControl* GetControl() const { return control_; }
    void SetControl(WinControl* control);

    Command* GetCommand() const { return command_; }
    void SetCommand(Command* command);

    // Runs the command, or OnClick when there is none (the down state is
    // left as it is).
    void Click();
    NotifyEvent OnClick;

protected:
    void Detach() override;

private:
    friend class ToolBar;
    // The bar's calls: the user clicked the button; the bar is going away.
    void UserClicked();
    void BarDestroyed() { bar_ = nullptr; }
    int CommandId() const { return id_; }
    bool InWindow() const;

    void CommandChanged(Command& command) override;
    void CommandDestroyed(Command& command) override;

    ToolBar* bar_;
    int id_ = 0;
    ToolButtonStyle style_ = ToolButtonStyle::Button;
    int imageIndex_ = -1;
    std::string hint_;
    int separatorWidth_ = 8;
    std::string caption_;
    // The state of a button kept until the bar's window is made (ToolBar.h).
    bool down_ = false;
    bool enabled_ = true;
    bool hidden_ = false;
    PopupMenu* dropdownMenu_ = nullptr;
    WinControl* control_ = nullptr;
    Command* command_ = nullptr;
};

}  // namespace forms
