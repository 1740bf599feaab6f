#include "editor/logic/KeystrokeText.h"

#include <algorithm>
#include <iterator>

namespace editor {

namespace {

struct KeyName {
    const char* Name;
    uint8_t Vk;
};

// Sorted by name in byte order, for the binary search.
constexpr KeyName KeyNameTable[] = {
    {"BACKSPACE", 8}, {"BKSP", 8},       {"BREAK", 3},    {"BS", 8},
    {"CAPSLOCK", 20}, {"CLEAR", 12},     {"DEL", 46},     {"DELETE", 46},
    {"DOWN", 40},     {"END", 35},       {"ENTER", 13},   {"ESC", 27},
    {"ESCAPE", 27},   {"F1", 112},       {"F10", 121},    {"F11", 122},
    {"F12", 123},     {"F13", 124},      {"F14", 125},    {"F15", 126},
    {"F16", 127},     {"F2", 113},       {"F3", 114},     {"F4", 115},
    {"F5", 116},      {"F6", 117},       {"F7", 118},     {"F8", 119},
    {"F9", 120},      {"HELP", 47},      {"HOME", 36},    {"INS", 45},
    {"LEFT", 37},     {"NUMLOCK", 144},  {"PGDN", 34},    {"PGUP", 33},
    {"PRTSC", 42},    {"RIGHT", 39},     {"SCROLLLOCK", 145}, {"TAB", 9},
    {"UP", 38},
};

// The virtual keys of "{" and "}" on the keyboard, typed with Shift.
constexpr uint16_t kOpenBraceKey = kShiftBit | 219;
constexpr uint16_t kCloseBraceKey = kShiftBit | 221;

// Characters of a brace's name that count; further ones are dropped.
constexpr size_t kMaxBraceName = 20;

char UpperAscii(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

// A repeat count: decimal digits only, 0 to 65535.
bool ParseCount(const std::string& digits, uint16_t& count) {
    if (digits.empty()) return false;
    uint32_t value = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') return false;
        value = value * 10 + static_cast<uint32_t>(c - '0');
        if (value > 0xFFFF) return false;
    }
    count = static_cast<uint16_t>(value);
    return true;
}

}  // namespace

bool IsExtendedKey(uint8_t vk) { return (vk >= 33 && vk <= 40) || vk == 45 || vk == 46; }

uint16_t KeyNameToVirtualKey(const std::string& name) {
    const auto less = [](const KeyName& row, const std::string& n) { return n.compare(row.Name) > 0; };
    const auto it = std::lower_bound(std::begin(KeyNameTable), std::end(KeyNameTable), name, less);
    if (it == std::end(KeyNameTable) || name != it->Name) return kNoKey;
    return it->Vk;
}

bool KeystrokeSender::Send(const std::string& text) {
    if (text.empty()) return false;
    shiftDown_ = ctrlDown_ = altDown_ = 0;
    inGroup_ = 0;
    bool closed = true;
    size_t pos = 0;
    while (pos < text.size()) {
        const char c = text[pos];
        switch (c) {
        case '+': PressModifier(kVkShift, shiftDown_); ++pos; break;
        case '^': PressModifier(kVkControl, ctrlDown_); ++pos; break;
        case '%': PressModifier(kVkMenu, altDown_); ++pos; break;
        case '(': inGroup_ = 1; ++pos; break;
        case ')':
            inGroup_ = 0;
            ReleaseModifiers();
            ++pos;
            break;
        case '~':
            SendKey(kVkReturn, 1);
            ReleaseModifiers();
            ++pos;
            break;
        case '{':
            pos = SendBrace(text, pos);
            if (pos > text.size()) closed = false;
            break;
        default: {
            const uint16_t key = port_.KeyForChar(c);
            if (key == kNoKey) {
                port_.SendKeysError("Invalid KeyName");
            } else {
                SendKeyWithShift(key, 1);
                ReleaseModifiers();
            }
            ++pos;
        }
        }
    }
    // Nothing stays held down: an unclosed group or brace ends here too.
    inGroup_ = 0;
    ReleaseModifiers();
    return closed;
}

size_t KeystrokeSender::SendBrace(const std::string& text, size_t pos) {
    if (pos + 1 < text.size() && text[pos + 1] == '{') {
        SendKeyWithShift(kOpenBraceKey, 1);
        ReleaseModifiers();
        return std::min(pos + 3, text.size());
    }
    const size_t close = text.find('}', pos + 1);
    if (close == std::string::npos) {
        port_.SendKeysError("No Close");
        return text.size() + 1;
    }
    if (close + 1 < text.size() && text[close + 1] == '}') {
        SendKeyWithShift(kCloseBraceKey, 1);
        ReleaseModifiers();
        return close + 2;
    }
    std::string name = text.substr(pos + 1, std::min(close - pos - 1, kMaxBraceName));
    std::transform(name.begin(), name.end(), name.begin(), UpperAscii);

    uint16_t count = 1;
    const size_t blank = name.find(' ');
    if (blank != std::string::npos) {
        if (!ParseCount(name.substr(blank + 1), count)) {
            port_.SendKeysError("Invalid Count");
            return close + 1;
        }
        name.erase(blank);
    }
    uint16_t key = kNoKey;
    if (name.size() == 1) {
        key = port_.KeyForChar(name[0]);
        if (key == kNoKey) port_.SendKeysError("Invalid KeyName");
    } else {
        key = LookupKeyName(name);
    }
    if (key != kNoKey) {
        SendKeyWithShift(key, count);
        ReleaseModifiers();
    }
    return close + 1;
}

void KeystrokeSender::SendKey(uint8_t vk, uint16_t count) {
    if (vk == kVkNumLock) {
        port_.ToggleNumLock();
        return;
    }
    const uint32_t extended = IsExtendedKey(vk) ? kKeyEventExtended : 0;
    for (uint16_t i = 0; i < count; ++i) {
        port_.SendKeyEvent(vk, extended);
        port_.SendKeyEvent(vk, extended | kKeyEventKeyUp);
    }
}

void KeystrokeSender::SendKeyWithShift(uint16_t keyWord, uint16_t count) {
    const bool shift = (keyWord & kShiftBit) != 0;
    const bool ctrl = (keyWord & kCtrlBit) != 0;
    const bool alt = (keyWord & kAltBit) != 0;
    if (shift) port_.SendKeyEvent(kVkShift, 0);
    if (ctrl) port_.SendKeyEvent(kVkControl, 0);
    if (alt) port_.SendKeyEvent(kVkMenu, 0);
    SendKey(static_cast<uint8_t>(keyWord & 0xFF), count);
    if (shift) ReleaseKey(kVkShift);
    if (ctrl) ReleaseKey(kVkControl);
    if (alt) ReleaseKey(kVkMenu);
}

void KeystrokeSender::PressModifier(uint8_t vk, uint8_t& flag) {
    flag = 1;
    port_.SendKeyEvent(vk, 0);
}

void KeystrokeSender::ReleaseKey(uint8_t vk) { port_.SendKeyEvent(vk, kKeyEventKeyUp); }

void KeystrokeSender::ReleaseModifiers() {
    if (inGroup_) return;
    if (shiftDown_) ReleaseKey(kVkShift);
    if (ctrlDown_) ReleaseKey(kVkControl);
    if (altDown_) ReleaseKey(kVkMenu);
    shiftDown_ = ctrlDown_ = altDown_ = 0;
}

uint16_t KeystrokeSender::LookupKeyName(const std::string& name) {
    const uint16_t key = KeyNameToVirtualKey(name);
    if (key == kNoKey) port_.SendKeysError("Invalid Key Name");
    return key;
}

}  // namespace editor
