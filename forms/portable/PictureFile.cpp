#include "forms/portable/PictureFile.h"

#include <jpeglib.h>

#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <limits>
#include <new>
#include <vector>

#include "forms/portable/PngImage.h"
#include "forms/portable/Stream.h"

namespace forms {

namespace {

// Pictures larger than this are refused rather than allocated.
constexpr uint64_t kMaxPixels = PngImage::kDefaultMaxPixels;

uint16_t Le16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }
uint32_t Le32(const uint8_t* p) {
    return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
           static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[3]) << 24;
}

uint32_t Bgr(uint8_t r, uint8_t g, uint8_t b) {
    return static_cast<uint32_t>(b) | static_cast<uint32_t>(g) << 8 | static_cast<uint32_t>(r) << 16;
}

// ---- Windows BMP ----

constexpr size_t kFileHeaderSize = 14;
constexpr uint32_t kBiRgb = 0;
constexpr uint32_t kBiBitfields = 3;

// One colour channel of a bit-field pixel: where its bits are and how to
// widen them to 8 bits.
struct Channel {
    uint32_t mask = 0;
    int shift = 0;
    uint32_t max = 0;  // largest value after shifting

    bool Set(uint32_t m) {
        mask = m;
        shift = 0;
        max = 0;
        if (m == 0) return true;
        while (!(m & 1u)) {
            m >>= 1;
            ++shift;
        }
        max = m;
        return (m & (m + 1)) == 0;  // the bits must be contiguous
    }
    uint8_t Get(uint32_t pixel) const {
        if (max == 0) return 0;
        const uint32_t v = (pixel & mask) >> shift;
        return static_cast<uint8_t>((static_cast<uint64_t>(v) * 255 + max / 2) / max);
    }
};

struct BmpLayout {
    int width = 0;
    int height = 0;
    bool topDown = false;
    int bits = 0;
    size_t stride = 0;
    size_t pixelOffset = 0;
    uint32_t palette[256] = {};
    Channel red, green, blue;
};

bool ReadBmpLayout(const uint8_t* data, size_t size, BmpLayout& L) {
    if (size < kFileHeaderSize + 40 || data[0] != 'B' || data[1] != 'M') return false;
    const uint32_t infoSize = Le32(data + 14);
    if (infoSize != 40 && infoSize != 52 && infoSize != 56 && infoSize != 108 && infoSize != 124)
        return false;
    if (infoSize > size - kFileHeaderSize) return false;
    const uint8_t* info = data + kFileHeaderSize;
    const int32_t width = static_cast<int32_t>(Le32(info + 4));
    const int32_t height = static_cast<int32_t>(Le32(info + 8));
    const int bits = Le16(info + 14);
    const uint32_t compression = Le32(info + 16);
    const uint32_t coloursUsed = Le32(info + 32);

    if (width <= 0 || height == 0 || height == std::numeric_limits<int32_t>::min()) return false;
    L.width = width;
    L.topDown = height < 0;
    L.height = height < 0 ? -height : height;
    L.bits = bits;
    if (static_cast<uint64_t>(L.width) * static_cast<uint64_t>(L.height) > kMaxPixels) return false;

    size_t tableOffset = kFileHeaderSize + infoSize;
    if (compression == kBiBitfields) {
        if (bits != 16 && bits != 32) return false;
        // Version 1 headers keep the three masks after the header; later
        // versions hold them inside it.
        const uint8_t* masks = info + 40;
        if (infoSize == 40) {
            if (size - tableOffset < 12) return false;
            masks = data + tableOffset;
            tableOffset += 12;
        }
        if (!L.red.Set(Le32(masks)) || !L.green.Set(Le32(masks + 4)) ||
            !L.blue.Set(Le32(masks + 8)))
            return false;
    } else if (compression == kBiRgb) {
        if (bits == 16) {
            L.red.Set(0x7C00);
            L.green.Set(0x03E0);
            L.blue.Set(0x001F);
        } else if (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32) {
            return false;
        }
    } else {
        return false;  // run-length encoded and embedded JPEG/PNG are not read
    }

    if (bits <= 8) {
        const uint32_t maxColours = 1u << bits;
        const uint32_t colours = coloursUsed == 0 || coloursUsed > maxColours ? maxColours : coloursUsed;
        if (tableOffset > size || (size - tableOffset) / 4 < colours) return false;
        for (uint32_t i = 0; i < colours; ++i) {
            const uint8_t* q = data + tableOffset + i * 4;
            L.palette[i] = Bgr(q[2], q[1], q[0]);
        }
    }

    const uint64_t rowBits = static_cast<uint64_t>(L.width) * static_cast<uint64_t>(bits);
    const uint64_t stride = (rowBits + 31) / 32 * 4;
    const uint64_t lastRowBytes = (rowBits + 7) / 8;
    const uint64_t offset = Le32(data + 10);
    // The last row may lack its padding; everything else must be present.
    const uint64_t needed = offset + stride * static_cast<uint64_t>(L.height - 1) + lastRowBytes;
    if (offset < kFileHeaderSize + infoSize || needed > size) return false;
    L.stride = static_cast<size_t>(stride);
    L.pixelOffset = static_cast<size_t>(offset);
    return true;
}

