// A 32-bit picture held as one flat buffer of rows, top row first.
// Each pixel is a little-endian word: blue in the low byte, then green, then
// red, then a fourth byte that is carried along unchanged (the same layout as
// a top-down 32-bit device-independent bitmap, so rows can be handed to GDI
// without conversion).
//
// The pixels are either the bitmap's own or a share of a larger block that
// many bitmaps were carved from (see PixelPool); either way they belong to
// this bitmap alone, and a copy gets pixels of its own.
#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>

namespace forms {

class Bitmap {
public:
    Bitmap() = default;
    Bitmap(int width, int height, uint32_t fill = 0);
    // A width x height bitmap over pixels that the caller has filled, held in
    // a block that block keeps alive.
    Bitmap(int width, int height, uint32_t* pixels, std::shared_ptr<const void> block);
    Bitmap(const Bitmap& other);
    Bitmap& operator=(const Bitmap& other);
    Bitmap(Bitmap&& other) noexcept;
    Bitmap& operator=(Bitmap&& other) noexcept;
    ~Bitmap() = default;

    int Width() const { return width_; }
    int Height() const { return height_; }
    // A bitmap without pixels counts as empty (a missing picture).
    bool Empty() const { return width_ <= 0 || height_ <= 0; }

    // Resizes; every pixel becomes fill. Negative sizes count as 0.
    void SetSize(int width, int height, uint32_t fill = 0);
    void Fill(uint32_t value);

    uint32_t* ScanLine(int y) { return pixels_ + static_cast<size_t>(y) * width_; }
    const uint32_t* ScanLine(int y) const { return pixels_ + static_cast<size_t>(y) * width_; }
    uint32_t* Data() { return pixels_; }
    const uint32_t* Data() const { return pixels_; }
    size_t PixelCount() const { return count_; }

    uint32_t Pixel(int x, int y) const { return ScanLine(y)[x]; }
    void SetPixel(int x, int y, uint32_t v) { ScanLine(y)[x] = v; }

    bool operator==(const Bitmap& o) const;
    bool operator!=(const Bitmap& o) const { return !(*this == o); }

private:
    // Room for width x height pixels of this bitmap's own, not yet filled.
    void Allocate(int width, int height);

    int width_ = 0;
    int height_ = 0;
    size_t count_ = 0;
    uint32_t* pixels_ = nullptr;
    std::unique_ptr<uint32_t[]> own_;    // set when the pixels are the bitmap's own
    std::shared_ptr<const void> block_;  // set when they are a share of a block
};

}  // namespace forms
