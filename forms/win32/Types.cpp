#include "forms/win32/Types.h"

#include <windows.h>

namespace forms {

uint32_t ColorToRGB(Color color) {
    if (color == clNone) return 0;
    if (color & 0x80000000u) return GetSysColor(static_cast<int>(color & 0xFF));
    return color & 0xFFFFFF;
}

}  // namespace forms
