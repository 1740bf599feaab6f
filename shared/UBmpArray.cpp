#include "shared/UBmpArray.h"

#include "shared/ExactInflate.h"

#include <zlib.h>

#include <algorithm>
#include <cstring>
#include <limits>

#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ != __ORDER_LITTLE_ENDIAN__
#error "pixel words are moved to and from little-endian files by plain copies"
#endif

namespace {

constexpr uint32_t kGreyBrush = 0x808080;
// Deflate never shrinks data by more than about 1032:1, so a stored raw size
// beyond this multiple of the compressed bytes cannot be genuine.
constexpr uint64_t kMaxInflateRatio = 1040;

void PutLE32(uint8_t* p, uint32_t v) {
    p[0] = static_cast<uint8_t>(v);
    p[1] = static_cast<uint8_t>(v >> 8);
    p[2] = static_cast<uint8_t>(v >> 16);
    p[3] = static_cast<uint8_t>(v >> 24);
}

uint32_t GetLE32(const uint8_t* p) {
    return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
           static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[3]) << 24;
}

bool WriteAll(forms::Stream& s, const void* data, size_t count) {
    return count == 0 || s.Write(data, count) == count;
}

bool ReadInt32(forms::Stream& s, int32_t& v) {
    uint8_t b[4];
    if (!s.ReadExact(b, 4)) return false;
    v = static_cast<int32_t>(GetLE32(b));
    return true;
}

// The largest pictures the readers accept; the writers refuse larger ones
// too, so that every written block can be read back.
bool WithinLimits(int w, int h) {
    return w >= 0 && h >= 0 && w <= kMaxPictureSide && h <= kMaxPictureSide &&
           static_cast<int64_t>(w) * h <= kMaxPicturePixels;
}

// Reads width and height and checks them against the limits; the pixel count
// is returned in pixels.
bool ReadSides(forms::Stream& s, int32_t& w, int32_t& h, size_t& pixels) {
    if (!ReadInt32(s, w) || !ReadInt32(s, h)) return false;
    if (!WithinLimits(w, h)) return false;
    pixels = static_cast<size_t>(w) * static_cast<size_t>(h);
    return true;
}

// Reads the head of compressed pixels: the sides, checked as ReadSides checks
// them, and the block length n, which must be at least the stored raw size
// (4 bytes) and fit in what the stream still holds.
bool ReadZipHead(forms::Stream& s, int32_t& w, int32_t& h, int32_t& n) {
    size_t pixels = 0;
    return ReadSides(s, w, h, pixels) && ReadInt32(s, n) && n >= 4 && n <= s.Remaining();
}

// The pixel words of a w x h picture taken from Pixels, top row first, in one
// flat buffer (entries the array lacks are 0). When Pixels is exactly w x h
// its own buffer is used and nothing is copied.
const uint32_t* FlatPixels(const TBmpArray& a, int w, int h, std::vector<uint32_t>& scratch) {
    const auto& p = a.Pixels;
    if (p.Cols() == w && p.Rows() == h) return p.Data();
    scratch.assign(static_cast<size_t>(w) * static_cast<size_t>(h), 0);
    const int cols = std::min(w, p.Cols());
    const int rows = std::min(h, p.Rows());
    for (int y = 0; y < rows; ++y) {
        std::memcpy(scratch.data() + static_cast<size_t>(y) * w, p.Row(y), cols * sizeof(uint32_t));
    }
    return scratch.data();
}

bool WriteRawWords(forms::Stream& s, int w, int h, const uint32_t* words) {
    if (!WithinLimits(w, h)) return false;
    uint8_t head[8];
    PutLE32(head, static_cast<uint32_t>(w));
    PutLE32(head + 4, static_cast<uint32_t>(h));
    return WriteAll(s, head, sizeof head) &&
           WriteAll(s, words, static_cast<size_t>(w) * static_cast<size_t>(h) * sizeof(uint32_t));
}

// One deflate state and output buffer per thread, reset for each picture:
// making them anew for every picture costs several large allocations each
// time, which grows slow once the heap holds many freed pictures.
class ThreadDeflater {
public:
    ~ThreadDeflater() {
        if (ready_) deflateEnd(&z_);
    }
    // The zlib data of size bytes at level, in out() from offset on; the
    // number of bytes, or 0 when zlib fails.
    size_t Compress(const uint8_t* data, uLong size, int level, size_t offset) {
        if (ready_ && level_ != level) {
            deflateEnd(&z_);
            ready_ = false;
        }
        if (!ready_) {
            z_ = z_stream{};
            if (deflateInit(&z_, level) != Z_OK) return 0;
            ready_ = true;
            level_ = level;
        } else if (deflateReset(&z_) != Z_OK) {
            return 0;
        }
        const size_t bound = deflateBound(&z_, size);
        if (out_.size() < offset + bound) out_.resize(offset + bound);
        z_.next_in = const_cast<Bytef*>(data);
        z_.avail_in = size;
        z_.next_out = out_.data() + offset;
        z_.avail_out = static_cast<uInt>(bound);
        if (deflate(&z_, Z_FINISH) != Z_STREAM_END) return 0;
        return bound - z_.avail_out;
    }
    uint8_t* out() { return out_.data(); }

private:
    z_stream z_{};
    bool ready_ = false;
    int level_ = 0;
    std::vector<uint8_t> out_;
};

