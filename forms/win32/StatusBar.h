// A status bar (Win32 "msctls_statusbar32") divided into panels. Each panel
// has a width, a text and an alignment of that text; the last panel reaches
// to the right edge of the bar whatever width it was given. Without panels
// the bar is one panel. The bar is laid out by its parent like any control
// (it does not move itself): aligned to the bottom at first. Its window is
// made when it is first shown; panels set before go into it then.
#pragma once
#include <string>
#include <vector>

#include "forms/win32/WinControl.h"

namespace forms {

class StatusBar : public WinControl {
public:
    StatusBar(Component* owner, WinControl* parent);

    // Replaces the panels by ones of these widths in pixels, left to right
    // (texts empty, left-aligned). At most 255 panels; widths below 0 count
    // as 0.
    void SetPanels(const std::vector<int>& widths);
    int PanelCount() const { return static_cast<int>(panels_.size()); }

    // Text and alignment of a panel; an index out of range reads as an
    // empty, left-aligned panel and is ignored when set.
    std::string PanelText(int index) const;
    void SetPanelText(int index, const std::string& text);
    Alignment PanelAlignment(int index) const;
    void SetPanelAlignment(int index, Alignment alignment);

protected:
    void HandleCreated() override;

private:
    struct Panel {
        int width = 0;
        std::string text;
        Alignment alignment = Alignment::Left;
    };
    void ApplyParts();
    void ApplyText(int index);

    std::vector<Panel> panels_;
};

}  // namespace forms
