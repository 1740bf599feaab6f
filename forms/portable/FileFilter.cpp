#include "forms/portable/FileFilter.h"

#include <vector>

namespace forms {

std::string FileFilterList(const std::string& filter) {
    std::vector<std::string> parts;
    size_t start = 0;
    while (start < filter.size()) {
        size_t bar = filter.find('|', start);
        if (bar == std::string::npos) bar = filter.size();
        std::string part = filter.substr(start, bar - start);
        parts.push_back(part.substr(0, part.find('\0')));  // a NUL would split the entry
        start = bar + 1;
    }
    std::string list;
    for (size_t i = 0; i + 1 < parts.size(); i += 2) {
        if (parts[i].empty() || parts[i + 1].empty()) continue;
        list += parts[i];
        list += '\0';
        list += parts[i + 1];
        list += '\0';
    }
    list += '\0';
    if (list.size() == 1) list += '\0';
    return list;
}

}  // namespace forms
