#include "player/win32/launch.h"

#include <windows.h>
#include <shellapi.h>

#include "forms/win32/Application.h"
#include "player/logic/LaunchPlan.h"
#include "player/win32/PlayerGlobals.h"
#include "player/win32/frmmenu.h"
#include "player/win32/launch_host.h"
#include "player/win32/sounds.h"

namespace {

bool Busy = false;

// Clears the busy flag on every way out of a launch.
struct BusyScope {
    BusyScope() { Busy = true; }
    ~BusyScope() { Busy = false; }
};

std::string SystemText(DWORD code) {
    char* text = nullptr;
    FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                   nullptr, code, 0, reinterpret_cast<char*>(&text), 0, nullptr);
    std::string message = text ? text : std::string();
    if (text) LocalFree(text);
    while (!message.empty() && (message.back() == '\n' || message.back() == '\r')) message.pop_back();
    return message;
}

void ProcessMessages() { forms::Application().ProcessMessages(); }

// Loads the packed menu that stands in for a missing viewer, or shows the
// failure's message.
void CarryOutFailure(const player::LaunchFailure& failure, TfrmMenuCls& menu) {
    if (!failure.viewerMenu.empty()) {
        EnableWindow(menu.Handle(), FALSE);
        EnableWindow(menu.Handle(), TRUE);
        if (!menu.LoadMenu(failure.viewerMenu)) return;
        ProcessMessages();
        PlayChangeSound(failure.viewerMenu, menu.Menu.SoundsOn != 0);
    } else if (!failure.message.text.empty()) {
        PlayerMsg(failure.message.text, failure.message.type);
    }
}

// The button's menu action after a successful launch.
void MenuAction(const player::LaunchPlan& plan, TfrmMenuCls& menu) {
    ProcessMessages();
    if (plan.exitAfter) {
        menu.Hide();
        ProcessMessages();
        Busy = false;
        menu.Timer2->SetInterval(200);
        menu.Close();
        return;
    }
    if (plan.minimizeAfter) forms::Application().Minimize();
    ProcessMessages();
}

// Starts the shell request; returns 0 on success or the failure's code, and
// the started process (nullptr when none was started).
int RunShell(const player::ShellRequest& request, HWND owner, HANDLE& process) {
    SHELLEXECUTEINFOA info = {};
    info.cbSize = sizeof info;
    info.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI;
    info.hwnd = owner;
    info.lpVerb = request.verb.c_str();
    info.lpFile = request.file.c_str();
    info.lpParameters = request.params.empty() ? nullptr : request.params.c_str();
    info.lpDirectory = request.dir.empty() ? nullptr : request.dir.c_str();
    info.nShow = request.showCommand;
    SetLastError(0);
    const BOOL ok = ShellExecuteExA(&info);
    process = info.hProcess;
    if (ok) return 0;
    const INT_PTR instance = reinterpret_cast<INT_PTR>(info.hInstApp);
    if (instance > 0 && instance <= 32) return static_cast<int>(instance);
    const DWORD error = GetLastError();
    return error != 0 ? static_cast<int>(error) : static_cast<int>(ERROR_GEN_FAILURE);
}

}  // namespace

bool LaunchBusy() { return Busy; }

void LaunchButton(int n, TfrmMenuCls& menu) {
    ProcessMessages();
    if (Busy || n < 1 || n > menu.Menu.BtnCount) return;
    BusyScope busy;
    ResetClickSound();

    TAQButton& record = menu.Menu.Buttons[n];
    player::ButtonLaunch button;
    button.command = record.ButtonCommand;
    button.args = record.ButtonArgs;
    button.minimizeOnClick = record.MinimizeOnClick;
    button.exitOnClick = record.ExitOnClick;
    button.restoreOnClose = record.RestoreOnClose;
    button.maximizeLaunched = record.MaximizeLaunched;
    button.viewer = {record.NeedsViewer, record.ViewerName, record.ViewerVersion, record.VersionOrAbove};

    player::LaunchContext context;
    context.sourcePath = SourcePath;
    context.startTitle = StartTitle;
    context.reportNotFound = ReportNotFound;
    context.reportNoViewer = ReportNoViewer;
    context.pack = &Pack;

    const std::string menuName = menu.MenuName;
    const bool soundsOn = menu.Menu.SoundsOn != 0;
    player::LaunchPlan plan;
    {
        Win32PlayerHost host(menuName, n, soundsOn);
        plan = player::PlanLaunch(button, context, host);
    }
    if (plan.clearMinimizeOnClick) record.MinimizeOnClick = 0;
    if (plan.clearRestoreOnClose) record.RestoreOnClose = 0;

    auto click = [&](player::ClickSound mode) {
        if (mode != player::ClickSound::None)
            PlayClickSound(menuName, n, mode == player::ClickSound::Synchronous ? 0 : 1, soundsOn);
    };

    switch (plan.kind) {
        case player::LaunchKind::SoundOnly:
            if (!plan.soundFile.empty())
                PlaySoundRequest(plan.soundFile.c_str(), nullptr, SND_FILENAME | SND_NODEFAULT | SND_SYNC);
            return;
        case player::LaunchKind::Message:
            click(plan.clickSound);
            PlayerMsg(plan.message.text, plan.message.type);
            MenuAction(plan, menu);
            return;
        case player::LaunchKind::SubMenu: {
            click(plan.clickSound);
            const bool switched = menu.LoadMenu(plan.menuName);
            Busy = false;
            if (!switched) return;
            ProcessMessages();
            PlayChangeSound(plan.menuName, menu.Menu.SoundsOn != 0);
            return;
        }
        case player::LaunchKind::SubMenuMissing:
            click(plan.clickSound);
            PlayerMsg(plan.message.text, plan.message.type);
            return;
        case player::LaunchKind::Nothing:
            click(plan.clickSound);
            MenuAction(plan, menu);
            return;
        case player::LaunchKind::Failed:
            CarryOutFailure(plan.failure, menu);
            return;
        case player::LaunchKind::Shell:
            break;
    }

    HANDLE process = nullptr;
    const int code = RunShell(plan.shell, menu.Handle(), process);
    ProcessMessages();
    click(plan.clickSound);

    const player::ShellOutcome outcome = player::OutcomeOfShellResult(code);
    if (outcome != player::ShellOutcome::Success) {
        if (process) CloseHandle(process);
        const player::LaunchFailure failure =
            player::FailureOfShellLaunch(outcome, plan, button, context, SystemText(static_cast<DWORD>(code)));
        CarryOutFailure(failure, menu);
        EnableWindow(menu.Handle(), TRUE);
        return;
    }

    // Wait only for a process that was really started; any other handle is
    // closed at once.
    if (plan.waitForProcess && process) {
        if (menu.WaitProcess) CloseHandle(menu.WaitProcess);
        menu.WaitProcess = process;
        menu.tmrARstr->SetInterval(300);
    } else if (process) {
        CloseHandle(process);
    }
    MenuAction(plan, menu);
}
