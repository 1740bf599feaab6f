// What the Button Command Wizard decides without a window: the pages it runs
// through for each action, the button command it composes from what the user
// entered, the target path a Browse gives, and the order in which it writes
// the button's launch ticks.
//
// The commands are the forms the player reads: "$text" a message (line
// breaks as 0xB6), "*" a sound only, "name.mnu" a sub-menu, "...\" a folder,
// "http..." a web address, "mailto:..." an email, "" no action, anything else
// a document or program ("\..." on the player's own drive).
#pragma once
#include <string>
#include <vector>

namespace editor {

// The ten actions, numbered as the wizard's action options.
enum class WizardAction {
    OpenDocument = 0,
    StartApplication = 1,
    OpenFolder = 2,
    GoToSite = 3,
    OpenSubMenu = 4,
    ShowMessage = 5,
    PlaySoundOnly = 6,
    NoAction = 7,
    SendEmail = 8,
    ExitButton = 9,
};
constexpr int kWizardActionCount = 10;

// The wizard's steps.
constexpr int kStepAction = 0;
constexpr int kStepMenuAction = 1;
constexpr int kStepTarget = 2;
constexpr int kStepFinished = 3;

// The page that asks for an action's target on the target step.
enum class TargetPage { File, Address, Message, None };
TargetPage TargetPageOf(WizardAction action);

// The step after step, moving forward or back: the sub-menu action has no
// menu-action step, and the sound-only and no-action actions no target step.
int NextWizardStep(WizardAction action, int step, bool forward);

// What the user typed on the target pages.
struct WizardEntries {
    std::string target;   // file, program, folder or menu
    std::string address;  // web or email address
    std::string message;  // message text (CR LF line breaks)
    std::string subject;  // email subject
};

// The button command for action (empty for the no-action and exit actions).
std::string WizardCommand(WizardAction action, const WizardEntries& entries);

// The target that a path chosen with Browse gives: for a menu its file name
// alone (menus are packed by name); for anything else the path without its
// first two characters, so a drive path becomes "\..." on the drive the
// player runs from.
std::string BrowsedTarget(WizardAction action, const std::string& chosenPath);

// True for the actions whose finished command names a path on the disc,
// after which the wizard reminds the user to check the paths.
bool NamesDiscPath(WizardAction action);

// The menu action chosen on the menu-action step.
enum class MenuAction { Remain, Minimise, Exit };

// The launch ticks of the button, as the wizard writes them.
enum class LaunchTick { Minimise, Exit, Restore, Maximise };
struct TickWrite {
    LaunchTick box;
    bool checked;
    bool operator==(const TickWrite& other) const { return box == other.box && checked == other.checked; }
};

// The writes that finishing makes, in order. The exit tick is written first:
// clearing it gives back the ticks remembered when it was ticked, so any
// later write would be undone if it came first; with exit first, the user's
// menu action is what the minimise tick ends as. Restore is always cleared
// and maximise follows the wizard's "Maximize target." tick.
std::vector<TickWrite> FinishTicks(MenuAction action, bool maximise);

// The writes of the exit action: exit ticked, every other tick cleared.
std::vector<TickWrite> ExitButtonTicks();

}  // namespace editor
