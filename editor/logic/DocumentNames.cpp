#include "editor/logic/DocumentNames.h"

#include <algorithm>

#include "shared/TextParts.h"

namespace editor {

namespace {

const char kMenuExtension[] = ".mnu";

bool EndsWith(const std::string& text, const std::string& suffix) {
    return text.size() >= suffix.size() && text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

}  // namespace

std::string NewDocumentName(int slot) { return "Menu " + std::to_string(slot); }

bool SaveNeedsName(const std::string& fileName) { return !EndsWith(LowerAscii(fileName), kMenuExtension); }

std::string SaveAsPath(const std::string& chosenPath) {
    if (EndsWith(chosenPath, kMenuExtension)) return chosenPath;
    const std::string folder = FolderPart(chosenPath);
    std::string name = FileNamePart(chosenPath);
    const size_t dot = name.find('.');
    if (dot != std::string::npos) name.erase(dot);
    return folder + name + kMenuExtension;
}

FileLocation SplitFileLocation(const std::string& path) {
    return {WithTrailingBackslash(FolderPart(path)), FileNamePart(path)};
}

std::vector<std::string> MenuListNames(const std::vector<std::string>& folderFileNames) {
    std::vector<std::string> names;
    for (const std::string& name : folderFileNames)
        if (EndsWith(LowerAscii(name), kMenuExtension)) names.push_back(name);
    std::stable_sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        return LowerAscii(a) < LowerAscii(b);
    });
    if (names.size() > static_cast<size_t>(kMenuListSize)) names.resize(kMenuListSize);
    return names;
}

bool ArgumentNamesFile(const std::string& firstArgument) {
    return !firstArgument.empty() && firstArgument != "\"\"";
}

}  // namespace editor
