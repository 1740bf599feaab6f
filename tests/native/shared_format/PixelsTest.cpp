// The pixel-array record: conversions and the raw and compressed encodings,
// including damaged and hostile input.
#include <zlib.h>

#include <random>

#include "shared/UBmpArray.h"
#include "tests/native/shared_format/TestFiles.h"

using namespace qvtest;

namespace {

forms::Bitmap RandomBitmap(int w, int h, unsigned seed) {
    forms::Bitmap bmp(w, h);
    std::mt19937 rng(seed);
    for (size_t i = 0; i < bmp.PixelCount(); ++i) bmp.Data()[i] = rng();  // fourth byte too
    return bmp;
}

TBmpArray FromBitmap(const forms::Bitmap& bmp) {
    TBmpArray a;
    a.Bitmap = bmp;
    BmpToArray(a);
    return a;
}

Bytes ZipBlock(int32_t w, int32_t h, uint32_t rawSize, const Bytes& zlibData) {
    return Cat({Le32(w), Le32(h), Le32(static_cast<int32_t>(zlibData.size() + 4)),
                Le32(static_cast<int32_t>(rawSize)), zlibData});
}

Bytes Deflate(const Bytes& raw) {
    Bytes out(compressBound(raw.size()));
    uLongf size = out.size();
    compress2(out.data(), &size, raw.data(), raw.size(), 9);
    out.resize(size);
    return out;
}

TEST(BmpArray, BmpToArrayAddsAZeroColumnAndRow) {
    const forms::Bitmap bmp = RandomBitmap(3, 2, 1);
    TBmpArray a = FromBitmap(bmp);
    EXPECT_EQ(a.Width, 3);
    EXPECT_EQ(a.Height, 2);
    ASSERT_EQ(a.Pixels.Cols(), 4);
    ASSERT_EQ(a.Pixels.Rows(), 3);
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 3; ++x) EXPECT_EQ(a.Pixels[x][y], bmp.Pixel(x, y)) << x << "," << y;
        EXPECT_EQ(a.Pixels[3][y], 0u);
    }
    for (int x = 0; x <= 3; ++x) EXPECT_EQ(a.Pixels[x][2], 0u);

    a.Pixels[1][0] = 0xAABBCCDD;
    ArrayToBmp(a);
    forms::Bitmap expected = bmp;
    expected.SetPixel(1, 0, 0xAABBCCDD);
    EXPECT_EQ(a.Bitmap, expected);
}

TEST(BmpArray, ArrayToPngTakesColoursFromPixelsAndAlphaFromAlpha) {
    TBmpArray a;
    a.Width = 2;
    a.Height = 1;
    ResetBmpArray(a);
    a.Pixels[0][0] = 0xFF102030;  // fourth byte is not alpha
    a.Pixels[1][0] = 0x00A0B0C0;
    a.Alpha[0][0] = 7;
    a.Alpha[1][0] = 255;
    ArrayToPNG(a);
    ASSERT_EQ(a.PNG.Width(), 2);
    ASSERT_EQ(a.PNG.Height(), 1);
    const uint8_t* row = a.PNG.Row(0);
    EXPECT_EQ(Bytes(row, row + 8), Bytes({0x10, 0x20, 0x30, 7, 0xA0, 0xB0, 0xC0, 255}));

    // Entries the arrays lack (here: all of Alpha) become 0 instead of being read.
    a.Alpha.Clear();
    a.Height = 2;
    ArrayToPNG(a);
    EXPECT_EQ(a.PNG.Row(0)[3], 0);
    EXPECT_EQ(a.PNG.Row(1)[0], 0);
}

TEST(BmpArray, RawAndCompressedRoundTripsKeepEveryByte) {
    for (const auto& size : {std::pair<int, int>{1, 1}, {7, 5}, {64, 3}}) {
        const forms::Bitmap bmp = RandomBitmap(size.first, size.second, 42);
        const TBmpArray a = FromBitmap(bmp);

        forms::MemoryStream raw;
        ASSERT_TRUE(WriteRawPixels(raw, a));
        EXPECT_EQ(raw.Size(), 8 + 4 * size.first * size.second);
        forms::MemoryStream zip;
        ASSERT_TRUE(WriteZipPixels(zip, a));

        for (bool compressed : {false, true}) {
            forms::MemoryStream& s = compressed ? zip : raw;
            s.Seek(0, forms::SeekOrigin::Begin);
            TBmpArray back;
            ASSERT_TRUE(compressed ? ReadZipPixels(s, back) : ReadRawPixels(s, back));
            EXPECT_EQ(s.Position(), s.Size());
            EXPECT_EQ(back.Width, size.first);
            EXPECT_EQ(back.Height, size.second);
            ArrayToBmp(back);
            EXPECT_EQ(back.Bitmap, bmp);
        }
    }
}

