#include "shared/ExactInflate.h"

#include <libdeflate.h>

#include <memory>

namespace {

struct DecompressorFree {
    void operator()(libdeflate_decompressor* d) const { libdeflate_free_decompressor(d); }
};

// A decompressor is a few kilobytes of tables: one per thread is kept rather
// than one allocated for every picture.
libdeflate_decompressor* ThreadDecompressor() {
    thread_local std::unique_ptr<libdeflate_decompressor, DecompressorFree> decompressor(
        libdeflate_alloc_decompressor());
    return decompressor.get();
}

}  // namespace

bool InflateExact(const uint8_t* in, size_t inSize, uint8_t* out, size_t outSize) {
    if (outSize == 0) return true;
    libdeflate_decompressor* d = ThreadDecompressor();
    if (d == nullptr || in == nullptr) return false;
    // Passing a place for the consumed input count lets data follow the
    // stream; passing none for the output count demands exactly outSize.
    size_t consumed = 0;
    return libdeflate_zlib_decompress_ex(d, in, inSize, out, outSize, &consumed, nullptr) ==
           LIBDEFLATE_SUCCESS;
}
