// A rich edit control's content as RTF text and back, under the names the
// editor's code uses; the streaming itself is the forms layer's
// (forms/win32/RichTextStream.h). Kept apart from the other shared routines so
// that a program without rich edit controls does not link it.
#pragma once
#include <windows.h>

#include <string>

// The whole content of the rich edit control as RTF. Leaves the control in
// rich-text mode.
std::string GetRTF(HWND richEdit);
// Replaces the whole content of the rich edit control with the RTF text (a
// text that is not RTF is loaded as plain text). Leaves the control in
// rich-text mode.
void SetRTF(HWND richEdit, const std::string& rtf);
