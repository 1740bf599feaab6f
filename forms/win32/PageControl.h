// Pages with tabs: a PageControl shows one TabSheet at a time, the one whose
// tab is selected; each sheet's caption is its tab's text and it fills the
// area below the tabs. Sheets may be added and freed at run time:
//
//   auto* sheet = new forms::TabSheet(this, PageControl1);  // last tab
//   sheet->SetCaption("Menu1.mnu");
//   sheet->SetTag(slot);
//   PageControl1->SetActivePage(sheet);
//
// The first sheet added to an empty page control becomes the active one.
// When the active sheet goes, the one after it (or, for the last, the first)
// becomes active. OnChange runs when the user picks another tab, not when
// the program changes the active page.
#pragma once
#include <vector>

#include "forms/win32/ContainerControl.h"
#include "forms/win32/TabStrip.h"

namespace forms {

class PageControl;

class TabSheet : public ContainerControl {
public:
    // Becomes the last page of pageControl (nullptr: of none yet).
    TabSheet(Component* owner, PageControl* pageControl);
    ~TabSheet() override;

    PageControl* GetPageControl() const { return pageControl_; }
    void SetPageControl(PageControl* pageControl);
    // Position among the pages, or -1.
    int PageIndex() const;

protected:
    void TextChanged() override;
    void Detach() override;

private:
    friend class PageControl;
    PageControl* pageControl_ = nullptr;
};

class PageControl : public TabStrip {
public:
    PageControl(Component* owner, WinControl* parent);
    ~PageControl() override;

    int PageCount() const { return static_cast<int>(pages_.size()); }
    TabSheet* Pages(int index) const { return pages_.at(static_cast<size_t>(index)); }

    TabSheet* ActivePage() const { return active_; }
    // nullptr shows no page. A sheet of another page control is ignored.
    void SetActivePage(TabSheet* page);
    int ActivePageIndex() const;
    void SetActivePageIndex(int index);

    // The user picked another tab.
    NotifyEvent OnChange;

protected:
    void TabPicked(int index) override;
    void Detach() override;

private:
    friend class TabSheet;
    void AddPage(TabSheet* page);
    void RemovePage(TabSheet* page);

    std::vector<TabSheet*> pages_;
    TabSheet* active_ = nullptr;
};

}  // namespace forms
