#include "editor/logic/CoreGraphics.h"

#include <algorithm>
#include <cstddef>
#include <utility>
#include <vector>

#include "shared/UBmpArray.h"

namespace editor {
namespace {

// Rounds numerator / denominator (both >= 0, denominator > 0) to the nearest
// integer, halves to the even neighbour.
int64_t DivideRoundHalfEven(int64_t numerator, int64_t denominator) {
    const int64_t quotient = numerator / denominator;
    const int64_t twiceRemainder = 2 * (numerator % denominator);
    if (twiceRemainder > denominator) return quotient + 1;
    if (twiceRemainder == denominator) return quotient + (quotient & 1);
    return quotient;
}

// A resize is refused for an empty source and for a destination below 1 or
// beyond the sizes a picture may have.
bool ResizeAllowed(const forms::Bitmap& source, int width, int height) {
    if (source.Empty() || width < 1 || height < 1) return false;
    if (width > kMaxPictureSide || height > kMaxPictureSide) return false;
    return static_cast<int64_t>(width) * height <= kMaxPicturePixels;
}

// The ratio of source to destination size, computed as the source over the
// destination-to-source ratio.
double SourceStep(int destSize, int sourceSize) {
    return 1.0 / (static_cast<double>(destSize) / static_cast<double>(sourceSize));
}

// The source cells that one destination cell averages, with their weights.
struct SpanEntry {
    int index;
    double weight;
};

// For every destination index d: the source indices from trunc((d - 1) x
// step) to the first one at or past d x step (cut to the last source index),
// weighted 1 except the first and last, which count by their overlap.
// spans[first[d] .. first[d + 1]) belong to d.
struct Spans {
    std::vector<int> first;
    std::vector<SpanEntry> entries;
};

Spans MakeSpans(int destSize, int sourceSize, double step) {
    Spans spans;
    spans.first.reserve(static_cast<size_t>(destSize) + 1);
    const double last = sourceSize - 1;
    for (int d = 0; d < destSize; ++d) {
        spans.first.push_back(static_cast<int>(spans.entries.size()));
        const double low = std::max((d - 1) * step, 0.0);
        const double high = std::min(d * step, last);
        for (int s = static_cast<int>(low); s < sourceSize; ++s) {
            double weight = 1.0;
            if (s < low)
                weight = 1.0 - (low - s);
            else if (s > high)
                weight = 1.0 - (s - high);
            spans.entries.push_back({s, weight});
            if (s >= high) break;
        }
    }
    spans.first.push_back(static_cast<int>(spans.entries.size()));
    return spans;
}

// One channel of a picture, row after row.
using Plane = std::vector<uint8_t>;

// Splits the pixel words into red, green and blue planes.
void ExtractPlanes(const forms::Bitmap& source, Plane (&planes)[3]) {
    const size_t count = source.PixelCount();
    for (Plane& plane : planes) plane.resize(count);
    const uint32_t* pixels = source.Data();
    for (size_t i = 0; i < count; ++i) {
        planes[0][i] = static_cast<uint8_t>(pixels[i] >> 16);
        planes[1][i] = static_cast<uint8_t>(pixels[i] >> 8);
        planes[2][i] = static_cast<uint8_t>(pixels[i]);
    }
}

// The weighted mean of a channel, truncated into 0..255. Weights that are not
// binary fractions leave the mean a hair below its true value (a uniform 200
// comes out as 199.99999999997); that hair is added back before truncating,
// far below any difference two real means can have.
constexpr double kMeanRoundingSlack = 1e-9;

uint32_t ChannelFromSum(double sum, double total) {
    if (total > 0) sum /= total;
    sum = std::min(std::max(sum + kMeanRoundingSlack, 0.0), 255.0);
    return static_cast<uint32_t>(sum);
}

void ResampleAreaWeighted(const forms::Bitmap& source, forms::Bitmap& dest) {
    Plane SrcPlanes[3];
    ExtractPlanes(source, SrcPlanes);
    const int sourceWidth = source.Width();
    const Spans columns = MakeSpans(dest.Width(), sourceWidth, SourceStep(dest.Width(), sourceWidth));
    const Spans rows = MakeSpans(dest.Height(), source.Height(), SourceStep(dest.Height(), source.Height()));

    for (int y = 0; y < dest.Height(); ++y) {
        uint32_t* out = dest.ScanLine(y);
        for (int x = 0; x < dest.Width(); ++x) {
            double total = 0, red = 0, green = 0, blue = 0;
            for (int cx = columns.first[x]; cx < columns.first[x + 1]; ++cx) {
                const SpanEntry column = columns.entries[cx];
                for (int cy = rows.first[y]; cy < rows.first[y + 1]; ++cy) {
                    const SpanEntry row = rows.entries[cy];
                    const double weight = column.weight * row.weight;
                    const size_t at = static_cast<size_t>(row.index) * sourceWidth + column.index;
                    total += weight;
                    red += SrcPlanes[0][at] * weight;
                    green += SrcPlanes[1][at] * weight;
                    blue += SrcPlanes[2][at] * weight;
                }
            }
            out[x] = ChannelFromSum(blue, total) | ChannelFromSum(green, total) << 8 |
                     ChannelFromSum(red, total) << 16;
        }
    }
}

void ResampleNearest(const forms::Bitmap& source, forms::Bitmap& dest) {
    const double sx = SourceStep(dest.Width(), source.Width());
    const double sy = SourceStep(dest.Height(), source.Height());
    std::vector<int> sourceColumn(static_cast<size_t>(dest.Width()));
    for (int i = 0; i < dest.Width(); ++i)
        sourceColumn[i] = std::min(static_cast<int>(sx * i), source.Width() - 1);
    for (int d = 0; d < dest.Height(); ++d) {
        const uint32_t* in = source.ScanLine(std::min(static_cast<int>(sy * d), source.Height() - 1));
        uint32_t* out = dest.ScanLine(d);
        for (int i = 0; i < dest.Width(); ++i) out[i] = in[sourceColumn[i]];
    }
}

bool SameSize(const forms::Bitmap& source, int width, int height) {
    return source.Width() == width && source.Height() == height;
}

}  // namespace

uint32_t GetAverageColor(const forms::Bitmap& bmp, int left, int top, int width, int height) {
    const int64_t first = std::max(left, 1);
    const int64_t firstRow = std::max(top, 1);
    const int64_t last = std::min<int64_t>(first + width, bmp.Width() - 1);
    const int64_t lastRow = std::min<int64_t>(firstRow + height, bmp.Height() - 1);
    if (first > last || firstRow > lastRow) return kNoPixelsAverageColor;

    int64_t red = 0, green = 0, blue = 0;
    for (int64_t y = firstRow; y <= lastRow; ++y) {
        const uint32_t* row = bmp.ScanLine(static_cast<int>(y));
        for (int64_t x = first; x <= last; ++x) {
            red += (row[x] >> 16) & 0xFF;
            green += (row[x] >> 8) & 0xFF;
            blue += row[x] & 0xFF;
        }
    }
    const int64_t count = (last - first + 1) * (lastRow - firstRow + 1);
    const auto mean = [count](int64_t sum) {
        return static_cast<uint32_t>(DivideRoundHalfEven(sum, count)) & 0xFF;
    };
    return mean(red) | mean(green) << 8 | mean(blue) << 16;
}

// Every pixel word is mixed into the running value through a multiply and a
// rotation (so that order matters and one changed bit changes about half of
// the result), then the value is avalanched once more at the end.
ScaleCache::SourceKey ScaleCache::KeyOf(const forms::Bitmap& source) {
    uint64_t hash = 0x9E3779B97F4A7C15ull;
    const uint32_t* pixels = source.Data();
    for (size_t i = 0; i < source.PixelCount(); ++i) {
        hash ^= pixels[i] * 0xFF51AFD7ED558CCDull;
        hash = ((hash << 29) | (hash >> 35)) * 0xC4CEB9FE1A85EC53ull;
    }
    hash ^= hash >> 33;
    hash *= 0xFF51AFD7ED558CCDull;
    hash ^= hash >> 33;
    return SourceKey{source.Width(), source.Height(), hash};
}

void ScaleCache::Clear() {
    source_ = SourceKey();
    result_ = forms::Bitmap();
    scaleCacheStale_ = true;
}

bool ScaleCache::Serves(const forms::Bitmap& source, int width, int height) const {
    return !scaleCacheStale_ && !result_.Empty() && SameSize(result_, width, height) &&
           source_ == KeyOf(source);
}

void ScaleCache::Store(const forms::Bitmap& source, const forms::Bitmap& result) {
    source_ = KeyOf(source);
    result_ = result;
    scaleCacheStale_ = false;
}

bool ScaleBitmap(const forms::Bitmap& source, forms::Bitmap& dest, int width, int height,
                 ScaleCache& cache) {
    if (!ResizeAllowed(source, width, height)) {
        dest = forms::Bitmap();
        return false;
    }
    if (cache.Serves(source, width, height)) {
        dest = cache.Result();
        return true;
    }
    if (SameSize(source, width, height)) {
        dest = source;
        return true;
    }
    // Built apart, so that a source passed as its own destination stays
    // whole while it is read.
    forms::Bitmap result(width, height);
    ResampleNearest(source, result);
    dest = std::move(result);
    return true;
}

bool ScaleBitmapHQ(const forms::Bitmap& source, forms::Bitmap& dest, int width, int height,
                   bool reextract, ScaleCache& cache) {
    if (!ResizeAllowed(source, width, height)) {
        dest = forms::Bitmap();
        return false;
    }
    if (!reextract && cache.Serves(source, width, height)) {
        dest = cache.Result();
        return true;
    }
    if (SameSize(source, width, height)) {
        dest = source;
        return true;
    }
    forms::Bitmap result(width, height);
    ResampleAreaWeighted(source, result);
    cache.Store(source, result);
    dest = std::move(result);
    return true;
}

}  // namespace editor
