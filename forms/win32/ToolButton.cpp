#include "forms/win32/ToolButton.h"

#include <commctrl.h>

#include <algorithm>

#include "forms/win32/Menus.h"
#include "forms/win32/ToolBar.h"

namespace forms {

ToolButton::ToolButton(Component* owner, ToolBar* bar) : Component(owner), bar_(bar) {
    if (bar_) bar_->Join(this);
}

ToolButton::~ToolButton() { Detach(); }

void ToolButton::Detach() {
    if (command_) command_->RemoveFace(this);
    command_ = nullptr;
    if (bar_) bar_->Leave(this);
    bar_ = nullptr;
    OnClick = nullptr;
}

int ToolButton::Index() const {
    if (!bar_) return -1;
    for (int i = 0; i < bar_->ButtonCount(); ++i)
        if (bar_->Buttons(i) == this) return i;
    return -1;
}

void ToolButton::SetStyle(ToolButtonStyle style) {
    if (style == style_) return;
    style_ = style;
    if (bar_) bar_->Rebuild(this);
}

void ToolButton::SetImageIndex(int index) {
    imageIndex_ = std::max(index, -1);
    if (InWindow() && style_ != ToolButtonStyle::Separator)
        SendMessageA(bar_->Handle(), TB_CHANGEBITMAP, static_cast<WPARAM>(id_),
                     imageIndex_ >= 0 ? imageIndex_ : I_IMAGENONE);
}

bool ToolButton::InWindow() const { return bar_ && bar_->InWindow(this); }

std::string ToolButton::Hint() const {
    if (!hint_.empty() || !command_) return hint_;
    return command_->Hint();
}

void ToolButton::SetCaption(const std::string& caption) {
    if (caption == caption_) return;
    caption_ = caption;
    // The first caption changes how every button of the bar is sized.
    if (bar_)
        for (int i = 0; i < bar_->ButtonCount(); ++i) bar_->Rebuild(bar_->Buttons(i));
}

void ToolButton::SetSeparatorWidth(int width) {
    separatorWidth_ = std::max(width, 0);
    if (bar_ && style_ == ToolButtonStyle::Separator) bar_->Rebuild(this);
}

// A button kept until the bar's window is made answers from its own state; one
// in the window asks the window, where the user may have changed it.
bool ToolButton::Down() const {
    if (!InWindow()) return bar_ && down_;
    return SendMessageA(bar_->Handle(), TB_ISBUTTONCHECKED, static_cast<WPARAM>(id_), 0) != 0;
}

void ToolButton::SetDown(bool down) {
    down_ = down;
    if (InWindow())
        SendMessageA(bar_->Handle(), TB_CHECKBUTTON, static_cast<WPARAM>(id_), MAKELONG(down ? TRUE : FALSE, 0));
}

bool ToolButton::Enabled() const {
    if (!InWindow()) return bar_ && enabled_;
    return SendMessageA(bar_->Handle(), TB_ISBUTTONENABLED, static_cast<WPARAM>(id_), 0) != 0;
}

void ToolButton::SetEnabled(bool enabled) {
    enabled_ = enabled;
    if (InWindow())
        SendMessageA(bar_->Handle(), TB_ENABLEBUTTON, static_cast<WPARAM>(id_), MAKELONG(enabled ? TRUE : FALSE, 0));
}

bool ToolButton::Visible() const {
    if (!InWindow()) return bar_ && !hidden_;
    return SendMessageA(bar_->Handle(), TB_ISBUTTONHIDDEN, static_cast<WPARAM>(id_), 0) == 0;
}

void ToolButton::SetVisible(bool visible) {
    hidden_ = !visible;
    if (!InWindow()) return;
    SendMessageA(bar_->Handle(), TB_HIDEBUTTON, static_cast<WPARAM>(id_), MAKELONG(visible ? FALSE : TRUE, 0));
    bar_->PlaceControls();
}

RECT ToolButton::BoundsRect() const {
    RECT r{0, 0, 0, 0};
    if (bar_) bar_->AddKeptButtons();
    if (!Visible() || !SendMessageA(bar_->Handle(), TB_GETRECT, static_cast<WPARAM>(id_), reinterpret_cast<LPARAM>(&r)))
        return RECT{0, 0, 0, 0};
    return r;
}

void ToolButton::DropDown() {
    if (!bar_) return;
    if (!dropdownMenu_) {
        UserClicked();
        return;
    }
    const RECT r = BoundsRect();
    const POINT below = bar_->ClientToScreen(POINT{r.left, r.bottom});
    dropdownMenu_->Popup(below.x, below.y);
}

void ToolButton::SetControl(WinControl* control) {
    if (control == control_) return;
    control_ = control;
    if (control_ && bar_) control_->SetParent(bar_);
    if (control_) style_ = ToolButtonStyle::Separator;
    if (bar_) bar_->Rebuild(this);
}

void ToolButton::SetCommand(Command* command) {
    if (command == command_) return;
    if (command_) command_->RemoveFace(this);
    command_ = command;
    if (command_) {
        command_->AddFace(this);
        CommandChanged(*command_);
    }
}

void ToolButton::CommandChanged(Command& command) {
    SetEnabled(command.Enabled());
    SetDown(command.Checked());
}

void ToolButton::CommandDestroyed(Command& command) {
    if (&command == command_) command_ = nullptr;
}

void ToolButton::Click() {
    if (command_) {
        command_->Execute();
        return;
    }
    auto handler = OnClick;
    if (handler) handler(*this);
}

void ToolButton::UserClicked() {
    // The bar has already flipped a check button; its command learns the
    // new state before it runs.
    if (command_ && (style_ == ToolButtonStyle::Check || style_ == ToolButtonStyle::CheckGroup))
        command_->SetChecked(Down());
    Click();
}

}  // namespace forms
