// Colour-keyed pictures: the pixels of a picture that have one key colour are
// transparent. SplitByColorKey gives the two planes GDI draws a masked image
// from (an image list's cells, for instance): the colour rows with every keyed
// pixel black, and a one-bit mask that is set where the picture is
// transparent. Only blue, green and red take part in the comparison; the
// fourth byte of every colour pixel comes out zero.
#pragma once
#include <cstdint>
#include <vector>

#include "forms/portable/Bitmap.h"

namespace forms {

struct KeyedPlanes {
    Bitmap colour;
    // One bit per pixel, leftmost pixel in the high bit of a byte; each row
    // takes maskStride bytes (a whole number of 16-bit words, as monochrome
    // device-dependent bitmaps want).
    std::vector<uint8_t> mask;
    int maskStride = 0;
};

// keyPixel is a pixel value (blue in the low byte), not a COLORREF.
KeyedPlanes SplitByColorKey(const Bitmap& picture, uint32_t keyPixel);

}  // namespace forms
