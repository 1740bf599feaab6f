#include "shared/TarvikUtils.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <utility>

TEST(QBColorTest, FifteenFixedColoursRedInLowByte)
{
    const int32_t expected[16] = {0,        0x800000, 0x008000, 0x808000, 0x000080, 0x800080,
                                  0x008080, 0xC0C0C0, 0x808080, 0xFF0000, 0x00FF00, 0xFFFF00,
                                  0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};
    for (int i = 1; i <= 15; ++i) EXPECT_EQ(QBColor(i), expected[i]) << "index " << i;
}

TEST(QBColorTest, IndexOutsideTableIsBlack)
{
    for (int i : {0, 16, -1, 255, -2147483647 - 1}) EXPECT_EQ(QBColor(i), 0) << "index " << i;
}

TEST(SwapRedBlueTest, ExchangesLowAndThirdBytes)
{
    EXPECT_EQ(SwapRedBlue(0x0000FF), 0xFF0000);
    EXPECT_EQ(SwapRedBlue(0x808000), 0x008080);
    EXPECT_EQ(SwapRedBlue(0x123456), 0x563412);
    EXPECT_EQ(SwapRedBlue(SwapRedBlue(0x00ABCDEF)), 0x00ABCDEF);
}

TEST(SwapRedBlueTest, TopByteBecomesZero)
{
    EXPECT_EQ(SwapRedBlue(static_cast<int32_t>(0xFF0000FFu)), 0xFF0000);
    EXPECT_EQ(SwapRedBlue(-1), 0xFFFFFF);
}

TEST(IsNumericTest, AcceptsWholeIntegers)
{
    for (const char* text : {"0", "42", "-42", "+7", "007", "  12", "2147483647", "-2147483648", "$FF",
                             "$ff", "-$10", "$FFFFFFFF", "$0"}) {
        EXPECT_TRUE(IsNumeric(text)) << '"' << text << '"';
    }
}

TEST(IsNumericTest, RejectsTextThatIsNotOneInteger)
{
    for (const char* text : {"", " ", "-", "+", "$", "-$", "12a", "12 ", "1.5", "1e3", "a1", "- 1", "--1",
                             "0x10", "$G", "1,000"}) {
        EXPECT_FALSE(IsNumeric(text)) << '"' << text << '"';
    }
}

TEST(ReadNumericTest, ReadsWhatIsNumericAccepts)
{
    const std::pair<const char*, int32_t> cases[] = {
        {"42", 42},  {"  -12", -12}, {"+7", 7},       {"$10", 16},          {"-$10", -16},
        {"$ff", 255}, {"$FFFFFFFF", -1}, {"-2147483648", INT32_MIN}, {"$80000000", INT32_MIN}};
    for (const auto& [text, expected] : cases) {
        int32_t value = 0;
        EXPECT_TRUE(ReadNumeric(text, value)) << text;
        EXPECT_EQ(value, expected) << text;
    }
    int32_t kept = 5;
    for (const char* text : {"", "12a", "-", "$", "2147483648", "12 "}) EXPECT_FALSE(ReadNumeric(text, kept)) << text;
    EXPECT_EQ(kept, 5);
}

TEST(IsNumericTest, RejectsValuesBeyond32Bits)
{
    EXPECT_FALSE(IsNumeric("2147483648"));
    EXPECT_FALSE(IsNumeric("-2147483649"));
    EXPECT_FALSE(IsNumeric("99999999999999999999999"));
    EXPECT_FALSE(IsNumeric("$100000000"));
}
