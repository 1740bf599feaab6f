#include "shared/TextParts.h"

#include <cctype>

namespace {

size_t FolderEnd(const std::string& path) {
    const size_t last = path.find_last_of("\\:");
    return last == std::string::npos ? 0 : last + 1;
}

}  // namespace

std::vector<std::string> SplitTextLines(const std::string& text) {
    std::vector<std::string> lines;
    size_t from = 0;
    while (from < text.size()) {
        size_t end = text.find('\n', from);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(from, end - from);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(std::move(line));
        from = end + 1;
    }
    return lines;
}

bool ParseDecimalTruth(const std::string& text, bool& nonZero) {
    size_t i = (!text.empty() && (text[0] == '+' || text[0] == '-')) ? 1 : 0;
    bool digits = false, point = false, anyNonZero = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (std::isdigit(static_cast<unsigned char>(c))) {
            digits = true;
            anyNonZero = anyNonZero || c != '0';
        } else if (c == '.' && !point) {
            point = true;
        } else {
            return false;
        }
    }
    if (!digits) return false;
    nonZero = anyNonZero;
    return true;
}

std::string LowerAscii(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return text;
}

std::string FolderPart(const std::string& path) { return path.substr(0, FolderEnd(path)); }

std::string FileNamePart(const std::string& path) { return path.substr(FolderEnd(path)); }

std::string WithTrailingBackslash(const std::string& folder) {
    if (folder.empty() || folder.back() == '\\') return folder;
    return folder + "\\";
}
