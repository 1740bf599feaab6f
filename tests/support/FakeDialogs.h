// Test doubles for what the portable code gets from the Win32 programs: a
// scripted message dialog that records every call and answers from a queue,
// and a menu-file host that asks through it and reports a fixed version.
#pragma once
#include <string>
#include <vector>

#include "shared/TarvikUtils.h"
#include "shared/mdlfilebin.h"

namespace qvfake {

struct DialogCall {
    std::string text;
    TMsgDlgType type;
    TMsgDlgButtons buttons;
    std::string caption;
};

// Every ShowMsgDlg call since the last ResetDialogs, oldest first.
const std::vector<DialogCall>& DialogCalls();
// The next ShowMsgDlg call returns result (answers are used in order).
void QueueDialogAnswer(int result);
// The answer when the queue is empty: mrOk for OK dialogs and mrYes for
// Yes/No/Cancel dialogs unless changed here.
void SetDefaultDialogAnswer(TMsgDlgButtons buttons, int result);
// Forgets the calls and the queue and restores the default answers.
void ResetDialogs();

// The program version the fake host reports (8.1.0 until changed).
void SetFakeFileVersion(int major, int minor, int release);
// Restores 8.1.0.
void ResetVersionInfo();

// Questions and messages go to the scripted ShowMsgDlg, captioned with
// DlgCaption; Wait returns at once.
class FakeMenuFileHost : public MenuFileHost {
public:
    bool AskYes(const std::string& text) override;
    void ShowError(const std::string& text) override;
    void ShowInformation(const std::string& text) override;
    void ProgramVersion(int& major, int& minor, int& release) override;
    void Wait(int ms) override;
};
// The host of every native test (it keeps no state of its own).
FakeMenuFileHost& Host();

}  // namespace qvfake
