#include "shared/TextParts.h"

#include <gtest/gtest.h>

TEST(TextParts, SplitsLinesDroppingCarriageReturns) {
    EXPECT_TRUE(SplitTextLines("").empty());
    EXPECT_EQ(SplitTextLines("a\r\nb\nc"), (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_EQ(SplitTextLines("a\r\n\r\n"), (std::vector<std::string>{"a", ""}));
    EXPECT_EQ(SplitTextLines("\r"), (std::vector<std::string>{""}));
}

TEST(TextParts, DecimalTruthNeedsADigitAndAtMostOnePoint) {
    bool nonZero = true;
    EXPECT_TRUE(ParseDecimalTruth("-0.00", nonZero));
    EXPECT_FALSE(nonZero);
    EXPECT_TRUE(ParseDecimalTruth("+.5", nonZero));
    EXPECT_TRUE(nonZero);
    nonZero = true;
    for (const char* bad : {"", "+", ".", "1.2.3", " 1", "1e3", "--1"}) {
        EXPECT_FALSE(ParseDecimalTruth(bad, nonZero)) << bad;
        EXPECT_TRUE(nonZero) << bad;
    }
}

TEST(TextParts, PathPiecesSplitAtTheLastBackslashOrColon) {
    EXPECT_EQ(FolderPart("C:\\menus\\a.mnu"), "C:\\menus\\");
    EXPECT_EQ(FileNamePart("C:\\menus\\a.mnu"), "a.mnu");
    EXPECT_EQ(FolderPart("D:a.mnu"), "D:");
    EXPECT_EQ(FileNamePart("D:a.mnu"), "a.mnu");
    EXPECT_EQ(FolderPart("a.mnu"), "");
    EXPECT_EQ(WithTrailingBackslash("C:\\x"), "C:\\x\\");
    EXPECT_EQ(WithTrailingBackslash("C:\\x\\"), "C:\\x\\");
    EXPECT_EQ(WithTrailingBackslash(""), "");
    EXPECT_EQ(LowerAscii("AbC\xC4"), "abc\xC4");
}
