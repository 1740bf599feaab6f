#include "editor/win32/common/EditorMenuFileHost.h"

#include "editor/win32/common/EditorGlobals.h"

bool EditorMenuFileHost::AskYes(const std::string& text) {
    return EditorMsg(text, TMsgDlgType::mtConfirmation, TMsgDlgButtons::mbYesNoCancel) == mrYes;
}

void EditorMenuFileHost::ShowError(const std::string& text) {
    EditorMsg(text, TMsgDlgType::mtError, TMsgDlgButtons::mbOK);
}

void EditorMenuFileHost::ShowInformation(const std::string& text) {
    EditorMsg(text, TMsgDlgType::mtInformation, TMsgDlgButtons::mbOK);
}
