// Fixed texts of the editor: the first-use tips, the popular font names that
// head the font list and the Format > Font menu, and the Grid Size items.
#pragma once
#include <string>
#include <vector>

namespace editor {

// Tips 0..8 are shown; the settings keep flags for 15.
constexpr int kTipCount = 9;
constexpr int kTipFlagCount = 15;
// The text of tip n (0..kTipCount-1); "" for any other n.
const char* TipText(int n);

// The 13 most popular font names, most popular first.
constexpr int kPopularFontCount = 13;
extern const char* const kPopularFonts[kPopularFontCount];
// The font combo's rows: the popular names, a separator of twelve em dashes
// (code page 1252), then every installed font in the order given.
std::vector<std::string> FontComboItems(const std::vector<std::string>& installedFonts);

// Grid steps offered by the Grid Size menu, whose items are captioned "2".."8".
constexpr int kMinGridSize = 2;
constexpr int kMaxGridSize = 8;
constexpr int kDefaultGridSize = 6;
// n when it is a grid step the menu offers, else the default step 6.
int ValidGridSize(int n);
// The step an item caption names ("&6" or "6" gives 6); the default step for
// a caption that names none.
int GridSizeFromCaption(const std::string& caption);
// Position 0..6 of the item to check for a valid step; -1 for any other n.
int GridSizeItemIndex(int gridSize);

}  // namespace editor
