#include "player/logic/ErrFile.h"

#include <vector>

#include "player/logic/TextUtils.h"
#include "shared/TextParts.h"

namespace player {

const char* const kErrFileName = "err.txt";

bool TryStrToBool(const std::string& text, bool& value) {
    const std::string t = Trim(text);
    bool nonZero = false;
    if (ParseDecimalTruth(t, nonZero)) {
        value = nonZero;
        return true;
    }
    if (SameText(t, "true")) {
        value = true;
        return true;
    }
    if (SameText(t, "false")) {
        value = false;
        return true;
    }
    return false;
}

ErrSwitches ReadErrFile(const std::string& fileText) {
    ErrSwitches switches;
    const std::vector<std::string> lines = SplitTextLines(fileText);
    bool* targets[3] = {&switches.ReportNotFound, &switches.ReportNoViewer, nullptr};
    for (size_t i = 0; i < 3 && i < lines.size(); ++i) {
        bool value = true;
        if (!TryStrToBool(lines[i], value)) {
            if (!switches.conversionError) switches.badLine = lines[i];
            switches.conversionError = true;
            continue;
        }
        if (targets[i]) *targets[i] = value;
    }
    return switches;
}

std::string ErrFileConversionMessage(const ErrSwitches& switches) {
    return "'" + switches.badLine + "' is not a valid boolean value";
}

}  // namespace player
