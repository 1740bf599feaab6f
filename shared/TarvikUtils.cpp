// The portable half of the shared routines: the colour table, the colour byte
// swap and the numeric text test. The dialog and the folder browsers are in
// win32/TarvikUtils_win32.cpp.
#include "shared/TarvikUtils.h"

#include <cstdint>

std::string DlgCaption;

int32_t QBColor(int index)
{
    // Colour values hold red in the low byte, green in the second, blue in the third.
    static const int32_t kTable[16] = {
        0x000000,                                               // 0: not a colour
        0x800000, 0x008000, 0x808000, 0x000080, 0x800080,       // 1..5
        0x008080, 0xC0C0C0, 0x808080, 0xFF0000, 0x00FF00,       // 6..10
        0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF,       // 11..15
    };
    if (index < 1 || index > 15) return 0;
    return kTable[index];
}

int32_t SwapRedBlue(int32_t c)
{
    const uint32_t u = static_cast<uint32_t>(c);
    return static_cast<int32_t>(((u >> 16) & 0xFF) | (u & 0xFF00) | ((u & 0xFF) << 16));
}

namespace {

int HexDigitValue(char ch)
{
    if (ch >= '0' && ch <= '9') return ch - '0';
    if (ch >= 'a' && ch <= 'f') return ch - 'a' + 10;
    if (ch >= 'A' && ch <= 'F') return ch - 'A' + 10;
    return -1;
}

}  // namespace

// Accepts what the runtime's integer conversion accepts without an error
// position: leading blanks, an optional sign, then decimal digits within the
// signed 32-bit range, or "$" and hexadecimal digits whose value fits in 32
// bits (taken as the bit pattern, so "$FFFFFFFF" is -1). Nothing may follow
// the digits, not even blanks.
bool ReadNumeric(const std::string& text, int32_t& value)
{
    size_t i = 0;
    const size_t n = text.size();
    while (i < n && text[i] == ' ') ++i;
    bool negative = false;
    if (i < n && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    const bool hex = i < n && text[i] == '$';
    if (hex) ++i;
    if (i >= n) return false;  // no digits at all

    uint64_t digits = 0;
    const uint64_t limit = hex ? 0xFFFFFFFFull : (negative ? 0x80000000ull : 0x7FFFFFFFull);
    for (; i < n; ++i) {
        int digit;
        if (hex) {
            digit = HexDigitValue(text[i]);
        } else {
            digit = (text[i] >= '0' && text[i] <= '9') ? text[i] - '0' : -1;
        }
        if (digit < 0) return false;
        digits = digits * (hex ? 16 : 10) + static_cast<uint64_t>(digit);
        if (digits > limit) return false;
    }
    // Two's complement in 32 bits: the sign negates the bit pattern.
    const uint32_t pattern = static_cast<uint32_t>(digits);
    value = static_cast<int32_t>(negative ? 0u - pattern : pattern);
    return true;
}

bool IsNumeric(const std::string& text)
{
    int32_t value = 0;
    return ReadNumeric(text, value);
}
