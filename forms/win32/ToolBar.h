// A tool bar (Win32 "ToolbarWindow32"): a flat row of tool buttons
// (ToolButton.h) with glyphs from an image list, tooltips from the buttons'
// hints, and room for other windowed controls (a combo box, or a panel that
// holds a label) placed on it and shown over the bar. The bar is
// laid out by its parent like any control (it neither moves nor sizes
// itself): aligned to the top at first, so that several bars stack from the
// top in the order of their positions (a new bar starts below the ones
// already there) and keep that order when one is hidden and shown again.
// Button clicks and drop-down arrows reach the buttons through the bar's
// notifications, wherever the bar is parented.
//
// The bar's window is made when it is first shown (or a button's rectangle
// is asked for): buttons added before keep their settings and go into the
// window together then.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "forms/win32/WinControl.h"

namespace forms {

class ImageList;
class ToolButton;

class ToolBar : public WinControl {
public:
    ToolBar(Component* owner, WinControl* parent);
    ~ToolBar() override;

    // Glyphs of the buttons (nullptr: none). A list freed while the bar
    // shows it leaves the bar without glyphs; changed cells show at once.
    ImageList* Images() const { return images_; }
    void SetImages(ImageList* images);

    // Buttons in order, separators included.
    int ButtonCount() const { return static_cast<int>(buttons_.size()); }
    ToolButton* Buttons(int index) const { return buttons_.at(static_cast<size_t>(index)); }

    // Size of every button that is not a separator (23x22 at first).
    void SetButtonSize(int width, int height);

    // Tooltips on (the default) or off.
    bool ShowHint() const { return showHint_; }
    void SetShowHint(bool on) { showHint_ = on; }

    void SetParent(WinControl* parent) override;

protected:
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void HandleCreated() override;
    bool Notification(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    friend class ToolButton;
    // The button side: join (the bar gives the button its command id),
    // leave, and put the button into the window again after a change of
    // style or width.
    void Join(ToolButton* button);
    void Leave(ToolButton* button);
    void Rebuild(ToolButton* button);
    // Places the controls that separators hold.
    void PlaceControls();
    bool HasChild(const Control* control) const;

    ToolButton* ButtonById(int id) const;
    bool HasCaptions() const;
    // Whether the button is in the window already (buttons are kept only
    // while the bar has no window).
    bool InWindow(const ToolButton* button) const;
    // Puts the kept buttons into the window, all at once.
    void AddKeptButtons();
    TBBUTTON ItemOf(const ToolButton* button, bool down, bool enabled, bool hidden) const;
    void InsertIntoWindow(ToolButton* button, int index, bool down, bool enabled, bool hidden);
    bool TooltipText(NMHDR* header);
    void ImagesChanged(bool destroyed);

    std::vector<ToolButton*> buttons_;
    ImageList* images_ = nullptr;
    int imagesToken_ = 0;
    int nextId_ = 1;
    int buttonWidth_ = 23, buttonHeight_ = 22;
    size_t inWindow_ = 0;  // buttons_[0, inWindow_) are in the window
    bool showHint_ = true;
    // The text handed to the tooltip, kept until it asks again.
    std::string tipA_;
    std::wstring tipW_;
};

}  // namespace forms
