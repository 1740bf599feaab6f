// The pixels of a rectangle shape: a brush fill (or none) inside a pen
// outline (solid, dotted or none) along the shape's outer edge, either in
// their colours or, in pen mode Not, inverting what lies below wherever the
// shape draws. Works on rows of 32-bit pixels (blue in the low byte); the
// fourth byte of the pixels below is kept.
//
// The outline is the outer penWidth pixels of the shape. A dotted pen is a
// 1-pixel pen drawn 3 pixels on, 3 off, clockwise from the top-left corner;
// its gaps show the brush (or what lies below when the brush is clear).
// Dotted pens wider than 1 pixel draw solid.
#pragma once
#include <cstdint>

namespace forms {

struct PixelRect {
    int left = 0, top = 0, right = 0, bottom = 0;
};

enum class BrushStyle { Solid, Clear };
enum class PenStyle { Solid, Dot, Clear };
enum class PenMode { Copy, Not };

struct ShapeLook {
    uint32_t brushPixel = 0xFFFFFFFF;
    BrushStyle brushStyle = BrushStyle::Solid;
    uint32_t penPixel = 0xFF000000;
    int penWidth = 1;
    PenStyle penStyle = PenStyle::Solid;
    PenMode penMode = PenMode::Copy;
};

// Draws the shape covering `shape` into `bits` (rows of `stride` pixels),
// touching only pixels inside `clip`, which must lie inside the surface.
void DrawRectangleShape(uint32_t* bits, int stride, const PixelRect& shape, const PixelRect& clip,
                        const ShapeLook& look);

}  // namespace forms
