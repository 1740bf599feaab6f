// The main window's settings: where the file is, reading it at start and
// writing it at close.
#include <windows.h>

#include "editor/win32/EditorDataFolders.h"
#include "editor/win32/EditorGlobals.h"
#include "editor/win32/mdiform1.h"
#include "forms/portable/FileSystem.h"

namespace {

std::string SettingsPath(const editor::DataFolders& folders) {
    return editor::SettingsFilePath(forms::ExecutablePath(), folders.Settings);
}

}  // namespace

editor::SettingsLoad TMDIForm1Cls::LoadSettings() {
    DataFolders_ = LocateDataFolders(EditorFolder);
    Settings_ = editor::DefaultSettings(EditorFolder, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    const editor::SettingsLoad result = editor::LoadSettingsFile(SettingsPath(DataFolders_), Settings_);
    MenuFolder = editor::StartMenuFolder(Settings_.MenuFolder, EditorFolder, FolderHasEntries);
    return result;
}

bool TMDIForm1Cls::SaveSettings() {
    Settings_.MenuFolder = MenuFolder;
    return editor::SaveSettingsFile(SettingsPath(DataFolders_), Settings_);
}
