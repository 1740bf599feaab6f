#include "editor/logic/EditorSettings.h"

#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <vector>

#include "forms/portable/FileSystem.h"
#include "forms/portable/Stream.h"
#include "shared/TextParts.h"

namespace editor {

namespace {

std::string TrimBlanks(const std::string& text) {
    size_t first = 0, last = text.size();
    while (first < last && (text[first] == ' ' || text[first] == '\t')) ++first;
    while (last > first && (text[last - 1] == ' ' || text[last - 1] == '\t')) --last;
    return text.substr(first, last - first);
}

bool ParseInt(const std::string& line, int32_t& value) {
    const std::string t = TrimBlanks(line);
    if (t.empty()) return false;
    size_t i = (t[0] == '+' || t[0] == '-') ? 1 : 0;
    if (i == t.size()) return false;
    for (size_t k = i; k < t.size(); ++k)
        if (!std::isdigit(static_cast<unsigned char>(t[k]))) return false;
    errno = 0;
    const long long n = std::strtoll(t.c_str(), nullptr, 10);
    if (errno == ERANGE || n < INT32_MIN || n > INT32_MAX) return false;
    value = static_cast<int32_t>(n);
    return true;
}

// A number (non-zero is true, a decimal fraction allowed) or "True"/"False"
// in any case.
bool ParseBool(const std::string& line, bool& value) {
    const std::string t = TrimBlanks(line);
    const std::string lower = LowerAscii(t);
    if (lower == "true" || lower == "false") {
        value = lower == "true";
        return true;
    }
    return ParseDecimalTruth(t, value);
}

// Walks the lines in file order, taking each value while they last and
// convert; the first failure stops the walk.
class LineReader {
public:
    explicit LineReader(const std::string& text) : lines_(SplitTextLines(text)) {}
    bool Ok() const { return ok_; }

    void Int(int32_t& target) {
        int32_t v;
        if (Next() && ParseInt(Current(), v)) target = v;
        else ok_ = false;
    }
    void Bool(bool& target) {
        bool v;
        if (Next() && ParseBool(Current(), v)) target = v;
        else ok_ = false;
    }
    // An empty folder line keeps the default folder.
    void Folder(std::string& target) {
        if (!Next()) ok_ = false;
        else if (!Current().empty()) target = Current();
    }

private:
    bool Next() {
        if (!ok_ || next_ >= lines_.size()) return false;
        ++next_;
        return true;
    }
    const std::string& Current() const { return lines_[next_ - 1]; }

