// The keys that a text box uses itself: typing, deleting, moving the caret,
// and the clipboard and undo keys (Ctrl+C, Ctrl+X, Ctrl+V, Ctrl+Z, Ctrl+Y,
// Ctrl+A, Ctrl/Shift+Insert). While a text box has the focus these keys act
// on its text, whatever shortcut of a menu or command they also stand for.
#pragma once
#include <windows.h>

namespace forms {

// True for a WM_KEYDOWN of such a key (Alt held: never; that is a menu key).
// The Ctrl and Alt states are those of the message being handled.
bool IsTextEditingKey(const MSG& msg);

// True for Ctrl+A (WM_KEYDOWN, Alt up): selects the whole text of a text
// box. Win32's single-line edit does not do it itself.
bool IsSelectAllKey(const MSG& msg);

}  // namespace forms
