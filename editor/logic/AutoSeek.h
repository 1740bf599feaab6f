// AutoSeek's search: the place in a background picture whose pixels best
// match a button's picture.
//
// Every candidate top-left corner (x, y) with x from 0 to BW - W - 1 (outer)
// and y from 0 to BH - H - 1 (inner) is scored by the mean difference of the
// button's pixels from the background's pixels under them, each pixel's
// |dB| + |dG| + |dR| scaled to 0..100. A candidate is dropped as soon as its
// running mean, past the button's first 6 columns and rows, exceeds the best
// mean so far; the first candidate that matches exactly ends the search. The
// best mean starts at 100 at (0, 0), and ties keep the earlier candidate.
//
// A button at least as wide or as high as the background, an empty picture,
// or an array smaller than its stated Width x Height has no candidates: the
// result is (0, 0) with mean 100.
//
// After each column the progress, Trunc(x / (BW - W - 1) * 100) (100 when
// there is only the one column x = 0), is shown when it exceeds the last
// shown value by more than 4; the last shown value starts at 0.
#pragma once

#include "shared/UBmpArray.h"

namespace editor {

class SeekProgress {
public:
    virtual ~SeekProgress() = default;
    // The progress bar's new position, 0..100.
    virtual void ShowProgress(int percent) = 0;
    // Called after every column so that the program's windows stay alive.
    virtual void ProcessMessages() = 0;
};

struct SeekResult {
    int X = 0;
    int Y = 0;
    double Mean = 100.0;
    bool ExactMatch = false;
};

// Searches background (Pixels, Width x Height) for button.
SeekResult FindBestPlace(const TBmpArray& background, const TBmpArray& button,
                         SeekProgress& progress);

}  // namespace editor
