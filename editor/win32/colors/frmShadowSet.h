// The shadow depth pop-up: a borderless window with the entries "None" across
// the top and "1" to "5", each over a small sample of a shadow that deep. It
// opens with the current depth framed; a press frames the pressed entry and
// the release applies its depth (through the function given) and closes the
// pop-up. Losing activation closes it with nothing changed.
#pragma once
#include <array>
#include <functional>

#include "forms/win32/Form.h"

namespace forms {
class Bevel;
class Image;
class Label;
class Shape;
}  // namespace forms

class TfrmShadowSets : public forms::Form {
public:
    // owner frees the pop-up with itself; depth is the current depth (0..5;
    // another value frames nothing); apply receives the chosen depth.
    TfrmShadowSets(forms::Component* owner, int depth, std::function<void(int depth)> apply);

    // lbl001..lbl005 ("1".."5") and lbl006 ("None", depth 0), by number.
    std::array<forms::Label*, 7> Entries{};
    std::array<forms::Image*, 6> Images{};  // Image1..Image5
    forms::Bevel* Bevel2;
    forms::Shape* Shape1;

    void FormCreate();
    void lbl001MouseDown(forms::Component& sender);
    void lbl001MouseUp(forms::Component& sender);
    // Frames entry n (1..6).
    void SetSelBox(int n);

private:
    int depth_;
    std::function<void(int)> apply_;
};
