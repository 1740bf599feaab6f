// A windowless frame or separator line drawn with the system's 3-D edge
// colours: a raised box around an area, or a lowered line along its top.
#pragma once
#include "forms/win32/Control.h"

enum class BevelShape { RaisedBox, TopLine };

class TBevel : public forms::GraphicControl {
public:
    TBevel(forms::Component* owner, forms::WinControl* parent, BevelShape shape)
        : forms::GraphicControl(owner, parent), shape_(shape) {}

    void Paint(forms::PaintTarget& target, int x, int y) override {
        RECT r{x, y, x + Width(), y + Height()};
        if (shape_ == BevelShape::RaisedBox) {
            DrawEdge(target.dc, &r, BDR_RAISEDINNER, BF_RECT);
        } else {
            DrawEdge(target.dc, &r, BDR_SUNKENOUTER, BF_TOP);
        }
    }

private:
    BevelShape shape_;
};
