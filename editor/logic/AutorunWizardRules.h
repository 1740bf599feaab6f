// What the Create Autorun Application wizard decides without a window: the
// executable's default and cleaned-up paths, which questions its name gets,
// the menu list it offers (the current menu first, every file once), the
// order of the pack (the default menu first) and the Autorun.inf it writes.
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

// The three CR LF-ended lines of Autorun.inf for the executable's file name.
std::string AutorunInfText(const std::string& exeFileName);

// Writes folder + "Autorun.inf" (folder ends in a separator), replacing any
// existing file; false when it could not be written whole.
bool WriteAutorunInf(const std::string& folder, const std::string& exeFileName);

}  // namespace editor
