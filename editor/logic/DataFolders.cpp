#include "editor/logic/DataFolders.h"

#include "shared/TextParts.h"

namespace editor {

const char* const kUserDataFolderName = "Autorun Quorvel";

namespace {

std::string UserFolder(const std::string& base, const std::string& editorFolder) {
    if (base.empty()) return editorFolder;
    return WithTrailingBackslash(base) + kUserDataFolderName + "\\";
}

}  // namespace

DataFolders ChooseDataFolders(const std::string& editorFolder, bool editorFolderWritable,
                              const std::string& appDataFolder, const std::string& tempFolder) {
    const std::string home = WithTrailingBackslash(editorFolder);
    if (editorFolderWritable) return {home, home, home};
    const std::string user = UserFolder(appDataFolder, home);
    return {user, user, UserFolder(tempFolder, home)};
}

}  // namespace editor
