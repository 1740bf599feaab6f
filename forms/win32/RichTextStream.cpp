#include "forms/win32/RichTextStream.h"

#include <richedit.h>

#include <algorithm>
#include <cstring>

namespace forms {
namespace {

struct ReadCursor {
    const std::string* text;
    size_t position;
};

DWORD CALLBACK AppendOut(DWORD_PTR cookie, LPBYTE buffer, LONG count, LONG* done) {
    auto* out = reinterpret_cast<std::string*>(cookie);
    const LONG n = std::max<LONG>(count, 0);
    out->append(reinterpret_cast<const char*>(buffer), static_cast<size_t>(n));
    *done = n;
    return 0;
}

DWORD CALLBACK ReadIn(DWORD_PTR cookie, LPBYTE buffer, LONG count, LONG* done) {
    auto* cursor = reinterpret_cast<ReadCursor*>(cookie);
    const size_t left = cursor->text->size() - cursor->position;
    const size_t n = count < 0 ? 0 : std::min(left, static_cast<size_t>(count));
    std::memcpy(buffer, cursor->text->data() + cursor->position, n);
    cursor->position += n;
    *done = static_cast<LONG>(n);
    return 0;
}

// Plain-text mode can only be left while the control is empty; a control that
// holds text is already in the mode its content was loaded in.
void LeavePlainTextMode(HWND richEdit) {
    SendMessageA(richEdit, EM_SETTEXTMODE, TM_RICHTEXT, 0);
}

// An RTF text names only the effects it turns on, so it is read against a
// default without effects; otherwise a control whose default font is bold
// (as Wine's System font is) makes bold all text outside "\b0" runs.
void ClearDefaultEffects(HWND richEdit) {
    CHARFORMATA format{};
    format.cbSize = sizeof(format);
    format.dwMask = CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE | CFM_STRIKEOUT;
    format.dwEffects = 0;
    SendMessageA(richEdit, EM_SETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&format));
}

}  // namespace

std::string StreamOutRtf(HWND richEdit) {
    LeavePlainTextMode(richEdit);
    std::string out;
    EDITSTREAM stream{};
    stream.dwCookie = reinterpret_cast<DWORD_PTR>(&out);
    stream.pfnCallback = AppendOut;
    SendMessageA(richEdit, EM_STREAMOUT, SF_RTF, reinterpret_cast<LPARAM>(&stream));
    // The control ends its output with a NUL byte, which is no part of the text.
    while (!out.empty() && out.back() == '\0') out.pop_back();
    return out;
}

void StreamInRtf(HWND richEdit, const std::string& rtf) {
    ReadCursor cursor{&rtf, 0};
    EDITSTREAM stream{};
    stream.dwCookie = reinterpret_cast<DWORD_PTR>(&cursor);
    stream.pfnCallback = ReadIn;
    SetWindowTextA(richEdit, "");
    LeavePlainTextMode(richEdit);
    ClearDefaultEffects(richEdit);
    // Only a text that opens as RTF is parsed as RTF; anything else is shown
    // as it is rather than dropped.
    const bool isRtf = rtf.compare(0, 5, "{\\rtf") == 0;
    SendMessageA(richEdit, EM_STREAMIN, isRtf ? SF_RTF : SF_TEXT, reinterpret_cast<LPARAM>(&stream));
}

}  // namespace forms
