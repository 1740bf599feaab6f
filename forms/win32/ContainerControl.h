// The base of the windowed containers that this layer draws itself (panels,
// group boxes, scroll boxes, tab sheets): a window of the layer's own class
// that paints its background (PaintBackground), its graphic children and
// their mouse events double-buffered like a form, takes a double click, and
// runs OnResize whenever its client area changes size (also when a scroll
// bar comes or goes).
#pragma once
#include "forms/win32/WinControl.h"

namespace forms {

class ContainerControl : public WinControl {
public:
    // style / exStyle: extra window styles (borders, scroll bars).
    ContainerControl(Component* owner, WinControl* parent, DWORD style = 0, DWORD exStyle = 0);

    NotifyEvent OnResize;

protected:
    bool IsContainer() const override { return true; }
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void Detach() override;
};

}  // namespace forms
