// SendKeys: a keystroke text (see editor/logic/KeystrokeText.h for the
// language) sent as synthetic keyboard events to whichever window has the
// keyboard focus.
//
// With wait, every event is followed by removing, translating and dispatching
// all keyboard messages (WM_KEYFIRST to WM_UNICHAR) of the calling thread, so
// keys aimed at the program's own windows take effect before the next key and
// before SendKeys returns. Problems of the text are reported in a message box
// captioned "SendKeys". Returns false for an empty or null text and for a
// brace that is never closed, true otherwise.
#pragma once

bool SendKeys(const char* text, bool wait);
