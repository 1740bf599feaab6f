// The size rules of the placed-object properties dialog: which sizes an
// object may take, the size that keeps a picture's aspect ratio, and the size
// a large picture is brought down to when it is loaded.
#pragma once
#include <cstdint>
#include <string>

namespace editor {

// Range of the dialog's size scroll bars.
constexpr int kSizeBarMin = 2;
constexpr int kSizeBarMax = 800;
// A loaded picture whose longer side exceeds this is scaled down to it.
constexpr int kLoadedPictureMaxSide = 800;
// Largest width or height an object may be given in the dialog.
constexpr int kMaxObjectSide = 4000;

// The message shown when OK finds a size outside 1..kMaxObjectSide.
extern const char* const kBadObjectSizeText;

// True when a width and height may be stored in an object.
bool ObjectSizeValid(int64_t width, int64_t height);

// Height for a new width (and width for a new height) keeping the picture's
// aspect ratio: round(pictureOther / pictureThis x value), halves to even.
// A picture side of 0 leaves value unchanged.
int32_t AspectSide(int32_t pictureThis, int32_t pictureOther, int32_t value);

struct PictureSize {
    int32_t Width = 0;
    int32_t Height = 0;
};
// The size a loaded picture is kept at: its own size when neither side
// exceeds kLoadedPictureMaxSide, else both sides times 800 / the longer side,
// rounded halves to even (at least 1).
PictureSize LoadedPictureSize(int32_t width, int32_t height);

}  // namespace editor
