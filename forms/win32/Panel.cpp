#include "forms/win32/Panel.h"

#include <algorithm>

#include "forms/win32/GdiScope.h"
#include "forms/win32/PaintBuffer.h"

namespace forms {

Panel::Panel(Component* owner, WinControl* parent) : ContainerControl(owner, parent) {}

void Panel::BorderChanged() {
    Invalidate();
    Realign();
}

void Panel::SetBevelOuter(PanelBevel bevel) {
    if (bevel == bevelOuter_) return;
    bevelOuter_ = bevel;
    BorderChanged();
}

void Panel::SetBevelInner(PanelBevel bevel) {
    if (bevel == bevelInner_) return;
    bevelInner_ = bevel;
    BorderChanged();
}

void Panel::SetBevelWidth(int width) {
    width = std::max(width, 1);
    if (width == bevelWidth_) return;
    bevelWidth_ = width;
    BorderChanged();
}

void Panel::SetAlignment(Alignment alignment) {
    if (alignment == alignment_) return;
    alignment_ = alignment;
    Invalidate();
}

void Panel::SetParentBackground(bool on) {
    if (on == parentBackground_) return;
    parentBackground_ = on;
    Invalidate();
}

int Panel::BorderWidth() const {
    return ((bevelOuter_ != PanelBevel::None) + (bevelInner_ != PanelBevel::None)) * bevelWidth_;
}

RECT Panel::AlignArea() const {
    RECT r = WinControl::AlignArea();
    const int b = BorderWidth();
    InflateRect(&r, -b, -b);
    return r;
}

void Panel::PaintBackground(PaintTarget& target) {
    const Color back = parentBackground_ && Parent() ? Parent()->GetColor() : GetColor();
    FillPixels(target, target.clip, ColorToPixel(back));
    RECT r = WinControl::AlignArea();
    const uint32_t shadow = ColorToPixel(clBtnShadow), light = ColorToPixel(clBtnHighlight);
    for (PanelBevel bevel : {bevelOuter_, bevelInner_}) {
        if (bevel == PanelBevel::None) continue;
        for (int i = 0; i < bevelWidth_; ++i) {
            if (bevel == PanelBevel::Raised)
                DrawFrame(target, r, light, shadow);
            else
                DrawFrame(target, r, shadow, light);
            InflateRect(&r, -1, -1);
        }
    }
    const std::string caption = Caption();
    if (caption.empty()) return;
    ScopedSelectObject font(target.dc, GetFont().Handle());
    SetTextColor(target.dc, ColorToRGB(GetFont().GetColor()));
    SetBkMode(target.dc, TRANSPARENT);
    UINT flags = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_EXPANDTABS;
    if (alignment_ == Alignment::Center) flags |= DT_CENTER;
    if (alignment_ == Alignment::Right) flags |= DT_RIGHT;
    DrawTextA(target.dc, caption.c_str(), -1, &r, flags);
    GdiFlush();
}

}  // namespace forms
