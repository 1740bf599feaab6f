#include "editor/logic/MenuLoadRules.h"

#include <algorithm>

namespace editor {

const char* const kNoExitButtonWarning =
    "An exit button was not found on this menu.\r\r"
    "Remember to add a button with no command and \"Exit the\r"
    "menu system when this button is clicked.\" set to allow\r"
    "your users to close the menu without executing a command.\r";

void BringLoadedValuesInRange(TAQMenu& menu) {
    if (menu.ScreenPos < 0 || menu.ScreenPos > kMaxScreenPos) menu.ScreenPos = 0;
    if (menu.TransColor < 1 || menu.TransColor > 15) menu.TransColor = -1;
    const int last = std::clamp(menu.BtnCount, 0, kMaxObjects);
    if (menu.DefaultBtn < 0 || menu.DefaultBtn > last) menu.DefaultBtn = 0;
    for (int n = 1; n <= last; ++n) {
        TAQButton& object = menu.Buttons[static_cast<size_t>(n)];
        if (object.ObjectKind < GraphicalButton || object.ObjectKind > PlcShape) object.ObjectKind = GraphicalButton;
    }
}

bool IsExitButton(const TAQButton& object) { return object.ButtonCommand.empty() && object.ExitOnClick != 0; }

bool HasExitButton(const TAQMenu& menu) {
    const int last = std::clamp(menu.BtnCount, 0, kMaxObjects);
    for (int n = 1; n <= last; ++n)
        if (IsExitButton(menu.Buttons[static_cast<size_t>(n)])) return true;
    return false;
}

std::string ObjectHintForKind(int kind) {
    switch (kind) {
        case WindowsButton: return "Windows Button\r Right-click to edit";
        case TextButton: return "Text Button\r Right-click to edit";
        case PlcImage: return "Placed Image\r Right-click to edit";
        case PlcText: return "Placed Text\r Right-click to edit";
        case PlcShape: return "Placed Shape\r Right-click to edit";
        default: return "Graphical Button\r Right-click to edit";
    }
}

}  // namespace editor
