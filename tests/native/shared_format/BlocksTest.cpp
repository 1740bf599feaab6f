// Picture blocks: bitmap blocks raw and compressed, PNG blocks, and what the
// readers do with wrong types and damaged data.
#include "tests/native/shared_format/TestFiles.h"

using namespace qvtest;

namespace {

class BlocksTest : public MenuFileTest {
protected:
    // Makes the header of the next reads say the given major version.
    void ReadHeaderOfVersion(int major) {
        UseMemory({'M', 'E', 'N', 'U', 1, static_cast<uint8_t>(major), 0, 0, 0, 0, 0});
        ASSERT_TRUE(mnu.ReadMnuHeader());
    }
};

forms::Bitmap Picture(int w, int h) {
    forms::Bitmap bmp(w, h);
    for (size_t i = 0; i < bmp.PixelCount(); ++i) bmp.Data()[i] = 0x80000000u + i * 0x010203u;
    return bmp;
}

forms::PngImage Png(int w, int h) {
    forms::PngImage png = forms::PngImage::CreateBlank(w, h);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < 4 * w; ++x) png.Row(y)[x] = static_cast<uint8_t>(x * 31 + y);
    }
    return png;
}

TEST_F(BlocksTest, RawBitmapBlockLayoutAndReadBack) {
    ReadHeaderOfVersion(8);
    forms::MemoryStream* s = UseMemory();
    forms::Bitmap one(1, 1, 0xFE123456);
    mnu.WriteMnuBitmap(1, 12, 2, 7, one, "ignored.bmp", true);
    EXPECT_EQ(s->Bytes(), Cat({{5, 1, 0x0C, 2, 7, 0, 0, 0}, Le32(1), Le32(1), Le32(static_cast<int32_t>(0xFE123456u))}));
    EXPECT_EQ(s->Size(), 20);

    s->Seek(0, forms::SeekOrigin::Begin);
    forms::Bitmap back;
    mnu.ReadMnuBitmap(back, true);
    EXPECT_EQ(mnu.MnuError(), 0);
    EXPECT_EQ(back, one);
    EXPECT_EQ(mnu.MnuBlockHeader().BlkFlag, 1);
    EXPECT_EQ(mnu.MnuBlockHeader().BlkObject, 12);
    EXPECT_EQ(mnu.MnuBlockHeader().BlkState, 2);
    EXPECT_EQ(mnu.MnuBlockHeader().BlkFrame, 7);
}

TEST_F(BlocksTest, CompressedBlocksFollowOneAnother) {
    ReadHeaderOfVersion(8);
    forms::MemoryStream* s = UseMemory();
    const forms::Bitmap a = Picture(40, 30), b = Picture(3, 9);
    mnu.WriteMnuBitmap(1, 0, 0, 0, a, "", false);
    mnu.WriteMnuBitmap(1, 5, 3, 100, b, "", false);
    const Bytes& bytes = s->Bytes();
    EXPECT_EQ(Le32At(bytes, 8), 40);
    EXPECT_EQ(Le32At(bytes, 12), 30);
    EXPECT_EQ(Le32At(bytes, 20), 40 * 30 * 4);  // raw size opens the block

    s->Seek(0, forms::SeekOrigin::Begin);
    forms::Bitmap back;
    mnu.ReadMnuBitmap(back, false);
    EXPECT_EQ(back, a);
    mnu.ReadMnuBitmap(back, false);
    EXPECT_EQ(back, b);
    EXPECT_EQ(mnu.MnuBlockHeader().BlkObject, 5);
    EXPECT_EQ(mnu.MnuBlockHeader().BlkFrame, 100);
    EXPECT_EQ(mnu.MnuError(), 0);
    EXPECT_EQ(s->Position(), s->Size());
}

TEST_F(BlocksTest, VersionSixFilesAreReadRaw) {
    forms::MemoryStream* s = UseMemory();
    const forms::Bitmap pic = Picture(4, 2);
    mnu.WriteMnuBitmap(1, 0, 0, 0, pic, "", true);
    Bytes raw = s->Bytes();

    ReadHeaderOfVersion(6);
    UseMemory(raw);
    forms::Bitmap back;
    mnu.ReadMnuBitmap(back, false);  // asks for compressed pixels
    EXPECT_EQ(mnu.MnuError(), 0);
    EXPECT_EQ(back, pic);

    ReadHeaderOfVersion(7);
    UseMemory(raw);
    back = forms::Bitmap();
    mnu.ReadMnuBitmap(back, false);
    EXPECT_EQ(mnu.MnuError(), 1);
    EXPECT_TRUE(back.Empty());
}

