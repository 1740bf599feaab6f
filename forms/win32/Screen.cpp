#include "forms/win32/Screen.h"

#include <windows.h>

#include <algorithm>
#include <cctype>

#include "forms/win32/GdiScope.h"
#include "forms/win32/TextUtil.h"

namespace forms {
namespace {

bool LessIgnoringCase(const std::string& a, const std::string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) < std::tolower(static_cast<unsigned char>(y));
    });
}

int CALLBACK AddFamily(const LOGFONTA* font, const TEXTMETRICA*, DWORD, LPARAM list) {
    reinterpret_cast<std::vector<std::string>*>(list)->emplace_back(font->lfFaceName);
    return 1;
}

}  // namespace

std::vector<std::string> ScreenFonts() {
    std::vector<std::string> names;
    ScopedGetDC screen(nullptr);
    if (!screen.get()) return names;
    LOGFONTA query{};
    query.lfCharSet = DEFAULT_CHARSET;  // every family, once per character set
    EnumFontFamiliesExA(screen, &query, AddFamily, reinterpret_cast<LPARAM>(&names), 0);
    std::sort(names.begin(), names.end(), LessIgnoringCase);
    names.erase(std::unique(names.begin(), names.end(), SameText), names.end());
    return names;
}

int ScreenWidth() { return GetSystemMetrics(SM_CXSCREEN); }

int ScreenHeight() { return GetSystemMetrics(SM_CYSCREEN); }

int ScreenPixelsPerInch() {
    ScopedGetDC screen(nullptr);
    return screen.get() ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
}

void Beep() { MessageBeep(MB_OK); }

}  // namespace forms
