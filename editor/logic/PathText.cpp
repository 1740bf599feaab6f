#include "editor/logic/PathText.h"

namespace editor {

namespace {

size_t FolderEnd(const std::string& path) {
    const size_t last = path.find_last_of("\\:");
    return last == std::string::npos ? 0 : last + 1;
}

}  // namespace

std::string FolderPart(const std::string& path) { return path.substr(0, FolderEnd(path)); }

std::string FileNamePart(const std::string& path) { return path.substr(FolderEnd(path)); }

std::string WithTrailingBackslash(const std::string& folder) {
    if (folder.empty() || folder.back() == '\\') return folder;
    return folder + "\\";
}

std::string LowerAscii(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return text;
}

}  // namespace editor
