// Picture blocks of the menu file: bitmap blocks (one frame of one object's
// picture state, as raw or compressed pixels) and PNG blocks.
#include <vector>

#include "shared/UBmpArray.h"
#include "shared/mdlfilebin.h"
#include "shared/mdlfilebin_io.h"

namespace {

// The bitmap-block header: type, flag, object, state and frame.
void WriteBlockHeader(int type, int flag, int object, int state, int frame) {
    uint8_t head[8] = {static_cast<uint8_t>(type), static_cast<uint8_t>(flag),
                       static_cast<uint8_t>(object), static_cast<uint8_t>(state)};
    const uint32_t f = static_cast<uint32_t>(frame);
    for (int i = 0; i < 4; ++i) head[4 + i] = static_cast<uint8_t>(f >> (8 * i));
    mnuio::Write(head, sizeof head);
}

// Reads the type byte of a block. A wrong type sets the error flag and
// consumes one more byte, as every reader of these blocks always has.
bool ExpectBlockType(int type) {
    mnuio::SetPicMissing(0);
    mnuio::SetPicDamaged(0);
    if (mnuio::ReadByte() == type) return true;
    SetMnuError();
    mnuio::ReadByte();
    return false;
}

int32_t LE32(const uint8_t* p) {
    return static_cast<int32_t>(static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
                                static_cast<uint32_t>(p[2]) << 16 |
                                static_cast<uint32_t>(p[3]) << 24);
}

// Flag, object and state (one byte each) and the frame or tag, followed by
// extraCount further 32-bit values; false when the block is cut short.
bool ReadBlockHeader(int32_t* extra = nullptr, int extraCount = 0) {
    uint8_t head[7 + 12];
    const bool complete = mnuio::Read(head, 7 + 4 * static_cast<size_t>(extraCount));
    mnuio::SetBlockHeader(head[0], head[1], head[2], LE32(head + 3));
    for (int i = 0; i < extraCount; ++i) extra[i] = LE32(head + 7 + 4 * i);
    return complete;
}

}  // namespace

void WriteMnuBitmap(int flag, int object, int state, int frame, const forms::Bitmap& picture,
                    const std::string& /*fileName*/, bool raw) {
    WriteBlockHeader(mftBitmap, flag, object, state, frame);
    forms::Stream* s = MnuStream();
    const bool written =
        s && (raw ? WriteRawPixels(*s, picture) : WriteZipPixels(*s, picture));
    if (!written) SetMnuError();
}

bool ReadMnuBitmapHeader() {
    if (!ExpectBlockType(mftBitmap)) return false;
    if (!ReadBlockHeader()) return false;
    if (MnuBlockHeader().BlkFrame == -1) {
        // A picture kept in a separate file: nothing in this system writes
        // one and its data is not known, so it cannot be read.
        mnuio::SetPicMissing(1);
        SetMnuError();
        return false;
    }
    return true;
}

bool MnuPixelsRaw(bool raw) { return raw || MnuHeader().HdrMajor == 6; }

void ReadMnuBitmapPixels(forms::Bitmap& bitmap, bool raw) {
    forms::Stream* s = MnuStream();
    if (!MnuPixelsRaw(raw)) {
        // Compressed pixels carry their length: once they are taken whole,
        // data that does not inflate damages this picture only.
        std::vector<uint8_t> zipPixels;
        if (!TakeMnuBitmapPixels(zipPixels)) return;
        if (!DecodeMnuBitmap(zipPixels, bitmap)) {
            mnuio::SetPicDamaged(1);
            SetMnuError();
        }
        return;
    }
    TBmpArray work;
    if (!s || !ReadRawPixels(*s, work)) {
        SetMnuError();
        return;
    }
    ArrayToBmp(work);
    bitmap = std::move(work.Bitmap);
}

bool TakeMnuBitmapPixels(std::vector<uint8_t>& zipPixels) {
    forms::Stream* s = MnuStream();
    if (!s || !TakeZipPixels(*s, zipPixels)) {
        SetMnuError();
        return false;
    }
    return true;
}

bool DecodeMnuBitmap(const std::vector<uint8_t>& zipPixels, forms::Bitmap& bitmap) {
    TBmpArray work;
    if (!DecodeZipPixels(zipPixels, work)) return false;
    ArrayToBmp(work);
    bitmap = std::move(work.Bitmap);
    return true;
}

void ReadMnuBitmap(forms::Bitmap& bitmap, bool raw) {
    if (ReadMnuBitmapHeader()) ReadMnuBitmapPixels(bitmap, raw);
}

void WriteMnuPNG(int flag, int object, int state, int tag, const forms::PngImage& png) {
    WriteBlockHeader(mftPNG, flag, object, state, tag);
    const std::vector<uint8_t> data = png.SaveToMemory();
    // Only an empty picture has no PNG data.
    if (data.empty() && !png.Empty()) SetMnuError();
    mnuio::WriteInt32(png.Width());
    mnuio::WriteInt32(png.Height());
    mnuio::WriteInt32(static_cast<int32_t>(data.size()));
    mnuio::Write(data.data(), data.size());
}

void ReadMnuPNG(forms::PngImage& png) {
    if (!ExpectBlockType(mftPNG)) return;
    // Width, height and length follow; the stored width and height are not
    // used, as the PNG data carries its own.
    int32_t sizes[3];
    if (!ReadBlockHeader(sizes, 3)) return;
    const int32_t length = sizes[2];
    if (length == 0) {
        png = forms::PngImage();  // an empty picture was written
        return;
    }
    if (length < 0 || length > mnuio::Remaining()) {
        SetMnuError();
        return;
    }
    std::vector<uint8_t> data(static_cast<size_t>(length));
    if (!mnuio::Read(data.data(), data.size())) return;
    forms::PngImage loaded;
    if (!loaded.LoadFromMemory(data.data(), data.size())) {
        // The block was read whole: only its picture is lost.
        mnuio::SetPicDamaged(1);
        SetMnuError();
        return;
    }
    png = std::move(loaded);
}
