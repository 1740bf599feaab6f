// A container that scrolls its children. The scroll range follows the
// children by itself: a scroll bar appears while the visible children reach
// beyond the client area on its axis, and goes when they fit again (the
// position then returns so that nothing is left out of reach). Scrolling
// moves the children (their Left / Top count from the visible corner, so a
// child scrolled out at the top has a negative Top). A single border by
// default; OnResize runs when a scroll bar comes or goes, as the client area
// changes size then.
#pragma once
#include "forms/win32/ContainerControl.h"

namespace forms {

class ScrollBox : public ContainerControl {
public:
    ScrollBox(Component* owner, WinControl* parent);

    bool HorzScrollBarVisible() const;
    bool VertScrollBarVisible() const;
    // How far the view is scrolled (0 at the start).
    int HorzPosition() const { return hpos_; }
    int VertPosition() const { return vpos_; }
    // Scrolls to the given position (kept inside the range).
    void ScrollTo(int horz, int vert);

protected:
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void ChildLayoutChanged(Control& child) override;
    void HandleCreated() override { UpdateRange(); }

private:
    void UpdateRange();
    // Moves the children so that the view starts at (horz, vert).
    void MoveChildren(int horz, int vert);
    void Scroll(int bar, WORD code);

    int hpos_ = 0, vpos_ = 0;
    // Set while the box moves its children or sets its scroll bars.
    bool busy_ = false;
};

}  // namespace forms
