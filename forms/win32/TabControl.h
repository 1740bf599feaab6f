// A row of tabs without pages of its own (Win32 "SysTabControl32"): the
// program shows what belongs to the picked tab in OnChange. Controls placed
// on it (windowed ones) sit on the tab control; aligned ones share the area
// below the tabs.
#pragma once
#include "forms/win32/TabStrip.h"

namespace forms {

class TabControl : public TabStrip {
public:
    TabControl(Component* owner, WinControl* parent);

    using TabStrip::DeleteTab;
    using TabStrip::InsertTab;
    using TabStrip::TabCount;
    void AddTab(const std::string& text) { InsertTab(TabCount(), text); }
    const std::string& Tab(int index) const { return TabText(index); }
    void SetTab(int index, const std::string& text) { SetTabText(index, text); }

    // The selected tab, -1 for none. Setting it does not run OnChange.
    int TabIndex() const { return SelectedTab(); }
    void SetTabIndex(int index) { SelectTab(index); }

    // The user picked another tab.
    NotifyEvent OnChange;

protected:
    void TabPicked(int index) override;
    void Detach() override;
};

}  // namespace forms
