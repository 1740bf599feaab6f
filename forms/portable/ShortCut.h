// Keyboard shortcuts as one value: a virtual-key code in the low 16 bits and
// the modifier keys above it. ShortCutToText gives the text a menu shows
// beside its item: modifiers first ("Ctrl+", "Alt+", "Shift+"), then the key
// ("N", "F2", "Del"). Keys without a name give an empty text.
#pragma once
#include <cstdint>
#include <string>

namespace forms {

using ShortCut = uint32_t;

constexpr ShortCut scNone = 0;
constexpr ShortCut scShift = 0x10000;
constexpr ShortCut scCtrl = 0x20000;
constexpr ShortCut scAlt = 0x40000;

// key: a virtual-key code; modifiers: any of scShift, scCtrl, scAlt.
constexpr ShortCut MakeShortCut(uint16_t key, ShortCut modifiers = 0) {
    return key == 0 ? scNone : (static_cast<ShortCut>(key) | (modifiers & (scShift | scCtrl | scAlt)));
}
constexpr uint16_t ShortCutKey(ShortCut s) { return static_cast<uint16_t>(s & 0xFFFF); }

std::string ShortCutToText(ShortCut shortCut);

}  // namespace forms