// Width, height, block length, raw size and the zlib data, in one write.
bool WriteZipWords(forms::Stream& s, int w, int h, const uint32_t* words, int zipLevel) {
    if (!WithinLimits(w, h)) return false;
    const uLong rawSize = static_cast<uLong>(w) * static_cast<uLong>(h) * sizeof(uint32_t);
    thread_local ThreadDeflater deflater;
    const size_t zipSize = deflater.Compress(reinterpret_cast<const uint8_t*>(words), rawSize, zipLevel, 16);
    if (zipSize == 0) return false;
    uint8_t* out = deflater.out();
    PutLE32(out, static_cast<uint32_t>(w));
    PutLE32(out + 4, static_cast<uint32_t>(h));
    PutLE32(out + 8, static_cast<uint32_t>(zipSize + 4));
    PutLE32(out + 12, static_cast<uint32_t>(rawSize));
    return WriteAll(s, out, 16 + zipSize);
}

void EmptyRecord(TBmpArray& a) {
    a.Width = 0;
    a.Height = 0;
    a.Pixels.Clear();
}

// The raw size a block of compressed pixels of a w x h picture must store;
// false when the stored size differs or could not come from n bytes.
bool RawSizeFits(int32_t w, int32_t h, const uint8_t* block, size_t n, uint64_t& rawSize) {
    rawSize = static_cast<uint64_t>(w) * static_cast<uint64_t>(h) * 4;
    return n >= 4 && GetLE32(block) == rawSize && rawSize <= (n - 4) * kMaxInflateRatio + 64;
}

// Fills Pixels of a w x h picture (sides within the limits) from a block of
// compressed pixels: the 4-byte raw size, then the zlib data. False when the
// raw size does not match the sides or the data is corrupt or short.
bool InflatePixels(int32_t w, int32_t h, const uint8_t* block, size_t n, TBmpArray& a) {
    uint64_t rawSize = 0;
    if (!RawSizeFits(w, h, block, n, rawSize)) return false;
    a.Pixels.SetSize(w, h);
    if (!InflateExact(block + 4, n - 4, reinterpret_cast<uint8_t*>(a.Pixels.Data()),
                      static_cast<size_t>(rawSize))) {
        return false;
    }
    a.Width = w;
    a.Height = h;
    return true;
}

// Inflates a block of compressed pixels of a w x h picture (sides within the
// limits) into room reserved in pool; false as for InflatePixels.
bool InflateIntoPool(int32_t w, int32_t h, const uint8_t* block, size_t n, forms::PixelPool& pool) {
    uint64_t rawSize = 0;
    if (!RawSizeFits(w, h, block, n, rawSize)) return false;
    uint8_t* room = reinterpret_cast<uint8_t*>(pool.Reserve(w, h));
    return InflateExact(block + 4, n - 4, room, static_cast<size_t>(rawSize));
}

}  // namespace

void ResetBmpArray(TBmpArray& a) {
    a.Bitmap = forms::Bitmap();
    a.PNG = forms::PngImage::CreateBlank(15, 15);
    a.Pixels.Clear();
    a.Alpha.Clear();
    if (a.Width > 0) {
        a.Bitmap.SetSize(a.Width, a.Height, kGreyBrush);
        a.Pixels.SetSize(a.Width, a.Height);
        a.Alpha.SetSize(a.Width, a.Height);
    }
}

void BmpToArray(TBmpArray& a) {
    const forms::Bitmap& bmp = a.Bitmap;
    a.Width = bmp.Width();
    a.Height = bmp.Height();
    a.Pixels.SetSize(a.Width + 1, a.Height + 1);
    if (bmp.Empty()) return;
    const size_t rowBytes = static_cast<size_t>(a.Width) * sizeof(uint32_t);
    for (int y = 0; y < a.Height; ++y) std::memcpy(a.Pixels.Row(y), bmp.ScanLine(y), rowBytes);
}

