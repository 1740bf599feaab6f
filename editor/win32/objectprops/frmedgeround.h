// The edge-rounding pop-up of the shape panel: a borderless, modeless window
// with a slider (1..100) that sets the corner rounding of the shape being
// edited. A slider change is applied 21 ticks of a 10 ms timer after the
// last movement, and the preview redrawn; a change still waiting when the
// pop-up closes through OK or by losing the focus is applied first. Cancel
// puts back the rounding the shape had when the pop-up opened. OK, Cancel
// and losing the focus free the pop-up.
#pragma once
#include <cstdint>

#include "forms/win32/Form.h"

namespace forms {
class Button;
class Label;
class ScrollBar;
class Timer;
}  // namespace forms

class TForm2;

// The rounding of the edited shape when the pop-up was opened.
extern int32_t RoundSaved;

class TForm5 : public forms::Form {
public:
    // dialog: the properties dialog whose working copy is edited (it owns
    // the pop-up).
    explicit TForm5(TForm2& dialog);

    void FormCreate();
    void ScrollBar1Change();
    void Timer1Timer();
    void Command3000Click();
    void Command3001Click();
    void FormDeactivate();

    int RoundPending = -1;
    forms::Label* Label1 = nullptr;
    forms::Label* Label2 = nullptr;
    forms::ScrollBar* ScrollBar1 = nullptr;
    forms::Button* Command3000 = nullptr;
    forms::Button* Command3001 = nullptr;
    forms::Timer* Timer1 = nullptr;

private:
    // Applies a slider change still waiting for its countdown.
    void ApplyPending();
    void Close_();

    TForm2& Dialog_;
    bool closing_ = false;
};
