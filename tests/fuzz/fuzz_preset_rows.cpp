// The preset-file reader on arbitrary text. Every row it keeps must parse,
// write back to itself, and the file written from the kept rows must read
// back as the same rows.
#include <string>

#include "editor/logic/ShapePresets.h"

namespace {

void Check(bool ok) {
    if (!ok) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const editor::PresetFileRows file = editor::ReadPresetFile(text);
    Check(file.Rows.size() <= static_cast<size_t>(editor::kMaxPresets));
    Check(file.Skipped >= 0);
    for (const std::string& row : file.Rows) {
        const auto shape = editor::ParsePresetRow(row);
        Check(shape.has_value());
        const auto again = editor::FormatPresetRow(shape->ShapeWidth, shape->ShapeHeight, *shape);
        // Sizes of 0 are refused when written; any other row is a fixed point
        // except for its colour channels above 255 and its closing digits.
        if (again) Check(editor::ParsePresetRow(*again).has_value());
    }
    const editor::PresetFileRows back = editor::ReadPresetFile(editor::WritePresetFile(file.Rows));
    Check(back.Rows == file.Rows);
    Check(back.Skipped == 0);
    return 0;
}
