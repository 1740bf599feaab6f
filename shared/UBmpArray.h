// A picture as pixel and alpha arrays that code can read and write by column
// and row, its conversions to and from 32-bit bitmaps and RGBA PNG pictures,
// and the two pixel encodings of the menu file's bitmap blocks: raw pixels and
// zlib-compressed pixels.
//
// The arrays are indexed column first (Pixels[x][y]) but live in one flat,
// row-major buffer, so that whole rows and whole pictures move with single
// copies, reads and writes.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "forms/portable/Bitmap.h"
#include "forms/portable/PixelPool.h"
#include "forms/portable/PngImage.h"
#include "forms/portable/Stream.h"

// A cols x rows array of T, indexed [x][y], stored row after row.
template <typename T>
class TPixelPlane {
public:
    class Column {
    public:
        Column(T* first, size_t stride) : first_(first), stride_(stride) {}
        T& operator[](int y) const { return first_[static_cast<size_t>(y) * stride_]; }

    private:
        T* first_;
        size_t stride_;
    };
    class ConstColumn {
    public:
        ConstColumn(const T* first, size_t stride) : first_(first), stride_(stride) {}
        const T& operator[](int y) const { return first_[static_cast<size_t>(y) * stride_]; }

    private:
        const T* first_;
        size_t stride_;
    };

    Column operator[](int x) { return Column(data_.data() + x, static_cast<size_t>(cols_)); }
    ConstColumn operator[](int x) const {
        return ConstColumn(data_.data() + x, static_cast<size_t>(cols_));
    }

    // Every entry becomes 0. Negative sizes count as 0.
    void SetSize(int cols, int rows) {
        if (cols < 0) cols = 0;
        if (rows < 0) rows = 0;
        if (cols == 0 || rows == 0) cols = rows = 0;
        cols_ = cols;
        rows_ = rows;
        data_.assign(static_cast<size_t>(cols) * static_cast<size_t>(rows), T());
    }
    void Clear() { SetSize(0, 0); }

    int Cols() const { return cols_; }
    int Rows() const { return rows_; }
    bool Empty() const { return data_.empty(); }
    T* Row(int y) { return data_.data() + static_cast<size_t>(y) * cols_; }
    const T* Row(int y) const { return data_.data() + static_cast<size_t>(y) * cols_; }
    T* Data() { return data_.data(); }
    const T* Data() const { return data_.data(); }

private:
    int cols_ = 0;
    int rows_ = 0;
    std::vector<T> data_;
};

struct TBmpArray {
    // Pixel words as in a 32-bit bitmap row: blue low, then green, red and a
    // fourth byte that is carried along unchanged.
    TPixelPlane<uint32_t> Pixels;
    // Opacity per pixel, 0 transparent to 255 opaque.
    TPixelPlane<uint8_t> Alpha;
    int32_t Width = 0;
    int32_t Height = 0;
    forms::Bitmap Bitmap;
    forms::PngImage PNG;
};

// Largest picture side and pixel count the stream readers accept.
constexpr int32_t kMaxPictureSide = 16384;
constexpr int64_t kMaxPicturePixels = 64ll * 1024 * 1024;

// New empty Bitmap and a blank 15 x 15 PNG; both arrays emptied. When Width
// is above 0, Bitmap (grey 0x808080) and both arrays are sized Width x Height.
void ResetBmpArray(TBmpArray& a);
// Width and Height := the size of Bitmap; Pixels := its pixels, sized
// (Width + 1) x (Height + 1) with the extra column and row 0. Alpha is kept.
void BmpToArray(TBmpArray& a);
// Bitmap := a Width x Height bitmap made from Pixels (entries the array
// lacks become 0).
void ArrayToBmp(TBmpArray& a);
// PNG := a new RGBA picture of Width x Height with red, green and blue from
// Pixels and alpha from Alpha (entries the arrays lack become 0).
void ArrayToPNG(TBmpArray& a);

// Raw pixels: width and height (the size of Bitmap), then every pixel word,
// top row first, all little-endian 32-bit. Returns false on a short write.
bool WriteRawPixels(forms::Stream& s, const TBmpArray& a);
// Reads raw pixels into Width, Height and Pixels (sized Width x Height).
// Sizes beyond the limits above or beyond what the stream holds are refused:
// the record is left empty and the result is false.
bool ReadRawPixels(forms::Stream& s, TBmpArray& a);
// Compressed pixels: width, height, block length n, then the block made by
// CompressStream from the raw pixel words. Returns false on a short write.
bool WriteZipPixels(forms::Stream& s, const TBmpArray& a);

// The zlib level at which pictures are stored in files.
constexpr int kZipLevelStored = 9;
// The same two encodings straight from a bitmap's rows, without going through
// a record (the bytes equal those written after BmpToArray). zipLevel (1..9)
// trades size for speed where the bytes are read back at once.
bool WriteRawPixels(forms::Stream& s, const forms::Bitmap& bmp);
bool WriteZipPixels(forms::Stream& s, const forms::Bitmap& bmp, int zipLevel = kZipLevelStored);
// Reads raw pixels straight into a bitmap's rows, checked as ReadRawPixels
// checks them; refused input leaves bmp empty and gives false.
bool ReadRawPixels(forms::Stream& s, forms::Bitmap& bmp);
// Reads raw pixels straight into room reserved in pool (for pool.Keep()),
// checked as ReadRawPixels checks them.
bool ReadRawPixels(forms::Stream& s, forms::PixelPool& pool);
// Reads compressed pixels like ReadRawPixels; corrupt or short zlib data, a
// stored raw size that does not match the sides, or sizes beyond the limits
// leave the record empty and give false.
bool ReadZipPixels(forms::Stream& s, TBmpArray& a);
// Reads compressed pixels, checked as ReadZipPixels checks them, and
// inflates them straight into room reserved in pool (for pool.Keep()). The
// block is inflated where the stream holds it in memory, else it is read
// into scratch first.
enum class ZipPixelsRead {
    Done,
    Short,    // refused sides or a block that does not fit the stream
    Damaged,  // the block was taken whole but does not decode to the sides
};
ZipPixelsRead ReadZipPixels(forms::Stream& s, forms::PixelPool& pool, std::vector<uint8_t>& scratch);
// Takes the bytes of compressed pixels (width, height, block length and the
// block) from the stream without inflating them, so that DecodeZipPixels can
// decode them later. The sides and the block length are checked as
// ReadZipPixels checks them; false leaves bytes empty.
bool TakeZipPixels(forms::Stream& s, std::vector<uint8_t>& bytes);
// Steps over compressed pixels, checked as TakeZipPixels checks them, without
// reading their block; false when they do not fit the stream. TakeZipPixels
// from the same place takes them later.
bool SkipZipPixels(forms::Stream& s);
// Decodes bytes that TakeZipPixels took, checked as ReadZipPixels checks
// them, straight into room reserved in pool: pool.Keep() then gives what
// ArrayToBmp would make of the record ReadZipPixels fills.
bool DecodeZipPixels(const std::vector<uint8_t>& bytes, forms::PixelPool& pool);

// Writes the source's size (4 bytes) and the whole source, from its start, as
// a zlib stream (RFC 1950) at level 9. Returns false when the source is larger
// than 4 GB - 1 or a write falls short.
bool CompressStream(forms::Stream& source, forms::Stream& dest);
// Rewinds the source, reads the 4-byte raw size (unsigned, as written above)
// and inflates exactly that many bytes into dest. Returns false on corrupt or
// short data.
bool DecompressStream(forms::Stream& source, forms::Stream& dest);
