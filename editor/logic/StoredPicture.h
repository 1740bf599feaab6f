// Pictures on their way into a menu record: the largest picture a menu file
// holds, and the pixel layout the menu file and the window-shape string
// expect, whatever reader delivered the picture.
#pragma once
#include <string>

#include "forms/portable/Bitmap.h"

namespace editor {

// True when a menu file can hold a width x height picture.
bool MenuHoldsPicture(int width, int height);
// The message that refuses a width x height picture as too large.
std::string PictureTooLargeText(int width, int height);

// The stored layout keeps the fourth byte of an opaque picture's pixels 0;
// the PNG reader, the system's imaging codecs and the clipboard deliver
// opaque pixels with 0xFF there instead. A picture whose every pixel has
// 0xFF there gets 0; a picture with real alpha (some pixel below 0xFF) keeps
// its pixels as they are.
void UseStoredPixelLayout(forms::Bitmap& picture);

}  // namespace editor
