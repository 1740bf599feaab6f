// Shortcut values and the text menus show for them.
#include <gtest/gtest.h>

#include "forms/portable/ShortCut.h"

using namespace forms;

TEST(ShortCutTest, TextNamesModifiersThenKey) {
    EXPECT_EQ(ShortCutToText(MakeShortCut('N', scCtrl)), "Ctrl+N");
    EXPECT_EQ(ShortCutToText(MakeShortCut(0x71)), "F2");
    EXPECT_EQ(ShortCutToText(MakeShortCut(0x7B)), "F12");
    EXPECT_EQ(ShortCutToText(MakeShortCut(0x2E)), "Del");
    EXPECT_EQ(ShortCutToText(MakeShortCut('7', scShift | scCtrl | scAlt)), "Ctrl+Alt+Shift+7");
    // A key without a name shows nothing rather than a bare modifier.
    EXPECT_EQ(ShortCutToText(MakeShortCut(0xE5, scCtrl)), "");
    EXPECT_EQ(ShortCutToText(scNone), "");
}

TEST(ShortCutTest, NoKeyMeansNoShortCut) {
    EXPECT_EQ(MakeShortCut(0, scCtrl), scNone);
    EXPECT_EQ(ShortCutKey(MakeShortCut('S', scCtrl)), 'S');
    EXPECT_NE(MakeShortCut('S', scCtrl), MakeShortCut('S'));
}
