// The system clipboard's picture (the standard bitmap format). Pictures go
// in and come out as whole rows of the layer's 32-bit Bitmap. Every call
// returns false, and changes nothing, when the clipboard cannot be opened
// (another program holds it), holds no picture, or the picture cannot be
// made; none of them throws.
#pragma once
#include "forms/portable/Bitmap.h"

namespace forms {

// True when the clipboard offers a picture (its system format conversions
// included).
bool ClipboardHasBitmap();
// Replaces the clipboard's content by a copy of the picture.
bool SetClipboardBitmap(const Bitmap& picture);
// The clipboard's picture as opaque pixels (fourth byte 0xFF).
bool GetClipboardBitmap(Bitmap& out);

}  // namespace forms
