#include "editor/logic/AutorunWizardRules.h"

#include <algorithm>
#include <memory>

#include "forms/portable/Stream.h"
#include "shared/ButtonCommand.h"
#include "shared/MenuBody.h"
#include "shared/TextParts.h"

namespace editor {

namespace {

bool EndsWith(const std::string& text, const std::string& tail) {
    return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

// At most this many menus are named in the question, so that it fits the screen.
constexpr size_t kNamedMenus = 20;

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

std::vector<std::string> PressableCommands(const std::string& path) {
    auto stream = forms::FileStream::Open(path, forms::FileMode::OpenRead);
    if (!stream) return {};
    SilentMenuFileHost host;
    TMenuFile file(host);
    file.SetMnuStream(std::move(stream));
    file.ClearMnuError();
    if (!file.ReadMnuHeader()) return {};
    // Only the commands count: no picture is inflated.
    auto menu = std::make_unique<TAQMenu>();
    std::vector<DeferredPicture> pictures;
    MenuReadOptions options;
    options.DecodeNow = [](const TAQMenu&, int, int, int) { return false; };
    options.Deferred = &pictures;
    try {
        ReadMenuBody(file, *menu, options);
    } catch (...) {
        // Out of memory for a text picture: the commands read so far count.
    }
    file.CloseMnuFile();
    std::vector<std::string> commands;
    const int count = std::min(menu->BtnCount, static_cast<int>(menu->Buttons.size()) - 1);
    for (int n = 1; n <= count; ++n) {
        const TAQButton& object = menu->Buttons[static_cast<size_t>(n)];
        if (object.ObjectKind >= GraphicalButton && object.ObjectKind <= PlcImage)
            commands.push_back(object.ButtonCommand);
    }
    return commands;
}

std::vector<std::string> MenusLeftOut(const std::vector<std::string>& chosenFiles,
                                      const std::vector<std::string>& commands) {
    std::vector<std::string> known;
    for (const std::string& file : chosenFiles) known.push_back(LowerAscii(file));
    std::vector<std::string> leftOut;
    for (const std::string& command : commands) {
        if (!IsSubMenuCommand(command)) continue;
        const std::string name = LowerAscii(command);
        if (std::find(known.begin(), known.end(), name) != known.end()) continue;
        known.push_back(name);
        leftOut.push_back(command);
    }
    return leftOut;
}

std::string MenusLeftOutQuestion(const std::vector<std::string>& leftOut) {
    std::string text = "Buttons of the menus you selected open these menus,\rwhich are not included in your "
                       "autorun application:\r";
    for (size_t i = 0; i < leftOut.size() && i < kNamedMenus; ++i) text += "\r    " + leftOut[i];
    if (leftOut.size() > kNamedMenus) text += "\r    ... and " + std::to_string(leftOut.size() - kNamedMenus) + " more";
    return text + "\r\rOn the CD those buttons would only show \"Could not find menu\".\r\r"
                  "Do you want to create the autorun application anyway?";
}

std::string AutorunInfText(const std::string& exeFileName) {
    return "[autorun]\r\nopen=" + exeFileName + "\r\nicon=" + exeFileName + "\r\n";
}

bool WriteAutorunInf(const std::string& folder, const std::string& exeFileName) {
    const std::string text = AutorunInfText(exeFileName);
    return forms::ReplaceWholeFile(folder + "Autorun.inf", text.data(), text.size());
}

}  // namespace editor
