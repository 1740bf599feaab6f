// The Win32 half of the menu-file unit: readers of an executable's version
// resource, and the menu-file host that asks its questions through the
// message dialog, reports the running program's own version and keeps the
// program's messages flowing while a file waits.
#pragma once
#include <string>

#include "shared/mdlfilebin.h"

// The four numbers of the last version read by GetFileVersion.
extern int FileVerMajor, FileVerMinor, FileVerRelease, FileVerBuild;
// The file version of path: mode 1 "a.b.c.d", 2 "a", 3 "a.b", 4 "b", other
// modes ""; "" when the file has no version resource.
std::string GetFileVersion(const std::string& path, int mode);
// The product name (company: the company name) of path, cut to the words
// that identify a viewer program; result is left as it was when the file
// has no such name.
void GetFileVerName(const std::string& path, bool company, std::string& result);

// Questions and messages go to ShowMsgDlg captioned with DlgCaption; the
// version is the running executable's; Wait processes pending messages and
// then sleeps.
class DialogMenuFileHost : public MenuFileHost {
public:
    bool AskYes(const std::string& text) override;
    void ShowError(const std::string& text) override;
    void ShowInformation(const std::string& text) override;
    void ProgramVersion(int& major, int& minor, int& release) override;
    void Wait(int ms) override;
};
