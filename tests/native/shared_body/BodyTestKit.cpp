#include "BodyTestKit.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <cstring>

#include "forms/portable/Stream.h"
#include "shared/mdlfilebin.h"
#include "tests/support/FakeDialogs.h"

namespace bodytest {

PicRef Picture(int w, int h, uint32_t seed) {
    auto pic = std::make_shared<forms::Bitmap>(w, h);
    uint32_t v = seed * 2654435761u + 1;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            v = v * 1664525u + 1013904223u;
            pic->SetPixel(x, y, v);
        }
    return pic;
}

forms::PngImage Png(int w, int h, uint8_t seed) {
    forms::PngImage png = forms::PngImage::CreateBlank(w, h);
    for (int y = 0; y < h; ++y) {
        uint8_t* row = png.Row(y);
        for (int x = 0; x < w * 4; ++x) row[x] = static_cast<uint8_t>(seed + x * 7 + y * 13);
    }
    return png;
}

TMenuFile& KitFile() {
    static TMenuFile file(qvfake::Host());
    return file;
}

void BeginWrite() {
    KitFile().SetMnuStream(std::make_unique<forms::MemoryStream>());
    KitFile().ClearMnuError();
}

std::vector<uint8_t> WrittenBytes() {
    auto* mem = dynamic_cast<forms::MemoryStream*>(KitFile().MnuStream());
    return mem ? mem->Bytes() : std::vector<uint8_t>();
}

void BeginRead(const std::vector<uint8_t>& bytes) {
    KitFile().SetMnuStream(std::make_unique<forms::MemoryStream>(bytes));
    KitFile().ClearMnuError();
}

std::vector<uint8_t> WriteToBytes(const TAQMenu& menu, const MenuWriteOptions& options) {
    BeginWrite();
    EXPECT_TRUE(WriteMenuFile(KitFile(), menu, options));
    EXPECT_EQ(KitFile().MnuError(), 0);
    return WrittenBytes();
}

bool ReadFromBytes(const std::vector<uint8_t>& bytes, TAQMenu& menu, const MenuReadOptions& options,
                   MenuReadReport* report) {
    BeginRead(bytes);
    if (!KitFile().ReadMnuHeader()) return false;
    return ReadMenuBody(KitFile(), menu, options, report);
}

namespace {

class Cursor {
public:
    explicit Cursor(const std::vector<uint8_t>& b) : b_(b) {}
    bool Has(size_t n) const { return pos_ + n <= b_.size(); }
    size_t Left() const { return b_.size() - pos_; }
    uint8_t Byte() { return b_[pos_++]; }
    uint8_t Peek() const { return b_[pos_]; }
    int32_t Int() {
        uint32_t v = b_[pos_] | b_[pos_ + 1] << 8 | b_[pos_ + 2] << 16 | static_cast<uint32_t>(b_[pos_ + 3]) << 24;
        pos_ += 4;
        return static_cast<int32_t>(v);
    }
    std::string Text(size_t n) {
        std::string s(reinterpret_cast<const char*>(b_.data() + pos_), n);
        pos_ += n;
        return s;
    }
    const uint8_t* Here() const { return b_.data() + pos_; }
    void Skip(size_t n) { pos_ += n; }

private:
    const std::vector<uint8_t>& b_;
    size_t pos_ = 0;
};

bool ScanPixels(Cursor& c, bool raw, Block& block, std::string& error) {
    if (!c.Has(8)) return error = "short pixel header", false;
    block.width = c.Int();
    block.height = c.Int();
    const size_t count = static_cast<size_t>(block.width) * static_cast<size_t>(block.height);
    block.pixels.assign(count, 0);
    if (raw) {
        if (!c.Has(count * 4)) return error = "short raw pixels", false;
        std::memcpy(block.pixels.data(), c.Here(), count * 4);
        c.Skip(count * 4);
        return true;
    }
    if (!c.Has(4)) return error = "short block length", false;
    const int32_t n = c.Int();
    if (n < 4 || !c.Has(static_cast<size_t>(n))) return error = "bad block length", false;
    const int32_t rawSize = c.Int();
    if (static_cast<size_t>(rawSize) != count * 4) return error = "raw size mismatch", false;
    uLongf outLen = static_cast<uLongf>(count * 4);
    std::vector<uint8_t> out(count * 4 + 1);
    if (uncompress(out.data(), &outLen, c.Here(), static_cast<uLong>(n - 4)) != Z_OK || outLen != count * 4)
        return error = "bad zlib data", false;
    std::memcpy(block.pixels.data(), out.data(), count * 4);
    c.Skip(static_cast<size_t>(n - 4));
    return true;
}

}  // namespace

FileScan ScanFile(const std::vector<uint8_t>& bytes, bool rawPixels) {
    FileScan scan;
    Cursor c(bytes);
    if (!c.Has(11) || c.Text(4) != "MENU" || c.Byte() != 1) return scan.error = "bad header", scan;
    scan.major = c.Byte();
    c.Skip(2);
    scan.objects = c.Byte();
    const uint8_t low = c.Byte();
    scan.images = static_cast<int16_t>(low | c.Byte() << 8);

    // Body fields up to the first bitmap block or the closing byte.
    while (c.Has(1)) {
        const uint8_t type = c.Peek();
        if (type == mftBitmap || c.Left() == 1) break;
        c.Byte();
        if (type == mftInt || type == mftLong) {
            if (!c.Has(8)) return scan.error = "short number", scan;
            c.Int();
            scan.fields.push_back((type == mftInt ? "i:" : "l:") + std::to_string(c.Int()));
        } else if (type == mftString) {
            if (!c.Has(4)) return scan.error = "short text length", scan;
            const int32_t n = c.Int();
            if (n < 0 || !c.Has(static_cast<size_t>(n))) return scan.error = "bad text length", scan;
            scan.fields.push_back("s:" + c.Text(static_cast<size_t>(n)));
        } else if (type == mftPNG) {
            if (!c.Has(19)) return scan.error = "short png block", scan;
            c.Skip(3);
            c.Int();
            c.Int();
            c.Int();
            const int32_t n = c.Int();
            if (n < 0 || !c.Has(static_cast<size_t>(n))) return scan.error = "bad png length", scan;
            c.Skip(static_cast<size_t>(n));
            scan.fields.push_back("png");
        } else {
            return scan.error = "unexpected type " + std::to_string(type), scan;
        }
    }
    while (c.Has(2) && c.Peek() == mftBitmap) {
        c.Byte();
        if (!c.Has(7)) return scan.error = "short block header", scan;
        Block block;
        block.flag = c.Byte();
        block.object = c.Byte();
        block.state = c.Byte();
        block.frame = c.Int();
        if (!ScanPixels(c, rawPixels, block, scan.error)) return scan;
        scan.blocks.push_back(std::move(block));
    }
    scan.closingByte = c.Left() == 1;
    if (!scan.closingByte) return scan.error = "file does not end with one closing byte", scan;
    scan.ok = true;
    return scan;
}

std::string Kinds(const std::vector<std::string>& fields, size_t from, size_t count) {
    std::string out;
    for (size_t i = from; i < from + count && i < fields.size(); ++i) {
        if (!out.empty()) out += ' ';
        out += fields[i].substr(0, fields[i].find(':'));
    }
    return out;
}

}  // namespace bodytest
