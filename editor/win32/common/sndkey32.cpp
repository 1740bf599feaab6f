#include "editor/win32/common/sndkey32.h"

#include <windows.h>

#include "editor/logic/KeystrokeText.h"

namespace {

class Win32Keyboard : public editor::KeyboardPort {
public:
    explicit Win32Keyboard(bool wait) : wait_(wait) {}

    void SendKeyEvent(uint8_t vk, uint32_t flags) override {
        DWORD eventFlags = 0;
        if (flags & editor::kKeyEventExtended) eventFlags |= KEYEVENTF_EXTENDEDKEY;
        if (flags & editor::kKeyEventKeyUp) eventFlags |= KEYEVENTF_KEYUP;
        const BYTE scan = static_cast<BYTE>(MapVirtualKeyA(vk, MAPVK_VK_TO_VSC));
        keybd_event(vk, scan, eventFlags, 0);
        if (wait_) DispatchKeyboardMessages();
    }

    uint16_t KeyForChar(char c) override { return static_cast<uint16_t>(VkKeyScanA(c)); }

    void ToggleNumLock() override {
        BYTE state[256];
        if (!GetKeyboardState(state)) return;
        if (GetKeyState(VK_NUMLOCK) & 1)
            state[VK_NUMLOCK] &= static_cast<BYTE>(~1);
        else
            state[VK_NUMLOCK] |= 1;
        SetKeyboardState(state);
    }

    void SendKeysError(const std::string& text) override {
        MessageBoxA(nullptr, text.c_str(), "SendKeys", MB_OK);
    }

private:
    static void DispatchKeyboardMessages() {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, WM_KEYFIRST, WM_UNICHAR, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }

    bool wait_;
};

}  // namespace

bool SendKeys(const char* text, bool wait) {
    if (text == nullptr) return false;
    Win32Keyboard keyboard(wait);
    editor::KeystrokeSender sender(keyboard);
    return sender.Send(text);
}
