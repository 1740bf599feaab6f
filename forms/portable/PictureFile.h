// Loading pictures from files or memory into 32-bit bitmaps: Windows BMP
// (own reader), JPEG (libjpeg) and PNG (libpng, alpha kept in the fourth byte).
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

#include "forms/portable/Bitmap.h"

namespace forms {

// Each returns false and leaves out unchanged on bad or unsupported data.
bool LoadBmp(const uint8_t* data, size_t size, Bitmap& out);
bool LoadJpeg(const uint8_t* data, size_t size, Bitmap& out);
// Chooses the reader by the data's signature, not by the file name.
bool LoadPictureFile(const std::string& path, Bitmap& out);

}  // namespace forms
