// Small text helpers of the forms layer.
#pragma once
#include <string>

namespace forms {

// Equal ignoring ASCII letter case.
bool SameText(const std::string& a, const std::string& b);

}  // namespace forms
