// A colour that is see-through in a form (a layered window with a colour
// key): the splash's lime parts let the desktop show and let clicks through,
// so the window takes the outline of its picture.
#pragma once
#include "forms/win32/Form.h"

// Pixels of exactly colour key become see-through. Call it after setting
// the border style (which rewrites the window's extended style). False when
// the system refuses.
bool SetSeeThroughColor(forms::Form& form, forms::Color key);
