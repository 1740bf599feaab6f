// Picture blocks on arbitrary bytes: after the first input byte comes a menu
// header (whose version decides raw or compressed pixels for old files) and
// then blocks. Two bits of the first byte per block choose the reader: raw
// bitmap, compressed bitmap or PNG.
#include "FuzzStream.h"
#include "shared/UBmpArray.h"

using fuzzing::Check;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    const uint8_t plan = data[0];
    auto file = fuzzing::MenuFileOn(data + 1, size - 1);
    TMenuFile& mnu = *file;
    mnu.ReadMnuHeader();
    mnu.ClearMnuError();
    for (int k = 0; k < 8 && !mnu.MnuError(); ++k) {
        const int reader = (plan >> (2 * (k % 4))) & 3;
        if (reader == 2) {
            forms::PngImage png;
            mnu.ReadMnuPNG(png);
            Check(static_cast<size_t>(png.Width()) * png.Height() * 4 == png.Rgba().size());
            continue;
        }
        forms::Bitmap bitmap;
        mnu.ReadMnuBitmap(bitmap, reader == 0);
        Check(bitmap.PixelCount() == static_cast<size_t>(bitmap.Width()) * bitmap.Height());
        Check(static_cast<int64_t>(bitmap.PixelCount()) <= kMaxPicturePixels);
    }
    return 0;
}
