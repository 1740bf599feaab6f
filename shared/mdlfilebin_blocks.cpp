// Picture blocks of the menu file: bitmap blocks (one frame of one object's
// picture state, as raw or compressed pixels) and PNG blocks.
#include <vector>

#include "shared/UBmpArray.h"
#include "shared/mdlfilebin.h"

namespace {

int32_t LE32(const uint8_t* p) {
    return static_cast<int32_t>(static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
                                static_cast<uint32_t>(p[2]) << 16 |
                                static_cast<uint32_t>(p[3]) << 24);
}

}  // namespace

// The bitmap-block header: type, flag, object, state and frame.
void TMenuFile::WriteBlockHeader(int type, int flag, int object, int state, int frame) {
    uint8_t head[8] = {static_cast<uint8_t>(type), static_cast<uint8_t>(flag),
                       static_cast<uint8_t>(object), static_cast<uint8_t>(state)};
    const uint32_t f = static_cast<uint32_t>(frame);
    for (int i = 0; i < 4; ++i) head[4 + i] = static_cast<uint8_t>(f >> (8 * i));
    Write(head, sizeof head);
}

// Reads the type byte of a block. A wrong type sets the error flag and
// consumes one more byte, as every reader of these blocks always has.
bool TMenuFile::ExpectBlockType(int type) {
    picMissing_ = 0;
    picDamaged_ = 0;
    if (ReadByte() == type) return true;
    SetMnuError();
    ReadByte();
    return false;
}

// Flag, object and state (one byte each) and the frame or tag, followed by
// extraCount further 32-bit values; false when the block is cut short.
bool TMenuFile::ReadBlockHeader(int32_t* extra, int extraCount) {
    uint8_t head[7 + 12];
    const bool complete = Read(head, 7 + 4 * static_cast<size_t>(extraCount));
    block_.BlkFlag = head[0];
    block_.BlkObject = head[1];
    block_.BlkState = head[2];
    block_.BlkFrame = LE32(head + 3);
    for (int i = 0; i < extraCount; ++i) extra[i] = LE32(head + 7 + 4 * i);
    return complete;
}

void TMenuFile::WriteMnuBitmap(int flag, int object, int state, int frame, const forms::Bitmap& picture,
                               const std::string& /*fileName*/, bool raw, int zipLevel) {
    WriteBlockHeader(mftBitmap, flag, object, state, frame);
    const bool written =
        stream_ && (raw ? WriteRawPixels(*stream_, picture) : WriteZipPixels(*stream_, picture, zipLevel));
    if (!written) SetMnuError();
}

bool TMenuFile::ReadMnuBitmapHeader() {
    if (!ExpectBlockType(mftBitmap)) return false;
    if (!ReadBlockHeader()) return false;
    if (block_.BlkFrame == -1) {
        // A picture kept in a separate file: nothing in this system writes
        // one and its data is not known, so it cannot be read.
        picMissing_ = 1;
        SetMnuError();
        return false;
    }
    return true;
}

bool TMenuFile::MnuPixelsRaw(bool raw) const { return raw || header_.HdrMajor == 6; }

bool TMenuFile::ReadMnuBitmapPixels(forms::PixelPool& pool, bool raw) {
    if (stream_ && MnuPixelsRaw(raw) && ReadRawPixels(*stream_, pool)) return true;
    if (stream_ && !MnuPixelsRaw(raw)) {
        // Compressed pixels carry their length: once they are taken whole,
        // data that does not inflate damages this picture only.
        const ZipPixelsRead read = ReadZipPixels(*stream_, pool, blockScratch_);
        if (read == ZipPixelsRead::Done) return true;
        if (read == ZipPixelsRead::Damaged) picDamaged_ = 1;
    }
    SetMnuError();
    return false;
}

void TMenuFile::ReadMnuBitmapPixels(forms::Bitmap& bitmap, bool raw) {
    forms::PixelPool own(0);
    if (ReadMnuBitmapPixels(own, raw)) bitmap = own.Keep();
}

bool TMenuFile::TakeMnuBitmapPixels(std::vector<uint8_t>& zipPixels) {
    if (!stream_ || !TakeZipPixels(*stream_, zipPixels)) {
        SetMnuError();
        return false;
    }
    return true;
}

bool TMenuFile::SkipMnuBitmapPixels(int64_t& position) {
    position = stream_ ? stream_->Position() : -1;
    if (position < 0 || !SkipZipPixels(*stream_)) {
        SetMnuError();
        return false;
    }
    return true;
}

bool DecodeMnuBitmap(const std::vector<uint8_t>& zipPixels, forms::PixelPool& pool) {
    return DecodeZipPixels(zipPixels, pool);
}

void TMenuFile::ReadMnuBitmap(forms::Bitmap& bitmap, bool raw) {
    if (ReadMnuBitmapHeader()) ReadMnuBitmapPixels(bitmap, raw);
}

void TMenuFile::WriteMnuPNG(int flag, int object, int state, int tag, const forms::PngImage& png) {
    WriteBlockHeader(mftPNG, flag, object, state, tag);
    const std::vector<uint8_t> data = png.SaveToMemory();
    // Only an empty picture has no PNG data.
    if (data.empty() && !png.Empty()) SetMnuError();
    WriteInt32(png.Width());
    WriteInt32(png.Height());
    WriteInt32(static_cast<int32_t>(data.size()));
    Write(data.data(), data.size());
}

void TMenuFile::ReadMnuPNG(forms::PngImage& png) {
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
    if (length < 0 || length > Remaining()) {
        SetMnuError();
        return;
    }
    // The PNG data is decoded where the stream holds it, when it can lend it.
    const uint8_t* data = stream_ ? stream_->BorrowOrRead(static_cast<size_t>(length), blockScratch_) : nullptr;
    if (data == nullptr) {
        SetMnuError();
        return;
    }
    forms::PngImage loaded;
    if (!loaded.LoadFromMemory(data, static_cast<size_t>(length))) {
        // The block was read whole: only its picture is lost.
        picDamaged_ = 1;
        SetMnuError();
        return;
    }
    png = std::move(loaded);
}
