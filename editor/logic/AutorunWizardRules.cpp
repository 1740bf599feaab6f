#include "editor/logic/AutorunWizardRules.h"

#include <algorithm>

#include "shared/TextParts.h"
#include "forms/portable/Stream.h"

namespace editor {

namespace {

bool EndsWith(const std::string& text, const std::string& tail) {
    return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

// The name without its last four characters (its extension with the dot).
std::string WithoutExtension(const std::string& fileName) {
    return fileName.size() > 4 ? fileName.substr(0, fileName.size() - 4) : std::string();
}

}  // namespace

std::string DefaultExePath(const std::string& menuFolder) {
    return menuFolder.empty() ? std::string() : menuFolder + "Autorun.exe";
}

std::string WithExeExtension(const std::string& path) {
    return EndsWith(LowerAscii(path), ".exe") ? path : path + ".exe";
}

std::string CleanBrowsedExePath(const std::string& path) {
    const std::string folder = FolderPart(path);
    std::string name = FileNamePart(WithExeExtension(path));
    for (size_t at = name.find(".mnu"); at != std::string::npos; at = name.find(".mnu", at)) name.erase(at, 4);
    return folder + name;
}

bool ExeNameTooLong(const std::string& fileName) { return fileName.size() >= 13; }

bool ExeNameHasSpace(const std::string& fileName) { return fileName.find(' ') != std::string::npos; }

std::vector<std::string> WizardMenuNames(const std::vector<std::string>& folderMenuFiles,
                                         const std::string& currentFileName) {
    std::vector<std::string> names;
    for (const std::string& file : folderMenuFiles) names.push_back(WithoutExtension(file));
    const auto current = std::find(names.begin(), names.end(), WithoutExtension(currentFileName));
    if (EndsWith(LowerAscii(currentFileName), ".mnu") && current != names.end())
        std::iter_swap(names.begin(), current);
    return names;
}

std::vector<std::string> PackOrder(std::vector<std::string> names, const std::string& defaultName) {
    const auto chosen = std::find(names.begin(), names.end(), defaultName);
    if (chosen != names.end()) std::iter_swap(names.begin(), chosen);
    return names;
}

std::string AutorunInfText(const std::string& exeFileName) {
    return "[autorun]\r\nopen=" + exeFileName + "\r\nicon=" + exeFileName + "\r\n";
}

bool WriteAutorunInf(const std::string& folder, const std::string& exeFileName) {
    auto file = forms::FileStream::Open(folder + "Autorun.inf", forms::FileMode::Create);
    if (!file) return false;
    const std::string text = AutorunInfText(exeFileName);
    return file->Write(text.data(), text.size()) == text.size();
}

}  // namespace editor