TEST(BmpArray, RawPixelsReadStraightIntoABitmapAsIntoARecord) {
    for (const auto& size : {std::pair<int, int>{1, 1}, {7, 5}, {0, 4}}) {
        const forms::Bitmap bmp = RandomBitmap(size.first, size.second, 9);
        forms::MemoryStream raw;
        ASSERT_TRUE(WriteRawPixels(raw, bmp));
        raw.Write("tail", 4);
        raw.Seek(0, forms::SeekOrigin::Begin);
        forms::Bitmap back(2, 2, 0x123456);
        ASSERT_TRUE(ReadRawPixels(raw, back));
        EXPECT_EQ(back, bmp);
        EXPECT_EQ(raw.Position(), raw.Size() - 4);
    }
    const Bytes pixel = Le32(0x11223344);
    for (const Bytes& bad : {Cat({Le32(2), Le32(1), pixel}), Cat({Le32(16384), Le32(16384), pixel}),
                             Cat({Le32(-1), Le32(1), pixel}), Bytes{1, 0}}) {
        forms::MemoryStream s(bad);
        forms::Bitmap back(2, 2);
        EXPECT_FALSE(ReadRawPixels(s, back));
        EXPECT_TRUE(back.Empty());
        EXPECT_EQ(back.PixelCount(), 0u);
    }
}

TEST(BmpArray, EncodingsOfAnEmptyPicture) {
    const TBmpArray a = FromBitmap(forms::Bitmap());
    forms::MemoryStream raw;
    ASSERT_TRUE(WriteRawPixels(raw, a));
    EXPECT_EQ(raw.Bytes(), Bytes(8, 0));

    forms::MemoryStream zip;
    ASSERT_TRUE(WriteZipPixels(zip, a));
    // Raw size 0 and an RFC 1950 stream at the highest level holding nothing.
    EXPECT_EQ(zip.Bytes(), ZipBlock(0, 0, 0, Deflate({})));

    zip.Seek(0, forms::SeekOrigin::Begin);
    TBmpArray back;
    EXPECT_TRUE(ReadZipPixels(zip, back));
    EXPECT_EQ(back.Width, 0);
    EXPECT_EQ(back.Height, 0);
}

TEST(BmpArray, CompressStreamRoundTrip) {
    Bytes data(100000);
    for (size_t i = 0; i < data.size(); ++i) data[i] = static_cast<uint8_t>(i * 7 / 13);
    forms::MemoryStream source(data), packed, unpacked;
    ASSERT_TRUE(CompressStream(source, packed));
    EXPECT_EQ(Le32At(packed.Bytes(), 0), 100000);
    EXPECT_EQ(packed.Bytes()[4], 0x78);
    EXPECT_EQ(packed.Bytes()[5], 0xDA);
    ASSERT_TRUE(DecompressStream(packed, unpacked));
    EXPECT_EQ(unpacked.Bytes(), data);

    // Corrupt or short data is reported, not thrown.
    Bytes broken = packed.Bytes();
    broken.resize(broken.size() / 2);
    forms::MemoryStream shortSource(broken), out;
    EXPECT_FALSE(DecompressStream(shortSource, out));
    broken = packed.Bytes();
    broken[6] ^= 0xFF;
    broken[7] ^= 0xFF;
    forms::MemoryStream corrupt(broken), out2;
    EXPECT_FALSE(DecompressStream(corrupt, out2));

    // A stored size above 2 GB, as CompressStream writes for such a source, is
    // taken as unsigned: inflating starts (and stops where the data ends).
    broken = packed.Bytes();
    broken[3] = 0x80;
    forms::MemoryStream large(broken), out3;
    EXPECT_FALSE(DecompressStream(large, out3));
    EXPECT_EQ(out3.Bytes(), data);
}

