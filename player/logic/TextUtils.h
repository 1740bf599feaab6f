// Small text helpers the player's logic shares: ASCII case folding, trimming,
// case-insensitive prefix and suffix tests, replacing, and the path pieces of
// Windows file names ("\" and ":" separate folders and drives).
#pragma once
#include <string>

namespace player {

// ASCII lower case (other bytes are left as they are).
std::string LowerCase(std::string text);
// Removes leading and trailing characters at or below the space (blanks,
// tabs, line ends and NUL padding).
std::string Trim(const std::string& text);
// Case-insensitive (ASCII) tests.
bool StartsWithText(const std::string& text, const std::string& prefix);
bool EndsWithText(const std::string& text, const std::string& suffix);
bool SameText(const std::string& a, const std::string& b);
// Every occurrence of what (case-sensitive, non-empty) replaced by with.
std::string ReplaceAll(const std::string& text, const std::string& what, const std::string& with);

// The folder part of a path, up to and including its last "\" or ":"
// ("" when there is none).
std::string ExtractFilePath(const std::string& path);
// What follows the last "\" or ":".
std::string ExtractFileName(const std::string& path);
// The path with a "\" added unless it already ends in one (an empty path
// stays empty).
std::string IncludeTrailingBackslash(const std::string& path);

// 1-based position of the last occurrence of sub in text that begins before
// position start (start -1 means the length of text), compared
// case-insensitively; 0 when there is none.
int LastPos(int start, const std::string& text, const std::string& sub);

}  // namespace player
