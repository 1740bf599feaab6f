#include "forms/portable/ShortCut.h"

namespace forms {
namespace {

// Names of the keys that are not a letter, a digit or a function key, by
// virtual-key code.
struct KeyName {
    uint16_t key;
    const char* name;
};
constexpr KeyName kKeyNames[] = {
    {0x08, "BkSp"}, {0x09, "Tab"},  {0x0D, "Enter"}, {0x1B, "Esc"},  {0x20, "Space"},
    {0x21, "PgUp"}, {0x22, "PgDn"}, {0x23, "End"},   {0x24, "Home"}, {0x25, "Left"},
    {0x26, "Up"},   {0x27, "Right"}, {0x28, "Down"}, {0x2D, "Ins"},  {0x2E, "Del"},
};

std::string KeyText(uint16_t key) {
    if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z')) return std::string(1, static_cast<char>(key));
    if (key >= 0x70 && key <= 0x87) return "F" + std::to_string(key - 0x70 + 1);
    for (const KeyName& k : kKeyNames)
        if (k.key == key) return k.name;
    return std::string();
}

}  // namespace

std::string ShortCutToText(ShortCut shortCut) {
    const std::string key = KeyText(ShortCutKey(shortCut));
    if (key.empty()) return key;
    std::string text;
    if (shortCut & scCtrl) text += "Ctrl+";
    if (shortCut & scAlt) text += "Alt+";
    if (shortCut & scShift) text += "Shift+";
    return text + key;
}

}  // namespace forms
