#include "player/logic/TargetSearch.h"

#include "player/logic/TextUtils.h"

namespace player {

namespace {

const char* const kNotFound = "-1";

bool UsablePath(const std::string& path) {
    return path.find("\\\\") == std::string::npos && path.find("\\.") == std::string::npos;
}

}  // namespace

std::vector<std::string> TargetCandidates(const std::string& path, const std::string& sourcePath) {
    std::vector<std::string> folders{sourcePath};
    const std::string drive = sourcePath.substr(0, 2);
    const std::string folder = FolderPart(path);
    std::string lowFolder = LowerAscii(folder);
    if (lowFolder.empty() || lowFolder.back() != '\\') lowFolder += '\\';
    for (size_t at = 0; at < lowFolder.size(); ++at) {
        if (lowFolder[at] == '\\') folders.push_back(drive + lowFolder.substr(at));
    }
    for (int p = LastPos(-1, path, "\\"); p > 0; p = LastPos(p, path, "\\")) {
        folders.push_back(path.substr(0, p));
    }
    return folders;
}

std::string SearchTree(const std::string& lowerName, bool showWindow, const std::string& start, PlayerHost& host) {
    host.SearchStarted();
    std::vector<std::string> queue{start};
    std::string result = kNotFound;
    for (size_t i = 0; i < queue.size(); ++i) {
        if (i > 0 && host.SearchCancelled()) {
            result = lowerName;
            break;
        }
        const std::string folder = queue[i];
        host.SearchingFolder(folder, showWindow && i >= 20);
        bool found = false;
        for (const FolderEntry& entry : host.ListFolder(folder)) {
            if (entry.name.empty() || entry.name == "." || entry.name == "..") continue;
            const std::string entryPath = folder + entry.name;
            if (!UsablePath(entryPath)) continue;
            if (LowerAscii(entry.name) == lowerName) {
                result = entryPath;
                found = true;
                break;
            }
            if (entry.isFolder) queue.push_back(entryPath + "\\");
        }
        if (found) break;
    }
    host.SearchEnded();
    return result;
}

std::string FindTarget(const std::string& path, const std::string& sourcePath, PlayerHost& host) {
    const std::string name = LowerAscii(FileNamePart(path));
    for (const std::string& folder : TargetCandidates(path, sourcePath)) {
        const std::string candidate = folder + name;
        if (candidate.find("\\\\") == std::string::npos && host.FileExists(candidate)) return candidate;
    }
    std::string found = SearchTree(name, false, sourcePath, host);
    if (found != kNotFound) return found;
    found = SearchTree(name, true, sourcePath.substr(0, 2) + "\\", host);
    if (found != kNotFound) return found;
    return path;
}

}  // namespace player
