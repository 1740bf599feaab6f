// A rich edit control's whole content as RTF text and back, streamed through
// EM_STREAMOUT / EM_STREAMIN. Works on any rich edit window, including ones
// this layer does not wrap.
#pragma once
#include <windows.h>

#include <string>

namespace forms {

// The whole content of the rich edit window as RTF. Leaves the control in
// rich-text mode.
std::string StreamOutRtf(HWND richEdit);
// Replaces the whole content with the RTF text (a text that does not open as
// RTF is loaded as plain text rather than dropped). Leaves the control in
// rich-text mode.
void StreamInRtf(HWND richEdit, const std::string& rtf);

}  // namespace forms
