#include "editor/logic/CommandWizardRules.h"

#include <algorithm>
#include <cctype>

namespace editor {

namespace {

constexpr char kParagraphMark = '\xB6';

std::string Lower(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

bool EndsWithMenuExtension(const std::string& name) {
    return name.size() >= 4 && Lower(name.substr(name.size() - 4)) == ".mnu";
}

// A message's text as one line: CR becomes 0xB6, LF is dropped.
std::string MessageLine(const std::string& text) {
    std::string line;
    line.reserve(text.size());
    for (char c : text) {
        if (c == '\n') continue;
        line += c == '\r' ? kParagraphMark : c;
    }
    return line;
}

}  // namespace

TargetPage TargetPageOf(WizardAction action) {
    switch (action) {
        case WizardAction::OpenDocument:
        case WizardAction::StartApplication:
        case WizardAction::OpenFolder:
        case WizardAction::OpenSubMenu:
            return TargetPage::File;
        case WizardAction::GoToSite:
        case WizardAction::SendEmail:
            return TargetPage::Address;
        case WizardAction::ShowMessage:
            return TargetPage::Message;
        default:
            return TargetPage::None;
    }
}

int NextWizardStep(WizardAction action, int step, bool forward) {
    int next = forward ? step + 1 : std::max(step - 1, kStepAction);
    const bool noTarget = action == WizardAction::PlaySoundOnly || action == WizardAction::NoAction;
    if (noTarget && next == kStepTarget) next = forward ? kStepFinished : kStepMenuAction;
    if (action == WizardAction::OpenSubMenu && next == kStepMenuAction) next = forward ? kStepTarget : kStepAction;
    return next;
}

std::string WizardCommand(WizardAction action, const WizardEntries& entries) {
    switch (action) {
        case WizardAction::OpenDocument:
        case WizardAction::StartApplication:
            return entries.target;
        case WizardAction::OpenFolder:
            return !entries.target.empty() && entries.target.back() == '\\' ? entries.target : entries.target + "\\";
        case WizardAction::GoToSite:
            return entries.address;
        case WizardAction::OpenSubMenu:
            return EndsWithMenuExtension(entries.target) ? entries.target : entries.target + ".mnu";
        case WizardAction::ShowMessage:
            return "$" + MessageLine(entries.message);
        case WizardAction::PlaySoundOnly:
            return "*";
        case WizardAction::SendEmail:
            return "mailto:" + entries.address + (entries.subject.empty() ? "" : "?Subject=" + entries.subject);
        case WizardAction::NoAction:
        case WizardAction::ExitButton:
            return "";
    }
    return "";
}

std::string BrowsedTarget(WizardAction action, const std::string& chosenPath) {
    if (action == WizardAction::OpenSubMenu) {
        const size_t slash = chosenPath.find_last_of("\\/:");
        return slash == std::string::npos ? chosenPath : chosenPath.substr(slash + 1);
    }
    return chosenPath.size() > 2 ? chosenPath.substr(2) : std::string();
}

bool NamesDiscPath(WizardAction action) {
    return action == WizardAction::OpenDocument || action == WizardAction::StartApplication ||
           action == WizardAction::OpenFolder;
}

std::vector<TickWrite> FinishTicks(MenuAction action, bool maximise) {
    return {
        {LaunchTick::Exit, action == MenuAction::Exit},
        {LaunchTick::Minimise, action == MenuAction::Minimise},
        {LaunchTick::Restore, false},
        {LaunchTick::Maximise, maximise},
    };
}

std::vector<TickWrite> ExitButtonTicks() {
    return {
        {LaunchTick::Exit, true},
        {LaunchTick::Minimise, false},
        {LaunchTick::Restore, false},
        {LaunchTick::Maximise, false},
    };
}

}  // namespace editor
