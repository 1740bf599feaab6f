#include "tests/support/FakeDialogs.h"

#include <deque>

namespace {

std::vector<qvfake::DialogCall> g_calls;
std::deque<int> g_answers;
int g_defaultOk = mrOk;
int g_defaultYesNo = mrYes;

}  // namespace

namespace qvfake {

const std::vector<DialogCall>& DialogCalls() { return g_calls; }

void QueueDialogAnswer(int result) { g_answers.push_back(result); }

void SetDefaultDialogAnswer(TMsgDlgButtons buttons, int result) {
    (buttons == TMsgDlgButtons::mbOK ? g_defaultOk : g_defaultYesNo) = result;
}

void ResetDialogs() {
    g_calls.clear();
    g_answers.clear();
    g_defaultOk = mrOk;
    g_defaultYesNo = mrYes;
}

}  // namespace qvfake

int ShowMsgDlg(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons,
               const std::string& caption, int /*defaultButton*/, int /*helpContext*/) {
    g_calls.push_back({text, type, buttons, caption});
    if (!g_answers.empty()) {
        const int answer = g_answers.front();
        g_answers.pop_front();
        return answer;
    }
    return buttons == TMsgDlgButtons::mbOK ? g_defaultOk : g_defaultYesNo;
}
