#include "player/logic/TextUtils.h"

namespace player {

namespace {

char LowerChar(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

std::string Trim(const std::string& text) {
    size_t first = 0;
    size_t last = text.size();
    while (first < last && static_cast<unsigned char>(text[first]) <= ' ') ++first;
    while (last > first && static_cast<unsigned char>(text[last - 1]) <= ' ') --last;
    return text.substr(first, last - first);
}

bool SameText(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (LowerChar(a[i]) != LowerChar(b[i])) return false;
    }
    return true;
}

bool StartsWithText(const std::string& text, const std::string& prefix) {
    return text.size() >= prefix.size() && SameText(text.substr(0, prefix.size()), prefix);
}

bool EndsWithText(const std::string& text, const std::string& suffix) {
    return text.size() >= suffix.size() &&
           SameText(text.substr(text.size() - suffix.size()), suffix);
}

std::string ReplaceAll(const std::string& text, const std::string& what, const std::string& with) {
    if (what.empty()) return text;
    std::string result;
    size_t from = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, from)) {
        result.append(text, from, at - from);
        result += with;
        from = at + what.size();
    }
    result.append(text, from, std::string::npos);
    return result;
}

int LastPos(int start, const std::string& text, const std::string& sub) {
    const int length = static_cast<int>(text.size());
    const int subLength = static_cast<int>(sub.size());
    if (start == -1) start = length;
    if (start > length + 1) start = length + 1;
    if (subLength == 0) return 0;
    const std::string lowText = LowerAscii(text);
    const std::string lowSub = LowerAscii(sub);
    for (int p = start - 1; p >= 1; --p) {
        if (p - 1 + subLength <= length && lowText.compare(p - 1, subLength, lowSub) == 0) return p;
    }
    return 0;
}

}  // namespace player
