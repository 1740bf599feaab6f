#include "forms/portable/Bitmap.h"

#include <algorithm>

namespace forms {

Bitmap::Bitmap(int width, int height, uint32_t fill) { SetSize(width, height, fill); }

void Bitmap::SetSize(int width, int height, uint32_t fill) {
    width_ = std::max(width, 0);
    height_ = std::max(height, 0);
    pixels_.assign(static_cast<size_t>(width_) * static_cast<size_t>(height_), fill);
}

void Bitmap::Fill(uint32_t value) { std::fill(pixels_.begin(), pixels_.end(), value); }

}  // namespace forms
