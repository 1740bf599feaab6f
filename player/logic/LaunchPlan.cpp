#include "player/logic/LaunchPlan.h"

#include "player/logic/ProgramLookup.h"
#include "player/logic/Sounds.h"
#include "player/logic/TargetSearch.h"
#include "player/logic/TextUtils.h"
#include "shared/ButtonCommand.h"

namespace player {

namespace {

const char* const kCDVariable = "%CD%";

bool IsWebAddress(const std::string& cmd) {
    return StartsWithText(cmd, "http") || StartsWithText(cmd, "www") || StartsWithText(cmd, "ftp");
}

bool EndsWithBackslash(const std::string& text) { return !text.empty() && text.back() == '\\'; }

std::string DriveLetter(const std::string& sourcePath) { return sourcePath.substr(0, 1); }

std::string SourceDrive(const std::string& sourcePath) { return sourcePath.substr(0, 2); }

// The prefix rewrites of a target command ("%", slashes, "\").
std::string ExpandTarget(const std::string& command, const std::string& sourcePath, bool& local) {
    std::string cmd = command;
    if (!cmd.empty() && cmd[0] == '%') cmd = sourcePath + cmd.substr(1);
    local = !(IsWebAddress(cmd) || StartsWithText(cmd, "mailto"));
    if (local) cmd = FixSlashes(cmd);
    if (!cmd.empty() && cmd[0] == '\\') cmd = SourceDrive(sourcePath) + cmd;
    return cmd;
}

LaunchFailure ViewerFailure(const std::string& target, const ButtonLaunch& button, const LaunchContext& context) {
    LaunchFailure failure;
    std::string menu = ViewerMenuName(target);
    if (!menu.empty() && context.pack && IsPacked(*context.pack, menu)) {
        failure.viewerMenu = menu;
    } else if (context.reportNoViewer) {
        failure.message = {"You do not appear to have a suitable viewer (or version) able to open the file:\r\n\r\n" +
                               button.command,
                           TMsgDlgType::mtWarning};
    }
    return failure;
}

void SetMenuAction(LaunchPlan& plan, const ButtonLaunch& button, bool hasProcess) {
    plan.waitForProcess = hasProcess && button.restoreOnClose == -1 && !plan.clearRestoreOnClose;
    plan.exitAfter = button.exitOnClick != 0;
    plan.minimizeAfter = !plan.exitAfter && button.minimizeOnClick != 0;
}

int ShowCommandOf(const ButtonLaunch& button) {
    return (button.maximizeLaunched == 1 || button.maximizeLaunched == -1) ? 3 : 1;
}

}  // namespace

CommandForm ClassifyCommand(const std::string& command, const std::string& sourcePath) {
    if (command.compare(0, 8, kNoProcPrefix) == 0) return CommandForm::NoProc;
    if (command == "*") return CommandForm::SoundOnly;
    if (!command.empty() && command[0] == '$') return CommandForm::Message;
    if (IsSubMenuCommand(command)) return CommandForm::SubMenu;
    if (command.empty()) return CommandForm::Empty;
    bool local = false;
    const std::string cmd = ExpandTarget(command, sourcePath, local);
    if (IsWebAddress(cmd)) return CommandForm::Url;
    if (StartsWithText(cmd, "mailto")) return CommandForm::Mailto;
    if (EndsWithBackslash(cmd)) return CommandForm::Folder;
    if (EndsWithText(cmd, "pdx")) return CommandForm::PdxDocument;
    return CommandForm::FilePath;
}

std::string ConvertLineBreaks(const std::string& text) {
    std::string result = text;
    for (char& c : result) {
        if (static_cast<unsigned char>(c) == 0xB6) c = '\r';
    }
    return result;
}

std::string FixSlashes(const std::string& path) {
    std::string result = path;
    for (char& c : result) {
        if (c == '/') c = '\\';
    }
    return result;
}

std::string QuoteArgs(const std::string& args, const std::string& command) {
    if (args.empty() || args[0] == '"' || args[0] == '\\' || args[0] == '/' || args[0] == ' ' || args[0] == '-' ||
        (!command.empty() && command[0] == '"')) {
        return args;
    }
    return "\"" + args + "\"";
}

std::string ViewerMenuName(const std::string& target) {
    const std::string name = FileNamePart(target);
    const size_t dot = name.rfind('.');
    if (dot == std::string::npos || dot + 1 == name.size()) return "";
    return LowerAscii(name.substr(dot + 1) + ".mnu");
}

LaunchPlan PlanLaunch(const ButtonLaunch& button, const LaunchContext& context, PlayerHost& host) {
    LaunchPlan plan;
    const std::string& sourcePath = context.sourcePath;
    const CommandForm form = ClassifyCommand(button.command, sourcePath);

    switch (form) {
        case CommandForm::NoProc: {
            const std::string cmd = ReplaceAll(button.command.substr(8), kCDVariable, DriveLetter(sourcePath));
            plan.kind = LaunchKind::Shell;
            plan.clickSound = ClickSound::Synchronous;
            plan.shell = {"open", cmd, "", FolderPart(cmd), ShowCommandOf(button)};
            SetMenuAction(plan, button, true);
            return plan;
        }
        case CommandForm::SoundOnly: {
            plan.kind = LaunchKind::SoundOnly;
            const std::string path = sourcePath + SoundFileNames(SndNoAction, "", 0).front();
            if (host.FileExists(path)) plan.soundFile = path;
            return plan;
        }
        case CommandForm::Message:
            plan.kind = LaunchKind::Message;
            plan.clickSound = ClickSound::Synchronous;
            plan.message = {ConvertLineBreaks(button.command.substr(1)), TMsgDlgType::mtInformation};
            SetMenuAction(plan, button, false);
            return plan;
        case CommandForm::SubMenu: {
            plan.clearMinimizeOnClick = true;
            plan.clearRestoreOnClose = true;
            plan.clickSound = ClickSound::Synchronous;
            std::string name = button.command;
            if (context.pack && IsPacked(*context.pack, name)) {
                plan.kind = LaunchKind::SubMenu;
                plan.menuName = name;
            } else {
                plan.kind = LaunchKind::SubMenuMissing;
                plan.message = {"Could not find menu:\r" + LowerAscii(name), TMsgDlgType::mtWarning};
            }
            return plan;
        }
        case CommandForm::Empty:
            plan.kind = LaunchKind::Nothing;
            plan.clickSound = ClickSound::Asynchronous;
            SetMenuAction(plan, button, false);
            return plan;
        default:
            break;
    }

    std::string args = ReplaceAll(button.args, kCDVariable, DriveLetter(sourcePath));
    bool local = false;
    std::string cmd = ExpandTarget(button.command, sourcePath, local);
    std::string dir;
    if (local) {
        if (!EndsWithBackslash(cmd) && !host.FileExists(cmd)) {
            host.PlayClickSoundNow();
            cmd = FindTarget(cmd, sourcePath, host);
        }
        dir = FolderPart(cmd);
    }
    if (button.viewer.needsViewer == 1 && !CheckViewer(cmd, button.viewer, sourcePath, host)) {
        plan.kind = LaunchKind::Failed;
        plan.failure = ViewerFailure(cmd, button, context);
        return plan;
    }
    if (IsWebAddress(cmd)) {
        args = cmd;
        cmd = FindBrowser(args, sourcePath, host);
        if (!cmd.empty()) {
            dir.clear();
        } else {
            cmd = args;
            args.clear();
        }
    }
    if (EndsWithText(cmd, "pdx")) {
        args = cmd;
        cmd = FindAssocExe(args, host);
        if (!cmd.empty()) {
            dir = FolderPart(cmd);
        } else {
            cmd = args;
            args.clear();
        }
    }
    const bool folder = EndsWithBackslash(cmd);
    if (StartsWithText(cmd, "mailto") || folder) plan.clearRestoreOnClose = true;
    plan.kind = LaunchKind::Shell;
    plan.clickSound = ClickSound::Synchronous;
    plan.shell = {folder ? "explore" : "open", cmd, QuoteArgs(args, cmd), dir, ShowCommandOf(button)};
    SetMenuAction(plan, button, true);
    return plan;
}

ShellOutcome OutcomeOfShellResult(int code) {
    switch (code) {
        case 0: return ShellOutcome::Success;
        case 2:   // file not found
        case 3:   // path not found
            return ShellOutcome::NotFound;
        case 31:    // no association (shell instance value)
        case 1155:  // no association (system error code)
            return ShellOutcome::NoViewer;
        default: return ShellOutcome::Failed;
    }
}

LaunchFailure FailureOfShellLaunch(ShellOutcome outcome, const LaunchPlan& plan, const ButtonLaunch& button,
                                   const LaunchContext& context, const std::string& systemText) {
    LaunchFailure failure;
    switch (outcome) {
        case ShellOutcome::Success:
            break;
        case ShellOutcome::NotFound:
            if (context.reportNotFound) {
                failure.message = {context.startTitle + " cannot find the specified file:\r\r" + button.command,
                                   TMsgDlgType::mtInformation};
            }
            break;
        case ShellOutcome::NoViewer:
            failure = ViewerFailure(plan.shell.file, button, context);
            break;
        case ShellOutcome::Failed:
            failure.message = {context.startTitle + " could not open the specified file:\r\r" + button.command +
                                   (systemText.empty() ? "" : "\r\r" + systemText),
                               TMsgDlgType::mtError};
            break;
    }
    return failure;
}

}  // namespace player
