#include "forms/win32/StatusBar.h"

#include <commctrl.h>

#include <algorithm>

namespace forms {
namespace {

constexpr int kMaxPanels = 255;  // the control's own limit

}  // namespace

StatusBar::StatusBar(Component* owner, WinControl* parent) : WinControl(owner, parent) {
    StoreBounds(0, 0, 200, 19);
    panels_.resize(1);
    // The parent lays the bar out: no moving itself to the parent's bottom.
    CreateChildWindow(STATUSCLASSNAMEA, CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER, 0);
    SetAlign(Align::Bottom);
}

void StatusBar::HandleCreated() {
    WinControl::HandleCreated();
    ApplyParts();
    for (int i = 0; i < PanelCount(); ++i) ApplyText(i);
}

void StatusBar::SetPanels(const std::vector<int>& widths) {
    panels_.clear();
    for (size_t i = 0; i < widths.size() && i < static_cast<size_t>(kMaxPanels); ++i) {
        Panel panel;
        panel.width = std::max(widths[i], 0);
        panels_.push_back(panel);
    }
    if (panels_.empty()) panels_.resize(1);
    ApplyParts();
    for (int i = 0; i < PanelCount(); ++i) ApplyText(i);
}

std::string StatusBar::PanelText(int index) const {
    if (index < 0 || index >= PanelCount()) return std::string();
    return panels_[static_cast<size_t>(index)].text;
}

void StatusBar::SetPanelText(int index, const std::string& text) {
    if (index < 0 || index >= PanelCount()) return;
    panels_[static_cast<size_t>(index)].text = text;
    ApplyText(index);
}

Alignment StatusBar::PanelAlignment(int index) const {
    if (index < 0 || index >= PanelCount()) return Alignment::Left;
    return panels_[static_cast<size_t>(index)].alignment;
}

void StatusBar::SetPanelAlignment(int index, Alignment alignment) {
    if (index < 0 || index >= PanelCount()) return;
    panels_[static_cast<size_t>(index)].alignment = alignment;
    ApplyText(index);
}

void StatusBar::ApplyParts() {
    if (!HandleAllocated()) return;  // the window takes them when it is made
    // The control wants the right edge of each part; -1 runs to the bar's end.
    std::vector<int> edges;
    int right = 0;
    for (const Panel& panel : panels_) {
        right += panel.width;
        edges.push_back(right);
    }
    edges.back() = -1;
    SendMessageA(Handle(), SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
}

void StatusBar::ApplyText(int index) {
    if (!HandleAllocated()) return;
    const Panel& panel = panels_[static_cast<size_t>(index)];
    // A leading tab centres the text in its part, two tabs right-align it.
    const std::string prefix = panel.alignment == Alignment::Center  ? "\t"
                               : panel.alignment == Alignment::Right ? "\t\t"
                                                                     : "";
    const std::string shown = prefix + panel.text;
    SendMessageA(Handle(), SB_SETTEXTA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(shown.c_str()));
}

}  // namespace forms
