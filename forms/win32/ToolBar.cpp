#include "forms/win32/ToolBar.h"

#include <commctrl.h>

#include <algorithm>

#include "forms/win32/Application.h"
#include "forms/win32/ImageList.h"
#include "forms/win32/ToolButton.h"

namespace forms {
namespace {

constexpr int kTipWidth = 400;  // lets "\r\n" in a hint break the line

void LoadBarClasses() {
    static const bool loaded = [] {
        INITCOMMONCONTROLSEX init{sizeof(INITCOMMONCONTROLSEX), ICC_BAR_CLASSES};
        return InitCommonControlsEx(&init) != FALSE;
    }();
    (void)loaded;
}

BYTE StyleBits(ToolButtonStyle style) {
    switch (style) {
    case ToolButtonStyle::Check: return BTNS_CHECK;
    case ToolButtonStyle::CheckGroup: return BTNS_CHECKGROUP;
    case ToolButtonStyle::DropDown: return BTNS_DROPDOWN;
    case ToolButtonStyle::Separator: return BTNS_SEP;
    default: return BTNS_BUTTON;
    }
}

}  // namespace

ToolBar::ToolBar(Component* owner, WinControl* parent) : WinControl(owner, parent) {
    LoadBarClasses();
    StoreBounds(0, 0, 150, 29);
    // The parent lays the bar out: no moving or sizing itself.
    // Captions show beside the glyphs, on the buttons that have one.
    CreateChildWindow(TOOLBARCLASSNAMEA,
                      TBSTYLE_FLAT | TBSTYLE_LIST | TBSTYLE_TOOLTIPS | CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER,
                      0);
    // Aligned bars stack in the order of their positions: a new bar starts
    // below those already at the top, so bars stack in creation order.
    int top = 0;
    for (int i = 0; parent && i < parent->ControlCount(); ++i) {
        const Control* c = parent->Controls(i);
        if (c != this && c->Visible() && c->GetAlign() == Align::Top) top = std::max(top, c->Top() + c->Height());
    }
    StoreBounds(0, top, Width(), Height());
    SetAlign(Align::Top);
}

void ToolBar::HandleCreated() {
    WinControl::HandleCreated();
    HWND bar = Handle();
    SendMessageA(bar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    SendMessageA(bar, TB_SETEXTENDEDSTYLE, 0, TBSTYLE_EX_DRAWDDARROWS | TBSTYLE_EX_MIXEDBUTTONS);
    SendMessageA(bar, TB_SETBITMAPSIZE, 0,
                 images_ ? MAKELONG(images_->CellWidth(), images_->CellHeight()) : MAKELONG(16, 16));
    SendMessageA(bar, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images_ ? images_->Handle() : nullptr));
    SendMessageA(bar, TB_SETBUTTONSIZE, 0, MAKELONG(buttonWidth_, buttonHeight_));
    if (auto tips = reinterpret_cast<HWND>(SendMessageA(bar, TB_GETTOOLTIPS, 0, 0)))
        SendMessageA(tips, TTM_SETMAXTIPWIDTH, 0, kTipWidth);
    inWindow_ = 0;
    AddKeptButtons();
}

ToolBar::~ToolBar() {
    if (images_) images_->Unsubscribe(imagesToken_);
    for (ToolButton* button : buttons_) button->BarDestroyed();
}

void ToolBar::SetImages(ImageList* images) {
    if (images == images_) return;
    if (images_) images_->Unsubscribe(imagesToken_);
    images_ = images;
    imagesToken_ = 0;
    if (images_) {
        imagesToken_ = images_->Subscribe([this](ImageListChange change) {
            ImagesChanged(change == ImageListChange::Destroyed);
        });
    }
    if (!HandleAllocated()) return;  // the window takes them when it is made
    if (images_) SendMessageA(Handle(), TB_SETBITMAPSIZE, 0, MAKELONG(images_->CellWidth(), images_->CellHeight()));
    SendMessageA(Handle(), TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images_ ? images_->Handle() : nullptr));
    PlaceControls();
    Invalidate();
}

