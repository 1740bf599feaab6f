// Snapshot names of the undo and redo stacks, the ranges a loaded menu's
// values are brought into, and the exit-button rule.
#include <gtest/gtest.h>

#include "editor/logic/MenuLoadRules.h"
#include "editor/logic/UndoSnapshots.h"

namespace {

TEST(UndoSnapshotsTest, NamesCarrySlotAndStepAndMatchOnlyTheirOwnSlot) {
    EXPECT_EQ(editor::UndoSnapshotName(2, 3), "UD002003.und");
    EXPECT_EQ(editor::RedoSnapshotName(100, 12), "RD100012.und");
    EXPECT_TRUE(editor::IsSnapshotOfSlot("rd002999.UND", 2));
    for (const char* other : {"UD012003.und", "UD002003.mnu", "UX002003.und", "UD00.und"})
        EXPECT_FALSE(editor::IsSnapshotOfSlot(other, 2)) << other;
}

TEST(MenuLoadRulesTest, ValuesOutOfRangeFallBackAndGoodOnesStay) {
    TAQMenu menu;
    menu.BtnCount = 2;
    const auto check = [&menu](int pos, int trans, int def, int kind, int wantPos, int wantTrans, int wantDef,
                               int wantKind) {
        menu.ScreenPos = pos;
        menu.TransColor = trans;
        menu.DefaultBtn = def;
        menu.Buttons[1].ObjectKind = kind;
        editor::BringLoadedValuesInRange(menu);
        EXPECT_EQ(menu.ScreenPos, wantPos);
        EXPECT_EQ(menu.TransColor, wantTrans);
        EXPECT_EQ(menu.DefaultBtn, wantDef);
        EXPECT_EQ(menu.Buttons[1].ObjectKind, wantKind);
    };
    check(11, 16, 3, 9, 0, -1, 0, GraphicalButton);
    check(-3, 0, -1, -1, 0, -1, 0, GraphicalButton);
    check(10, 15, 2, PlcShape, 10, 15, 2, PlcShape);
}

TEST(MenuLoadRulesTest, AnExitButtonHasNoCommandAndClosesTheMenu) {
    TAQMenu menu;
    menu.BtnCount = 2;
    menu.Buttons[1].ExitOnClick = -1;
    menu.Buttons[1].ButtonCommand = "setup.exe";
    menu.Buttons[3].ExitOnClick = -1;  // beyond BtnCount: not on the menu
    EXPECT_FALSE(editor::HasExitButton(menu));
    menu.Buttons[2].ExitOnClick = 1;
    EXPECT_TRUE(editor::HasExitButton(menu));
}

}  // namespace
