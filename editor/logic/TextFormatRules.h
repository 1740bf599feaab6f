// Rules of the editor's text formatting that need no window: which text the
// text box's Previous and Next buttons reach, what a typed font size means,
// which row of the font list a name (picked or typed) selects, how a style
// button changes a font style, and the mask colour of a colour button's bar.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace editor {

enum class TextStep { Previous, Next };

struct TextStepResult {
    int Text = 0;       // 0 the menu's own text, 1..count an object's
    bool Beep = false;  // the step wrapped around
};

// From text `current`, steps to the previous or next text that has an
// accessory text: the menu's own (0) and every object whose kind (kinds[n]
// for n = 1..count; kinds[0] is unused) is below 3. Wraps from 0 to count
// and from count to 0 with a beep. Gives up after 200 steps (a kind list
// that holds no button still reaches 0 within count + 1 steps).
TextStepResult StepAccessoryText(int current, const std::vector<int32_t>& kinds, TextStep step);

// A font size typed or picked: a whole number of points from 1 to
// kMaxFontSize, read as IsNumeric reads numbers ("$12" is 18), spaces around
// it allowed; anything else gives nothing.
constexpr int kMaxFontSize = 9999;
std::optional<int> ParseFontSize(const std::string& text);

// The row among the first `rows` rows of items equal to name exactly, or -1.
int FontRowOf(const std::vector<std::string>& items, const std::string& name, int rows);

// The row a font name typed into the font list stands for: the first row
// equal to it exactly, else the first equal to it but for the case of its
// letters (font names ignore case); spaces around it do not count. -1 when
// the list holds no such name.
int TypedFontRow(const std::vector<std::string>& items, const std::string& typed);

// Row 13 of the font list is the separator between the common fonts and the
// system's; choosing it means row 0.
constexpr int kFontSeparatorRow = 13;
int FontRowToApply(int pickedRow);

// A menu item's caption without its accelerator marks.
std::string CaptionWithoutAccel(const std::string& caption);

// style with the bit set when down, cleared when up; other bits kept.
uint32_t StyleWithBit(uint32_t style, uint32_t bit, bool down);

// The transparent colour of a colour button's glyph: magenta for a bar of
// pure green (the usual mask colour), green otherwise.
uint32_t ColorBarMask(uint32_t colour);

}  // namespace editor
