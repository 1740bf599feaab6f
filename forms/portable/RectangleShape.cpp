#include "forms/portable/RectangleShape.h"

#include <algorithm>
#include <cstddef>

namespace forms {
namespace {

constexpr int kDotOn = 3;
constexpr int kDotPeriod = 6;

// Distance of an outline pixel from the top-left corner, going clockwise
// round a 1-pixel outline.
int PerimeterPosition(const PixelRect& s, int x, int y) {
    const int w = s.right - s.left - 1, h = s.bottom - s.top - 1;
    if (y == s.top) return x - s.left;
    if (x == s.right - 1) return w + (y - s.top);
    if (y == s.bottom - 1) return w + h + (s.right - 1 - x);
    return 2 * w + h + (s.bottom - 1 - y);
}

}  // namespace

void DrawRectangleShape(uint32_t* bits, int stride, const PixelRect& shape, const PixelRect& clip,
                        const ShapeLook& look) {
    const int left = std::max(shape.left, clip.left), right = std::min(shape.right, clip.right);
    const int top = std::max(shape.top, clip.top), bottom = std::min(shape.bottom, clip.bottom);
    if (left >= right || top >= bottom) return;
    const int pen = look.penStyle == PenStyle::Clear ? 0 : std::max(look.penWidth, 0);
    const bool dotted = look.penStyle == PenStyle::Dot && pen == 1;
    const bool fill = look.brushStyle == BrushStyle::Solid;
    const bool invert = look.penMode == PenMode::Not;
    const PixelRect inner{shape.left + pen, shape.top + pen, shape.right - pen, shape.bottom - pen};

    for (int y = top; y < bottom; ++y) {
        uint32_t* row = bits + static_cast<size_t>(y) * static_cast<size_t>(stride);
        const bool penRow = y < inner.top || y >= inner.bottom;
        for (int x = left; x < right; ++x) {
            bool onPen = penRow || x < inner.left || x >= inner.right;
            bool draws;
            if (onPen && dotted && PerimeterPosition(shape, x, y) % kDotPeriod >= kDotOn) {
                onPen = false;  // a gap of the dotted pen shows the brush
                draws = fill;
            } else {
                draws = onPen || fill;
            }
            if (!draws) continue;
            if (invert)
                row[x] ^= 0x00FFFFFFu;
            else
                row[x] = onPen ? look.penPixel : look.brushPixel;
        }
    }
}

}  // namespace forms
