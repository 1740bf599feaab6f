#include "editor/logic/StoredPicture.h"

#include <gtest/gtest.h>

// Opaque pictures reach the stored layout end to end (the editor's shape
// tests); here what must not change, and the size limits.
TEST(StoredPicture, RealAlphaIsKeptAndLimitsAreTheFilesOwn) {
    forms::Bitmap alpha(2, 1, 0xFF00FF00u);
    alpha.SetPixel(1, 0, 0x80808080u);
    const forms::Bitmap kept = alpha;
    editor::UseStoredPixelLayout(alpha);
    EXPECT_TRUE(alpha == kept);

    EXPECT_TRUE(editor::MenuHoldsPicture(16384, 4096));
    EXPECT_FALSE(editor::MenuHoldsPicture(16385, 10));
    EXPECT_FALSE(editor::MenuHoldsPicture(10, 16385));
    EXPECT_FALSE(editor::MenuHoldsPicture(16384, 4097));  // more pixels than a file holds
}
