// Pixel storage for many bitmaps made one after another, such as the
// pictures of one menu read: large blocks are carved into pictures, so that
// a read makes a few allocations instead of one per picture, and nothing is
// filled before the pictures' own pixels are written.
//
// A picture is reserved, filled by the caller, then kept as a bitmap; a
// reservation that is not kept is reused by the next one, so at most one
// picture's room is ever spare. A block lives while any bitmap made from it
// does; a block of the standard size is then kept for a later pool (up to
// kShelfBlocks of them), so that a program reading menu after menu writes
// into memory that is already mapped rather than faulting fresh pages in.
#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>

#include "forms/portable/Bitmap.h"

namespace forms {

class PixelPool {
public:
    // Blocks hold blockPixels pixels, or a single larger picture; with 0
    // every picture gets a block of its own size.
    explicit PixelPool(size_t blockPixels = kBlockPixels) : blockPixels_(blockPixels) {}

    // Room for a width x height picture (sides at least 0), not filled; valid
    // until the next Reserve.
    uint32_t* Reserve(int width, int height);
    // The last reserved room as a bitmap; the room is then no longer spare.
    Bitmap Keep();
    // True when the reserved room holds the pixels of picture.
    bool ReservedEquals(const Bitmap& picture) const;

    static constexpr size_t kBlockPixels = size_t{4} << 20;  // 16 MB
    static constexpr size_t kShelfBlocks = 16;

private:
    size_t blockPixels_;
    std::shared_ptr<uint32_t> block_;
    size_t blockSize_ = 0;
    size_t used_ = 0;  // pixels of the block kept as bitmaps
    int width_ = 0;
    int height_ = 0;
};

}  // namespace forms
