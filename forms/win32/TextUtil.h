// Small text helpers of the forms layer.
#pragma once
#include <string>

namespace forms {

// Equal ignoring ASCII letter case.
bool SameText(const std::string& a, const std::string& b);

// The character that "&" marks in a caption, upper case ("&&" is a plain
// "&"), or 0 when none is marked.
char AccelCharOf(const std::string& caption);

}  // namespace forms
