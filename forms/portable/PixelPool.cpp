#include "forms/portable/PixelPool.h"

#include <algorithm>
#include <cstring>

namespace forms {

uint32_t* PixelPool::Reserve(int width, int height) {
    width_ = std::max(width, 0);
    height_ = std::max(height, 0);
    const size_t count = static_cast<size_t>(width_) * static_cast<size_t>(height_);
    if (count == 0) return nullptr;
    if (!block_ || blockSize_ - used_ < count) {
        blockSize_ = std::max(blockPixels_, count);
        // Default-initialised: every pixel is written before it is kept.
        block_.reset(new uint32_t[blockSize_], std::default_delete<uint32_t[]>());
        used_ = 0;
    }
    return block_.get() + used_;
}

Bitmap PixelPool::Keep() {
    const size_t count = static_cast<size_t>(width_) * static_cast<size_t>(height_);
    if (count == 0) return Bitmap(width_, height_);
    Bitmap kept(width_, height_, block_.get() + used_, block_);
    used_ += count;
    width_ = height_ = 0;
    return kept;
}

bool PixelPool::ReservedEquals(const Bitmap& picture) const {
    if (picture.Width() != width_ || picture.Height() != height_) return false;
    const size_t count = static_cast<size_t>(width_) * static_cast<size_t>(height_);
    return count == 0 || std::memcmp(block_.get() + used_, picture.Data(), count * sizeof(uint32_t)) == 0;
}

}  // namespace forms
