// The system's Open and Save file dialogs (GetOpenFileNameA /
// GetSaveFileNameA) as components. Set Filter ("Name|*.ext|..."), Title,
// InitialDir, FileName and Options, then Execute(): it shows the dialog
// modally, owned by the active form of the application (else the main form),
// and returns true when the user chose a file, whose full path is then in
// FileName. Cancel, or a dialog that fails, returns false and leaves
// FileName as it was.
#pragma once
#include <windows.h>

#include <commdlg.h>

#include <string>

#include "forms/win32/Component.h"

namespace forms {

using FileDialogOptions = unsigned;
constexpr FileDialogOptions ofOverwritePrompt = 1;   // Save: ask before replacing a file
constexpr FileDialogOptions ofPathMustExist = 2;     // the folder typed must exist
constexpr FileDialogOptions ofFileMustExist = 4;     // Open: the file typed must exist
constexpr FileDialogOptions ofHideReadOnly = 8;      // no "open as read-only" box
constexpr FileDialogOptions ofNoReadOnlyReturn = 16; // refuse read-only files

class FileDialog : public Component {
public:
    using Component::Component;

    const std::string& Filter() const { return filter_; }
    void SetFilter(const std::string& filter) { filter_ = filter; }
    const std::string& Title() const { return title_; }
    void SetTitle(const std::string& title) { title_ = title; }
    const std::string& InitialDir() const { return initialDir_; }
    void SetInitialDir(const std::string& folder) { initialDir_ = folder; }
    const std::string& FileName() const { return fileName_; }
    void SetFileName(const std::string& path) { fileName_ = path; }
    FileDialogOptions Options() const { return options_; }
    void SetOptions(FileDialogOptions options) { options_ = options; }

    bool Execute();

protected:
    // Shows the dialog of the derived kind for the prepared structure.
    virtual BOOL Run(OPENFILENAMEA& ofn) = 0;

private:
    std::string filter_;
    std::string title_;
    std::string initialDir_;
    std::string fileName_;
    FileDialogOptions options_ = 0;
};

class OpenDialog : public FileDialog {
public:
    using FileDialog::FileDialog;

protected:
    BOOL Run(OPENFILENAMEA& ofn) override { return GetOpenFileNameA(&ofn); }
};

class SaveDialog : public FileDialog {
public:
    using FileDialog::FileDialog;

protected:
    BOOL Run(OPENFILENAMEA& ofn) override { return GetSaveFileNameA(&ofn); }
};

}  // namespace forms