void ConvertBmpRow(const BmpLayout& L, const uint8_t* s, uint32_t* d) {
    const int w = L.width;
    switch (L.bits) {
        case 1:
            for (int x = 0; x < w; ++x) d[x] = L.palette[(s[x >> 3] >> (7 - (x & 7))) & 1];
            break;
        case 4:
            for (int x = 0; x < w; ++x) d[x] = L.palette[(s[x >> 1] >> ((x & 1) ? 0 : 4)) & 0x0F];
            break;
        case 8:
            for (int x = 0; x < w; ++x) d[x] = L.palette[s[x]];
            break;
        case 16:
            for (int x = 0; x < w; ++x) {
                const uint32_t p = Le16(s + 2 * x);
                d[x] = Bgr(L.red.Get(p), L.green.Get(p), L.blue.Get(p));
            }
            break;
        case 24:
            for (int x = 0; x < w; ++x, s += 3) d[x] = Bgr(s[2], s[1], s[0]);
            break;
        case 32:
            if (L.red.mask == 0 && L.green.mask == 0 && L.blue.mask == 0) {
                for (int x = 0; x < w; ++x, s += 4) d[x] = Bgr(s[2], s[1], s[0]);
            } else {
                for (int x = 0; x < w; ++x, s += 4) {
                    const uint32_t p = Le32(s);
                    d[x] = Bgr(L.red.Get(p), L.green.Get(p), L.blue.Get(p));
                }
            }
            break;
    }
}

// ---- JPEG ----

struct JpegError {
    jpeg_error_mgr mgr;
    std::jmp_buf jump;
};

void JpegErrorExit(j_common_ptr cinfo) {
    std::longjmp(reinterpret_cast<JpegError*>(cinfo->err)->jump, 1);
}
void JpegMessageQuiet(j_common_ptr) {}

// Progressive files may repeat scans without end; a real picture needs few.
constexpr int kMaxJpegScans = 1000;

void JpegLimitScans(j_common_ptr cinfo) {
    if (!cinfo->is_decompressor) return;
    auto* d = reinterpret_cast<j_decompress_ptr>(cinfo);
    if (d->input_scan_number > kMaxJpegScans) JpegErrorExit(cinfo);
}

struct JpegReader {
    jpeg_decompress_struct cinfo;
    JpegError error;
    jpeg_progress_mgr progress;
    bool created = false;

    ~JpegReader() {
        if (created) jpeg_destroy_decompress(&cinfo);
    }
};

