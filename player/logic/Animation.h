// Frame animation of the menu's buttons: one step of a button's animation by
// its mode, the step of the accessory picture's animation, and counting the
// frames a button holds.
#pragma once
#include <array>
#include <functional>

namespace player {

enum AnimMode {
    amNone = 0,            // "Do Not Animate Images"
    amRandom = 1,          // "Random Frames"
    amScrollOnce = 2,      // "Scroll Up Once"
    amScrollLoop = 3,      // "Scroll Up Continuously"
    amCycleOnce = 4,       // "Cycle Up and Down Once"
    amCycleLoop = 5,       // "Cycle Up and Down Continuously"
};

// Direction of a cycling animation.
constexpr int kCountingUp = 0;
constexpr int kCountingDown = 1;

struct FrameStep {
    bool skip = true;   // nothing to draw this tick; frame and direction stay
    int frame = 0;      // the frame to show (when not skipped)
    int dir = kCountingUp;
};

// A uniform random number in [0, 1).
using RandomSource = std::function<double()>;

// One tick of a button showing frame current of a state whose last frame is
// last (0 = a single frame: always skipped), counting in direction dir.
// Any mode outside 0..5 redraws the current frame.
FrameStep StepFrame(int mode, int current, int last, int dir, const RandomSource& random);

// The accessory animation of the current button: the frame after frame, back
// to 0 past last. -1 when last is 0 (a single frame: nothing to animate).
int NextAccFrame(int frame, int last);

// The last frame present in each of the four picture states of one button:
// frames count from 1 upward while any state has a picture at that frame;
// hasPicture(state, frame) tells whether a state holds a non-empty picture.
// The result for a state is 0 when it has only frame 0 (or none).
constexpr int kMaxFrameSlot = 101;
std::array<int, 4> CountFrames(const std::function<bool(int state, int frame)>& hasPicture);

}  // namespace player