TEST_F(BlocksTest, WrongTypeOrDamagedBlocksLeaveThePictureAlone) {
    ReadHeaderOfVersion(8);
    const forms::Bitmap keep = Picture(2, 2);
    forms::Bitmap bmp = keep;

    forms::MemoryStream* s = UseMemory({6, 1, 0, 0, 0, 0, 0, 0});
    mnu.ReadMnuBitmap(bmp, false);
    EXPECT_EQ(mnu.MnuError(), 1);
    EXPECT_EQ(s->Position(), 2);  // the type and one more byte
    EXPECT_EQ(bmp, keep);

    const std::vector<Bytes> damaged = {
        Cat({{5, 1, 0, 0, 0, 0, 0, 0}, Le32(1 << 30), Le32(1 << 30), Le32(12), Le32(0)}),
        Cat({{5, 1, 0, 0, 0, 0, 0, 0}, Le32(2), Le32(2), Le32(12), Le32(16), {0x78, 0xDA, 1, 2, 3, 4, 5, 6}}),
        Bytes{5, 1, 0},
    };
    for (const Bytes& d : damaged) {
        mnu.ClearMnuError();
        UseMemory(d);
        mnu.ReadMnuBitmap(bmp, false);
        EXPECT_EQ(mnu.MnuError(), 1);
        EXPECT_EQ(bmp, keep);
    }

    // A frame of -1 stands for a picture in a separate file, which cannot be read.
    mnu.ClearMnuError();
    UseMemory(Cat({{5, 1, 0, 0}, Le32(-1), Le32(1), Le32(1), Le32(0)}));
    mnu.ReadMnuBitmap(bmp, true);
    EXPECT_EQ(mnu.PicMissing(), 1);
    EXPECT_EQ(mnu.MnuError(), 1);
    EXPECT_EQ(bmp, keep);
}

TEST_F(BlocksTest, PngBlockLayoutAndReadBack) {
    forms::MemoryStream* s = UseMemory();
    const forms::PngImage png = Png(5, 3);
    mnu.WriteMnuPNG(0, 0, 0, 0, png);
    const Bytes& bytes = s->Bytes();
    ASSERT_GT(bytes.size(), 28u);
    EXPECT_EQ(Bytes(bytes.begin(), bytes.begin() + 8), Bytes({6, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(Le32At(bytes, 8), 5);
    EXPECT_EQ(Le32At(bytes, 12), 3);
    EXPECT_EQ(Le32At(bytes, 16), static_cast<int32_t>(bytes.size() - 20));
    EXPECT_EQ(Bytes(bytes.begin() + 20, bytes.begin() + 24), Bytes({0x89, 'P', 'N', 'G'}));

    s->Seek(0, forms::SeekOrigin::Begin);
    forms::PngImage back;
    mnu.ReadMnuPNG(back);
    EXPECT_EQ(mnu.MnuError(), 0);
    EXPECT_EQ(back, png);

    // The PNG data decides the size, not the stored width and height.
    Bytes lying = bytes;
    lying[8] = 99;
    lying[12] = 0xFF;
    UseMemory(lying);
    mnu.ReadMnuPNG(back);
    EXPECT_EQ(mnu.MnuError(), 0);
    EXPECT_EQ(back.Width(), 5);
    EXPECT_EQ(back.Height(), 3);

    // An empty picture travels as a block without data and comes back empty.
    s = UseMemory();
    mnu.WriteMnuPNG(0, 0, 0, 0, forms::PngImage());
    EXPECT_EQ(s->Bytes(), Cat({{6, 0, 0, 0, 0, 0, 0, 0}, Le32(0), Le32(0), Le32(0)}));
    s->Seek(0, forms::SeekOrigin::Begin);
    mnu.ReadMnuPNG(back);
    EXPECT_EQ(mnu.MnuError(), 0);
    EXPECT_TRUE(back.Empty());
}

TEST_F(BlocksTest, DamagedPngBlocksLeaveThePictureAlone) {
    forms::MemoryStream* s = UseMemory();
    mnu.WriteMnuPNG(0, 0, 0, 0, Png(4, 4));
    const Bytes good = s->Bytes();
    const forms::PngImage keep = Png(2, 2);

    Bytes corrupt = good;
    for (size_t i = 40; i < corrupt.size(); ++i) corrupt[i] ^= 0x5A;
    Bytes cut(good.begin(), good.end() - 10);
    Bytes huge = good;
    huge[16] = huge[17] = huge[18] = 0xFF;
    huge[19] = 0x7F;
    Bytes negative = good;
    negative[19] = 0x80;
    const std::vector<Bytes> damaged = {corrupt, cut, huge, negative, Bytes{6, 0, 0}};
    for (const Bytes& d : damaged) {
        mnu.ClearMnuError();
        UseMemory(d);
        forms::PngImage png = keep;
        mnu.ReadMnuPNG(png);
        EXPECT_EQ(mnu.MnuError(), 1);
        EXPECT_EQ(png, keep);
    }

    mnu.ClearMnuError();
    s = UseMemory({5, 1, 2, 3});
    forms::PngImage png = keep;
    mnu.ReadMnuPNG(png);
    EXPECT_EQ(mnu.MnuError(), 1);
    EXPECT_EQ(s->Position(), 2);
    EXPECT_EQ(png, keep);
}

TEST_F(BlocksTest, FailedWritesSetTheFlag) {
    mnu.CloseMnuFile();
    mnu.WriteMnuBitmap(1, 0, 0, 0, Picture(2, 2), "", false);
    EXPECT_EQ(mnu.MnuError(), 1);
    mnu.ClearMnuError();
    UseMemory();
    mnu.WriteMnuBitmap(1, 0, 0, 0, forms::Bitmap(20000, 1), "", true);
    EXPECT_EQ(mnu.MnuError(), 1);
}

}  // namespace
