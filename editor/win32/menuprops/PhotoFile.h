// Loading the photos the Background Wizard places: Windows BMP, JPEG and PNG
// through the forms layer's readers, GIF (its first frame) through the
// system's imaging codecs. A damaged file, an unknown format or a picture
// beyond the picture limits loads nothing.
#pragma once
#include <string>

#include "forms/portable/Bitmap.h"

// True and out := the picture (32-bit, in the stored pixel layout of
// UseStoredPixelLayout); false leaves out unchanged.
bool LoadPhotoFile(const std::string& path, forms::Bitmap& out);
