#include "player/logic/Animation.h"

namespace player {

namespace {

FrameStep Show(int frame, int dir) { return {false, frame, dir}; }

FrameStep Cycle(int current, int last, int dir, bool forever) {
    int next = dir == kCountingDown ? current - 1 : current + 1;
    if (next > last) return Show(last - 1, kCountingDown);
    if (next < 0) {
        if (!forever) return FrameStep{true, current, dir};
        return Show(1, kCountingUp);
    }
    return Show(next, dir);
}

}  // namespace

FrameStep StepFrame(int mode, int current, int last, int dir, const RandomSource& random) {
    if (last <= 0) return FrameStep{true, current, dir};
    switch (mode) {
        case amNone:
            if (current == 0) return FrameStep{true, current, dir};
            return Show(0, dir);
        case amRandom: {
            int frame = static_cast<int>(random() * (last + 1));
            if (frame < 0) frame = 0;
            if (frame > last) frame = last;
            return Show(frame, dir);
        }
        case amScrollOnce:
            if (current + 1 > last) return FrameStep{true, current, dir};
            return Show(current + 1, dir);
        case amScrollLoop:
            return Show(current + 1 > last ? 0 : current + 1, dir);
        case amCycleOnce:
            return Cycle(current, last, dir, false);
        case amCycleLoop:
            return Cycle(current, last, dir, true);
        default:
            return Show(current, dir);
    }
}

int NextAccFrame(int frame, int last) {
    if (last <= 0) return -1;
    return frame + 1 > last ? 0 : frame + 1;
}

std::array<int, 4> CountFrames(const std::function<bool(int state, int frame)>& hasPicture) {
    std::array<int, 4> lastFrame{0, 0, 0, 0};
    for (int frame = 1; frame <= kMaxFrameSlot; ++frame) {
        bool any = false;
        for (int state = 0; state < 4; ++state) {
            if (hasPicture(state, frame)) {
                lastFrame[state] = frame;
                any = true;
            }
        }
        if (!any) break;
    }
    return lastFrame;
}

}  // namespace player
