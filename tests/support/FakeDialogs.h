// Test doubles for the Win32 routines that the portable code calls: a
// scripted message dialog that records every call and answers from a queue,
// and a version-resource reader that reports a fixed version.
#pragma once
#include <string>
#include <vector>

#include "shared/TarvikUtils.h"

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

// GetFileVersion reports this version for every path (8.1.0.0 until changed);
// GetFileVerName leaves its result unchanged unless names are set here.
void SetFakeFileVersion(int major, int minor, int release, int build);
void SetFakeFileVerName(const std::string& productName, const std::string& companyName);
// Restores 8.1.0.0 and no names.
void ResetVersionInfo();

}  // namespace qvfake
