// The menu-file host of the native tests: its questions and messages go to
// the scripted ShowMsgDlg, its version is the one the test set.
#include "tests/support/FakeDialogs.h"

namespace {

int g_version[3] = {8, 1, 0};

}  // namespace

namespace qvfake {

void SetFakeFileVersion(int major, int minor, int release) {
    g_version[0] = major;
    g_version[1] = minor;
    g_version[2] = release;
}

void ResetVersionInfo() { SetFakeFileVersion(8, 1, 0); }

bool FakeMenuFileHost::AskYes(const std::string& text) {
    return ShowMsgDlg(text, TMsgDlgType::mtConfirmation, TMsgDlgButtons::mbYesNoCancel, DlgCaption) == mrYes;
}

void FakeMenuFileHost::ShowError(const std::string& text) {
    ShowMsgDlg(text, TMsgDlgType::mtError, TMsgDlgButtons::mbOK, DlgCaption);
}

void FakeMenuFileHost::ShowInformation(const std::string& text) {
    ShowMsgDlg(text, TMsgDlgType::mtInformation, TMsgDlgButtons::mbOK, DlgCaption);
}

void FakeMenuFileHost::ProgramVersion(int& major, int& minor, int& release) {
    major = g_version[0];
    minor = g_version[1];
    release = g_version[2];
}

void FakeMenuFileHost::Wait(int /*ms*/) {}

FakeMenuFileHost& Host() {
    static FakeMenuFileHost host;
    return host;
}

}  // namespace qvfake
