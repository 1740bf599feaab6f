// A picture ready to be drawn by the forms layer: either opaque 32-bit pixels
// or pixels with per-pixel alpha kept PREMULTIPLIED (blue, green, red scaled
// by alpha), so that drawing is one multiply per channel. The conversion
// happens once, when the picture is made, not on every paint.
#pragma once
#include <windows.h>

#include "forms/portable/Bitmap.h"
#include "forms/portable/PngImage.h"

namespace forms {

class Picture {
public:
    Picture() = default;
    // Opaque: the fourth byte of each pixel is ignored.
    explicit Picture(const Bitmap& opaque);
    explicit Picture(Bitmap&& opaque);
    // With alpha: RGBA rows become premultiplied BGRA.
    explicit Picture(const PngImage& rgba);
    // With alpha from a 32-bit bitmap whose fourth byte is straight alpha.
    static Picture FromAlphaBitmap(const Bitmap& bgra);
    // With alpha from pixels that are premultiplied already (taken as they are).
    static Picture FromPremultiplied(Bitmap bgra);

    int Width() const { return pixels_.Width(); }
    int Height() const { return pixels_.Height(); }
    bool Empty() const { return pixels_.Empty(); }
    bool HasAlpha() const { return alpha_; }
    // Opaque pixels (fourth byte 0xFF), or premultiplied BGRA when HasAlpha.
    const Bitmap& Pixels() const { return pixels_; }
    // The colours with straight (not premultiplied) alpha in the fourth byte;
    // opaque pictures give alpha 255.
    Bitmap ToBitmap() const;

private:
    Bitmap pixels_;
    bool alpha_ = false;
};

// Draws an icon at size x size pixels into a picture with alpha (icons
// without an alpha channel get theirs from the icon mask). A null icon gives
// an empty picture.
Picture IconToPicture(HICON icon, int size);

}  // namespace forms
