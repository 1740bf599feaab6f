// Window traits of the editor's small windows that the forms layer leaves to
// the program: a colour that is see-through (a layered window with a colour
// key, for the splash's shaped outline), staying above other windows, and
// centring a pop-up over another form.
#pragma once
#include "forms/win32/Form.h"

// Pixels of exactly colour key become see-through (and let clicks through).
// False when the system refuses.
bool SetSeeThroughColor(forms::Form& form, forms::Color key);
// Keeps the form above every window that does not stay on top itself.
void SetStayOnTop(forms::Form& form);
// Centres form over owner's window (over the screen when owner is nullptr),
// keeping it inside the screen.
void CenterOverForm(forms::Form& form, const forms::Form* owner);
