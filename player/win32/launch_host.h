// The launch logic's view of the system, over Win32: files and folders, the
// target search window, the programs that open documents and web pages, and
// the click sound of the button being launched.
#pragma once
#include <string>

#include "player/logic/PlayerHost.h"

class TfrmSearchCls;

class Win32PlayerHost : public player::PlayerHost {
public:
    // The click sound plays for object n of menuName.
    Win32PlayerHost(const std::string& menuName, int n, bool soundsOn);
    ~Win32PlayerHost() override;

    bool FileExists(const std::string& path) override;
    std::vector<player::FolderEntry> ListFolder(const std::string& folder) override;
    std::string FirstFileMatching(const std::string& folder, const std::string& pattern) override;
    bool WriteTextFile(const std::string& path, const std::string& text) override;
    void RemoveFile(const std::string& path) override;
    std::string WindowsFolder() override;
    std::string TempFolder() override;

    void SearchingFolder(const std::string& folder, bool windowDue) override;
    bool SearchCancelled() override;
    void SearchStarted() override;
    void SearchEnded() override;

    std::string ExecutableFor(const std::string& file) override;
    std::string AssocExecutable(const std::string& file) override;
    std::string ProgramVersion(const std::string& program) override;
    std::string ProgramProductName(const std::string& program) override;

    void PlayClickSoundNow() override;

private:
    std::string menuName_;
    int n_;
    bool soundsOn_;
    TfrmSearchCls* searchWindow_ = nullptr;
};
