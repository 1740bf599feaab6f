#include "editor/win32/common/ControlNames.h"

#include <cstdio>

std::string NumberedName(const std::string& prefix, int n) {
    char digits[16];
    std::snprintf(digits, sizeof digits, "%.3d", n);
    return prefix + digits;
}

int NameNumber(const std::string& name) {
    if (name.size() < 3) return -1;
    int n = 0;
    for (size_t i = name.size() - 3; i < name.size(); ++i) {
        if (name[i] < '0' || name[i] > '9') return -1;
        n = n * 10 + (name[i] - '0');
    }
    return n;
}
