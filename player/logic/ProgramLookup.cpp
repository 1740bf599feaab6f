#include "player/logic/ProgramLookup.h"

#include <vector>

#include "player/logic/TextUtils.h"

namespace player {

namespace {

const char* const kBrowserProbeName = "autquobk.htm";

}  // namespace

std::string FindBrowser(const std::string& name, const std::string& sourcePath, PlayerHost& host) {
    if (!name.empty() && host.FileExists(name)) return host.ExecutableFor(name);

    std::string windows = host.WindowsFolder();
    if (windows.empty()) windows = "C:\\Windows";
    const std::vector<std::string> folders{
        windows,
        sourcePath,
        windows.substr(0, 1) + ":\\Program Files\\Common Files\\Microsoft Shared\\Stationery",
        windows + "\\system",
        windows + "\\help",
        windows + "\\web",
    };
    std::string page;
    for (const std::string& folder : folders) {
        const std::string dir = WithTrailingBackslash(folder);
        if (dir.empty()) continue;
        const std::string found = host.FirstFileMatching(dir, "*.htm");
        if (!found.empty()) {
            page = dir + found;
            break;
        }
    }
    std::string written;
    if (page.empty()) {
        const std::string probes[] = {std::string("C:\\") + kBrowserProbeName,
                                      WithTrailingBackslash(host.TempFolder()) + kBrowserProbeName};
        for (const std::string& probe : probes) {
            if (probe == kBrowserProbeName) continue;  // no temporary folder
            if (host.WriteTextFile(probe, " \r\n")) {
                written = probe;
                break;
            }
        }
        if (written.empty()) return "";
        page = written;
    }
    const std::string browser = host.ExecutableFor(page);
    if (!written.empty()) host.RemoveFile(written);
    return browser;
}

std::string FindAssocExe(const std::string& file, PlayerHost& host) {
    const std::string assoc = host.AssocExecutable(file);
    if (!assoc.empty()) return assoc;
    return host.ExecutableFor(FileNamePart(file));
}

}  // namespace player
