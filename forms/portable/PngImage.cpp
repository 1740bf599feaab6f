#include "forms/portable/PngImage.h"

#include <png.h>

#include <algorithm>
#include <csetjmp>
#include <cstring>
#include <limits>
#include <new>

#include "forms/portable/Stream.h"

// libpng reports errors by longjmp. Every function below that calls setjmp
// holds only plain C data (pointers into buffers owned by its caller), so a
// longjmp out of libpng never skips a C++ destructor.

namespace forms {

namespace {

// Deflate expands at most about 1032:1 (a 258-byte match costs two bits at
// best), and a 1-bit picture packs 8 pixels into a byte: no PNG file holds
// more pixels than this. A header that claims more is refused before the
// pixel buffer is allocated, so a few bytes cannot force a huge allocation.
constexpr size_t kMostInflatedPerByte = 1032;
constexpr size_t kMostPixelsPerByte = 8;

size_t MostPixelsIn(size_t fileBytes) {
    constexpr size_t kPerByte = kMostInflatedPerByte * kMostPixelsPerByte;
    const size_t most = std::numeric_limits<size_t>::max();
    return fileBytes > most / kPerByte ? most : fileBytes * kPerByte;
}

void PngErrorQuiet(png_structp png, png_const_charp) { png_longjmp(png, 1); }
void PngWarningQuiet(png_structp, png_const_charp) {}

struct MemoryReader {
    const uint8_t* data;
    size_t size;
    size_t pos;
};

void ReadFromMemory(png_structp png, png_bytep out, png_size_t count) {
    auto* r = static_cast<MemoryReader*>(png_get_io_ptr(png));
    if (count > r->size - r->pos) png_error(png, "truncated");
    std::memcpy(out, r->data + r->pos, count);
    r->pos += count;
}

struct PngReader {
    png_structp png = nullptr;
    png_infop info = nullptr;
    MemoryReader source{};
    size_t maxPixels = 0;
    png_uint_32 width = 0;
    png_uint_32 height = 0;

    ~PngReader() {
        if (png) png_destroy_read_struct(&png, info ? &info : nullptr, nullptr);
    }
};

// Reads the header, refuses pictures above the pixel limit before libpng
// allocates its row buffers, and sets up expansion of every colour type and
// depth to RGBA with 8 bits per channel.
bool ReadPngHeader(PngReader* r) {
    if (setjmp(png_jmpbuf(r->png))) return false;
    png_set_read_fn(r->png, &r->source, ReadFromMemory);
    png_set_sig_bytes(r->png, 8);
    // Size is checked against the caller's pixel limit, not libpng's default.
    png_set_user_limits(r->png, PNG_UINT_31_MAX, PNG_UINT_31_MAX);
    png_read_info(r->png, r->info);

    int depth = 0, colourType = 0;
    png_get_IHDR(r->png, r->info, &r->width, &r->height, &depth, &colourType, nullptr, nullptr,
                 nullptr);
    if (r->width == 0 || r->height == 0 ||
        static_cast<uint64_t>(r->width) * r->height > r->maxPixels)
        return false;
    // Row offsets are computed in int by Row(): 4 bytes per pixel must fit.
    if (r->width > static_cast<png_uint_32>(std::numeric_limits<int>::max() / 4)) return false;
    if (colourType == PNG_COLOR_TYPE_PALETTE) png_set_palette_to_rgb(r->png);
    if (colourType == PNG_COLOR_TYPE_GRAY && depth < 8) png_set_expand_gray_1_2_4_to_8(r->png);
    if (png_get_valid(r->png, r->info, PNG_INFO_tRNS)) png_set_tRNS_to_alpha(r->png);
    if (depth == 16) png_set_strip_16(r->png);
    if (colourType == PNG_COLOR_TYPE_GRAY || colourType == PNG_COLOR_TYPE_GRAY_ALPHA)
        png_set_gray_to_rgb(r->png);
    png_set_add_alpha(r->png, 0xFF, PNG_FILLER_AFTER);  // no effect when alpha exists
    png_set_interlace_handling(r->png);
    png_read_update_info(r->png, r->info);
    return true;
}

bool ReadPngRows(PngReader* r, png_bytepp rows) {
    if (setjmp(png_jmpbuf(r->png))) return false;
    png_read_image(r->png, rows);
    png_read_end(r->png, nullptr);
    return true;
}

void WriteToVector(png_structp png, png_bytep data, png_size_t count) {
    auto* out = static_cast<std::vector<uint8_t>*>(png_get_io_ptr(png));
    bool ok = true;
    try {
        out->insert(out->end(), data, data + count);
    } catch (const std::bad_alloc&) {
        ok = false;
    }
    if (!ok) png_error(png, "out of memory");
}

void FlushNothing(png_structp) {}

struct PngWriter {
    png_structp png = nullptr;
    png_infop info = nullptr;

