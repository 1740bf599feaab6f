// The keystroke language of SendKeys, turned into key events without Windows.
//
// A text is read left to right: "+", "^" and "%" press Shift, Ctrl and Alt
// until the next key has been sent (or, inside "(" ... ")", until the closing
// parenthesis); "~" is Enter; "{name}" or "{name count}" sends a named key of
// KeyNameTable or a single character, count times; "{{}" and "{}}" send the
// braces; any other character is the key that types it.
//
// KeystrokeSender drives a KeyboardPort: the port sends one key event, tells
// the key word of a character, flips the NUMLOCK toggle and reports errors.
// Send returns false for an empty text and for a brace that is never closed;
// keys the port does not know and invalid counts are reported and skipped.
// Modifiers the text pressed are always released before Send returns, also
// after an unclosed brace or parenthesis, so no key stays held down.
#pragma once
#include <cstdint>
#include <string>

namespace editor {

// A key word: the virtual key in the low byte, the shift state in the high
// byte (bit 1 Shift, bit 2 Ctrl, bit 4 Alt).
constexpr uint16_t kNoKey = 0xFFFF;
constexpr uint16_t kShiftBit = 0x100, kCtrlBit = 0x200, kAltBit = 0x400;

constexpr uint8_t kVkShift = 16, kVkControl = 17, kVkMenu = 18;
constexpr uint8_t kVkReturn = 13, kVkNumLock = 144;

// Flags of one key event: the key goes up (else down); the key is one of the
// extended set (page up and down, end, home, the arrows, insert, delete).
constexpr uint32_t kKeyEventExtended = 1, kKeyEventKeyUp = 2;

// True for virtual keys 33 to 40, 45 and 46.
bool IsExtendedKey(uint8_t vk);

// The virtual key of a name of KeyNameTable (exact, upper-case, byte-wise
// comparison), or kNoKey.
uint16_t KeyNameToVirtualKey(const std::string& name);

class KeyboardPort {
public:
    virtual ~KeyboardPort() = default;
    // One key event with the kKeyEvent* flags.
    virtual void SendKeyEvent(uint8_t vk, uint32_t flags) = 0;
    // The key word that types character c, or kNoKey.
    virtual uint16_t KeyForChar(char c) = 0;
    // Flips the NUMLOCK toggle of the keyboard state without a key event.
    virtual void ToggleNumLock() = 0;
    // Reports a problem of the text to the user.
    virtual void SendKeysError(const std::string& text) = 0;
};

class KeystrokeSender {
public:
    explicit KeystrokeSender(KeyboardPort& port) : port_(port) {}

    bool Send(const std::string& text);

private:
    // Reads the brace that starts at text[pos]; returns the position after
    // it, or text.size() + 1 when no closing brace follows.
    size_t SendBrace(const std::string& text, size_t pos);
    // Count presses (down and up) of one key; NUMLOCK flips its toggle.
    void SendKey(uint8_t vk, uint16_t count);
    // The modifiers of the key word held around SendKey.
    void SendKeyWithShift(uint16_t keyWord, uint16_t count);
    void PressModifier(uint8_t vk, uint8_t& flag);
    void ReleaseKey(uint8_t vk);
    void ReleaseModifiers();
    uint16_t LookupKeyName(const std::string& name);

    KeyboardPort& port_;
    uint8_t shiftDown_ = 0, ctrlDown_ = 0, altDown_ = 0;
    uint8_t inGroup_ = 0;
};

}  // namespace editor
