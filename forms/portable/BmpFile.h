// Writing a 32-bit picture as a Windows BMP file: 24 bits per pixel, rows
// bottom-up, the fourth byte of each pixel dropped. LoadBmp (PictureFile.h)
// reads such a file back to the same colours.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "forms/portable/Bitmap.h"

namespace forms {

// The whole file; empty for an empty picture.
std::vector<uint8_t> EncodeBmp(const Bitmap& picture);
// False when the picture is empty or the file cannot be written whole.
bool SaveBmpFile(const Bitmap& picture, const std::string& path);

}  // namespace forms
