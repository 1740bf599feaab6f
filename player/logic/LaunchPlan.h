// What pressing a button does: the button's command text is classified and
// turned into a plan that the menu window carries out (show a message, play a
// sound, switch menus, or start something through the shell), followed by the
// button's menu action (wait for the program, minimise, or exit).
//
// Command forms, tested in this order:
//   "%NOPROC%..." (case-sensitive)  the rest, "%CD%" replaced by the source
//                                   drive letter, opened as it is
//   "*"                             play "noaction.wav" only
//   "$text"                         show text (each 0xB6 becomes a line break)
//   name.mnu (no "\" or "/")        switch to that packed menu
//   ""                              no launch: click sound and menu action
//   otherwise a target, after these rewrites:
//     "%..."   the source folder replaces the "%"
//     "/"      becomes "\" (not in web or mail addresses)
//     "\..."   the source drive (like "D:") goes in front
//   "http..", "www..", "ftp.."      opened by the default browser
//   "mailto.."                      handed to the shell, never waited for
//   "...\"                          a folder, explored, never waited for
//   "...pdx"                        opened by the program associated with it
//   anything else                   a document or program; when it is not
//                                   there it is searched for (FindTarget)
// The button's arguments get "%CD%" replaced and are enclosed in double quotes
// unless empty, already quoted, starting with "\", "/", " " or "-", or the
// command itself starts with a double quote.
#pragma once
#include <string>

#include "player/logic/PackReader.h"
#include "player/logic/PlayerHost.h"
#include "player/logic/ViewerCheck.h"
#include "shared/TarvikUtils.h"

namespace player {

enum class CommandForm {
    NoProc, SoundOnly, Message, SubMenu, Empty, Url, Mailto, Folder, PdxDocument, FilePath,
};

// The button fields the launcher reads.
struct ButtonLaunch {
    std::string command;        // ButtonCommand
    std::string args;           // ButtonArgs
    int minimizeOnClick = 0;    // non-zero: minimise after a launch
    int exitOnClick = 0;        // non-zero: exit after a launch
    int restoreOnClose = 0;     // -1: wait for the launched program, then restore
    int maximizeLaunched = 0;   // 1 or -1: start maximised
    ViewerRequirement viewer;
};

// What the launcher knows about the player.
struct LaunchContext {
    std::string sourcePath;     // the medium's folder, ending in "\"
    std::string startTitle;     // the application title of every message
    bool reportNotFound = true; // err.txt switches
    bool reportNoViewer = true;
    const PackDirectory* pack = nullptr;
};

// The form of a command (sourcePath decides the "%" form's ending).
CommandForm ClassifyCommand(const std::string& command, const std::string& sourcePath);

// Each 0xB6 character becomes CR.
std::string ConvertLineBreaks(const std::string& text);
// Each "/" becomes "\".
std::string FixSlashes(const std::string& path);
// Arguments as the shell gets them (quoting rule above).
std::string QuoteArgs(const std::string& args, const std::string& command);

struct ShellRequest {
    std::string verb;        // "open" or "explore"
    std::string file;
    std::string params;
    std::string dir;         // working folder ("" for none)
    int showCommand = 1;     // 1 normal, 3 maximised
};

// A message for the user, or none (empty text).
struct LaunchMessage {
    std::string text;
    TMsgDlgType type = TMsgDlgType::mtInformation;
};

// What to do when a launch cannot go ahead: load a packed viewer menu instead
// (then play its change sound), or show a message, or nothing at all when the
// report is switched off. No menu action follows a failure.
struct LaunchFailure {
    std::string viewerMenu;  // lower case; non-empty: load this menu
    LaunchMessage message;
};

enum class LaunchKind {
    Nothing,        // empty command: menu action only
    SoundOnly,      // play soundFile (synchronously) when non-empty; nothing else
    Message,        // show message (information), then the menu action
    SubMenu,        // load menuName, then its change sound; no menu action
    SubMenuMissing, // show message (the menu is not packed); no menu action
    Shell,          // ShellExecuteEx(shell), then OutcomeOfShellResult
    Failed,         // the viewer check failed: carry out failure
};

enum class ClickSound { None, Synchronous, Asynchronous };

struct LaunchPlan {
    LaunchKind kind = LaunchKind::Nothing;
    // Plays before the message or menu switch, for a shell launch after the
    // shell has been asked (at most once per launch: a click sound already
    // played before a target search is not repeated).
    ClickSound clickSound = ClickSound::None;
    LaunchMessage message;
    std::string menuName;    // SubMenu
    std::string soundFile;   // SoundOnly: full path, or "" when there is no such file
    ShellRequest shell;      // Shell
    LaunchFailure failure;   // Failed
    // Flags of the button to clear until the menu is loaded again.
    bool clearMinimizeOnClick = false;
    bool clearRestoreOnClose = false;
    // The menu action after a successful launch (Nothing, Message, Shell):
    // wait for the started process (only when there is one), exit, or minimise.
    bool waitForProcess = false;
    bool exitAfter = false;
    bool minimizeAfter = false;
};

// The plan for pressing button. Looks for missing targets (FindTarget, which
// first plays the click sound through the host) and checks the viewer
// requirement; the host is not asked to launch anything.
LaunchPlan PlanLaunch(const ButtonLaunch& button, const LaunchContext& context, PlayerHost& host);

enum class ShellOutcome {
    Success,
    NotFound,     // the file or path does not exist
    NoViewer,     // no program is associated with the file's type
    Failed,       // any other failure
};

// The outcome of ShellExecuteEx: pass 0 when it succeeded, else its error code
// (GetLastError, or the instance value when that is 32 or below).
ShellOutcome OutcomeOfShellResult(int code);

// What to do after a shell launch that did not succeed: the not-found report
// (when switched on), the viewer menu or no-viewer report, or for any other
// failure an error report with systemText (the system's text for the code).
LaunchFailure FailureOfShellLaunch(ShellOutcome outcome, const LaunchPlan& plan, const ButtonLaunch& button,
                                   const LaunchContext& context, const std::string& systemText);

// The packed menu that stands in for a missing viewer: the file's extension +
// ".mnu" (lower case).
std::string ViewerMenuName(const std::string& target);

}  // namespace player
