#include "forms/win32/TextKeys.h"

namespace forms {
namespace {

bool IsCaretOrDeleteKey(WPARAM key) {
    switch (key) {
    case VK_BACK: case VK_DELETE: case VK_INSERT: case VK_HOME: case VK_END:
    case VK_LEFT: case VK_RIGHT: case VK_UP: case VK_DOWN:
        return true;
    default:
        return false;
    }
}

// Keys that type a character.
bool IsTypingKey(WPARAM key) {
    return key == VK_SPACE || (key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z') ||
           (key >= VK_NUMPAD0 && key <= VK_DIVIDE) || (key >= VK_OEM_1 && key <= VK_OEM_3) ||
           (key >= VK_OEM_4 && key <= VK_OEM_8) || key == VK_OEM_102;
}

bool IsClipboardOrUndoLetter(WPARAM key) {
    return key == 'C' || key == 'X' || key == 'V' || key == 'Z' || key == 'Y' || key == 'A';
}

}  // namespace

bool IsTextEditingKey(const MSG& msg) {
    if (msg.message != WM_KEYDOWN || GetKeyState(VK_MENU) < 0) return false;
    const WPARAM key = msg.wParam;
    if (IsCaretOrDeleteKey(key)) return true;
    return GetKeyState(VK_CONTROL) < 0 ? IsClipboardOrUndoLetter(key) : IsTypingKey(key);
}

bool IsSelectAllKey(const MSG& msg) {
    return msg.message == WM_KEYDOWN && msg.wParam == 'A' && GetKeyState(VK_CONTROL) < 0 && GetKeyState(VK_MENU) >= 0;
}

}  // namespace forms
