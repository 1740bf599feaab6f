#include "forms/portable/ColorKey.h"

namespace forms {

KeyedPlanes SplitByColorKey(const Bitmap& picture, uint32_t keyPixel) {
    constexpr uint32_t kRgb = 0x00FFFFFFu;
    KeyedPlanes planes;
    planes.colour = picture;
    const int width = picture.Width(), height = picture.Height();
    planes.maskStride = (width + 15) / 16 * 2;
    planes.mask.assign(static_cast<size_t>(planes.maskStride) * static_cast<size_t>(height), 0);
    const uint32_t key = keyPixel & kRgb;
    for (int y = 0; y < height; ++y) {
        uint32_t* row = planes.colour.ScanLine(y);
        uint8_t* maskRow = planes.mask.data() + static_cast<size_t>(y) * static_cast<size_t>(planes.maskStride);
        for (int x = 0; x < width; ++x) {
            if ((row[x] & kRgb) == key) {
                row[x] = 0;
                maskRow[x / 8] = static_cast<uint8_t>(maskRow[x / 8] | (0x80 >> (x % 8)));
            } else {
                row[x] &= kRgb;
            }
        }
    }
    return planes;
}

}  // namespace forms
