#include "editor/logic/UndoSnapshots.h"

#include <cctype>
#include <cstdio>

namespace editor {
namespace {

std::string SnapshotName(const char* prefix, int slot, int step) {
    char text[40];
    std::snprintf(text, sizeof text, "%s%.3d%.3d.und", prefix, slot, step);
    return text;
}

bool EndsWithNoCase(const std::string& text, const std::string& tail) {
    if (text.size() < tail.size()) return false;
    for (size_t i = 0; i < tail.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(text[text.size() - tail.size() + i])) != tail[i]) return false;
    return true;
}

}  // namespace

std::string UndoSnapshotName(int slot, int step) { return SnapshotName("UD", slot, step); }

std::string RedoSnapshotName(int slot, int step) { return SnapshotName("RD", slot, step); }

bool IsSnapshotOfSlot(const std::string& fileName, int slot) {
    char digits[16];
    std::snprintf(digits, sizeof digits, "%.3d", slot);
    const std::string slotText = digits;
    if (fileName.size() < 2 + slotText.size() + 4) return false;
    if (std::toupper(static_cast<unsigned char>(fileName[1])) != 'D') return false;
    if (fileName.compare(2, slotText.size(), slotText) != 0) return false;
    return EndsWithNoCase(fileName, ".und");
}

}  // namespace editor
