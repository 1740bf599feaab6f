#include "forms/win32/FileDialogs.h"

#include <algorithm>
#include <vector>

#include "forms/portable/FileFilter.h"
#include "forms/win32/Application.h"

namespace forms {
namespace {

DWORD OptionFlags(FileDialogOptions options) {
    DWORD flags = OFN_EXPLORER;
    if (options & ofOverwritePrompt) flags |= OFN_OVERWRITEPROMPT;
    if (options & ofPathMustExist) flags |= OFN_PATHMUSTEXIST;
    if (options & ofFileMustExist) flags |= OFN_FILEMUSTEXIST;
    if (options & ofHideReadOnly) flags |= OFN_HIDEREADONLY;
    if (options & ofNoReadOnlyReturn) flags |= OFN_NOREADONLYRETURN;
    return flags;
}

}  // namespace

bool FileDialog::Execute() {
    constexpr size_t kPathBuffer = 4096;
    std::vector<char> path(kPathBuffer, '\0');
    const size_t keep = std::min(fileName_.size(), kPathBuffer - 1);
    std::copy(fileName_.begin(), fileName_.begin() + static_cast<std::ptrdiff_t>(keep), path.begin());
    const std::string filters = FileFilterList(filter_);

    OPENFILENAMEA ofn{};
    ofn.lStructSize = sizeof(ofn);
    ofn.hwndOwner = Application().WorkingWindow();
    ofn.lpstrFilter = filters.size() > 2 ? filters.c_str() : nullptr;
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = path.data();
    ofn.nMaxFile = static_cast<DWORD>(path.size());
    ofn.lpstrInitialDir = initialDir_.empty() ? nullptr : initialDir_.c_str();
    ofn.lpstrTitle = title_.empty() ? nullptr : title_.c_str();
    ofn.Flags = OptionFlags(options_);
    if (!Run(ofn)) return false;
    path.back() = '\0';
    fileName_ = path.data();
    return true;
}

}  // namespace forms
