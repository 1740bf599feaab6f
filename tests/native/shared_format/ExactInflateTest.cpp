// One-shot inflating of picture blocks: only a stream that decodes to exactly
// the stored raw size is taken, whatever level wrote it.
#include <zlib.h>

#include <random>

#include "shared/ExactInflate.h"
#include "shared/UBmpArray.h"
#include "tests/native/shared_format/TestFiles.h"

using namespace qvtest;

namespace {

Bytes DeflateAt(const Bytes& raw, int level) {
    Bytes out(compressBound(raw.size()));
    uLongf size = out.size();
    compress2(out.data(), &size, raw.data(), raw.size(), level);
    out.resize(size);
    return out;
}

Bytes RandomWords(size_t count, unsigned seed) {
    std::mt19937 rng(seed);
    Bytes out;
    for (size_t i = 0; i < count; ++i) {
        const uint32_t v = rng() & 0x00FF00FF;  // compressible, yet varied
        for (int b = 0; b < 4; ++b) out.push_back(static_cast<uint8_t>(v >> (8 * b)));
    }
    return out;
}

TEST(ExactInflate, TakesOnlyAStreamOfExactlyTheWantedSize) {
    const Bytes raw = RandomWords(300, 1);
    for (int level : {1, 6, 9}) {
        const Bytes zlib = DeflateAt(raw, level);
        Bytes out(raw.size());
        ASSERT_TRUE(InflateExact(zlib.data(), zlib.size(), out.data(), out.size())) << level;
        EXPECT_EQ(out, raw) << level;

        Bytes withTail = zlib;
        withTail.insert(withTail.end(), {1, 2, 3, 4, 5});
        EXPECT_TRUE(InflateExact(withTail.data(), withTail.size(), out.data(), out.size())) << level;

        Bytes longer(raw.size() + 4), shorter(raw.size() - 4);
        EXPECT_FALSE(InflateExact(zlib.data(), zlib.size(), longer.data(), longer.size())) << level;
        EXPECT_FALSE(InflateExact(zlib.data(), zlib.size(), shorter.data(), shorter.size())) << level;

        Bytes badSum = zlib;
        badSum.back() ^= 0x5A;
        EXPECT_FALSE(InflateExact(badSum.data(), badSum.size(), out.data(), out.size())) << level;
        const Bytes cut(zlib.begin(), zlib.begin() + static_cast<long>(zlib.size() / 2));
        EXPECT_FALSE(InflateExact(cut.data(), cut.size(), out.data(), out.size())) << level;
        EXPECT_FALSE(InflateExact(zlib.data(), 0, out.data(), out.size())) << level;
    }
}

TEST(ExactInflate, PictureBlockWhoseStreamHoldsMoreOrFewerPixelsIsRefused) {
    // The stored raw size agrees with the sides, but the stream does not.
    const Bytes twoPixels = RandomWords(2, 2);
    const Bytes zlib = DeflateAt(twoPixels, 9);
    auto block = [&zlib](int32_t w, int32_t h) {
        return Cat({Le32(w), Le32(h), Le32(static_cast<int32_t>(zlib.size() + 4)), Le32(w * h * 4), zlib});
    };
    for (const auto& sides : {std::pair<int32_t, int32_t>{1, 1}, {3, 1}}) {
        forms::MemoryStream s(block(sides.first, sides.second));
        TBmpArray a;
        EXPECT_FALSE(ReadZipPixels(s, a)) << sides.first;
        EXPECT_EQ(a.Width, 0);
        EXPECT_TRUE(a.Pixels.Empty());
    }
    forms::MemoryStream exact(block(2, 1));
    TBmpArray a;
    ASSERT_TRUE(ReadZipPixels(exact, a));
    EXPECT_EQ(a.Width, 2);
}

TEST(ExactInflate, FastLevelPicturesReadBackLikeStoredOnes) {
    forms::Bitmap bmp(37, 23);
    const Bytes words = RandomWords(bmp.PixelCount(), 3);
    std::copy(words.begin(), words.end(), reinterpret_cast<uint8_t*>(bmp.Data()));
    forms::MemoryStream fast, stored;
    ASSERT_TRUE(WriteZipPixels(fast, bmp, 1));
    ASSERT_TRUE(WriteZipPixels(stored, bmp));
    EXPECT_NE(fast.Bytes(), stored.Bytes());
    for (forms::MemoryStream* s : {&fast, &stored}) {
        ASSERT_EQ(s->Seek(0, forms::SeekOrigin::Begin), 0);
        TBmpArray a;
        ASSERT_TRUE(ReadZipPixels(*s, a));
        ASSERT_EQ(a.Width, 37);
        for (int y = 0; y < 23; ++y)
            for (int x = 0; x < 37; ++x) ASSERT_EQ(a.Pixels[x][y], bmp.Data()[y * 37 + x]);
    }
}

}  // namespace
