// Placed shapes drawn from their settings (TShapeRec) into an anti-aliased
// RGBA picture: horizontal and vertical lines, rounded and square rectangles,
// circles and ovals, with a line of a chosen thickness and colour and no fill,
// a solid fill or a top-to-bottom gradient fill.
//
// DrawShape renders an object's ShapeRec at the object's own width x height
// into a new RGBA picture and assigns it to the object's LookPNG. The
// record's other fields are left alone: the colour channels are derived in a
// private copy. A size below 1 x 1 or beyond the picture limits of the pixel
// array is refused: the result is false and LookPNG keeps its old picture.
// Any other settings give a picture, never a failure: an unknown shape kind
// gives a fully transparent one, an unknown fill type counts as no fill, a
// negative line thickness as no line, and a shape with neither line nor fill
// is fully transparent.
#pragma once
#include <cstdint>

#include "shared/MenuType.h"

namespace editor {

// TShapeRec::ShapeKind.
enum ShapeKindCode : int32_t {
    ShapeHorizLine = 1,
    ShapeVertLine = 2,
    ShapeRoundRect = 3,
    ShapeSquareRect = 4,
    ShapeCircle = 5,
    ShapeOval = 6,
};

// TShapeRec::FillType.
enum FillTypeCode : int32_t {
    FillNone = 0,
    FillSolid = 1,
    FillGradient = 2,
};

// True when a shape of this size can be drawn (both sides 1 or more and
// within the pixel array's limits).
bool ShapeSizeDrawable(int32_t width, int32_t height);

// Draws obj.ShapeRec at obj.ObjWidth x obj.ObjHeight into obj.LookPNG.
// False (LookPNG unchanged) when ShapeSizeDrawable refuses the size.
[[nodiscard]] bool DrawShape(TAQButton& obj);

}  // namespace editor
