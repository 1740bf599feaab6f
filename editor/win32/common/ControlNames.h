// Names of control families: a prefix and a three-digit number
// ("mnuMenuName007", "Handle015"), and the number read back from a member's
// name so that one handler can serve the whole family.
#pragma once
#include <string>

// prefix + n as "%.3d".
std::string NumberedName(const std::string& prefix, int n);
// The number that the last three characters of name make; -1 when they
// are not digits (or name is shorter).
int NameNumber(const std::string& name);
