// A windowless frame or line drawn in the system's 3-D edge colours: a box
// around its area, an etched double frame, or one etched line along an edge.
// Lowered draws the shadow colour top-left (the area looks sunk in), Raised
// the highlight colour.
#pragma once
#include "forms/win32/Control.h"

namespace forms {

enum class BevelShape { Box, Frame, TopLine, BottomLine, LeftLine, RightLine };
enum class BevelStyle { Lowered, Raised };

class Bevel : public GraphicControl {
public:
    Bevel(Component* owner, WinControl* parent, BevelShape shape = BevelShape::Box,
          BevelStyle style = BevelStyle::Lowered);

    BevelShape Shape() const { return shape_; }
    void SetShape(BevelShape shape);
    BevelStyle Style() const { return style_; }
    void SetStyle(BevelStyle style);

    void Paint(PaintTarget& target, int x, int y) override;

private:
    BevelShape shape_;
    BevelStyle style_;
};

}  // namespace forms
