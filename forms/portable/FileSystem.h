// File-system operations whose behaviour differs between Windows and the
// native test build. Paths are 8-bit strings in the system code page.
#pragma once
#include <string>

namespace forms {

// True for an existing file (not a folder), hidden and system files included.
bool FileExists(const std::string& path);
// A plain search for a file: as FileExists, except that on Windows hidden and
// system files are not seen either (as FindFirstFile with no attribute mask).
bool VisibleFileExists(const std::string& path);
bool DirectoryExists(const std::string& path);
bool IsReadOnly(const std::string& path);
// Clears read-only (and on Windows hidden/system) attributes.
bool ClearAttributes(const std::string& path);
bool RemoveFile(const std::string& path);
// Moves source over target, replacing target if it exists, in one step where
// the platform allows it.
bool ReplaceFileWith(const std::string& target, const std::string& source);
// A name in the folder of path that no file has yet, for writing a new version
// of path before it replaces the old one.
std::string UniqueTempPathBeside(const std::string& path);
// The running program's executable file, full path.
std::string ExecutablePath();
// Lets the user interface handle what is waiting (a no-op in the native build).
void ProcessPendingMessages();
void SleepMs(int ms);

}  // namespace forms
