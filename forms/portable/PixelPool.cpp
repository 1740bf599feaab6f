#include "forms/portable/PixelPool.h"

#include <algorithm>
#include <cstring>
#include <mutex>
#include <vector>

namespace forms {

namespace {

// Blocks of the standard size whose bitmaps are all gone, waiting for the
// next pool. Made once and never destroyed, as bitmaps may outlive every
// other static object; any thread may give a block back.
class BlockShelf {
public:
    static BlockShelf& Get() {
        static BlockShelf* shelf = new BlockShelf;
        return *shelf;
    }
    uint32_t* Take() {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            if (!blocks_.empty()) {
                uint32_t* block = blocks_.back();
                blocks_.pop_back();
                return block;
            }
        }
        // Default-initialised: every pixel is written before it is kept.
        return new uint32_t[PixelPool::kBlockPixels];
    }
    void Give(uint32_t* block) {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            if (blocks_.size() < PixelPool::kShelfBlocks) {
                blocks_.push_back(block);
                return;
            }
        }
        delete[] block;
    }

private:
    std::mutex mutex_;
    std::vector<uint32_t*> blocks_;
};

}  // namespace

uint32_t* PixelPool::Reserve(int width, int height) {
    width_ = std::max(width, 0);
    height_ = std::max(height, 0);
    const size_t count = static_cast<size_t>(width_) * static_cast<size_t>(height_);
    if (count == 0) return nullptr;
    if (!block_ || blockSize_ - used_ < count) {
        blockSize_ = std::max(blockPixels_, count);
        if (blockSize_ == kBlockPixels) {
            block_.reset(BlockShelf::Get().Take(), [](uint32_t* block) { BlockShelf::Get().Give(block); });
        } else {
            // Default-initialised: every pixel is written before it is kept.
            block_.reset(new uint32_t[blockSize_], std::default_delete<uint32_t[]>());
        }
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
