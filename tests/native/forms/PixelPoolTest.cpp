// Bitmaps carved from a pixel pool: their pixels stay their own, and the
// pool's spare room is reused.
#include "forms/portable/PixelPool.h"

#include <gtest/gtest.h>

#include <memory>

using forms::Bitmap;
using forms::PixelPool;

namespace {

Bitmap Carve(PixelPool& pool, int w, int h, uint32_t first) {
    uint32_t* room = pool.Reserve(w, h);
    for (int i = 0; i < w * h; ++i) room[i] = first + static_cast<uint32_t>(i);
    return pool.Keep();
}

}  // namespace

TEST(PixelPool, KeptPicturesHoldTheirOwnPixelsAndOutliveThePool) {
    auto pool = std::make_unique<PixelPool>(100);
    Bitmap a = Carve(*pool, 4, 3, 100);
    Bitmap b = Carve(*pool, 5, 5, 200);
    Bitmap big = Carve(*pool, 20, 10, 300);  // larger than a block
    pool.reset();

    EXPECT_EQ(a.Width(), 4);
    EXPECT_EQ(a.Pixel(3, 2), 111u);
    EXPECT_EQ(b.Pixel(0, 0), 200u);
    EXPECT_EQ(b.Pixel(4, 4), 224u);
    EXPECT_EQ(big.Pixel(19, 9), 499u);
    EXPECT_EQ(a.Data() + 12, b.Data());  // one after the other in one block

    // Writing a picture, or a copy of it, leaves its neighbours alone.
    Bitmap copy = b;
    copy.SetPixel(0, 0, 7);
    a.Fill(1);
    EXPECT_EQ(b.Pixel(0, 0), 200u);
    EXPECT_EQ(copy.Pixel(1, 0), 201u);
    EXPECT_NE(copy.Data(), b.Data());

    Bitmap moved = std::move(b);
    EXPECT_EQ(moved.Pixel(4, 4), 224u);
    EXPECT_TRUE(b.Empty());  // NOLINT(bugprone-use-after-move): a moved bitmap is empty
    b.SetSize(2, 2, 9);
    EXPECT_EQ(b.Pixel(1, 1), 9u);
    EXPECT_EQ(moved.Pixel(0, 0), 200u);
}

TEST(PixelPool, RoomThatIsNotKeptIsReusedByTheNextPicture) {
    PixelPool pool(100);
    const Bitmap before = Carve(pool, 3, 2, 50);

    uint32_t* spare = pool.Reserve(3, 2);
    for (int i = 0; i < 6; ++i) spare[i] = 50 + static_cast<uint32_t>(i);
    EXPECT_TRUE(pool.ReservedEquals(before));
    spare[5] = 0;
    EXPECT_FALSE(pool.ReservedEquals(before));
    EXPECT_FALSE(pool.ReservedEquals(Bitmap(2, 3)));

    EXPECT_EQ(pool.Reserve(2, 2), spare);
    const Bitmap empty = pool.Keep();
    EXPECT_EQ(Carve(pool, 0, 4, 0).Height(), 4);  // no pixels, its sides kept
    EXPECT_EQ(Carve(pool, 1, 1, 60).Data(), spare + 4);
    EXPECT_EQ(before.Pixel(2, 1), 55u);
}

TEST(PixelPool, ABlockWhosePicturesAreAllGoneServesTheNextPool) {
    const uint32_t* first = nullptr;
    {
        PixelPool pool;
        first = Carve(pool, 10, 10, 1).Data();
    }
    PixelPool next;
    EXPECT_EQ(Carve(next, 3, 3, 7).Data(), first);
}
