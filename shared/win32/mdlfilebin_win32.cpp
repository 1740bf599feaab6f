// Readers of an executable's version resource (its four version numbers and
// the product or company name used to identify a viewer program), and the
// menu-file host of the Win32 programs.
#include "shared/win32/mdlfilebin_win32.h"

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "forms/portable/FileSystem.h"
#include "shared/TarvikUtils.h"

int FileVerMajor = 0, FileVerMinor = 0, FileVerRelease = 0, FileVerBuild = 0;

namespace {

// The whole version resource of path, or an empty buffer when it has none.
std::vector<char> ReadVersionResource(const std::string& path)
{
    DWORD handle = 0;
    const DWORD size = GetFileVersionInfoSizeA(path.c_str(), &handle);
    if (size == 0) return {};
    std::vector<char> data(size);
    if (!GetFileVersionInfoA(path.c_str(), 0, size, data.data())) return {};
    return data;
}

// The version resource of the running program, read from its loaded image
// rather than from its file (which would be mapped again for each reading);
// empty when path is another file or the program has none. Only the fixed
// numbers are read from it.
std::vector<char> OwnVersionResource(const std::string& path)
{
    if (lstrcmpiA(path.c_str(), forms::ExecutablePath().c_str()) != 0) return {};
    HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(VS_VERSION_INFO), MAKEINTRESOURCEA(16));  // RT_VERSION
    HGLOBAL loaded = found ? LoadResource(nullptr, found) : nullptr;
    const char* bytes = loaded ? static_cast<const char*>(LockResource(loaded)) : nullptr;
    if (!bytes) return {};
    return std::vector<char>(bytes, bytes + SizeofResource(nullptr, found));
}

// The string value at key, or false when the resource has none.
bool QueryString(std::vector<char>& data, const std::string& key, std::string& value)
{
    void* found = nullptr;
    UINT length = 0;
    if (!VerQueryValueA(data.data(), key.c_str(), &found, &length) || !found) return false;
    const char* text = static_cast<const char*>(found);
    value.assign(text, strnlen(text, length));
    return true;
}

std::string Lower(std::string text)
{
    for (char& ch : text) {
        if (ch >= 'A' && ch <= 'Z') ch = static_cast<char>(ch - 'A' + 'a');
    }
    return text;
}

}  // namespace

std::string GetFileVersion(const std::string& path, int mode)
{
    std::vector<char> data = OwnVersionResource(path);
    if (data.empty()) data = ReadVersionResource(path);
    if (data.empty()) return "";

    void* found = nullptr;
    UINT length = 0;
    if (!VerQueryValueA(data.data(), "\\", &found, &length) || !found || length < sizeof(VS_FIXEDFILEINFO)) {
        return "";
    }
    const auto* info = static_cast<const VS_FIXEDFILEINFO*>(found);
    FileVerMajor = HIWORD(info->dwFileVersionMS);
    FileVerMinor = LOWORD(info->dwFileVersionMS);
    FileVerRelease = HIWORD(info->dwFileVersionLS);
    FileVerBuild = LOWORD(info->dwFileVersionLS);

    switch (mode) {
    case 1:
        return std::to_string(FileVerMajor) + "." + std::to_string(FileVerMinor) + "." +
               std::to_string(FileVerRelease) + "." + std::to_string(FileVerBuild);
    case 2: return std::to_string(FileVerMajor);
    case 3: return std::to_string(FileVerMajor) + "." + std::to_string(FileVerMinor);
    case 4: return std::to_string(FileVerMinor);
    default: return "";
    }
}

// A resource without a translation table or without the strings asked for
// leaves result as it was.
void GetFileVerName(const std::string& path, bool company, std::string& result)
{
    std::vector<char> data = ReadVersionResource(path);
    if (data.empty()) return;

    void* found = nullptr;
    UINT length = 0;
    if (!VerQueryValueA(data.data(), "\\VarFileInfo\\Translation", &found, &length) || !found ||
        length < 2 * sizeof(WORD)) {
        return;
    }
    const WORD* translation = static_cast<const WORD*>(found);
    char prefix[48];
    std::snprintf(prefix, sizeof(prefix), "\\StringFileInfo\\%04X%04X\\", translation[0], translation[1]);

    std::string name;
    if (company) {
        if (QueryString(data, std::string(prefix) + "CompanyName", name)) result = name;
        return;
    }
    if (!QueryString(data, std::string(prefix) + "ProductName", name)) return;
    if (name.find("Operating System") != std::string::npos &&
        !QueryString(data, std::string(prefix) + "FileDescription", name)) {
        return;
    }

    if (Lower(name).find("adobe reader") != std::string::npos) name = "Adobe Acrobat";
    if (Lower(name).find("acrobat") != std::string::npos) name = "Adobe Acrobat";
    for (const char* word : {" viewer", " reader", " version", " ver "}) {
        const size_t at = Lower(name).find(word);
        if (at != std::string::npos) name.erase(at);
    }
    result = name;
}

bool DialogMenuFileHost::AskYes(const std::string& text)
{
    return ShowMsgDlg(text, TMsgDlgType::mtConfirmation, TMsgDlgButtons::mbYesNoCancel, DlgCaption) == mrYes;
}

void DialogMenuFileHost::ShowError(const std::string& text)
{
    ShowMsgDlg(text, TMsgDlgType::mtError, TMsgDlgButtons::mbOK, DlgCaption);
}

void DialogMenuFileHost::ShowInformation(const std::string& text)
{
    ShowMsgDlg(text, TMsgDlgType::mtInformation, TMsgDlgButtons::mbOK, DlgCaption);
}

void DialogMenuFileHost::ProgramVersion(int& major, int& minor, int& release)
{
    GetFileVersion(forms::ExecutablePath(), 2);
    major = FileVerMajor;
    minor = FileVerMinor;
    release = FileVerRelease;
}

void DialogMenuFileHost::Wait(int ms)
{
    forms::ProcessPendingMessages();
    forms::SleepMs(ms);
}
