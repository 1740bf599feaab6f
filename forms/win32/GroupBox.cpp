#include "forms/win32/GroupBox.h"

#include "forms/win32/GdiScope.h"
#include "forms/win32/PaintBuffer.h"

namespace forms {

GroupBox::GroupBox(Component* owner, WinControl* parent) : ContainerControl(owner, parent) {
    StoreBounds(0, 0, 185, 105);
}

int GroupBox::CaptionHeight() const {
    MemoryDC dc;
    ScopedSelectObject font(dc, GetFont().Handle());
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    return metrics.tmHeight;
}

RECT GroupBox::AlignArea() const {
    RECT r = WinControl::AlignArea();
    r.left += 2;
    r.right -= 2;
    r.bottom -= 2;
    r.top += CaptionHeight() + 2;
    return r;
}

void GroupBox::PaintBackground(PaintTarget& target) {
    FillPixels(target, target.clip, ColorToPixel(GetColor()));
    const RECT client = WinControl::AlignArea();
    const int textHeight = CaptionHeight();
    const RECT frame{client.left, client.top + textHeight / 2, client.right, client.bottom};
    const uint32_t shadow = ColorToPixel(clBtnShadow), light = ColorToPixel(clBtnHighlight);
    DrawFrame(target, RECT{frame.left, frame.top, frame.right - 1, frame.bottom - 1}, shadow, shadow);
    DrawFrame(target, RECT{frame.left + 1, frame.top + 1, frame.right, frame.bottom}, light, light);
    const std::string caption = Caption();
    if (caption.empty()) return;
    ScopedSelectObject font(target.dc, GetFont().Handle());
    SIZE size{};
    GetTextExtentPoint32A(target.dc, caption.c_str(), static_cast<int>(caption.size()), &size);
    // The caption interrupts the frame's top edge.
    RECT text{client.left + 8, client.top, client.left + 8 + size.cx + 4, client.top + textHeight};
    RECT gap;
    if (IntersectRect(&gap, &text, &target.clip)) FillPixels(target, gap, ColorToPixel(GetColor()));
    SetTextColor(target.dc, ColorToRGB(GetFont().GetColor()));
    SetBkMode(target.dc, TRANSPARENT);
    DrawTextA(target.dc, caption.c_str(), -1, &text, DT_SINGLELINE | DT_CENTER | DT_NOPREFIX);
    GdiFlush();
}

}  // namespace forms
