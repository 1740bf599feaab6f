#include "editor/logic/EditorTexts.h"

namespace editor {

namespace {

// "\xAE" is the registered sign of code page 1252.
const char* const kTips[kTipCount] = {
    "The size and shape of your menu will be the same as the background image you set here. You can change "
    "this image at any time by clicking \"Menu\" (menu), \"Menu Properties...\"",
    "You can set up the appearance and behavior of your button here in Button Properties. Click the Execution "
    "tab to set the action of your button.\r\n\r\nYou can return to the button properties by right-clicking on "
    "a button.",
    "To create your CD autorun, first create your menu. Once you have completed your menu you can create your "
    "autorun application out of it by clicking \"File\" (menu), \"Create Autorun EXE\".",
    "This function looks for the image used for the button in the background image. In many skins the "
    "background would normally contain images of the buttons in their correct location. Autorun Quorvel can "
    "position the button for you by matching these images.",
    "Autorun Quorvel can visually remove parts of your menu, creating an irregular shaped application on "
    "screen. To do this you just color the part of your image one of the primary colors, then select that "
    "color as transparent. Please note transparency does not work well with JPEG images.",
    "Autorun Quorvel can load in all your images for a button in one action. To do this you just name your "
    "images according to the conventions described in Help under the topic \"Image Naming Conventions\".",
    "Autorun Quorvel can detect when most launched windows close, and automatically bring the menu back up "
    "for the user. However due to Windows\xAE virus protection updates and the way Windows\xAE works, some "
    "applications (including some email software) cannot be auto-restored from.",
    "To set the tab order, click the tab markers in the order you want the buttons to be selected in. The tab "
    "numbers show the current tab order. When you are finished, click the Tab Order button again to hide the "
    "tab markers.",
    "You can set up the action of your button by using the Command Wizard. Available here in the Execution "
    "tab, it will fill out the command for you based on your choices in the Wizard.",
};

const char kFontSeparator[] = "\x97\x97\x97\x97\x97\x97\x97\x97\x97\x97\x97\x97";

}  // namespace

const char* TipText(int n) { return n >= 0 && n < kTipCount ? kTips[n] : ""; }

const char* const kPopularFonts[kPopularFontCount] = {
    "Arial",   "Times New Roman", "Arial Black", "Courier New",  "Verdana", "Comic Sans MS", "Courier",
    "Monospace", "Sans-Serif",    "Serif",       "Trebuchet MS", "Georgia", "Impact",
};

std::vector<std::string> FontComboItems(const std::vector<std::string>& installedFonts) {
    std::vector<std::string> items(kPopularFonts, kPopularFonts + kPopularFontCount);
    items.push_back(kFontSeparator);
    items.insert(items.end(), installedFonts.begin(), installedFonts.end());
    return items;
}

int ValidGridSize(int n) { return n >= kMinGridSize && n <= kMaxGridSize ? n : kDefaultGridSize; }

int GridSizeFromCaption(const std::string& caption) {
    std::string digits;
    for (char c : caption)
        if (c != '&') digits += c;
    if (digits.size() != 1 || digits[0] < '0' || digits[0] > '9') return kDefaultGridSize;
    return ValidGridSize(digits[0] - '0');
}

int GridSizeItemIndex(int gridSize) {
    return gridSize >= kMinGridSize && gridSize <= kMaxGridSize ? gridSize - kMinGridSize : -1;
}

}  // namespace editor
