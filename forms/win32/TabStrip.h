// The common part of TabControl and PageControl: a Win32 tab control
// ("SysTabControl32") whose tab captions and selection the object keeps
// itself, so they can be set before the window exists. A tab the user picks
// reaches TabPicked(); selecting by program does not. A changed tab text
// repaints the whole row of tabs.
#pragma once
#include <string>
#include <vector>

#include "forms/win32/WinControl.h"

namespace forms {

class TabStrip : public WinControl {
public:
    // The area below the tabs, in client coordinates, where pages go.
    RECT DisplayRect() const;

protected:
    TabStrip(Component* owner, WinControl* parent);

    int TabCount() const { return static_cast<int>(tabs_.size()); }
    const std::string& TabText(int index) const { return tabs_.at(static_cast<size_t>(index)); }
    void InsertTab(int index, const std::string& text);
    void DeleteTab(int index);
    void SetTabText(int index, const std::string& text);
    // -1: no tab selected.
    int SelectedTab() const { return selected_; }
    void SelectTab(int index);
    // The user picked the tab at index (it is selected now).
    virtual void TabPicked(int index) = 0;

    bool Notification(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void HandleCreated() override;
    RECT AlignArea() const override { return DisplayRect(); }

private:
    std::vector<std::string> tabs_;
    int selected_ = -1;
};

}  // namespace forms
