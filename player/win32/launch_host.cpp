#include "player/win32/launch_host.h"

#include <windows.h>
#include <shellapi.h>
#include <shlwapi.h>

#include "forms/portable/FileSystem.h"
#include "forms/portable/Stream.h"
#include "forms/win32/Application.h"
#include "player/win32/frmsearch.h"
#include "player/win32/sounds.h"
#include "shared/win32/mdlfilebin_win32.h"

Win32PlayerHost::Win32PlayerHost(const std::string& menuName, int n, bool soundsOn)
    : menuName_(menuName), n_(n), soundsOn_(soundsOn) {}

Win32PlayerHost::~Win32PlayerHost() { SearchEnded(); }

bool Win32PlayerHost::FileExists(const std::string& path) { return forms::FileExists(path); }

std::vector<player::FolderEntry> Win32PlayerHost::ListFolder(const std::string& folder) {
    std::vector<player::FolderEntry> entries;
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA((folder + "*.*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) return entries;
    do {
        // Links and junctions are listed as plain entries so that a search
        // of a whole drive never walks in a circle.
        const bool folderEntry = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) &&
                                 !(data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT);
        entries.push_back({data.cFileName, folderEntry});
    } while (FindNextFileA(find, &data));
    FindClose(find);
    return entries;
}

std::string Win32PlayerHost::FirstFileMatching(const std::string& folder, const std::string& pattern) {
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA((folder + pattern).c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) return std::string();
    std::string name;
    do {
        if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
            name = data.cFileName;
            break;
        }
    } while (FindNextFileA(find, &data));
    FindClose(find);
    return name;
}

bool Win32PlayerHost::WriteTextFile(const std::string& path, const std::string& text) {
    return forms::WriteWholeFile(path, text.data(), text.size());
}

void Win32PlayerHost::RemoveFile(const std::string& path) { DeleteFileA(path.c_str()); }

std::string Win32PlayerHost::WindowsFolder() {
    char buffer[MAX_PATH + 1] = {};
    const UINT n = GetWindowsDirectoryA(buffer, MAX_PATH);
    if (n == 0 || n > MAX_PATH) return std::string();
    std::string folder(buffer, n);
    if (!folder.empty() && folder.back() == '\\') folder.pop_back();
    return folder;
}

std::string Win32PlayerHost::TempFolder() {
    char buffer[MAX_PATH + 1] = {};
    const DWORD n = GetTempPathA(MAX_PATH, buffer);
    if (n == 0 || n > MAX_PATH) return std::string();
    std::string folder(buffer, n);
    if (folder.back() != '\\') folder += '\\';
    return folder;
}

void Win32PlayerHost::SearchingFolder(const std::string& folder, bool windowDue) {
    if (windowDue) {
        if (!searchWindow_) {
            searchWindow_ = forms::Application().CreateForm<TfrmSearchCls>();
            searchWindow_->Show();
        }
        searchWindow_->lblDir->SetCaption(folder);
    }
    forms::Application().ProcessMessages();
}

bool Win32PlayerHost::SearchCancelled() { return SearchCancelFlag; }

void Win32PlayerHost::SearchStarted() { SearchCancelFlag = false; }

void Win32PlayerHost::SearchEnded() {
    if (!searchWindow_) return;
    searchWindow_->Hide();
    searchWindow_->Release();
    searchWindow_ = nullptr;
}

std::string Win32PlayerHost::ExecutableFor(const std::string& file) {
    char result[MAX_PATH + 1] = {};
    const INT_PTR code = reinterpret_cast<INT_PTR>(FindExecutableA(file.c_str(), "", result));
    return code > 32 ? std::string(result) : std::string();
}

std::string Win32PlayerHost::AssocExecutable(const std::string& file) {
    char result[261] = {};
    DWORD size = sizeof result;
    if (AssocQueryStringA(0, ASSOCSTR_EXECUTABLE, file.c_str(), "open", result, &size) != S_OK) return std::string();
    return result;
}

std::string Win32PlayerHost::ProgramVersion(const std::string& program) { return GetFileVersion(program, 3); }

std::string Win32PlayerHost::ProgramProductName(const std::string& program) {
    std::string name;
    GetFileVerName(program, false, name);
    return name;
}

void Win32PlayerHost::PlayClickSoundNow() { PlayClickSound(menuName_, n_, 0, soundsOn_); }
