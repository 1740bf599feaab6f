// A 32-bit picture held as one flat buffer of rows, top row first.
// Each pixel is a little-endian word: blue in the low byte, then green, then
// red, then a fourth byte that is carried along unchanged (the same layout as
// a top-down 32-bit device-independent bitmap, so rows can be handed to GDI
// without conversion).
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

namespace forms {

class Bitmap {
public:
    Bitmap() = default;
    Bitmap(int width, int height, uint32_t fill = 0);

    int Width() const { return width_; }
    int Height() const { return height_; }
    // A bitmap without pixels counts as empty (a missing picture).
    bool Empty() const { return width_ <= 0 || height_ <= 0; }

    // Resizes; every pixel becomes fill. Negative sizes count as 0.
    void SetSize(int width, int height, uint32_t fill = 0);
    void Fill(uint32_t value);

    uint32_t* ScanLine(int y) { return pixels_.data() + static_cast<size_t>(y) * width_; }
    const uint32_t* ScanLine(int y) const { return pixels_.data() + static_cast<size_t>(y) * width_; }
    uint32_t* Data() { return pixels_.data(); }
    const uint32_t* Data() const { return pixels_.data(); }
    size_t PixelCount() const { return pixels_.size(); }

    uint32_t Pixel(int x, int y) const { return ScanLine(y)[x]; }
    void SetPixel(int x, int y, uint32_t v) { ScanLine(y)[x] = v; }

    bool operator==(const Bitmap& o) const {
        return width_ == o.width_ && height_ == o.height_ && pixels_ == o.pixels_;
    }
    bool operator!=(const Bitmap& o) const { return !(*this == o); }

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<uint32_t> pixels_;
};

}  // namespace forms