// libjpeg reports errors by longjmp; the two functions that call setjmp hold
// only plain C data, so no C++ destructor is ever skipped.
bool StartJpeg(JpegReader* r, const uint8_t* data, unsigned long size) {
    r->cinfo.err = jpeg_std_error(&r->error.mgr);
    r->error.mgr.error_exit = JpegErrorExit;
    r->error.mgr.output_message = JpegMessageQuiet;
    if (setjmp(r->error.jump)) return false;
    jpeg_create_decompress(&r->cinfo);
    r->created = true;
    r->progress.progress_monitor = JpegLimitScans;
    r->cinfo.progress = &r->progress;
    jpeg_mem_src(&r->cinfo, data, size);
    jpeg_read_header(&r->cinfo, TRUE);
    if (static_cast<uint64_t>(r->cinfo.image_width) * r->cinfo.image_height > kMaxPixels)
        return false;
    // Colour and grayscale pictures are delivered as RGB; CMYK is refused by
    // the library's colour conversion.
    r->cinfo.out_color_space = JCS_RGB;
    jpeg_start_decompress(&r->cinfo);
    return r->cinfo.output_components == 3;
}

bool ReadJpegRows(JpegReader* r, Bitmap* out, JSAMPROW row) {
    if (setjmp(r->error.jump)) return false;
    const int width = out->Width();
    while (r->cinfo.output_scanline < r->cinfo.output_height) {
        uint32_t* d = out->ScanLine(static_cast<int>(r->cinfo.output_scanline));
        if (jpeg_read_scanlines(&r->cinfo, &row, 1) != 1) return false;
        for (int x = 0; x < width; ++x) d[x] = Bgr(row[3 * x], row[3 * x + 1], row[3 * x + 2]);
    }
    jpeg_finish_decompress(&r->cinfo);
    return true;
}

}  // namespace

bool LoadBmp(const uint8_t* data, size_t size, Bitmap& out) {
    if (!data) return false;
    BmpLayout layout;
    if (!ReadBmpLayout(data, size, layout)) return false;
    Bitmap bmp;
    try {
        bmp.SetSize(layout.width, layout.height);
    } catch (const std::bad_alloc&) {
        return false;
    }
    for (int y = 0; y < layout.height; ++y) {
        const int fileRow = layout.topDown ? y : layout.height - 1 - y;
        ConvertBmpRow(layout, data + layout.pixelOffset + static_cast<size_t>(fileRow) * layout.stride,
                      bmp.ScanLine(y));
    }
    out = std::move(bmp);
    return true;
}

bool LoadJpeg(const uint8_t* data, size_t size, Bitmap& out) {
    if (!data || size < 3 || size > std::numeric_limits<unsigned long>::max()) return false;
    JpegReader r;
    if (!StartJpeg(&r, data, static_cast<unsigned long>(size))) return false;
    const auto width = r.cinfo.output_width;
    const auto height = r.cinfo.output_height;
    if (width == 0 || height == 0 || static_cast<uint64_t>(width) * height > kMaxPixels) return false;
    Bitmap bmp;
    std::vector<JSAMPLE> row;
    try {
        bmp.SetSize(static_cast<int>(width), static_cast<int>(height));
        row.resize(static_cast<size_t>(width) * 3);
    } catch (const std::bad_alloc&) {
        return false;
    }
    if (!ReadJpegRows(&r, &bmp, row.data())) return false;
    out = std::move(bmp);
    return true;
}

bool LoadPictureFile(const std::string& path, Bitmap& out) {
    std::vector<uint8_t> bytes;
    if (!ReadWholeFile(path, bytes)) return false;
    const uint8_t* p = bytes.data();
    const size_t n = bytes.size();
    if (n >= 2 && p[0] == 'B' && p[1] == 'M') return LoadBmp(p, n, out);
    if (n >= 3 && p[0] == 0xFF && p[1] == 0xD8 && p[2] == 0xFF) return LoadJpeg(p, n, out);
    static const uint8_t kPngSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    if (n < 8 || std::memcmp(p, kPngSignature, 8) != 0) return false;
    PngImage png;
    if (!png.LoadFromMemory(p, n)) return false;
    out = png.ToBitmap();
    return true;
}

}  // namespace forms
