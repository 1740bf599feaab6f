#include "editor/logic/StoredPicture.h"

#include <cstdint>

#include "shared/UBmpArray.h"

namespace editor {

bool MenuHoldsPicture(int width, int height) {
    return width <= kMaxPictureSide && height <= kMaxPictureSide &&
           static_cast<int64_t>(width) * height <= kMaxPicturePixels;
}

std::string PictureTooLargeText(int width, int height) {
    return "The picture is " + std::to_string(width) + " x " + std::to_string(height) +
           " pixels, too large for a menu: a picture may be at most " + std::to_string(kMaxPictureSide) +
           " pixels wide, " + std::to_string(kMaxPictureSide) + " pixels high and " +
           std::to_string(kMaxPicturePixels) + " pixels in all.";
}

void UseStoredPixelLayout(forms::Bitmap& picture) {
    uint32_t* const first = picture.Data();
    uint32_t* const end = first + picture.PixelCount();
    for (const uint32_t* p = first; p != end; ++p)
        if (*p < 0xFF000000u) return;  // real alpha, or the stored layout already
    for (uint32_t* p = first; p != end; ++p) *p &= 0x00FFFFFFu;
}

}  // namespace editor
