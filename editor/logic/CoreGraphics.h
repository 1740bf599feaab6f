// The editor's portable picture routines: the mean colour of a rectangle of a
// picture, a fast nearest-neighbour resize and a smooth area-weighted resize,
// with the one-entry cache of the last smooth result that both resizers
// serve from.
//
// Pictures are 32-bit bitmaps (pixel words blue low, then green, red and a
// fourth byte); GetAverageColor answers a colour value (red low, then green,
// blue). The cache is keyed by its source picture (its size and a 64-bit
// fingerprint of every pixel word) as well as the result's size, so a resize
// of one picture is not answered with another picture's result, without
// keeping a copy of a source that may be large.
// Sizes below 1, empty sources and sizes beyond the picture limits are
// refused: the destination becomes empty and the resize reports false.
#pragma once
#include <cstdint>

#include "forms/portable/Bitmap.h"

namespace editor {

// The answer of GetAverageColor when the rectangle covers no pixel (a box
// dragged off the picture): white, the usual background of a text box.
constexpr uint32_t kNoPixelsAverageColor = 0xFFFFFF;

// Mean colour of the pixels from (left, top) to (left + width, top + height),
// both ends included, after left and top below 1 are raised to 1 (column 0
// and row 0 are never sampled); the right and bottom ends are cut to the last
// column and row. Each channel's mean is rounded, halves to the even
// neighbour. The result is red | green << 8 | blue << 16.
uint32_t GetAverageColor(const forms::Bitmap& bmp, int left, int top, int width, int height);

// The last smooth resize result, the picture it was made from and its size.
// One cache lives as long as the editor and is shared by every caller.
class ScaleCache {
public:
    // Empties the cache and marks it stale: nothing is served until the next
    // smooth resize stores a result (the Background Wizard does this when its
    // quality option changes).
    void Clear();
    bool Stale() const { return scaleCacheStale_; }
    int Width() const { return result_.Width(); }
    int Height() const { return result_.Height(); }

    // True when the cache holds a result, not stale, made from a picture
    // with source's size and pixels at width x height.
    bool Serves(const forms::Bitmap& source, int width, int height) const;
    const forms::Bitmap& Result() const { return result_; }
    // Keeps result as the resize of source; clears the stale mark.
    void Store(const forms::Bitmap& source, const forms::Bitmap& result);

private:
    struct SourceKey {
        int width = 0;
        int height = 0;
        uint64_t fingerprint = 0;
        bool operator==(const SourceKey& o) const {
            return width == o.width && height == o.height && fingerprint == o.fingerprint;
        }
    };
    static SourceKey KeyOf(const forms::Bitmap& source);

    SourceKey source_;
    forms::Bitmap result_;
    bool scaleCacheStale_ = true;
};

// Nearest-neighbour resize of source into dest at width x height. A cached
// smooth result of the same picture at that size is served instead; a resize
// to the source's own size copies it (fourth byte included). Otherwise dest
// row d takes source row trunc(d x sy) and column i the whole source pixel at
// trunc(i x sx), where sx and sy are the source-to-destination ratios. Never
// writes the cache. False (dest empty) for a refused size or source.
bool ScaleBitmap(const forms::Bitmap& source, forms::Bitmap& dest, int width, int height,
                 ScaleCache& cache);

// Area-weighted resize of source into dest at width x height. Destination
// pixel x averages the source span from (x - 1) x sx to x x sx, its first and
// last pixels weighted by their overlap (and likewise for rows); each channel
// is the weighted mean truncated to 0..255, the fourth byte 0. With reextract
// false the cached result of the same picture at the same size is served. A
// resize to the source's own size copies it and leaves the cache alone; any
// other result is stored in the cache. False (dest empty) for a refused size
// or source.
bool ScaleBitmapHQ(const forms::Bitmap& source, forms::Bitmap& dest, int width, int height,
                   bool reextract, ScaleCache& cache);

}  // namespace editor
