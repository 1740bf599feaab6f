// The borderless window at the screen's top-left corner that shows the
// background being designed in the Background Wizard. It sizes itself to its
// picture and releases itself within 200 ms once BackWizClosed is 1.
#pragma once
#include <cstdint>

#include "forms/win32/Form.h"

namespace forms {
class Bitmap;
class Image;
class Panel;
class Timer;
}  // namespace forms

// 0 while a Background Wizard is open, 1 once it has closed.
extern uint8_t BackWizClosed;

class TfrmSampBackCls : public forms::Form {
public:
    explicit TfrmSampBackCls(forms::Component* owner);

    // Shows picture at its own size; the window takes the picture's size.
    void ShowPicture(const forms::Bitmap& picture);

    // The window's bounds follow the panel: left 10, top 10, panel's size.
    void Panel1Resize(forms::Component& sender);
    // Releases the window once the wizard has closed.
    void Timer1Timer(forms::Component& sender);

    forms::Panel* Panel1;
    forms::Image* Image1;
    forms::Timer* Timer1;
};
