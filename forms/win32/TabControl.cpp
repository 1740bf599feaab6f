#include "forms/win32/TabControl.h"

namespace forms {

TabControl::TabControl(Component* owner, WinControl* parent) : TabStrip(owner, parent) {}

void TabControl::TabPicked(int index) {
    (void)index;
    auto handler = OnChange;
    if (handler) handler(*this);
}

void TabControl::Detach() {
    OnChange = nullptr;
    TabStrip::Detach();
}

}  // namespace forms
