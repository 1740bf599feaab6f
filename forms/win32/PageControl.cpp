#include "forms/win32/PageControl.h"

#include <algorithm>

namespace forms {

TabSheet::TabSheet(Component* owner, PageControl* pageControl) : ContainerControl(owner, nullptr) {
    StoreVisible(false);
    SetAlign(Align::Client);
    SetPageControl(pageControl);
}

TabSheet::~TabSheet() {
    if (pageControl_) pageControl_->RemovePage(this);
}

void TabSheet::SetPageControl(PageControl* pageControl) {
    if (pageControl == pageControl_) return;
    if (pageControl_) pageControl_->RemovePage(this);
    SetParent(pageControl);
    if (pageControl) pageControl->AddPage(this);
}

int TabSheet::PageIndex() const {
    if (!pageControl_) return -1;
    const auto& pages = pageControl_->pages_;
    return static_cast<int>(std::find(pages.begin(), pages.end(), this) - pages.begin());
}

void TabSheet::TextChanged() {
    if (pageControl_) pageControl_->SetTabText(PageIndex(), Caption());
}

void TabSheet::Detach() {
    if (pageControl_) pageControl_->RemovePage(this);
    ContainerControl::Detach();
}

PageControl::PageControl(Component* owner, WinControl* parent) : TabStrip(owner, parent) {}

PageControl::~PageControl() {
    // Sheets owned elsewhere outlive the tabs: they forget this control.
    for (TabSheet* page : pages_) page->pageControl_ = nullptr;
    pages_.clear();
    active_ = nullptr;
}

void PageControl::AddPage(TabSheet* page) {
    page->pageControl_ = this;
    pages_.push_back(page);
    InsertTab(PageCount() - 1, page->Caption());
    if (!active_) SetActivePage(page);
}

void PageControl::RemovePage(TabSheet* page) {
    auto it = std::find(pages_.begin(), pages_.end(), page);
    if (it == pages_.end()) return;
    const int index = static_cast<int>(it - pages_.begin());
    TabSheet* next = nullptr;
    if (active_ == page && PageCount() > 1) next = pages_[static_cast<size_t>(index + 1 < PageCount() ? index + 1 : 0)];
    pages_.erase(it);
    page->pageControl_ = nullptr;
    DeleteTab(index);
    if (active_ == page) {
        active_ = nullptr;
        page->SetVisible(false);
        SetActivePage(next);
    }
}

void PageControl::SetActivePage(TabSheet* page) {
    if (page && page->pageControl_ != this) return;
    if (page == active_) return;
    TabSheet* old = active_;
    active_ = page;
    if (page) page->SetVisible(true);
    if (old) {
        old->SetVisible(false);
        // A page out of sight keeps no more windows than it must: documents
        // of many buttons each would otherwise exhaust the process's share.
        old->ReleaseChildHandles();
    }
    SelectTab(ActivePageIndex());
}

int PageControl::ActivePageIndex() const { return active_ ? active_->PageIndex() : -1; }

void PageControl::SetActivePageIndex(int index) {
    SetActivePage(index >= 0 && index < PageCount() ? pages_[static_cast<size_t>(index)] : nullptr);
}

void PageControl::TabPicked(int index) {
    SetActivePageIndex(index);
    auto handler = OnChange;
    if (handler) handler(*this);
}

void PageControl::Detach() {
    OnChange = nullptr;
    TabStrip::Detach();
}

}  // namespace forms
