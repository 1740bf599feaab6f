// The time and date labels of a menu: Show/Hide Time and Show/Hide Date on
// the formatting toolbar and in the Menu menu. A label is shown exactly while
// its button is down; the menu records the choice, so it is saved, and each
// change is an undo step.

#include "editor/win32/mdiform1.h"
#include "forms/win32/Command.h"
#include "forms/win32/Label.h"
#include "forms/win32/ToolButton.h"

void TMDIForm1Cls::WireClockCommands() {
    const std::pair<const char*, std::function<void()>> commands[] = {
        {"cmdShowTime", [this] { ToolButton37Click(); }},
        {"cmdShowDate", [this] { ToolButton38Click(); }},
    };
    for (const auto& [name, run] : commands) DocCommands_.push_back(WireCommand(name, run));
}

void TMDIForm1Cls::ToolButton37Click() { ShowClockLabel(true, ToolButton37->Down()); }

void TMDIForm1Cls::ToolButton38Click() { ShowClockLabel(false, ToolButton38->Down()); }

void TMDIForm1Cls::ShowClockLabel(bool time, bool shown) {
    TMenuDocument* doc = CurrentDoc();
    if (!doc) return;
    PushUndo(1);
    (time ? doc->Menu.TimeVisible : doc->Menu.DateVisible) = shown;
    (time ? doc->TimeLabel : doc->DateLabel)->SetVisible(shown);
}

namespace {

// A menu item of a check button: the button goes down or up, then runs.
void FlipAndRun(forms::Command& command) {
    if (!command.Enabled()) return;
    command.SetChecked(!command.Checked());
    command.Execute();
}

}  // namespace

void TMDIForm1Cls::N8Click() { FlipAndRun(*Cmd("cmdShowTime")); }

void TMDIForm1Cls::ShowDate1Click() { FlipAndRun(*Cmd("cmdShowDate")); }
