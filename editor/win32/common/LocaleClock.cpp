#include "editor/win32/common/LocaleClock.h"

#include <windows.h>

std::string LocaleTimeText() {
    char text[64] = "";
    GetTimeFormatA(LOCALE_USER_DEFAULT, 0, nullptr, nullptr, text, sizeof text);
    return text;
}

std::string LocaleDateText() {
    char text[64] = "";
    GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, nullptr, nullptr, text, sizeof text);
    return text;
}
