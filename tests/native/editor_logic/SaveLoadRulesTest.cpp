// Snapshot names of the undo and redo stacks, the ranges a loaded menu's
// values are brought into, and the exit-button rule.
#include <gtest/gtest.h>

#include "editor/logic/MenuLoadRules.h"
#include "editor/logic/UndoSnapshots.h"

namespace {

TEST(UndoSnapshotsTest, NamesCarrySlotAndStepAndMatchOnlyTheirOwnSlot) {
    EXPECT_EQ(editor::UndoSnapshotName(2, 3), "UD002003.und");
    EXPECT_EQ(editor::RedoSnapshotName(100, 12), "RD100012.und");
    EXPECT_TRUE(editor::IsSnapshotOfSlot("UD002003.und", 2));
    EXPECT_TRUE(editor::IsSnapshotOfSlot("rd002999.UND", 2));
    EXPECT_FALSE(editor::IsSnapshotOfSlot("UD012003.und", 2));
    EXPECT_FALSE(editor::IsSnapshotOfSlot("UD002003.mnu", 2));
    EXPECT_FALSE(editor::IsSnapshotOfSlot("UX002003.und", 2));
    EXPECT_FALSE(editor::IsSnapshotOfSlot("UD00.und", 2));
}

TEST(MenuLoadRulesTest, ValuesOutOfRangeFallBackAndGoodOnesStay) {
    TAQMenu menu;
    menu.BtnCount = 2;
    menu.ScreenPos = 11;
    menu.TransColor = 16;
    menu.DefaultBtn = 3;
    menu.Buttons[1].ObjectKind = 9;
    menu.Buttons[2].ObjectKind = PlcShape;
    editor::BringLoadedValuesInRange(menu);
    EXPECT_EQ(menu.ScreenPos, 0);
    EXPECT_EQ(menu.TransColor, -1);
    EXPECT_EQ(menu.DefaultBtn, 0);
    EXPECT_EQ(menu.Buttons[1].ObjectKind, GraphicalButton);
    EXPECT_EQ(menu.Buttons[2].ObjectKind, PlcShape);

    menu.ScreenPos = 10;
    menu.TransColor = 15;
    menu.DefaultBtn = 2;
    menu.Buttons[1].ObjectKind = -1;
    editor::BringLoadedValuesInRange(menu);
    EXPECT_EQ(menu.ScreenPos, 10);
    EXPECT_EQ(menu.TransColor, 15);
    EXPECT_EQ(menu.DefaultBtn, 2);
    EXPECT_EQ(menu.Buttons[1].ObjectKind, GraphicalButton);
    menu.ScreenPos = -3;
    menu.TransColor = 0;
    menu.DefaultBtn = -1;
    editor::BringLoadedValuesInRange(menu);
    EXPECT_EQ(menu.ScreenPos, 0);
    EXPECT_EQ(menu.TransColor, -1);
    EXPECT_EQ(menu.DefaultBtn, 0);
}

TEST(MenuLoadRulesTest, AnExitButtonHasNoCommandAndClosesTheMenu) {
    TAQMenu menu;
    menu.BtnCount = 2;
    menu.Buttons[1].ExitOnClick = -1;
    menu.Buttons[1].ButtonCommand = "setup.exe";
    EXPECT_FALSE(editor::HasExitButton(menu));
    menu.Buttons[3].ExitOnClick = -1;  // beyond BtnCount: not on the menu
    EXPECT_FALSE(editor::HasExitButton(menu));
    menu.Buttons[2].ExitOnClick = 1;
    EXPECT_TRUE(editor::HasExitButton(menu));
}

}  // namespace