void ToolBar::ImagesChanged(bool destroyed) {
    if (destroyed) {
        images_ = nullptr;
        imagesToken_ = 0;
        if (HandleAllocated()) SendMessageA(Handle(), TB_SETIMAGELIST, 0, 0);
    }
    Invalidate();
}

void ToolBar::SetButtonSize(int width, int height) {
    buttonWidth_ = std::max(width, 0);
    buttonHeight_ = std::max(height, 0);
    if (!HandleAllocated()) return;
    SendMessageA(Handle(), TB_SETBUTTONSIZE, 0, MAKELONG(buttonWidth_, buttonHeight_));
    PlaceControls();
    Invalidate();
}

void ToolBar::SetParent(WinControl* parent) {
    WinControl::SetParent(parent);
    // The bar tells the window it was created in about clicks unless told
    // where its notifications go now.
    if (!HandleAllocated()) return;
    SendMessageA(Handle(), TB_SETPARENT,
                 reinterpret_cast<WPARAM>(parent ? parent->Handle() : Application().UtilityWindow()), 0);
}

void ToolBar::Join(ToolButton* button) {
    button->id_ = nextId_++;
    buttons_.push_back(button);
    if (!HandleAllocated()) return;  // kept for the window
    InsertIntoWindow(button, ButtonCount() - 1, false, true, false);
    ++inWindow_;
    PlaceControls();
}

void ToolBar::Leave(ToolButton* button) {
    auto it = std::find(buttons_.begin(), buttons_.end(), button);
    if (it == buttons_.end()) return;
    const size_t index = static_cast<size_t>(it - buttons_.begin());
    buttons_.erase(it);
    if (index >= inWindow_) return;
    --inWindow_;
    SendMessageA(Handle(), TB_DELETEBUTTON, index, 0);
    PlaceControls();
}

void ToolBar::Rebuild(ToolButton* button) {
    const int index = button->Index();
    if (index < 0 || !InWindow(button)) return;  // a kept button goes in as it is then
    const bool down = button->Down(), enabled = button->Enabled(), hidden = !button->Visible();
    SendMessageA(Handle(), TB_DELETEBUTTON, static_cast<WPARAM>(index), 0);
    InsertIntoWindow(button, index, down, enabled, hidden);
    PlaceControls();
}

bool ToolBar::InWindow(const ToolButton* button) const {
    for (size_t i = 0; i < inWindow_; ++i)
        if (buttons_[i] == button) return true;
    return false;
}

void ToolBar::AddKeptButtons() {
    // Making the window puts them all in (HandleCreated).
    if (!Handle() || inWindow_ >= buttons_.size()) return;
    std::vector<TBBUTTON> items;
    for (size_t i = inWindow_; i < buttons_.size(); ++i) {
        const ToolButton* b = buttons_[i];
        items.push_back(ItemOf(b, b->down_, b->enabled_, b->hidden_));
    }
    inWindow_ = buttons_.size();
    SendMessageA(Handle(), TB_ADDBUTTONSA, items.size(), reinterpret_cast<LPARAM>(items.data()));
    PlaceControls();
}