void ArrayToBmp(TBmpArray& a) {
    forms::Bitmap bmp(std::max(a.Width, 0), std::max(a.Height, 0));
    const int cols = std::min(bmp.Width(), a.Pixels.Cols());
    const int rows = std::min(bmp.Height(), a.Pixels.Rows());
    for (int y = 0; y < rows; ++y) {
        std::memcpy(bmp.ScanLine(y), a.Pixels.Row(y), static_cast<size_t>(cols) * sizeof(uint32_t));
    }
    a.Bitmap = std::move(bmp);
}

void ArrayToPNG(TBmpArray& a) {
    forms::PngImage png = forms::PngImage::CreateBlank(std::max(a.Width, 0), std::max(a.Height, 0));
    const int w = png.Width();
    const int h = png.Height();
    const int pixCols = std::min(w, a.Pixels.Cols());
    const int pixRows = std::min(h, a.Pixels.Rows());
    const int alphaCols = std::min(w, a.Alpha.Cols());
    const int alphaRows = std::min(h, a.Alpha.Rows());
    for (int y = 0; y < h; ++y) {
        uint8_t* out = png.Row(y);
        if (y < pixRows) {
            const uint32_t* in = a.Pixels.Row(y);
            for (int x = 0; x < pixCols; ++x) {
                const uint32_t p = in[x];
                out[4 * x] = static_cast<uint8_t>(p >> 16);
                out[4 * x + 1] = static_cast<uint8_t>(p >> 8);
                out[4 * x + 2] = static_cast<uint8_t>(p);
            }
        }
        if (y < alphaRows) {
            const uint8_t* alpha = a.Alpha.Row(y);
            for (int x = 0; x < alphaCols; ++x) out[4 * x + 3] = alpha[x];
        }
    }
    a.PNG = std::move(png);
}

bool WriteRawPixels(forms::Stream& s, const TBmpArray& a) {
    const int w = a.Bitmap.Width();
    const int h = a.Bitmap.Height();
    std::vector<uint32_t> scratch;
    return WriteRawWords(s, w, h, FlatPixels(a, w, h, scratch));
}

bool WriteRawPixels(forms::Stream& s, const forms::Bitmap& bmp) {
    return WriteRawWords(s, bmp.Width(), bmp.Height(), bmp.Data());
}

bool ReadRawPixels(forms::Stream& s, TBmpArray& a) {
    int32_t w = 0, h = 0;
    size_t pixels = 0;
    if (!ReadSides(s, w, h, pixels) ||
        static_cast<uint64_t>(s.Remaining()) < static_cast<uint64_t>(pixels) * 4) {
        EmptyRecord(a);
        return false;
    }
    a.Width = w;
    a.Height = h;
    a.Pixels.SetSize(w, h);
    if (pixels > 0 && !s.ReadExact(a.Pixels.Data(), pixels * sizeof(uint32_t))) {
        EmptyRecord(a);
        return false;
    }
    return true;
}

bool ReadRawPixels(forms::Stream& s, forms::PixelPool& pool) {
    int32_t w = 0, h = 0;
    size_t pixels = 0;
    if (!ReadSides(s, w, h, pixels) || static_cast<uint64_t>(s.Remaining()) < static_cast<uint64_t>(pixels) * 4) {
        return false;
    }
    uint32_t* room = pool.Reserve(w, h);
    return pixels == 0 || s.ReadExact(room, pixels * sizeof(uint32_t));
}

bool ReadRawPixels(forms::Stream& s, forms::Bitmap& bmp) {
    forms::PixelPool own(0);
    const bool ok = ReadRawPixels(s, own);
    bmp = ok ? own.Keep() : forms::Bitmap();
    return ok;
}

bool WriteZipPixels(forms::Stream& s, const TBmpArray& a) {
    const int w = a.Bitmap.Width();
    const int h = a.Bitmap.Height();
    std::vector<uint32_t> scratch;
    return WriteZipWords(s, w, h, FlatPixels(a, w, h, scratch), kZipLevelStored);
}

bool WriteZipPixels(forms::Stream& s, const forms::Bitmap& bmp, int zipLevel) {
    return WriteZipWords(s, bmp.Width(), bmp.Height(), bmp.Data(), zipLevel);
}

bool TakeZipPixels(forms::Stream& s, std::vector<uint8_t>& bytes) {
    int32_t w = 0, h = 0, n = 0;
    bytes.clear();
    if (!ReadZipHead(s, w, h, n)) return false;
    bytes.resize(12 + static_cast<size_t>(n));
    PutLE32(bytes.data(), static_cast<uint32_t>(w));
    PutLE32(bytes.data() + 4, static_cast<uint32_t>(h));
    PutLE32(bytes.data() + 8, static_cast<uint32_t>(n));
    if (!s.ReadExact(bytes.data() + 12, static_cast<size_t>(n))) {
        bytes.clear();
        return false;
    }
    return true;
}