    std::vector<std::string> lines_;
    size_t next_ = 0;
    bool ok_ = true;
};

void AddLine(std::string& text, const std::string& value) { text += value + "\r\n"; }
void AddInt(std::string& text, int32_t value) { AddLine(text, std::to_string(value)); }
void AddBool(std::string& text, bool value) { AddLine(text, value ? "-1" : "0"); }

}  // namespace

bool EditorSettings::operator==(const EditorSettings& o) const {
    for (int i = 0; i < kCustomColorCount; ++i)
        if (CustomColors[i] != o.CustomColors[i]) return false;
    for (int i = 0; i < kTipFlagCount; ++i)
        if (TipShown[i] != o.TipShown[i]) return false;
    return ShowToolTips == o.ShowToolTips && MenuFolder == o.MenuFolder && PictureFolder == o.PictureFolder &&
           AutoPlaceButtons == o.AutoPlaceButtons && KeptFlag == o.KeptFlag && PropsLeft == o.PropsLeft &&
           PropsTop == o.PropsTop && PropsWidth == o.PropsWidth && PropsHeight == o.PropsHeight &&
           StandardToolbar == o.StandardToolbar && FormattingToolbar == o.FormattingToolbar &&
           ObjectToolbar == o.ObjectToolbar && SnapToGrid == o.SnapToGrid && GridSize == o.GridSize &&
           PalettePage == o.PalettePage;
}

EditorSettings DefaultSettings(const std::string& editorFolder, int screenWidth, int screenHeight) {
    EditorSettings s;
    for (int k = 0; k < kCustomColorCount; ++k) {
        const int32_t grey = static_cast<int32_t>((6 - k) * 42.5);  // 255, 212, ... 0
        s.CustomColors[k] = grey | grey << 8 | grey << 16;
    }
    s.MenuFolder = editorFolder;
    s.PictureFolder = editorFolder;
    s.PropsLeft = (screenWidth - s.PropsWidth) / 2;
    s.PropsTop = (screenHeight - s.PropsHeight) / 2;
    return s;
}

SettingsRead ParseSettings(const std::string& text, EditorSettings& s) {
    LineReader r(text);
    for (int32_t& c : s.CustomColors) r.Int(c);
    r.Bool(s.ShowToolTips);
    r.Folder(s.MenuFolder);
    r.Folder(s.PictureFolder);
    for (int32_t& t : s.TipShown) r.Int(t);
    r.Bool(s.AutoPlaceButtons);
    r.Bool(s.KeptFlag);
    r.Int(s.PropsLeft);
    r.Int(s.PropsTop);
    r.Int(s.PropsWidth);
    r.Int(s.PropsHeight);
    r.Bool(s.StandardToolbar);
    r.Bool(s.FormattingToolbar);
    r.Bool(s.ObjectToolbar);
    r.Bool(s.SnapToGrid);
    r.Int(s.GridSize);
    r.Int(s.PalettePage);
    s.GridSize = ValidGridSize(s.GridSize);
    return r.Ok() ? SettingsRead::Complete : SettingsRead::Partial;
}

std::string FormatSettings(const EditorSettings& s) {
    std::string text;
    for (int32_t c : s.CustomColors) AddInt(text, c);
    AddBool(text, s.ShowToolTips);
    AddLine(text, s.MenuFolder);
    AddLine(text, s.PictureFolder);
    for (int32_t t : s.TipShown) AddInt(text, t);
    AddBool(text, s.AutoPlaceButtons);
    AddBool(text, s.KeptFlag);
    AddInt(text, s.PropsLeft);
    AddInt(text, s.PropsTop);
    AddInt(text, s.PropsWidth);
    AddInt(text, s.PropsHeight);
    AddBool(text, s.StandardToolbar);
    AddBool(text, s.FormattingToolbar);
    AddBool(text, s.ObjectToolbar);
    AddBool(text, s.SnapToGrid);
    AddInt(text, s.GridSize);
    AddInt(text, s.PalettePage);
    AddLine(text, "");
    return text;
}

std::string SettingsFilePath(const std::string& executablePath, const std::string& folder) {
    std::string name = FileNamePart(executablePath);
    name.erase(name.size() >= 3 ? name.size() - 3 : 0);
    return WithTrailingBackslash(folder) + name + "ini";
}

SettingsLoad LoadSettingsFile(const std::string& path, EditorSettings& settings) {
    if (!forms::FileExists(path)) return SettingsLoad::NoFile;
    std::vector<uint8_t> bytes;
    if (!forms::ReadWholeFile(path, bytes)) return SettingsLoad::Partial;
    const std::string text(bytes.begin(), bytes.end());
    return ParseSettings(text, settings) == SettingsRead::Complete ? SettingsLoad::Loaded : SettingsLoad::Partial;
}

bool SaveSettingsFile(const std::string& path, const EditorSettings& settings) {
    const std::string text = FormatSettings(settings);
    return forms::ReplaceWholeFile(path, text.data(), text.size());
}

std::string StartMenuFolder(const std::string& menuFolder, const std::string& editorFolder,
                            const std::function<bool(const std::string& folder)>& folderHasEntries) {
    return !menuFolder.empty() && folderHasEntries(menuFolder) ? menuFolder : editorFolder;
}

}  // namespace editor
