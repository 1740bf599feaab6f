// Text routines both programs' portable code shares: splitting a text file
// into lines, recognising a decimal number's truth value, ASCII lower case and
// the path pieces of Windows file names ("\" and ":" end the folder part).
// Paths are 8-bit text; nothing here touches a disk.
#pragma once
#include <string>
#include <vector>

// The lines of text split at "\n", each without a trailing "\r". A final
// line end adds no empty line; "" gives no lines.
std::vector<std::string> SplitTextLines(const std::string& text);

// True when text is an optional sign, digits, optionally one decimal point
// and more digits, with at least one digit; nonZero then tells whether any
// digit is other than 0. text is taken as it is (no trimming).
bool ParseDecimalTruth(const std::string& text, bool& nonZero);

// ASCII lower case; other bytes stay as they are.
std::string LowerAscii(std::string text);

// The folder part of path, up to and including its last "\" or ":" ("" when
// there is none).
std::string FolderPart(const std::string& path);
// What follows the last "\" or ":".
std::string FileNamePart(const std::string& path);
// folder with a "\" appended unless it already ends in one; "" stays "".
std::string WithTrailingBackslash(const std::string& folder);
