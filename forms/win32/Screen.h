// What the program asks of the screen and the system around it: the font
// families that can be chosen, the screen's size and pixels per inch, and
// the standard beep.
#pragma once
#include <string>
#include <vector>

namespace forms {

// The names of the installed font families, each once, sorted without
// regard to letter case.
std::vector<std::string> ScreenFonts();
// The primary screen's size in pixels.
int ScreenWidth();
int ScreenHeight();
// Logical pixels per inch of the screen (vertical).
int ScreenPixelsPerInch();
// The system's default sound (MessageBeep).
void Beep();

}  // namespace forms
