// An off-screen 32-bit top-down DIB section with its memory DC: the surface
// that containers paint into before one BitBlt to the screen, and the source
// of scaled picture drawing. Also the row helpers that draw pictures into
// such a surface without going through GDI.
#pragma once
#include <windows.h>

#include <cstdint>

#include "forms/win32/Control.h"
#include "forms/win32/Picture.h"

namespace forms {

// The header of a 32-bit top-down DIB of the given size (rows top first,
// blue in the low byte of each pixel).
BITMAPINFO TopDownDibInfo(int width, int height);

class DibBuffer {
public:
    DibBuffer() = default;
    ~DibBuffer() { Release(); }
    DibBuffer(const DibBuffer&) = delete;
    DibBuffer& operator=(const DibBuffer&) = delete;

    // (Re)creates the surface; false when GDI cannot. Contents undefined.
    bool Create(int width, int height);
    void Release();

    HDC dc() const { return dc_; }
    uint32_t* bits() const { return bits_; }
    int width() const { return width_; }
    int height() const { return height_; }

private:
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ old_ = nullptr;
    uint32_t* bits_ = nullptr;
    int width_ = 0;
    int height_ = 0;
};

// Fills rect (already inside the target) with one pixel value.
void FillPixels(PaintTarget& target, const RECT& rect, uint32_t pixel);
// Copies (opaque) or blends (premultiplied alpha) the picture at (x, y) of the
// target, unscaled, limited to clip (in target coordinates).
void DrawPictureRows(PaintTarget& target, const Picture& picture, int x, int y, const RECT& clip);
// The pixel value of a colour in a 32-bit DIB (blue low), opaque.
uint32_t ColorToPixel(Color color);
// Draws the one-pixel outline of rect: its top and left edges in topLeft,
// its bottom and right edges in bottomRight (a 3-D frame), limited to
// target.clip.
void DrawFrame(PaintTarget& target, const RECT& rect, uint32_t topLeft, uint32_t bottomRight);

}  // namespace forms
