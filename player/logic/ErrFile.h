// The optional "err.txt" beside the player: three lines of Boolean switches.
// Line 1 turns the "cannot find the specified file" report on or off, line 2
// the "no suitable viewer" report, line 3 is read and has no effect.
#pragma once
#include <string>

namespace player {

extern const char* const kErrFileName;  // "err.txt"

// The forms library's text-to-Boolean conversion: a decimal number (non-zero
// is true) or "True"/"False" in any letter case, surrounding blanks ignored.
// False when the text is none of these.
bool TryStrToBool(const std::string& text, bool& value);

struct ErrSwitches {
    bool ReportNotFound = true;
    bool ReportNoViewer = true;
    // The first present line that did not convert ("" when all did). Such a
    // line leaves its switch at the default (on) and the others still count.
    std::string badLine;
    bool conversionError = false;
};

// Switches from the file's text; lines end in LF or CR LF. Missing lines keep
// their defaults.
ErrSwitches ReadErrFile(const std::string& fileText);

// The report for a line that did not convert: "'<text>' is not a valid
// boolean value" (shown as an error by the caller; start-up then continues).
std::string ErrFileConversionMessage(const ErrSwitches& switches);

}  // namespace player
