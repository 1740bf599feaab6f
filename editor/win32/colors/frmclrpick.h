// The Color Picker: a sizeable modal window over the colour chooser that
// shows a picture at its own size in a scroll box. Moving the pointer over
// the picture shows the colour under it in the sample; a press on the
// picture puts that colour's red, green and blue in the chooser's edits and
// closes the picker. "&Cancel" closes it and changes nothing.
#pragma once
#include "forms/portable/Bitmap.h"
#include "forms/win32/Form.h"

namespace forms {
class Button;
class Image;
class Label;
class Panel;
class ScrollBox;
}  // namespace forms

class TfrmColorsCls;

class TfrmClrPickCls : public forms::Form {
public:
    TfrmClrPickCls(TfrmColorsCls& chooser, const forms::Bitmap& picture);

    forms::ScrollBox* ScrollBox1;
    forms::Image* Picture1;
    forms::Panel* Panel2;  // the bottom bar
    forms::Panel* Panel1;  // the colour under the pointer
    forms::Label* Label1;
    forms::Button* Command1;  // "&Cancel"

    void Picture1MouseDown(int x, int y);
    void Picture1MouseMove(int x, int y);

private:
    // The picture's colour at (x, y), or the sample's when outside.
    forms::Color ColorAt(int x, int y) const;

    TfrmColorsCls& chooser_;
    forms::Bitmap picture_;
};
