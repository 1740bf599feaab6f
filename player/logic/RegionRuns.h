// The window shape of a menu: deciding whether the window gets a region, and
// reading the menu's shape text into the rectangles the region is made of.
//
// Shape text: width and height as four decimal digits each, then the runs of
// transparent pixels, row by row. The runs of row 1 come first; every later
// row with runs starts with "Y" and its row number (rows counted from 1). A
// run is its first column and the column after it (columns from 0), four
// digits each. "NULL" (any case) means no shape.
#pragma once
#include <string>
#include <vector>

namespace player {

enum class RegionKind {
    Keep,        // give the window no region (it stays as it is)
    Rectangle,   // a plain rectangle of the background picture's size
    Shaped,      // the rectangle of the shape text minus its runs
};

// TransColor -1 means the menu has no transparent colour. A window that once
// had a region gets a rectangular one for a menu without transparency, so the
// previous menu's shape does not linger.
RegionKind DecideRegion(bool regionApplied, int transColor);

struct RegionRect {
    int left, top, right, bottom;  // right and bottom exclusive
};

struct RegionRuns {
    // False for "NULL" and for a text without a readable size: a window that
    // should be shaped then gets the plain rectangle of its picture.
    bool valid = false;
    int width = 0;
    int height = 0;
    std::vector<RegionRect> holes;  // one-pixel-high rectangles to subtract, in text order
    // The text had something unreadable (a field that is not four digits, a
    // row marker or run cut short). Reading stopped there; the runs before it
    // are kept.
    bool malformed = false;
};

RegionRuns ParseWinRgnString(const std::string& text);

}  // namespace player
