// A windowless rectangle: brush colour (or a clear brush), pen colour, width
// and style (solid, dotted or clear), and pen mode Not, in which the shape
// inverts what lies below it instead of covering it (selection frames and
// sizing handles that stay visible on any picture). Painted into the
// parent's off-screen buffer in z-order like every graphic control; how the
// pixels are laid out is described in forms/portable/RectangleShape.h.
#pragma once
#include "forms/portable/RectangleShape.h"
#include "forms/win32/Control.h"

namespace forms {

class Shape : public GraphicControl {
public:
    Shape(Component* owner, WinControl* parent);

    Color BrushColor() const { return brushColor_; }
    void SetBrushColor(Color color);
    BrushStyle GetBrushStyle() const { return brushStyle_; }
    void SetBrushStyle(BrushStyle style);
    Color PenColor() const { return penColor_; }
    void SetPenColor(Color color);
    int PenWidth() const { return penWidth_; }
    void SetPenWidth(int width);
    PenStyle GetPenStyle() const { return penStyle_; }
    void SetPenStyle(PenStyle style);
    PenMode GetPenMode() const { return penMode_; }
    void SetPenMode(PenMode mode);

    void Paint(PaintTarget& target, int x, int y) override;
    // A shape with a clear brush takes the mouse only on its outline.
    bool HitTest(int x, int y) const override;

private:
    template <class T>
    void Change(T& field, T value);

    Color brushColor_ = clWhite;
    BrushStyle brushStyle_ = BrushStyle::Solid;
    Color penColor_ = clBlack;
    int penWidth_ = 1;
    PenStyle penStyle_ = PenStyle::Solid;
    PenMode penMode_ = PenMode::Copy;
};

}  // namespace forms
