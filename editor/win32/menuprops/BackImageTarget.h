// The window that receives a finished background picture: Menu Properties,
// fed by the Background Wizard's Finish and by its "own picture" choice.
#pragma once

namespace forms {
class Bitmap;
}

class BackImageTarget {
public:
    // The window's background becomes a copy of picture; false (after
    // telling the user why) when the picture cannot be a menu's background.
    virtual bool SetBackImage(const forms::Bitmap& picture) = 0;
    // Redraws the window's preview of its background.
    virtual void ShowBackPreview() = 0;

protected:
    ~BackImageTarget() = default;
};
