// What the Create Autorun Application wizard decides without a window: the
// executable's default and cleaned-up paths, which questions its name gets,
// the menu list it offers (the current menu first, every file once), the
// menus that buttons of the chosen menus open but that are left out of the
// pack, the order of the pack (the default menu first) and the Autorun.inf
// it writes.
// Paths are Windows paths in 8-bit text ("\" or ":" ends the folder part).
#pragma once
#include <string>
#include <vector>

namespace editor {

// A pack holds at most this many menu files.
constexpr int kMaxPackedMenus = 99;

// folder + "Autorun.exe"; "" when the menu has no folder yet.
std::string DefaultExePath(const std::string& menuFolder);

// path with ".exe" appended unless it ends in ".exe" (any case).
std::string WithExeExtension(const std::string& path);

// The path after the save dialog: ".exe" ensured, then every ".mnu" taken out
// of the file-name part ("C:\menus.mnu\a.mnu" gives "C:\menus.mnu\a.exe").
std::string CleanBrowsedExePath(const std::string& path);

// The name questions: a file name of 13 characters or more, and one that
// holds a space.
bool ExeNameTooLong(const std::string& fileName);
bool ExeNameHasSpace(const std::string& fileName);

// The names the wizard lists for the folder's menu files (names with their
// four-character extension, in the file list's order): each without its
// extension, every file once. The current menu's file (currentFileName) comes
// first and the file it displaces takes its place; when the current menu is
// not among the files (not saved yet), the list keeps its own order.
std::vector<std::string> WizardMenuNames(const std::vector<std::string>& folderMenuFiles,
                                         const std::string& currentFileName);

// The pack's order of the chosen menus: defaultName moves to the front and
// the name it displaces takes its old place. A default that is not among
// the names leaves the order as it is.
std::vector<std::string> PackOrder(std::vector<std::string> names, const std::string& defaultName);

// The commands of the objects a user can press in the player (kinds 0 to 3)
// of the menu file at path, in object order; what could be read of a damaged
// file, and none when the file cannot be read as a menu. Nothing is shown.
std::vector<std::string> PressableCommands(const std::string& path);

// The menus that commands (of the chosen menus' objects) switch to but that
// are not among chosenFiles (file names with ".mnu"): each named once, as the
// first command that names it writes it, compared in any case as the player
// looks menus up. On the medium such a button only says it cannot find its
// menu, also when the menu exists in no folder at all.
std::vector<std::string> MenusLeftOut(const std::vector<std::string>& chosenFiles,
                                      const std::vector<std::string>& commands);

// The question that names the menus left out and asks whether to build anyway.
std::string MenusLeftOutQuestion(const std::vector<std::string>& leftOut);

// The three CR LF-ended lines of Autorun.inf for the executable's file name.
std::string AutorunInfText(const std::string& exeFileName);

// Writes folder + "Autorun.inf" (folder ends in a separator) as every file
// the programs replace: beside the old one, flushed to the disk, then moved
// over it, so a failure leaves the old file whole; false when it could not
// be written.
bool WriteAutorunInf(const std::string& folder, const std::string& exeFileName);

}  // namespace editor
