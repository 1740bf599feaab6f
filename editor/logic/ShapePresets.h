// Shape presets: ready-made shape settings in three ranges (1 "Professional",
// 2 "Home", 3 "User"), each kept as a list of rows and, once changed, in a
// text file of its own ("favs1.lst" .. "favs3.lst" in the presets folder).
//
// A row is exactly 45 decimal digits: width (3), height (3), shape kind (1),
// line thickness (1), fill type (1), corner rounding (3), then the red, green
// and blue of the line, fill and gradient colours (3 each), then "255255".
// A file is a header line followed by one row per line, each line ended by
// CR LF; at most 100 rows are kept per range.
//
// Reading is defensive: a line that is not a row of this layout (short, long,
// not all digits) is left out and counted, so the caller can say once that
// the file held unreadable rows; blank lines are ignored. Writing refuses
// settings that the layout cannot hold (a negative value, a size of 0 or
// above 999, a line thickness above 9, a kind or fill type outside 0..9), so
// every row written reads back as the same settings.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "shared/MenuType.h"

namespace editor {

constexpr int kPresetRanges = 3;
constexpr int kMaxPresets = 100;
constexpr int kPresetRowLength = 45;
// Side of the preview pictures of the preset strip and the largest corner
// rounding they are drawn with.
constexpr int kPresetPreviewSide = 42;
constexpr int kPresetPreviewMaxRounding = 26;

extern const char* const kPresetsHeader;  // "Autorun Quorvel Shape Presets List"

// The ranges' names, in range order.
const std::vector<std::string>& PresetRangeNames();
// The rows a range starts with before its file is read (range 3: none).
std::vector<std::string> BuiltInPresetRows(int range);
// "favs" + range + ".lst".
std::string PresetFileName(int range);

// The settings of one row (both alphas 1.0, colour channels left 0), or
// nothing when the row is not a row of the layout.
std::optional<TShapeRec> ParsePresetRow(const std::string& row);
// The row for a shape of width x height, or nothing when the layout cannot
// hold these values. The corner rounding's and the colours' low bytes are
// written, as the colour value is built from them again when read.
std::optional<std::string> FormatPresetRow(int32_t width, int32_t height, const TShapeRec& shape);

// Result of reading a preset file.
struct PresetFileRows {
    bool HasRows = false;             // a line other than a blank one followed the header
    std::vector<std::string> Rows;    // the readable rows, at most kMaxPresets
    int Skipped = 0;                  // lines left out as unreadable
};
// Reads the text of a preset file: the header line (not checked), then rows
// until kMaxPresets readable rows were taken or the text ends. Lines may end
// with CR LF or LF alone.
PresetFileRows ReadPresetFile(const std::string& text);
// The text of a preset file holding rows.
std::string WritePresetFile(const std::vector<std::string>& rows);

// The shape a preview draws: the preset's settings with the corner rounding
// lowered to kPresetPreviewMaxRounding when larger.
TShapeRec PresetPreviewShape(const TShapeRec& preset);

}  // namespace editor
