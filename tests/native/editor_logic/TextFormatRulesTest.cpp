// The text box's stepping order, typed font sizes and the font list rows.
#include "editor/logic/TextFormatRules.h"

#include <gtest/gtest.h>

using editor::StepAccessoryText;
using editor::TextStep;

namespace {

// Kinds of objects 1..4: a graphical button, a placed text, a text button,
// a placed image (index 0 unused).
const std::vector<int32_t> kKinds = {0, 0, 4, 2, 3};

TEST(TextStepping, PreviousFromTheMenusTextWrapsAndMovesBackOverPlacedObjects) {
    const auto wrapped = StepAccessoryText(0, kKinds, TextStep::Previous);
    EXPECT_EQ(wrapped.Text, 3);
    EXPECT_TRUE(wrapped.Beep);
    EXPECT_EQ(StepAccessoryText(3, kKinds, TextStep::Previous).Text, 1);
    // Only placed objects: every step comes back to the menu's text.
    EXPECT_EQ(StepAccessoryText(0, {0, 4, 3}, TextStep::Previous).Text, 0);
    EXPECT_EQ(StepAccessoryText(0, {0}, TextStep::Next).Text, 0);
    // The box's opening step from "no text" lands on the menu's own text.
    EXPECT_EQ(StepAccessoryText(-1, kKinds, TextStep::Next).Text, 0);
}

TEST(FontSize, OnlyAWholePositiveNumberIsASize) {
    EXPECT_EQ(editor::ParseFontSize("18"), 18);
    EXPECT_EQ(editor::ParseFontSize(" 9 "), 9);
    EXPECT_EQ(editor::ParseFontSize("$12"), 18);
    for (const char* bad : {"", "abc", "12pt", "1.5", "-3", "0", "10000", "99999999999"})
        EXPECT_FALSE(editor::ParseFontSize(bad).has_value()) << bad;
}

TEST(FontList, NamesMatchWithinTheirRowsAndTheSeparatorMeansRowZero) {
    const std::vector<std::string> items = {"Arial", "Impact", "Serif"};
    EXPECT_EQ(editor::FontRowOf(items, "Impact", 13), 1);
    EXPECT_EQ(editor::FontRowOf(items, "impact", 13), -1);
    EXPECT_EQ(editor::FontRowOf(items, "Serif", 2), -1);
    EXPECT_EQ(editor::TypedFontRow({"Serif", "serif"}, "serif"), 1);
    EXPECT_EQ(editor::TypedFontRow(items, " IMPACT "), 1);
    EXPECT_EQ(editor::TypedFontRow(items, "Imp"), -1);
    EXPECT_EQ(editor::FontRowToApply(13), 0);
    EXPECT_EQ(editor::FontRowToApply(14), 14);
    EXPECT_EQ(editor::CaptionWithoutAccel("&Impact"), "Impact");
}

TEST(FontStyle, AButtonChangesOnlyItsOwnBit) {
    EXPECT_EQ(editor::StyleWithBit(7, 2, false), 5u);
    EXPECT_EQ(editor::ColorBarMask(0x00FF00), 0xFF00FFu);
}

}  // namespace
