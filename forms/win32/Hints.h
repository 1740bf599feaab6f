// Tooltips for the controls' Hint texts. While the pointer rests for a
// moment over a control whose Hint is not empty, on a form whose ShowHint is
// on, the hint shows in a tooltip window (TOOLTIPS_CLASS) below the pointer;
// "\r" in a hint starts a new line. The tip goes away when the pointer moves
// to another control or leaves the window, on a mouse press, or after a few
// seconds. Over a graphic control the graphic control's hint counts, else
// the windowed control's own.
//
// The tooltip follows the mouse messages of the application's message loop
// (a message filter), which it starts watching when a form first turns
// ShowHint on.
#pragma once
#include <windows.h>

#include <string>

namespace forms {

// Starts following the mouse for hints (once; Form::SetShowHint calls it).
void EnableHints();
// The text of the hint on the screen now; empty when none shows.
std::string ShownHint();
// The tooltip window (nullptr before the first hint has been shown).
HWND HintWindowHandle();

}  // namespace forms
