// The splash window, shown while the editor starts, and the same window as
// the About box.
//
// Splash: create it and show it (not modal); it shows the picture, the
// version and the short legal notice. Once the start-up has read its
// settings it gives Timer1 an interval (330 ms): on that tick SplashDone
// becomes 1 and the window frees itself.
// About: construct it with Use::About and ShowModal() it; the short notice
// gives way to the long one and the "&Close" button; its timer is never
// started, so it stays until closed. Free it with Release() afterwards.
//
// The window has no border, 392 x 212 pixels, is black with lime parts
// see-through, stays on top and is centred on the screen.
#pragma once
#include <cstdint>

#include "forms/win32/Button.h"
#include "forms/win32/Form.h"
#include "forms/win32/Image.h"
#include "forms/win32/Label.h"
#include "forms/win32/Timer.h"

// 0 while the splash shows; its timer sets 1.
extern uint8_t SplashDone;

class TfrmSplashCls : public forms::Form {
public:
    enum class Use { Splash, About };
    explicit TfrmSplashCls(Use use = Use::Splash);

    forms::Image* Image2;
    forms::Label* Label3000;        // "VERSION: " + the editor's file version
    forms::Label* lblShortNotice;   // shown on the splash
    forms::Label* lblLongNotice;    // shown in the About box
    forms::Button* Command1;        // "&Close", About box only
    forms::Timer* Timer1;

    void Form_Load(forms::Component& sender);
    void Timer1_Timer(forms::Component& sender);

private:
    Use use_;
};
