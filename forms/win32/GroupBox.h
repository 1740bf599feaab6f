// A container framed by an etched line, its caption set into the top edge
// of the frame. Aligned children share the area inside the frame, below the
// caption.
#pragma once
#include "forms/win32/ContainerControl.h"

namespace forms {

class GroupBox : public ContainerControl {
public:
    GroupBox(Component* owner, WinControl* parent);

protected:
    RECT AlignArea() const override;
    void PaintBackground(PaintTarget& target) override;
    void TextChanged() override { Invalidate(); }

private:
    // Height of a line of the caption's font.
    int CaptionHeight() const;
};

}  // namespace forms
