// The menu-file host of the editor: questions and messages of a menu file go
// through EditorMsg (so tests can answer them), the version and the wait are
// those of the dialog host every program uses.
#pragma once
#include "shared/win32/mdlfilebin_win32.h"

class EditorMenuFileHost : public DialogMenuFileHost {
public:
    bool AskYes(const std::string& text) override;
    void ShowError(const std::string& text) override;
    void ShowInformation(const std::string& text) override;
};
