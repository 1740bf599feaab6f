#include "editor/win32/common/EditorDataFolders.h"

#include <windows.h>
#include <shlobj.h>

namespace {

std::string AppDataFolder() {
    char path[MAX_PATH] = {};
    if (SUCCEEDED(SHGetFolderPathA(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, path))) return path;
    const DWORD n = GetEnvironmentVariableA("APPDATA", path, MAX_PATH);
    return n > 0 && n < MAX_PATH ? std::string(path, n) : std::string();
}

std::string TempFolder() {
    char path[MAX_PATH + 1] = {};
    const DWORD n = GetTempPathA(MAX_PATH + 1, path);
    return n > 0 && n <= MAX_PATH ? std::string(path, n) : std::string();
}

void CreateFolder(const std::string& folder) {
    if (!folder.empty()) CreateDirectoryA(folder.c_str(), nullptr);
}

}  // namespace

bool FolderIsWritable(const std::string& folder) {
    char name[MAX_PATH] = {};
    if (GetTempFileNameA(folder.c_str(), "aqw", 0, name) == 0) return false;
    DeleteFileA(name);
    return true;
}

bool FolderHasEntries(const std::string& folder) {
    WIN32_FIND_DATAA found;
    HANDLE h = FindFirstFileA((folder + "*.*").c_str(), &found);
    if (h == INVALID_HANDLE_VALUE) return false;
    FindClose(h);
    return true;
}

editor::DataFolders LocateDataFolders(const std::string& editorFolder) {
    const bool writable = FolderIsWritable(editorFolder);
    const editor::DataFolders folders =
        writable ? editor::ChooseDataFolders(editorFolder, true, "", "")
                 : editor::ChooseDataFolders(editorFolder, false, AppDataFolder(), TempFolder());
    if (!writable) {
        CreateFolder(folders.Settings);
        CreateFolder(folders.Undo);
    }
    return folders;
}
