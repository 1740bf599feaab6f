// Small text helpers the player's logic shares: trimming, case-insensitive
// prefix and suffix tests, replacing and searching. Lower case and the path
// pieces of file names come from shared/TextParts.h, included here.
#pragma once
#include <string>

#include "shared/TextParts.h"

namespace player {

// Removes leading and trailing characters at or below the space (blanks,
// tabs, line ends and NUL padding).
std::string Trim(const std::string& text);
// Case-insensitive (ASCII) tests.
bool StartsWithText(const std::string& text, const std::string& prefix);
bool EndsWithText(const std::string& text, const std::string& suffix);
bool SameText(const std::string& a, const std::string& b);
// Every occurrence of what (case-sensitive, non-empty) replaced by with.
std::string ReplaceAll(const std::string& text, const std::string& what, const std::string& with);

// 1-based position of the last occurrence of sub in text that begins before
// position start (start -1 means the length of text), compared
// case-insensitively; 0 when there is none.
int LastPos(int start, const std::string& text, const std::string& sub);

}  // namespace player