bool SkipZipPixels(forms::Stream& s) {
    int32_t w = 0, h = 0, n = 0;
    return ReadZipHead(s, w, h, n) && s.Seek(n, forms::SeekOrigin::Current) >= 0;
}

ZipPixelsRead ReadZipPixels(forms::Stream& s, forms::PixelPool& pool, std::vector<uint8_t>& scratch) {
    int32_t w = 0, h = 0, n = 0;
    if (!ReadZipHead(s, w, h, n)) return ZipPixelsRead::Short;
    const auto size = static_cast<size_t>(n);
    const uint8_t* block = s.BorrowOrRead(size, scratch);
    if (block == nullptr) return ZipPixelsRead::Short;
    return InflateIntoPool(w, h, block, size, pool) ? ZipPixelsRead::Done : ZipPixelsRead::Damaged;
}

bool ReadZipPixels(forms::Stream& s, TBmpArray& a) {
    int32_t w = 0, h = 0, n = 0;
    std::vector<uint8_t> block;
    bool ok = ReadZipHead(s, w, h, n);
    if (ok) {
        block.resize(static_cast<size_t>(n));
        ok = s.ReadExact(block.data(), block.size());
    }
    ok = ok && InflatePixels(w, h, block.data(), block.size(), a);
    if (!ok) EmptyRecord(a);
    return ok;
}

bool DecodeZipPixels(const std::vector<uint8_t>& bytes, forms::PixelPool& pool) {
    if (bytes.size() < 16) return false;
    const auto w = static_cast<int32_t>(GetLE32(bytes.data()));
    const auto h = static_cast<int32_t>(GetLE32(bytes.data() + 4));
    return WithinLimits(w, h) && GetLE32(bytes.data() + 8) == bytes.size() - 12 &&
           InflateIntoPool(w, h, bytes.data() + 12, bytes.size() - 12, pool);
}

bool CompressStream(forms::Stream& source, forms::Stream& dest) {
    const int64_t size = source.Size();
    if (size < 0 || size > static_cast<int64_t>(std::numeric_limits<uint32_t>::max())) return false;
    uint8_t head[4];
    PutLE32(head, static_cast<uint32_t>(size));
    if (!WriteAll(dest, head, 4) || source.Seek(0, forms::SeekOrigin::Begin) != 0) return false;

    z_stream z{};
    if (deflateInit(&z, 9) != Z_OK) return false;
    std::vector<uint8_t> in(64 * 1024), out(64 * 1024);
    bool ok = true;
    int flush = Z_NO_FLUSH;
    while (ok && flush != Z_FINISH) {
        const size_t got = source.Read(in.data(), in.size());
        flush = got < in.size() ? Z_FINISH : Z_NO_FLUSH;
        z.next_in = in.data();
        z.avail_in = static_cast<uInt>(got);
        do {
            z.next_out = out.data();
            z.avail_out = static_cast<uInt>(out.size());
            if (deflate(&z, flush) == Z_STREAM_ERROR) ok = false;
            ok = ok && WriteAll(dest, out.data(), out.size() - z.avail_out);
        } while (ok && z.avail_out == 0);
    }
    deflateEnd(&z);
    return ok;
}

bool DecompressStream(forms::Stream& source, forms::Stream& dest) {
    // The size is unsigned, as CompressStream writes it: up to 4 GB - 1.
    uint8_t head[4];
    if (source.Seek(0, forms::SeekOrigin::Begin) != 0 || !source.ReadExact(head, 4)) return false;
    uint64_t left = GetLE32(head);
    if (left == 0) return true;

    z_stream z{};
    if (inflateInit(&z) != Z_OK) return false;
    std::vector<uint8_t> in(64 * 1024), out(64 * 1024);
    bool ok = true;
    while (ok && left > 0) {
        if (z.avail_in == 0) {
            const size_t got = source.Read(in.data(), in.size());
            if (got == 0) {
                ok = false;
                break;
            }
            z.next_in = in.data();
            z.avail_in = static_cast<uInt>(got);
        }
        const size_t want = static_cast<size_t>(std::min<uint64_t>(left, out.size()));
        z.next_out = out.data();
        z.avail_out = static_cast<uInt>(want);
        const int rc = inflate(&z, Z_NO_FLUSH);
        const size_t made = want - z.avail_out;
        ok = WriteAll(dest, out.data(), made);
        left -= made;
        if (rc == Z_STREAM_END && left > 0) ok = false;
        if (rc != Z_OK && rc != Z_STREAM_END && rc != Z_BUF_ERROR) ok = false;
    }
    inflateEnd(&z);
    return ok;
}
