// Where the editor keeps the files it writes for itself: the settings file,
// the shape presets and the undo snapshots. Beside the editor while its
// folder can be written; when it cannot (an editor installed under Program
// Files), the settings and presets go to a per-user folder and the undo
// snapshots to a folder of the user's temporary folder, and are read from
// there too.
#pragma once
#include <string>

namespace editor {

// Name of the editor's own folder inside the per-user and temporary folders.
extern const char* const kUserDataFolderName;  // "Autorun Quorvel"

struct DataFolders {
    std::string Settings;  // every folder with its trailing "\"
    std::string Presets;
    std::string Undo;
};

// editorFolder when editorFolderWritable; otherwise appDataFolder and
// tempFolder, each with kUserDataFolderName + "\" appended. A per-user folder
// that is not known ("") leaves the editor folder in its place.
DataFolders ChooseDataFolders(const std::string& editorFolder, bool editorFolderWritable,
                              const std::string& appDataFolder, const std::string& tempFolder);

}  // namespace editor
