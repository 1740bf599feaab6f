#include "forms/win32/Shape.h"

#include <algorithm>

#include "forms/win32/PaintBuffer.h"

namespace forms {

Shape::Shape(Component* owner, WinControl* parent) : GraphicControl(owner, parent) { StoreBounds(0, 0, 65, 65); }

template <class T>
void Shape::Change(T& field, T value) {
    if (field == value) return;
    field = value;
    Invalidate();
}

void Shape::SetBrushColor(Color color) { Change(brushColor_, color); }
void Shape::SetBrushStyle(BrushStyle style) { Change(brushStyle_, style); }
void Shape::SetPenColor(Color color) { Change(penColor_, color); }
void Shape::SetPenWidth(int width) { Change(penWidth_, std::max(width, 0)); }
void Shape::SetPenStyle(PenStyle style) { Change(penStyle_, style); }
void Shape::SetPenMode(PenMode mode) { Change(penMode_, mode); }

bool Shape::HitTest(int x, int y) const {
    // The outline keeps the mouse while a blinking pen is clear too.
    if (brushStyle_ != BrushStyle::Clear) return true;
    const int w = std::max(penWidth_, 1);
    return x < w || y < w || x >= Width() - w || y >= Height() - w;
}

void Shape::Paint(PaintTarget& target, int x, int y) {
    ShapeLook look;
    look.brushPixel = ColorToPixel(brushColor_);
    look.brushStyle = brushStyle_;
    look.penPixel = ColorToPixel(penColor_);
    look.penWidth = penWidth_;
    look.penStyle = penStyle_;
    look.penMode = penMode_;
    const PixelRect shape{x, y, x + Width(), y + Height()};
    const PixelRect clip{std::max<int>(target.clip.left, 0), std::max<int>(target.clip.top, 0),
                         std::min<int>(target.clip.right, target.width),
                         std::min<int>(target.clip.bottom, target.height)};
    GdiFlush();  // earlier GDI drawing must land before the rows are touched
    DrawRectangleShape(target.bits, target.width, shape, clip, look);
}

}  // namespace forms
