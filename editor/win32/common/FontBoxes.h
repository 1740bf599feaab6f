// The font name and font size boxes of the editor's formatting bars
// (editable combo boxes), wired so that a row picked from the list applies
// at once, while typed text applies once, when it is confirmed: Enter, Tab,
// or the focus leaving the box; never keystroke by keystroke. Enter then goes
// on to the window as usual (a dialog's default button presses), except in a
// window without a default button, where it ends in the box.
//
// A typed size is handed to apply, which reads the box's text and judges it.
// A typed name is applied only when the list holds it (case aside): its row
// is selected first, as if picked, then apply runs; any other name beeps and
// the box shows nameInUse() again, the font of the text being formatted.
// The wiring takes the box's OnSelect, OnChange, OnKeyDown and OnLeave.
#pragma once
#include <functional>
#include <string>

namespace forms {
class ComboBox;
}

void WireFontSizeBox(forms::ComboBox& box, std::function<void()> apply);
void WireFontNameBox(forms::ComboBox& box, std::function<void()> apply, std::function<std::string()> nameInUse);
