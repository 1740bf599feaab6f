#include "player/logic/ViewerCheck.h"

#include "player/logic/ProgramLookup.h"
#include "player/logic/TextUtils.h"

namespace player {

bool ParseVersionNumber(const std::string& text, double& value) {
    const std::string t = Trim(text);
    size_t i = 0;
    const bool negative = i < t.size() && t[i] == '-';
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
    bool digits = false;
    bool point = false;
    double result = 0;
    double scale = 1;
    for (; i < t.size(); ++i) {
        const char c = t[i];
        if (c >= '0' && c <= '9') {
            digits = true;
            if (point) {
                scale /= 10;
                result += (c - '0') * scale;
            } else {
                result = result * 10 + (c - '0');
            }
        } else if ((c == '.' || c == ',') && !point) {
            point = true;
        } else {
            return false;
        }
    }
    if (!digits) return false;
    value = negative ? -result : result;
    return true;
}

std::string NormaliseViewerName(const std::string& productName) {
    const std::string lower = LowerAscii(productName);
    if (lower.find("adobe reader") != std::string::npos || lower.find("acrobat") != std::string::npos) {
        return "Adobe Acrobat";
    }
    std::string name = productName;
    for (const char* cut : {" viewer", " reader", " version", " ver "}) {
        const size_t at = LowerAscii(name).find(cut);
        if (at != std::string::npos) name.erase(at);
    }
    return name;
}

bool ViewerMatches(const std::string& name, const std::string& version, const ViewerRequirement& required) {
    if (!SameText(name, required.name)) return false;
    double found = 0;
    double wanted = 0;
    if (!ParseVersionNumber(version, found) || !ParseVersionNumber(required.version, wanted)) return false;
    return required.versionOrAbove == 1 ? found >= wanted : found == wanted;
}

bool CheckViewer(const std::string& target, const ViewerRequirement& required, const std::string& sourcePath,
                 PlayerHost& host) {
    std::string name = "N/A";
    std::string version = "0";
    if (!target.empty()) {
        const std::string lower = LowerAscii(target);
        const bool web = StartsWithText(lower, "htt") || StartsWithText(lower, "www") || StartsWithText(lower, "ftp");
        const std::string file = LowerAscii(FileNamePart(target));
        const std::string program = web ? FindBrowser(lower, sourcePath, host) : FindAssocExe(file, host);
        if (!program.empty()) {
            const std::string foundVersion = host.ProgramVersion(program);
            const std::string foundName = NormaliseViewerName(host.ProgramProductName(program));
            if (!foundVersion.empty() && !foundName.empty()) {
                name = foundName;
                version = foundVersion;
            }
        }
    }
    return ViewerMatches(name, version, required);
}

}  // namespace player
