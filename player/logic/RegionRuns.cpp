#include "player/logic/RegionRuns.h"

#include "player/logic/TextUtils.h"

namespace player {

namespace {

constexpr size_t kField = 4;

// The four digits at position at (0-based); false when they are not all there
// or not all digits.
bool ReadField(const std::string& text, size_t at, int& value) {
    if (at + kField > text.size()) return false;
    value = 0;
    for (size_t i = at; i < at + kField; ++i) {
        const char c = text[i];
        if (c < '0' || c > '9') return false;
        value = value * 10 + (c - '0');
    }
    return true;
}

}  // namespace

RegionKind DecideRegion(bool regionApplied, int transColor) {
    if (transColor != -1) return RegionKind::Shaped;
    return regionApplied ? RegionKind::Rectangle : RegionKind::Keep;
}

RegionRuns ParseWinRgnString(const std::string& text) {
    RegionRuns runs;
    if (SameText(text, "NULL")) return runs;
    if (!ReadField(text, 0, runs.width) || !ReadField(text, kField, runs.height)) {
        runs.malformed = true;
        return runs;
    }
    runs.valid = true;
    int row = 1;
    size_t p = 2 * kField;
    while (p < text.size()) {
        if (text[p] == 'Y') {
            if (!ReadField(text, p + 1, row)) break;
            p += 1 + kField;
        }
        int x1 = 0;
        int x2 = 0;
        if (!ReadField(text, p, x1) || !ReadField(text, p + kField, x2)) break;
        runs.holes.push_back({x1, row - 1, x2, row});
        p += 2 * kField;
    }
    runs.malformed = p < text.size();
    return runs;
}

}  // namespace player
