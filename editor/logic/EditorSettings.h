// The editor's options between runs: the record of the 37 values of the
// settings file, their defaults, and the file's text. The file holds one
// value per line in a fixed order, each followed by CR LF, then one empty
// line. Integers and colours are decimal, booleans "-1" or "0" (read back as
// a number, non-zero true, or "True"/"False"), folders as held, with their
// trailing "\".
//
// Reading is forgiving: a file that ends early or holds a value that does not
// convert keeps the values read before it and the defaults for the rest; a
// grid size outside 2..8 becomes 6. Writing goes to a temporary file that
// replaces the old one only when it was written whole.
#pragma once
#include <cstdint>
#include <functional>
#include <string>

#include "editor/logic/EditorTexts.h"

namespace editor {

constexpr int kSettingsValueCount = 37;
constexpr int kCustomColorCount = 7;

struct EditorSettings {
    int32_t CustomColors[kCustomColorCount] = {};  // colour chooser, lines 1-7
    bool ShowToolTips = true;                      // line 8
    std::string MenuFolder;                        // line 9
    std::string PictureFolder;                     // line 10: last picture opened
    int32_t TipShown[kTipFlagCount] = {};          // lines 11-25: 1 = do not show again
    bool AutoPlaceButtons = false;                 // line 26
    bool KeptFlag = true;                          // line 27: read and written back unchanged
    int32_t PropsLeft = 0;                         // lines 28-31: Button Properties window
    int32_t PropsTop = 0;
    int32_t PropsWidth = 640;
    int32_t PropsHeight = 360;
    bool StandardToolbar = true;                   // lines 32-34: toolbars shown
    bool FormattingToolbar = true;
    bool ObjectToolbar = true;
    bool SnapToGrid = true;                        // line 35
    int32_t GridSize = kDefaultGridSize;           // line 36: 2..8
    int32_t PalettePage = 0;                       // line 37: colour chooser page

    bool operator==(const EditorSettings& other) const;
    bool operator!=(const EditorSettings& other) const { return !(*this == other); }
};

// The settings of a first run: custom colours white to black in seven grey
// steps, both folders editorFolder, the Button Properties window 640 x 360
// centred on a screen of the given size.
EditorSettings DefaultSettings(const std::string& editorFolder, int screenWidth, int screenHeight);

// How much of a settings text was taken.
enum class SettingsRead {
    Complete,  // all 37 values
    Partial,   // the text ended early or a value did not convert
};
// Reads text over settings, which holds the defaults: values are taken in
// order up to the first missing or unconvertible one; the rest keep their
// defaults. A grid size outside 2..8 becomes 6.
SettingsRead ParseSettings(const std::string& text, EditorSettings& settings);
// The file's text: 37 values, each followed by CR LF, then an empty line.
std::string FormatSettings(const EditorSettings& settings);

// The settings file of an editor: its executable's file name with the last
// three characters replaced by "ini", in folder (with its trailing "\").
std::string SettingsFilePath(const std::string& executablePath, const std::string& folder);

// Outcome of loading the settings file.
enum class SettingsLoad {
    NoFile,   // no file: the defaults stand
    Loaded,   // every value read
    Partial,  // some values read, the defaults for the rest
};
// Reads the file at path over settings (which holds the defaults).
SettingsLoad LoadSettingsFile(const std::string& path, EditorSettings& settings);
// Writes the whole file through a temporary file beside it; false, with any
// old file left as it was, when the file could not be written whole.
bool SaveSettingsFile(const std::string& path, const EditorSettings& settings);

// The menu folder the editor starts with: the settings' folder while it holds
// any file or folder at all (folderHasEntries tells), else editorFolder.
std::string StartMenuFolder(const std::string& menuFolder, const std::string& editorFolder,
                            const std::function<bool(const std::string& folder)>& folderHasEntries);

}  // namespace editor
