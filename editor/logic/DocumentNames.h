// Names of menu documents and of the files they are kept in: the name a new
// document carries until it is saved, when Save must ask for a name, the
// name Save As gives to a chosen path, the File menu's list of menu files,
// and whether the editor's command-line argument names a file to open.
#pragma once
#include <string>
#include <vector>

namespace editor {

// Items of the File menu's list of menu files.
constexpr int kMenuListSize = 20;

// "Menu " + slot: the name of a new document until it is saved or loaded.
std::string NewDocumentName(int slot);

// True when Save must ask for a name first: fileName does not end in ".mnu"
// (compared without regard to case), as a new document's "Menu 3" does not.
bool SaveNeedsName(const std::string& fileName);

// The path Save As writes for the path the user chose. A path ending exactly
// in ".mnu" stays; otherwise its file-name part is cut before its first "."
// (a "." in the folder part does not count) and ".mnu" is appended:
// "Menu.MNU" gives "Menu.mnu", "C:\a.b\name.txt" gives "C:\a.b\name.mnu".
std::string SaveAsPath(const std::string& chosenPath);

// A file's folder with "\" ensured and its name.
struct FileLocation {
    std::string Folder;
    std::string Name;
};
FileLocation SplitFileLocation(const std::string& path);

// The names of the File menu's list: of the folder's file names, those with
// the extension ".mnu" (any case), in the order of a file list (ordered by
// name without regard to case), at most kMenuListSize of them.
std::vector<std::string> MenuListNames(const std::vector<std::string>& folderFileNames);

// True when the editor's first command-line argument names a file to open:
// it is not empty and not made of exactly two double-quote characters.
bool ArgumentNamesFile(const std::string& firstArgument);

}  // namespace editor
