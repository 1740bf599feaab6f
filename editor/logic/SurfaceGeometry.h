// Arithmetic of the editor's design surface: grid snapping, keeping a dragged
// object on the background, the selection rectangle with its eight sizing
// handles, resizing by a handle, nudging, where a new or pasted object goes,
// stepping the selection through the objects, the slot order that the
// stacking and tab-order commands produce, and where a tab-order marker sits.
// Pure functions of integers; the main window applies the results to its
// records and controls.
#pragma once
#include <string>
#include <vector>

namespace editor {

// A selection rectangle in client-panel pixels (edges, not sizes).
struct SelBox {
    int Left = 0;
    int Right = 0;
    int Top = 0;
    int Bottom = 0;
    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
};

struct SurfacePoint {
    int X = 0;
    int Y = 0;
};

// Snaps one coordinate to the grid: (v div grid) * grid, truncating toward
// zero. A grid below 1 leaves v as it is.
int SnapCoordinate(int v, int grid);

// Keeps a dragged object of size w x h on a background of backW x backH:
// first at least 0, then at most background size - object size (so an object
// larger than the background ends at a negative position).
SurfacePoint ClampToBackground(SurfacePoint p, int w, int h, int backW, int backH);

// Top-left corner of sizing handle k (0..7, clockwise from the top-left
// corner) of rectangle r; each handle is 7 x 7 and reaches ofs pixels over
// the edge.
SurfacePoint HandleCorner(const SelBox& r, int k, int ofs);

// The rectangle after handle k was dragged to (nx, ny): each edge that the
// handle moves follows only while at least ofs + 1 pixels remain.
SelBox ResizeByHandle(const SelBox& r, int k, int nx, int ny, int ofs);

// Nudge directions of the object toolbar.
enum class Nudge { Left, Right, Up, Down };
// Object rectangle moved one pixel, then kept on the background as a drag is.
SurfacePoint NudgePosition(SurfacePoint p, Nudge direction, int w, int h, int backW, int backH);

// The next cascade offset for a new object: current + 8, back to 8 when it
// would pass the panel's width - 80 or height - 20.
int NextCascadeOffset(int current, int panelW, int panelH);

// Where a paste goes: starting at clip, step 6 right and down while an
// existing object sits exactly there, then pull back left and up until the
// object of size w x h fits on the background (possibly to a negative place).
SurfacePoint PastePosition(SurfacePoint clip, const std::vector<SurfacePoint>& occupied, int w, int h, int backW,
                           int backH);

// Object navigation of the toolbar and the Select Next/Previous items.
enum class Navigate { First, Previous, Next, Last };
struct NavigateResult {
    int Selected = -1;   // object to select; -1 when the menu has none
    bool Beep = false;   // stepped against either end
};
NavigateResult NavigateSelection(int selected, int count, Navigate step);

// The four stacking commands.
enum class Restack { BringToFront, SendToBack, BringForward, SendBackward };
// New slot order of objects 1..count after a command on object s:
// order[k] (k = 1..count) is the old number of the object that becomes k;
// order[0] is unused. Empty when the command is refused (an end reached, or
// s not an object).
struct RestackResult {
    std::vector<int> Order;
    int NewSelected = -1;
};
RestackResult RestackOrder(int count, int s, Restack command);

// Tab-order click: object i moves to position p (p <= i), the objects p..i-1
// move up by one. Order as above; identity when i == p; empty when i or p is
// out of range.
std::vector<int> TabOrderMove(int count, int i, int p);

// Top-left corner of the 20 x 21 tab-order marker of an object with the given
// edges on a background backW wide.
SurfacePoint TabMarkerCorner(const SelBox& object, int backW);

// Text of the object toolbar's position label.
std::string PositionText(int left, int top, int width, int height);

}  // namespace editor
