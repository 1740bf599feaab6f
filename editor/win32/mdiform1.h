// The editor's main window. It holds the open menu documents; for now it is
// the frame they will be shown in, and it keeps the editor's options: read
// from the settings file when the window is made, written when it closes.
#pragma once
#include <string>

#include "editor/logic/DataFolders.h"
#include "editor/logic/EditorSettings.h"
#include "forms/win32/Form.h"

class TMDIForm1Cls : public forms::Form {
public:
    TMDIForm1Cls();

    // The editor's own folder, with its trailing "\".
    const std::string& EditorFolder() const { return EditorFolder_; }
    // Where the settings, presets and undo snapshots are kept.
    const editor::DataFolders& DataFolders() const { return DataFolders_; }
    editor::EditorSettings& Settings() { return Settings_; }

    // Reads the settings file over the defaults; the menu folder falls back
    // to the editor's folder when it holds nothing. Returns how much was read.
    editor::SettingsLoad LoadSettings();
    // Writes the settings file whole; false (old file kept) on failure.
    bool SaveSettings();

private:
    std::string EditorFolder_;
    editor::DataFolders DataFolders_;
    editor::EditorSettings Settings_;
};
