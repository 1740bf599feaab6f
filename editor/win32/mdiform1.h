// The editor's main window. It holds the open menu documents; for now it is
// the frame they will be shown in, and it keeps the editor's options: read
// from the settings file when the window is made, written when it closes.
#pragma once
#include "editor/logic/DataFolders.h"
#include "editor/logic/EditorSettings.h"
#include "forms/win32/Form.h"

class TMDIForm1Cls : public forms::Form {
public:
    TMDIForm1Cls();

    // Where the settings, presets and undo snapshots are kept.
    const editor::DataFolders& DataFolders() const { return DataFolders_; }
    editor::EditorSettings& Settings() { return Settings_; }

    // Reads the settings file over the defaults; MenuFolder takes the
    // settings' folder, or EditorFolder when that one holds nothing. Returns
    // how much of the file was read.
    editor::SettingsLoad LoadSettings();
    // Writes the settings file whole, with the current MenuFolder; false (the
    // old file kept) on failure.
    bool SaveSettings();

private:
    editor::DataFolders DataFolders_;
    editor::EditorSettings Settings_;
};