// Every damaged encoding is refused with an empty record, quickly and
// without allocating what the damaged sizes claim.
TEST(BmpArray, DamagedEncodingsAreRefused) {
    const Bytes pixel = Le32(0x11223344);
    const Bytes goodZlib = Deflate(pixel);
    Bytes badZlib = goodZlib;
    badZlib[2] ^= 0xFF;
    badZlib[3] ^= 0xFF;
    const Bytes cutZlib(goodZlib.begin(), goodZlib.end() - 6);

    const std::vector<std::pair<const char*, Bytes>> rawCases = {
        {"huge sides", Cat({Le32(1 << 30), Le32(1 << 30), pixel})},
        {"negative width", Cat({Le32(-1), Le32(1), pixel})},
        {"side over limit", Cat({Le32(16385), Le32(1), pixel})},
        {"too many pixels", Cat({Le32(16384), Le32(16384), pixel})},
        {"fewer pixels than sides", Cat({Le32(2), Le32(1), pixel})},
        {"no sides", Bytes{1, 0}},
    };
    for (const auto& c : rawCases) {
        forms::MemoryStream s(c.second);
        TBmpArray a;
        a.Width = 3;
        EXPECT_FALSE(ReadRawPixels(s, a)) << c.first;
        EXPECT_EQ(a.Width, 0) << c.first;
        EXPECT_TRUE(a.Pixels.Empty()) << c.first;
    }

    const std::vector<std::pair<const char*, Bytes>> zipCases = {
        {"huge sides", ZipBlock(1 << 30, 1 << 30, 0, goodZlib)},
        {"too many pixels", ZipBlock(16384, 16384, 0x40000000, goodZlib)},
        {"raw size disagrees", ZipBlock(1, 1, 8, goodZlib)},
        {"raw size far beyond the data", ZipBlock(4096, 4096, 4096u * 4096 * 4, goodZlib)},
        {"corrupt zlib", ZipBlock(1, 1, 4, badZlib)},
        {"cut zlib", ZipBlock(1, 1, 4, cutZlib)},
        {"block length beyond the end", Cat({Le32(1), Le32(1), Le32(0x7FFFFFFF), Le32(4)})},
        {"negative block length", Cat({Le32(1), Le32(1), Le32(-8), Le32(4)})},
        {"block shorter than its raw size", Cat({Le32(1), Le32(1), Le32(2), {4, 0}})},
    };
    for (const auto& c : zipCases) {
        forms::MemoryStream s(c.second);
        TBmpArray a;
        EXPECT_FALSE(ReadZipPixels(s, a)) << c.first;
        EXPECT_EQ(a.Width, 0) << c.first;
        EXPECT_TRUE(a.Pixels.Empty()) << c.first;
    }

    forms::MemoryStream good(ZipBlock(1, 1, 4, goodZlib));
    TBmpArray a;
    ASSERT_TRUE(ReadZipPixels(good, a));
    EXPECT_EQ(a.Pixels[0][0], 0x11223344u);
}

// A stream over bytes that never lends them in place, as a file stream.
class CopyingStream final : public forms::Stream {
public:
    explicit CopyingStream(Bytes bytes) : inner_(std::move(bytes)) {}
    size_t Read(void* buffer, size_t count) override { return inner_.Read(buffer, count); }
    size_t Write(const void* buffer, size_t count) override { return inner_.Write(buffer, count); }
    int64_t Seek(int64_t offset, forms::SeekOrigin origin) override { return inner_.Seek(offset, origin); }
    int64_t Size() override { return inner_.Size(); }

private:
    forms::MemoryStream inner_;
};

TEST(ZipPixels, PooledReadsInflateInPlaceOrThroughScratchAlikeAndTellShortFromDamaged) {
    const forms::Bitmap first = RandomBitmap(7, 5, 3), second = RandomBitmap(2, 9, 4);
    forms::MemoryStream written;
    ASSERT_TRUE(WriteZipPixels(written, first) && WriteZipPixels(written, second));
    const Bytes twoPictures = written.Bytes();
    Bytes damaged = twoPictures;
    damaged[20] ^= 0xFF;  // inside the first picture's zlib data

    forms::MemoryStream lending(twoPictures);
    CopyingStream copying(twoPictures);
    for (forms::Stream* s : {static_cast<forms::Stream*>(&lending), static_cast<forms::Stream*>(&copying)}) {
        forms::PixelPool pool;
        std::vector<uint8_t> scratch;
        ASSERT_EQ(ReadZipPixels(*s, pool, scratch), ZipPixelsRead::Done);
        EXPECT_EQ(pool.Keep(), first);
        ASSERT_EQ(ReadZipPixels(*s, pool, scratch), ZipPixelsRead::Done);
        EXPECT_EQ(pool.Keep(), second);
        EXPECT_EQ(ReadZipPixels(*s, pool, scratch), ZipPixelsRead::Short);
        EXPECT_EQ(scratch.empty(), s == &lending);
    }

    forms::PixelPool pool;
    std::vector<uint8_t> scratch;
    CopyingStream bad(damaged);
    EXPECT_EQ(ReadZipPixels(bad, pool, scratch), ZipPixelsRead::Damaged);
    ASSERT_EQ(ReadZipPixels(bad, pool, scratch), ZipPixelsRead::Done);  // the next block still reads
    EXPECT_EQ(pool.Keep(), second);
    CopyingStream cut(Bytes(twoPictures.begin(), twoPictures.begin() + 30));
    EXPECT_EQ(ReadZipPixels(cut, pool, scratch), ZipPixelsRead::Short);
}

}  // namespace
