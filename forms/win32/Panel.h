// A container with an optional 3-D border of two bevels — the outer one at
// the edge, the inner one inside it, each BevelWidth pixels wide — and a
// caption drawn in its font over its colour (single line, vertically
// centred, aligned as Alignment says). With ParentBackground on it shows
// its parent's colour instead of its own. Aligned children share the area
// inside the bevels. Clicks on the panel itself run OnClick.
#pragma once
#include "forms/win32/ContainerControl.h"

namespace forms {

enum class PanelBevel { None, Lowered, Raised };

class Panel : public ContainerControl {
public:
    Panel(Component* owner, WinControl* parent);

    PanelBevel BevelOuter() const { return bevelOuter_; }
    void SetBevelOuter(PanelBevel bevel);
    PanelBevel BevelInner() const { return bevelInner_; }
    void SetBevelInner(PanelBevel bevel);
    int BevelWidth() const { return bevelWidth_; }
    void SetBevelWidth(int width);
    Alignment GetAlignment() const { return alignment_; }
    void SetAlignment(Alignment alignment);
    bool ParentBackground() const { return parentBackground_; }
    void SetParentBackground(bool on);

protected:
    RECT AlignArea() const override;
    void PaintBackground(PaintTarget& target) override;
    void TextChanged() override { Invalidate(); }

private:
    void BorderChanged();
    int BorderWidth() const;

    PanelBevel bevelOuter_ = PanelBevel::Raised;
    PanelBevel bevelInner_ = PanelBevel::None;
    int bevelWidth_ = 1;
    Alignment alignment_ = Alignment::Center;
    bool parentBackground_ = false;
};

}  // namespace forms
