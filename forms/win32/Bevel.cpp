#include "forms/win32/Bevel.h"

#include "forms/win32/PaintBuffer.h"

namespace forms {

Bevel::Bevel(Component* owner, WinControl* parent, BevelShape shape, BevelStyle style)
    : GraphicControl(owner, parent), shape_(shape), style_(style) {
    StoreBounds(0, 0, 50, 50);
}

void Bevel::SetShape(BevelShape shape) {
    if (shape == shape_) return;
    shape_ = shape;
    Invalidate();
}

void Bevel::SetStyle(BevelStyle style) {
    if (style == style_) return;
    style_ = style;
    Invalidate();
}

void Bevel::Paint(PaintTarget& target, int x, int y) {
    const uint32_t shadow = ColorToPixel(clBtnShadow), light = ColorToPixel(clBtnHighlight);
    const uint32_t first = style_ == BevelStyle::Lowered ? shadow : light;
    const uint32_t second = style_ == BevelStyle::Lowered ? light : shadow;
    const RECT r{x, y, x + Width(), y + Height()};
    GdiFlush();
    switch (shape_) {
    case BevelShape::Box: DrawFrame(target, r, first, second); break;
    case BevelShape::Frame:
        // Two offset frames: an etched groove (or ridge).
        DrawFrame(target, RECT{r.left, r.top, r.right - 1, r.bottom - 1}, first, first);
        DrawFrame(target, RECT{r.left + 1, r.top + 1, r.right, r.bottom}, second, second);
        break;
    case BevelShape::TopLine:
        DrawFrame(target, RECT{r.left, r.top, r.right, r.top + 1}, first, first);
        DrawFrame(target, RECT{r.left, r.top + 1, r.right, r.top + 2}, second, second);
        break;
    case BevelShape::BottomLine:
        DrawFrame(target, RECT{r.left, r.bottom - 2, r.right, r.bottom - 1}, first, first);
        DrawFrame(target, RECT{r.left, r.bottom - 1, r.right, r.bottom}, second, second);
        break;
    case BevelShape::LeftLine:
        DrawFrame(target, RECT{r.left, r.top, r.left + 1, r.bottom}, first, first);
        DrawFrame(target, RECT{r.left + 1, r.top, r.left + 2, r.bottom}, second, second);
        break;
    case BevelShape::RightLine:
        DrawFrame(target, RECT{r.right - 2, r.top, r.right - 1, r.bottom}, first, first);
        DrawFrame(target, RECT{r.right - 1, r.top, r.right, r.bottom}, second, second);
        break;
    }
}

}  // namespace forms
