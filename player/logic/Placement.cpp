#include "player/logic/Placement.h"

namespace player {

WindowPos PositionWindow(int code, int W, int H, int w, int h) {
    // C++ integer division truncates toward zero, as the position table wants.
    const int x5 = (W / 2 - w) / 2;
    const int y5 = (H / 2 - h) / 2;
    WindowPos pos;
    switch (code) {
        case 1: pos = {0, 0}; break;
        case 2: pos = {W - w, 0}; break;
        case 3: pos = {0, H - h}; break;
        case 4: pos = {W - w, H - h}; break;
        case 5: pos = {x5, y5}; break;
        case 6: pos = {W / 2 + x5, y5}; break;
        case 7: pos = {x5, H / 2 + y5}; break;
        case 8: pos = {W / 2 + x5, H / 2 + y5}; break;
        case 9: pos = {(W - w) / 3, y5}; break;
        case 10: pos = {static_cast<int>((W - w) / 1.66), y5}; break;
        default: pos = {(W - w) / 2, (H - h) / 2}; break;
    }
    if (pos.left < 0) pos.left = 0;
    if (pos.top < 0) pos.top = 0;
    if (pos.left + w > W) pos.left = W - w;
    if (pos.top + h > H) pos.top = H - h;
    return pos;
}

}  // namespace player
