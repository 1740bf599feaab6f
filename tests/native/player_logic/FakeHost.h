// A PlayerHost over an in-memory file tree (files are full paths, their
// folders exist implicitly) that records what the logic asked for.
#pragma once
#include <map>
#include <set>
#include <string>
#include <vector>

#include "player/logic/PlayerHost.h"
#include "player/logic/TextUtils.h"

class FakeHost : public player::PlayerHost {
public:
    void AddFile(const std::string& path) { files.insert(LowerAscii(path)); }

    bool FileExists(const std::string& path) override { return ++fileChecks, files.count(LowerAscii(path)) > 0; }
    std::vector<player::FolderEntry> ListFolder(const std::string& folder) override {
        const std::string low = LowerAscii(folder);
        std::set<std::string> seen;
        std::vector<player::FolderEntry> entries;
        for (const std::string& file : files) {
            if (file.compare(0, low.size(), low) != 0) continue;
            const size_t slash = file.find('\\', low.size());
            const std::string name = file.substr(low.size(), slash - low.size());
            if (seen.insert(name).second) entries.push_back({name, slash != std::string::npos});
        }
        return entries;
    }
    std::string FirstFileMatching(const std::string& folder, const std::string&) override {
        for (const player::FolderEntry& e : ListFolder(folder))
            if (!e.isFolder && player::EndsWithText(e.name, ".htm")) return e.name;
        return "";
    }
    bool WriteTextFile(const std::string& path, const std::string&) override {
        if (unwritable.count(LowerAscii(path))) return false;
        written.push_back(path);
        return true;
    }
    void RemoveFile(const std::string& path) override { removed.push_back(path); }
    std::string WindowsFolder() override { return "C:\\Windows"; }
    std::string TempFolder() override { return "C:\\Temp\\"; }
    void SearchingFolder(const std::string&, bool windowDue) override {
        windowFolders += windowDue;
        if (cancelAfter > 0 && ++visited >= cancelAfter) cancelled = true;
    }
    bool SearchCancelled() override { return cancelled; }
    void SearchStarted() override { cancelled = false, visited = 0, ++searches; }
    void SearchEnded() override {}
    std::string ExecutableFor(const std::string& file) override { return ByExtension(executables, file); }
    std::string AssocExecutable(const std::string& file) override { return ByExtension(associations, file); }
    std::string ProgramVersion(const std::string& program) override { return versions[program]; }
    std::string ProgramProductName(const std::string& program) override { return products[program]; }
    void PlayClickSoundNow() override { ++clickSounds; }

    static std::string ByExtension(const std::map<std::string, std::string>& table, const std::string& file) {
        const size_t dot = file.rfind('.');
        auto it = table.find(LowerAscii(file.substr(dot == std::string::npos ? file.size() : dot)));
        return it == table.end() ? "" : it->second;
    }

    std::set<std::string> files, unwritable;
    std::map<std::string, std::string> executables, associations;  // by extension
    std::map<std::string, std::string> versions, products;          // by program
    std::vector<std::string> written, removed;
    bool cancelled = false;
    int cancelAfter = 0, visited = 0, searches = 0, fileChecks = 0, clickSounds = 0, windowFolders = 0;
};
