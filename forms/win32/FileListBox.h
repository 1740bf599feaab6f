// A list box that lists the files of a folder matching a mask ("*.mnu"),
// sorted by name, hidden and system files and folders left out. Items are
// bare file names; FileName() is the full path of the selected one.
//
// Setting Directory also makes it the process's current folder, so that
// bare names from the list open relative to it; a folder that does not exist
// is refused (false) and changes nothing. Changing Directory or Mask lists
// again; Update() lists again after files have changed. The folder is read
// when the list's window is made (on first show or first question about
// the items), not before.
#pragma once
#include <string>

#include "forms/win32/ListBox.h"

namespace forms {

class FileListBox : public ListBox {
public:
    // Lists the current folder with mask "*.*".
    FileListBox(Component* owner, WinControl* parent);

    const std::string& Directory() const { return directory_; }
    bool SetDirectory(const std::string& folder);
    const std::string& Mask() const { return mask_; }
    void SetMask(const std::string& mask);
    void Update();

    // Directory + "\" + the selected name, or empty when nothing is selected.
    std::string FileName() const;

protected:
    void HandleCreated() override;

private:
    void List();

    std::string directory_;
    std::string mask_ = "*.*";
};

}  // namespace forms
