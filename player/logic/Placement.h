// Where the borderless menu window goes on the screen, by the menu's position
// code.
#pragma once

namespace player {

struct WindowPos {
    int left = 0;
    int top = 0;
};

// Position codes 0..10 (any other value acts as 0, the middle of the screen)
// for a window of the picture's size w x h on a screen of W x H. The result is
// pulled back onto the screen: a negative left or top becomes 0, then a window
// reaching past the right or bottom edge is moved left or up to end there (so
// a picture larger than the screen ends up at W - w).
WindowPos PositionWindow(int code, int screenW, int screenH, int w, int h);

}  // namespace player
