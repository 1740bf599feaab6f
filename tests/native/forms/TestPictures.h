// Builds small picture files in memory for the tests, with libpng, libjpeg
// and a BMP writer of its own.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace formstest {

using Bytes = std::vector<uint8_t>;

struct PngRecipe {
    PngRecipe(int w, int h, int type, int bits, bool adam7 = false)
        : width(w), height(h), colourType(type), depth(bits), interlaced(adam7) {}
    int width = 0;
    int height = 0;
    int colourType = 0;  // libpng PNG_COLOR_TYPE_*
    int depth = 8;
    bool interlaced = false;
    // Samples for each row as libpng expects them (already packed).
    std::vector<Bytes> rows;
    std::vector<uint8_t> paletteRgb;  // 3 bytes per entry
    std::vector<uint8_t> trnsAlpha;   // palette alpha values
    int trnsGray = -1;                // gray value made transparent
};
Bytes MakePng(const PngRecipe& recipe);

struct BmpRecipe {
    BmpRecipe(int w, int h, int bitCount, uint32_t headerSize = 40, uint32_t compressionType = 0,
            std::vector<uint32_t> channelMasks = {})
        : width(w), height(h), bits(bitCount), infoSize(headerSize),
          compression(compressionType), masks(std::move(channelMasks)) {}
    int width = 0;
    int height = 0;  // negative: top-down
    int bits = 24;
    uint32_t infoSize = 40;
    uint32_t compression = 0;
    std::vector<uint32_t> masks;     // red, green, blue (bit fields)
    std::vector<uint32_t> palette;   // 0x00RRGGBB
    // Rows top first, each exactly as stored (without padding).
    std::vector<Bytes> rows;
};
Bytes MakeBmp(const BmpRecipe& recipe);

// samples: width*height*components bytes, top row first; components 3 or 1.
Bytes MakeJpeg(int width, int height, int components, const Bytes& samples, int quality = 95,
               bool progressive = false);

std::string TempFolder();  // a new empty folder, removed at exit

}  // namespace formstest