void ToolBar::InsertIntoWindow(ToolButton* button, int index, bool down, bool enabled, bool hidden) {
    TBBUTTON item = ItemOf(button, down, enabled, hidden);
    SendMessageA(Handle(), TB_INSERTBUTTONA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
}

TBBUTTON ToolBar::ItemOf(const ToolButton* button, bool down, bool enabled, bool hidden) const {
    TBBUTTON item{};
    item.idCommand = button->id_;
    item.fsStyle = StyleBits(button->style_);
    item.fsState = static_cast<BYTE>((enabled ? TBSTATE_ENABLED : 0) | (down ? TBSTATE_CHECKED : 0) |
                                     (hidden ? TBSTATE_HIDDEN : 0));
    if (button->style_ == ToolButtonStyle::Separator)
        item.iBitmap = button->control_ ? button->control_->Width() : button->separatorWidth_;  // its width
    else
        item.iBitmap = button->imageIndex_ >= 0 ? button->imageIndex_ : I_IMAGENONE;
    item.iString = -1;
    if (button->style_ != ToolButtonStyle::Separator && HasCaptions()) {
        // A bar with captions sizes each button to its own content, else
        // every button would take the width of the longest text.
        item.fsStyle |= BTNS_AUTOSIZE;
        if (!button->caption_.empty()) {
            item.fsStyle |= BTNS_SHOWTEXT;
            item.iString = reinterpret_cast<INT_PTR>(button->caption_.c_str());  // the bar keeps a copy
        }
    }
    return item;
}

bool ToolBar::HasCaptions() const {
    for (const ToolButton* button : buttons_)
        if (!button->caption_.empty()) return true;
    return false;
}

ToolButton* ToolBar::ButtonById(int id) const {
    for (ToolButton* button : buttons_)
        if (button->id_ == id) return button;
    return nullptr;
}

bool ToolBar::HasChild(const Control* control) const {
    for (int i = 0; i < ControlCount(); ++i)
        if (Controls(i) == control) return true;
    return false;
}

void ToolBar::PlaceControls() {
    if (inWindow_ < buttons_.size()) return;  // placed when the kept buttons go in
    for (ToolButton* button : buttons_) {
        Control* control = button->control_;
        if (!control) continue;
        if (!HasChild(control)) {
            // Freed, or moved to another parent: the room stays, empty.
            button->control_ = nullptr;
            continue;
        }
        const RECT r = button->BoundsRect();
        if (r.right <= r.left) continue;
        control->SetBounds(r.left, r.top + (r.bottom - r.top - control->Height()) / 2, control->Width(),
                           control->Height());
    }
}

bool ToolBar::Notification(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (msg == WM_COMMAND) {
        ToolButton* button = ButtonById(LOWORD(wParam));
        if (!button) return false;
        result = 0;
        button->UserClicked();
        return true;
    }
    if (msg == WM_NOTIFY && reinterpret_cast<const NMHDR*>(lParam)->code == TBN_DROPDOWN) {
        ToolButton* button = ButtonById(reinterpret_cast<const NMTOOLBARA*>(lParam)->iItem);
        if (!button) return false;
        result = TBDDRET_DEFAULT;
        button->DropDown();
        return true;
    }
    return false;
}

LRESULT ToolBar::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_NOTIFY: {
        // The bar's own tooltip asks it for the text of a button.
        auto* header = reinterpret_cast<NMHDR*>(lParam);
        if (header && (header->code == TTN_GETDISPINFOA || header->code == TTN_GETDISPINFOW) && TooltipText(header))
            return 0;
        break;
    }
    case WM_ERASEBKGND: {
        // A flat bar would leave its background to the parent, which paints
        // its own children (and so nothing here): the bar fills it itself.
        RECT client;
        GetClientRect(Handle(), &client);
        FillRect(reinterpret_cast<HDC>(wParam), &client, BackgroundBrush());
        return 1;
    }
    default:
        break;
    }
    return WinControl::WndProc(msg, wParam, lParam);
}

bool ToolBar::TooltipText(NMHDR* header) {
    ToolButton* button = ButtonById(static_cast<int>(header->idFrom));
    if (!button) return false;
    const std::string text = showHint_ ? button->Hint() : std::string();
    if (header->code == TTN_GETDISPINFOA) {
        auto* info = reinterpret_cast<NMTTDISPINFOA*>(header);
        tipA_ = text;
        info->hinst = nullptr;
        info->lpszText = &tipA_[0];
    } else {
        auto* info = reinterpret_cast<NMTTDISPINFOW*>(header);
        const int n = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
        tipW_.assign(static_cast<size_t>(std::max(n, 1)), L'\0');
        if (n > 0) MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, &tipW_[0], n);
        info->hinst = nullptr;
        info->lpszText = &tipW_[0];
    }
    return true;
}

}  // namespace forms
