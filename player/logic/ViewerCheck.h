// Whether the program that would open a button's target is the viewer the
// button requires (by product name and version).
#pragma once
#include <string>

#include "player/logic/PlayerHost.h"

namespace player {

struct ViewerRequirement {
    int needsViewer = 0;       // 1: check before launching
    std::string name;          // product name, compared ignoring case; "N/A" accepts "no program"
    std::string version;       // decimal number such as "5" or "6.0"
    int versionOrAbove = 0;    // 1: this version or above; otherwise exactly this version
};

// Reads a version as a decimal number; "." and "," are both taken as the
// decimal sign, so the result does not depend on the system's number format.
// False for text that is not a number.
bool ParseVersionNumber(const std::string& text, double& value);

// A product name as it is compared: "Adobe Acrobat" for any name holding
// "adobe reader" or "acrobat"; otherwise the name cut before the first
// " viewer", " reader", " version" and " ver " in turn (ignoring case).
std::string NormaliseViewerName(const std::string& productName);

// Whether a program with this product name and version text meets the
// requirement. An unreadable version never does.
bool ViewerMatches(const std::string& name, const std::string& version, const ViewerRequirement& required);

// The check for target (a path or a web address; it is not changed): the
// program is the browser for an address beginning "htt", "www" or "ftp", else
// the program associated with the file. No program, or one without a name or
// version, counts as name "N/A", version "0".
bool CheckViewer(const std::string& target, const ViewerRequirement& required, const std::string& sourcePath,
                 PlayerHost& host);

}  // namespace player
