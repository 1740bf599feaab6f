#include "editor/logic/StoredPicture.h"

#include <gtest/gtest.h>

#include "shared/mdlfilebin.h"

namespace {

// A 4 x 1 picture: the left half lime (the transparent colour 10), the right
// half grey, each pixel's fourth byte as given.
forms::Bitmap LimeAndGrey(uint32_t fourth0, uint32_t fourth1, uint32_t fourth2, uint32_t fourth3) {
    forms::Bitmap b(4, 1);
    b.SetPixel(0, 0, 0x00FF00 | fourth0 << 24);
    b.SetPixel(1, 0, 0x00FF00 | fourth1 << 24);
    b.SetPixel(2, 0, 0x808080 | fourth2 << 24);
    b.SetPixel(3, 0, 0x808080 | fourth3 << 24);
    return b;
}

TEST(StoredPicture, OpaquePicturesGetTheStoredLayoutAndCutTheirShape) {
    forms::Bitmap opaque = LimeAndGrey(0xFF, 0xFF, 0xFF, 0xFF);
    EXPECT_EQ(MakeWinRgnString(opaque, 10), "00040001");  // no run: the fault
    editor::UseStoredPixelLayout(opaque);
    EXPECT_TRUE(opaque == LimeAndGrey(0, 0, 0, 0));
    EXPECT_EQ(MakeWinRgnString(opaque, 10), "0004000100000002");

    // Real alpha stays as it was, and so does the stored layout itself.
    for (const forms::Bitmap& kept : {LimeAndGrey(0, 0xFF, 0x80, 0xFF), LimeAndGrey(0, 0, 0, 0)}) {
        forms::Bitmap b = kept;
        editor::UseStoredPixelLayout(b);
        EXPECT_TRUE(b == kept);
    }
}

TEST(StoredPicture, MenuHoldsPicturesUpToTheFileLimits) {
    EXPECT_TRUE(editor::MenuHoldsPicture(16384, 4096));
    EXPECT_FALSE(editor::MenuHoldsPicture(16385, 10));
    EXPECT_FALSE(editor::MenuHoldsPicture(10, 16385));
    EXPECT_FALSE(editor::MenuHoldsPicture(16384, 4097));  // more pixels than a file holds
    EXPECT_NE(editor::PictureTooLargeText(20000, 150).find("20000 x 150 pixels"), std::string::npos);
    EXPECT_NE(editor::PictureTooLargeText(20000, 150).find("16384 pixels wide"), std::string::npos);
}

}  // namespace
