#include "TestPictures.h"

#include <jpeglib.h>
#include <png.h>

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>

namespace formstest {

namespace {

void Append(png_structp png, png_bytep data, png_size_t n) {
    auto* out = static_cast<Bytes*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + n);
}
void NoFlush(png_structp) {}

bool WritePng(png_structp png, png_infop info, const PngRecipe& s, const png_color* palette,
              Bytes* out, png_bytepp rows) {
    if (setjmp(png_jmpbuf(png))) return false;
    png_set_write_fn(png, out, Append, NoFlush);
    png_set_IHDR(png, info, s.width, s.height, s.depth, s.colourType,
                 s.interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    if (!s.paletteRgb.empty())
        png_set_PLTE(png, info, palette, static_cast<int>(s.paletteRgb.size() / 3));
    png_color_16 trnsColour{};
    if (!s.trnsAlpha.empty() || s.trnsGray >= 0) {
        trnsColour.gray = static_cast<png_uint_16>(s.trnsGray < 0 ? 0 : s.trnsGray);
        png_set_tRNS(png, info, s.trnsAlpha.empty() ? nullptr : s.trnsAlpha.data(),
                     static_cast<int>(s.trnsAlpha.size()), s.trnsGray >= 0 ? &trnsColour : nullptr);
    }
    png_write_info(png, info);
    png_write_image(png, rows);
    png_write_end(png, nullptr);
    return true;
}

struct JpegFail {
    jpeg_error_mgr mgr;
    std::jmp_buf jump;
};
void JpegFailExit(j_common_ptr c) { std::longjmp(reinterpret_cast<JpegFail*>(c->err)->jump, 1); }

bool WriteJpeg(jpeg_compress_struct* c, JpegFail* err, int width, int height, int components,
               const uint8_t* samples, int quality, bool progressive, unsigned char** mem,
               unsigned long* size) {
    c->err = jpeg_std_error(&err->mgr);
    err->mgr.error_exit = JpegFailExit;
    if (setjmp(err->jump)) return false;
    jpeg_create_compress(c);
    jpeg_mem_dest(c, mem, size);
    c->image_width = static_cast<JDIMENSION>(width);
    c->image_height = static_cast<JDIMENSION>(height);
    c->input_components = components;
    c->in_color_space = components == 3 ? JCS_RGB : JCS_GRAYSCALE;
    jpeg_set_defaults(c);
    jpeg_set_quality(c, quality, TRUE);
    if (progressive) jpeg_simple_progression(c);
    jpeg_start_compress(c, TRUE);
    while (c->next_scanline < c->image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(samples + c->next_scanline * width * components);
        jpeg_write_scanlines(c, &row, 1);
    }
    jpeg_finish_compress(c);
    return true;
}

void Put16(Bytes& b, size_t at, uint32_t v) {
    b[at] = static_cast<uint8_t>(v);
    b[at + 1] = static_cast<uint8_t>(v >> 8);
}
void Put32(Bytes& b, size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + i] = static_cast<uint8_t>(v >> (8 * i));
}

}  // namespace

Bytes MakePng(const PngRecipe& s) {
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    std::vector<png_bytep> rows;
    for (const Bytes& r : s.rows) rows.push_back(const_cast<png_bytep>(r.data()));
    std::vector<png_color> palette;
    for (size_t i = 0; i + 2 < s.paletteRgb.size(); i += 3)
        palette.push_back(png_color{s.paletteRgb[i], s.paletteRgb[i + 1], s.paletteRgb[i + 2]});
    Bytes out;
    const bool ok = WritePng(png, info, s, palette.data(), &out, rows.data());
    png_destroy_write_struct(&png, &info);
    if (!ok) throw std::runtime_error("test PNG could not be written");
    return out;
}

Bytes MakeBmp(const BmpRecipe& s) {
    const int height = s.height < 0 ? -s.height : s.height;
    const size_t stride = (static_cast<size_t>(s.width) * s.bits + 31) / 32 * 4;
    const size_t maskBytes = s.infoSize == 40 ? s.masks.size() * 4 : 0;
    const size_t tableOffset = 14 + s.infoSize;
    const size_t pixelOffset = tableOffset + maskBytes + s.palette.size() * 4;
    Bytes b(pixelOffset + stride * height, 0);
    b[0] = 'B';
    b[1] = 'M';
    Put32(b, 2, static_cast<uint32_t>(b.size()));
    Put32(b, 10, static_cast<uint32_t>(pixelOffset));
    Put32(b, 14, s.infoSize);
    Put32(b, 18, static_cast<uint32_t>(s.width));
    Put32(b, 22, static_cast<uint32_t>(s.height));
    Put16(b, 26, 1);
    Put16(b, 28, static_cast<uint32_t>(s.bits));
    Put32(b, 30, s.compression);
    Put32(b, 46, static_cast<uint32_t>(s.palette.size()));
    for (size_t i = 0; i < s.masks.size(); ++i)
        Put32(b, (s.infoSize == 40 ? tableOffset : 14 + 40) + 4 * i, s.masks[i]);
    for (size_t i = 0; i < s.palette.size(); ++i)
        Put32(b, tableOffset + maskBytes + 4 * i, s.palette[i]);
    for (int y = 0; y < height; ++y) {
        const int stored = s.height < 0 ? y : height - 1 - y;
        std::copy(s.rows[y].begin(), s.rows[y].end(), b.begin() + pixelOffset + stored * stride);
    }
    return b;
}

Bytes MakeJpeg(int width, int height, int components, const Bytes& samples, int quality,
               bool progressive) {
    jpeg_compress_struct c{};
    JpegFail err;
    unsigned char* mem = nullptr;
    unsigned long size = 0;
    const bool ok = WriteJpeg(&c, &err, width, height, components, samples.data(), quality,
                              progressive, &mem, &size);
    Bytes out;
    if (ok) out.assign(mem, mem + size);
    jpeg_destroy_compress(&c);
    std::free(mem);
    if (!ok) throw std::runtime_error("test JPEG could not be written");
    return out;
}

std::string TempFolder() {
    namespace fs = std::filesystem;
    static int counter = 0;
    static struct Cleanup {
        std::vector<fs::path> folders;
        ~Cleanup() {
            std::error_code ec;
            for (const fs::path& f : folders) {
                for (const auto& e : fs::recursive_directory_iterator(f, ec))
                    fs::permissions(e.path(), fs::perms::owner_write, fs::perm_options::add, ec);
                fs::remove_all(f, ec);
            }
        }
    } cleanup;
    fs::path folder;
    do {
        folder = fs::temp_directory_path() /
                 ("forms_test_" + std::to_string(std::rand()) + "_" + std::to_string(++counter));
    } while (fs::exists(folder));
    fs::create_directories(folder);
    cleanup.folders.push_back(folder);
    return folder.string();
}

}  // namespace formstest
