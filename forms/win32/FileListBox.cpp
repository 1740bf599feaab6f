#include "forms/win32/FileListBox.h"

#include <vector>

namespace forms {
namespace {

std::string CurrentFolder() {
    const DWORD size = GetCurrentDirectoryA(0, nullptr);
    if (size == 0) return std::string();
    std::vector<char> buffer(size + 1, '\0');
    const DWORD length = GetCurrentDirectoryA(static_cast<DWORD>(buffer.size()), buffer.data());
    return length == 0 || length >= buffer.size() ? std::string() : std::string(buffer.data(), length);
}

std::string WithSeparator(const std::string& folder) {
    if (!folder.empty() && folder.back() != '\\' && folder.back() != '/') return folder + "\\";
    return folder;
}

}  // namespace

FileListBox::FileListBox(Component* owner, WinControl* parent)
    : ListBox(owner, parent, LBS_SORT), directory_(CurrentFolder()) {}

bool FileListBox::SetDirectory(const std::string& folder) {
    if (folder.empty() || !SetCurrentDirectoryA(folder.c_str())) return false;
    directory_ = CurrentFolder();
    if (HandleAllocated()) List();
    return true;
}

void FileListBox::SetMask(const std::string& mask) {
    mask_ = mask.empty() ? "*.*" : mask;
    if (HandleAllocated()) List();
}

void FileListBox::Update() {
    if (HandleAllocated())
        List();
    else
        Handle();  // lists as it is made
}

void FileListBox::HandleCreated() {
    ListBox::HandleCreated();
    List();
}

void FileListBox::List() {
    ClearItems();
    if (directory_.empty()) return;
    const std::string pattern = WithSeparator(directory_) + mask_;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(pattern.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return;
    constexpr DWORD kLeftOut = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
    SendMessageA(Handle(), WM_SETREDRAW, FALSE, 0);
    do {
        if (!(found.dwFileAttributes & kLeftOut)) AddItem(found.cFileName);  // the list sorts them
    } while (FindNextFileA(search, &found));
    FindClose(search);
    SendMessageA(Handle(), WM_SETREDRAW, TRUE, 0);
    Invalidate();
}

std::string FileListBox::FileName() const {
    const int index = ItemIndex();
    return index < 0 ? std::string() : WithSeparator(directory_) + Item(index);
}

}  // namespace forms
