// File-system operations whose behaviour differs between Windows and the
// native test build. Paths are 8-bit strings in the system code page.
#pragma once
#include <functional>
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
// Writes what the system still caches of the closed file at path to the disk.
// A new version of a file is flushed before it replaces the old one: a rename
// may reach the disk before the data it names, and a power cut in between
// would leave the user's file empty or torn.
bool FlushFileToDisk(const std::string& path);
// Moves source over target, replacing target if it exists, in one step where
// the platform allows it. The move alone does not flush the source's data.
bool ReplaceFileWith(const std::string& target, const std::string& source);
// Test seam: when set, FlushFileToDisk and ReplaceFileWith report each call
// here before they act ("flush" with the file, "replace" with the target).
extern std::function<void(const std::string& step, const std::string& path)> FileStepObserver;
// A name in the folder of path that no file has yet, for writing a new version
// of path before it replaces the old one.
std::string UniqueTempPathBeside(const std::string& path);
// The running program's executable file, full path.
std::string ExecutablePath();
// Lets the user interface handle what is waiting (a no-op in the native build).
void ProcessPendingMessages();
void SleepMs(int ms);

}  // namespace forms