    ~PngWriter() {
        if (png) png_destroy_write_struct(&png, info ? &info : nullptr);
    }
};

bool WritePng(PngWriter* w, std::vector<uint8_t>* out, png_uint_32 width, png_uint_32 height,
              png_bytepp rows) {
    if (setjmp(png_jmpbuf(w->png))) return false;
    png_set_write_fn(w->png, out, WriteToVector, FlushNothing);
    png_set_IHDR(w->png, w->info, width, height, 8, PNG_COLOR_TYPE_RGB_ALPHA, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(w->png, w->info);
    png_write_image(w->png, rows);
    png_write_end(w->png, nullptr);
    return true;
}

}  // namespace

PngImage PngImage::CreateBlank(int width, int height) {
    PngImage img;
    if (width > 0 && height > 0) {
        img.width_ = width;
        img.height_ = height;
        img.rgba_.assign(static_cast<size_t>(width) * static_cast<size_t>(height) * 4, 0);
    }
    return img;
}

void PngImage::AssignBitmap(const Bitmap& bmp) {
    if (bmp.Empty()) {
        *this = PngImage();
        return;
    }
    std::vector<uint8_t> rgba(bmp.PixelCount() * 4);
    uint8_t* d = rgba.data();
    for (const uint32_t* s = bmp.Data(), *e = s + bmp.PixelCount(); s != e; ++s, d += 4) {
        d[0] = static_cast<uint8_t>(*s >> 16);
        d[1] = static_cast<uint8_t>(*s >> 8);
        d[2] = static_cast<uint8_t>(*s);
        d[3] = 0xFF;
    }
    width_ = bmp.Width();
    height_ = bmp.Height();
    rgba_.swap(rgba);
}

Bitmap PngImage::ToBitmap() const {
    if (Empty()) return Bitmap();
    Bitmap bmp(width_, height_);
    const uint8_t* s = rgba_.data();
    for (uint32_t* d = bmp.Data(), *e = d + bmp.PixelCount(); d != e; ++d, s += 4) {
        *d = static_cast<uint32_t>(s[2]) | static_cast<uint32_t>(s[1]) << 8 |
             static_cast<uint32_t>(s[0]) << 16 | static_cast<uint32_t>(s[3]) << 24;
    }
    return bmp;
}

bool PngImage::LoadFromMemory(const uint8_t* data, size_t size, size_t maxPixels) {
    if (!data || size < 8 || png_sig_cmp(data, 0, 8) != 0) return false;
    PngReader r;
    r.png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, PngErrorQuiet, PngWarningQuiet);
    if (!r.png) return false;
    r.info = png_create_info_struct(r.png);
    if (!r.info) return false;
    r.source = MemoryReader{data, size, 8};
    r.maxPixels = std::min(maxPixels, MostPixelsIn(size));
    if (!ReadPngHeader(&r)) return false;

    const uint64_t pixels = static_cast<uint64_t>(r.width) * r.height;
    const size_t rowBytes = static_cast<size_t>(r.width) * 4;
    if (png_get_rowbytes(r.png, r.info) != rowBytes) return false;
    if (pixels > std::numeric_limits<size_t>::max() / 4) return false;

    std::vector<uint8_t> rgba;
    std::vector<png_bytep> rows;
    try {
        rgba.resize(static_cast<size_t>(pixels) * 4);
        rows.resize(r.height);
    } catch (const std::bad_alloc&) {
        return false;
    }
    for (png_uint_32 y = 0; y < r.height; ++y) rows[y] = rgba.data() + y * rowBytes;
    if (!ReadPngRows(&r, rows.data())) return false;

    width_ = static_cast<int>(r.width);
    height_ = static_cast<int>(r.height);
    rgba_.swap(rgba);
    return true;
}

bool PngImage::LoadFromFile(const std::string& path) {
    std::vector<uint8_t> bytes;
    return ReadWholeFile(path, bytes) && LoadFromMemory(bytes.data(), bytes.size());
}

std::vector<uint8_t> PngImage::SaveToMemory() const {
    std::vector<uint8_t> out;
    if (Empty()) return out;
    PngWriter w;
    w.png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, PngErrorQuiet, PngWarningQuiet);
    if (!w.png) return out;
    w.info = png_create_info_struct(w.png);
    if (!w.info) return out;
    std::vector<png_bytep> rows(static_cast<size_t>(height_));
    for (int y = 0; y < height_; ++y) rows[y] = const_cast<png_bytep>(Row(y));
    if (!WritePng(&w, &out, static_cast<png_uint_32>(width_), static_cast<png_uint_32>(height_),
                  rows.data()))
        out.clear();
    return out;
}

bool PngImage::SaveToFile(const std::string& path) const {
    const std::vector<uint8_t> bytes = SaveToMemory();
    return !bytes.empty() && WriteWholeFile(path, bytes.data(), bytes.size());
}

}  // namespace forms
