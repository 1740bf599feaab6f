// Rules of the Menu Properties dialog that need no window: the texts of the
// eleven screen positions and where each one's option sits on the monitor
// picture, the file name a saved background gets, the animation rate typed,
// the background behind the default text, and how the background preview
// fits a picture.
#pragma once
#include <cstdint>
#include <optional>
#include <string>

namespace editor {

// Screen positions 0..10 (the menu's ScreenPos) and their texts.
constexpr int kScreenPositionCount = 11;
const char* ScreenPositionText(int position);

// The screen of the monitor picture, and the square of one position option
// on it. Option k sits where the player puts a window of the option's size
// on a screen of this size for position k, so the picture shows the choice
// as it will be.
constexpr int kMonitorScreenWidth = 176;
constexpr int kMonitorScreenHeight = 120;
constexpr int kPositionOptionSize = 14;
struct SpotPos {
    int X = 0;
    int Y = 0;
    bool operator==(const SpotPos& o) const { return X == o.X && Y == o.Y; }
};
// Top-left corner of option `position` on the monitor's screen; position 0
// for any value out of range.
SpotPos PositionSpot(int position);

// The name a background is saved under: a name that does not end in ".bmp"
// loses everything from the first "." of its file-name part (the folders
// keep their dots) and gets ".bmp".
std::string BackImageSaveName(const std::string& chosen);

// The animation rate typed: a whole number of milliseconds from 1 up, read
// as IsNumeric reads numbers, spaces around it allowed; anything else gives
// nothing.
std::optional<int32_t> ParseAnimationRate(const std::string& text);
// The rate the field falls back to when what was typed is refused.
constexpr const char* kDefaultAnimationRate = "100";

// Background of the default-text box for text of colour (red low byte):
// black for light text (relative luminance 0.5 or more), else white.
uint32_t TextBoxBackFor(uint32_t colour);

// Where a background picture of w x h is drawn in a preview of pw x ph: at
// its own size and centred when it is smaller both ways, else scaled to fit
// with its aspect ratio kept, centred.
struct PreviewRect {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
    bool operator==(const PreviewRect& o) const {
        return Left == o.Left && Top == o.Top && Width == o.Width && Height == o.Height;
    }
};
PreviewRect FitPreview(int w, int h, int pw, int ph);

}  // namespace editor
