#include "editor/logic/ShapePresets.h"

#include <cstdio>

namespace editor {

const char* const kPresetsHeader = "Autorun Quorvel Shape Presets List";

namespace {

const char* const kProfessionalRows[] = {
    "250100312012085085085255255255232232232255255", "250100312012000051153255255255232232232255255",
    "250100312012000051153189218255255255255255255", "250100312012000051153000102204153204255255255",
    "250100312012153102000255204000255255153255255", "250100421012153000000255255255255255153255255",
    "250100112012212212212255255255232232232255255", "250100212012212212212255255255232232232255255",
    "250100112012153000000255255255232232232255255", "250100112012000051153255255255232232232255255",
    "250100512012204153000255255000255255255255255",
};

const char* const kHomeRows[] = {
    "250100312014215122027181032026247205043255255", "250100312014196146035238142029245237172255255",
    "250100312014048100052051120055211223157255255", "250100312014075141189011106170200228242255255",
    "250100312010101000000207102101251209208255255", "250100312010207154000255207000254207154255255",
    "250100312010000101000154207154207253206255255", "250100312010000000154102102207209207250255255",
    "250100312010101000154155101207208154255255255", "250100312010000101101102207207208252249255255",
    "250100312010154101048255154048255153102255255",
};

// The number in row[pos, pos + len) (all digits, checked by the caller).
int32_t Field(const std::string& row, size_t pos, size_t len) {
    int32_t value = 0;
    for (size_t i = pos; i < pos + len; ++i) value = value * 10 + (row[i] - '0');
    return value;
}

int32_t Colour(const std::string& row, size_t pos) {
    return (Field(row, pos, 3) & 0xFF) | (Field(row, pos + 3, 3) & 0xFF) << 8 | (Field(row, pos + 6, 3) & 0xFF) << 16;
}

bool Fits(int32_t value, int32_t max) { return value >= 0 && value <= max; }

bool IsBlank(const std::string& line) {
    return line.find_first_not_of(" \t") == std::string::npos;
}

}  // namespace

const std::vector<std::string>& PresetRangeNames() {
    static const std::vector<std::string> names = {"Professional", "Home", "User"};
    return names;
}

std::vector<std::string> BuiltInPresetRows(int range) {
    if (range == 1) return {std::begin(kProfessionalRows), std::end(kProfessionalRows)};
    if (range == 2) return {std::begin(kHomeRows), std::end(kHomeRows)};
    return {};
}

std::string PresetFileName(int range) { return "favs" + std::to_string(range) + ".lst"; }

std::optional<TShapeRec> ParsePresetRow(const std::string& row) {
    if (row.size() != static_cast<size_t>(kPresetRowLength)) return std::nullopt;
    for (char c : row)
        if (c < '0' || c > '9') return std::nullopt;
    TShapeRec shape;
    shape.ShapeWidth = Field(row, 0, 3);
    shape.ShapeHeight = Field(row, 3, 3);
    shape.ShapeKind = Field(row, 6, 1);
    shape.LineThickness = Field(row, 7, 1);
    shape.FillType = Field(row, 8, 1);
    shape.CornerRounding = Field(row, 9, 3);
    shape.LineColor = Colour(row, 12);
    shape.FillColor = Colour(row, 21);
    shape.GradientColor = Colour(row, 30);
    shape.FillAlpha = 1.0f;
    shape.LineAlpha = 1.0f;
    return shape;
}

std::optional<std::string> FormatPresetRow(int32_t width, int32_t height, const TShapeRec& shape) {
    if (width < 1 || height < 1 || width > 999 || height > 999) return std::nullopt;
    if (!Fits(shape.ShapeKind, 9) || !Fits(shape.LineThickness, 9) || !Fits(shape.FillType, 9) ||
        !Fits(shape.CornerRounding, 999))
        return std::nullopt;
    char row[kPresetRowLength + 1];
    auto channels = [](int32_t colour, int shift) { return (colour >> shift) & 0xFF; };
    std::snprintf(row, sizeof row, "%03d%03d%d%d%d%03d%03d%03d%03d%03d%03d%03d%03d%03d%03d255255",
                  static_cast<int>(width), static_cast<int>(height), static_cast<int>(shape.ShapeKind),
                  static_cast<int>(shape.LineThickness), static_cast<int>(shape.FillType),
                  static_cast<int>(shape.CornerRounding), channels(shape.LineColor, 0), channels(shape.LineColor, 8),
                  channels(shape.LineColor, 16), channels(shape.FillColor, 0), channels(shape.FillColor, 8),
                  channels(shape.FillColor, 16), channels(shape.GradientColor, 0),
                  channels(shape.GradientColor, 8), channels(shape.GradientColor, 16));
    return std::string(row);
}

PresetFileRows ReadPresetFile(const std::string& text) {
    PresetFileRows result;
    size_t pos = text.find('\n');
    if (pos == std::string::npos) return result;  // the header alone
    ++pos;
    while (pos < text.size() && static_cast<int>(result.Rows.size()) < kMaxPresets) {
        size_t end = text.find('\n', pos);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(pos, end - pos);
        pos = end + 1;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (IsBlank(line)) continue;
        result.HasRows = true;
        if (ParsePresetRow(line))
            result.Rows.push_back(line);
        else
            ++result.Skipped;
    }
    return result;
}

std::string WritePresetFile(const std::vector<std::string>& rows) {
    std::string text = std::string(kPresetsHeader) + "\r\n";
    for (const std::string& row : rows) text += row + "\r\n";
    return text;
}

TShapeRec PresetPreviewShape(const TShapeRec& preset) {
    TShapeRec shape = preset;
    if (shape.CornerRounding > kPresetPreviewMaxRounding) shape.CornerRounding = kPresetPreviewMaxRounding;
    return shape;
}

}  // namespace editor
