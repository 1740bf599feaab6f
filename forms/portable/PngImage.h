// An RGBA picture with 8 bits per channel (alpha 0 transparent, 255 opaque),
// loaded and saved as PNG through libpng. PNGs of any colour type and depth
// are expanded to RGBA 8 on loading.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "forms/portable/Bitmap.h"

namespace forms {

class Stream;

class PngImage {
public:
    PngImage() = default;
    // A blank picture: every pixel transparent black.
    static PngImage CreateBlank(int width, int height);

    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Empty() const { return width_ <= 0 || height_ <= 0; }

    // Row y as width x 4 bytes: red, green, blue, alpha.
    uint8_t* Row(int y) { return rgba_.data() + static_cast<size_t>(y) * width_ * 4; }
    const uint8_t* Row(int y) const { return rgba_.data() + static_cast<size_t>(y) * width_ * 4; }
    const std::vector<uint8_t>& Rgba() const { return rgba_; }

    // Takes size and colours from the bitmap; alpha becomes 255.
    void AssignBitmap(const Bitmap& bmp);
    // The colours as a 32-bit bitmap (fourth byte = alpha).
    Bitmap ToBitmap() const;

    // Decodes a complete PNG file. On any error returns false and leaves the
    // picture unchanged; never throws. Pictures larger than maxPixels, or
    // larger than size bytes of compressed data can hold, are refused before
    // their pixels are allocated.
    bool LoadFromMemory(const uint8_t* data, size_t size, size_t maxPixels = kDefaultMaxPixels);
    bool LoadFromFile(const std::string& path);
    // Encodes as an RGBA 8-bit PNG file.
    std::vector<uint8_t> SaveToMemory() const;
    bool SaveToFile(const std::string& path) const;

    bool operator==(const PngImage& o) const {
        return width_ == o.width_ && height_ == o.height_ && rgba_ == o.rgba_;
    }

    static constexpr size_t kDefaultMaxPixels = 64u * 1024u * 1024u;

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<uint8_t> rgba_;
};

}  // namespace forms
