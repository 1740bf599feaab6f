// Small routines both programs share: the modal message dialog used for every
// question and error, the fixed colour table, a colour byte swap, a numeric
// text test and the folder browsers. The dialog and the browsers are Win32
// (shared/win32/); the rest is portable.
#pragma once
#include <cstdint>
#include <string>

enum class TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation };
enum class TMsgDlgButtons { mbOK, mbYesNo, mbYesNoCancel };

// Modal results.
constexpr int mrOk = 1;
constexpr int mrCancel = 2;
constexpr int mrYes = 6;
constexpr int mrNo = 7;

// The caption callers pass to ShowMsgDlg (the application title).
extern std::string DlgCaption;

// Shows the dialog modally and returns its modal result. An empty caption
// keeps the standard caption of the type ("Warning", "Error", "Information",
// "Confirm"); defaultButton >= 0 makes that push button (counted from 0) the
// default one.
int ShowMsgDlg(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons,
               const std::string& caption, int defaultButton = -1, int helpContext = 0);

// Colour value (red low byte) of the fixed table, index 1..15; any other gives 0.
int32_t QBColor(int index);
// Exchanges the low and third bytes; the top byte becomes 0.
int32_t SwapRedBlue(int32_t c);
// True when the whole text converts to a 32-bit integer.
bool IsNumeric(const std::string& text);
// The value of a text that IsNumeric accepts, read as IsNumeric reads it:
// decimal, or hexadecimal after "$" (a 32-bit pattern, so "$FFFFFFFF" is
// -1), a sign in front negating it. False, and value unchanged, for any
// text that IsNumeric refuses.
bool ReadNumeric(const std::string& text, int32_t& value);
