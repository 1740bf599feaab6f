#include "player/logic/ErrFile.h"

#include <cctype>
#include <vector>

#include "player/logic/TextUtils.h"

namespace player {

const char* const kErrFileName = "err.txt";

namespace {

// Optional sign, digits, optionally a decimal point and more digits; at least
// one digit. Sets zero when every digit is 0.
bool ParseDecimal(const std::string& text, bool& isZero) {
    size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    bool digits = false;
    bool point = false;
    isZero = true;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (std::isdigit(static_cast<unsigned char>(c))) {
            digits = true;
            if (c != '0') isZero = false;
        } else if (c == '.' && !point) {
            point = true;
        } else {
            return false;
        }
    }
    return digits;
}

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    size_t from = 0;
    while (from < text.size()) {
        size_t end = text.find('\n', from);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(from, end - from);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
        from = end + 1;
    }
    return lines;
}

}  // namespace

bool TryStrToBool(const std::string& text, bool& value) {
    const std::string t = Trim(text);
    bool isZero = true;
    if (ParseDecimal(t, isZero)) {
        value = !isZero;
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
    const std::vector<std::string> lines = SplitLines(fileText);
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
