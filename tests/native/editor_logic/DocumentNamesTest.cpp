#include <gtest/gtest.h>

#include "editor/logic/DocumentNames.h"
#include "editor/logic/EditorTexts.h"

using namespace editor;

TEST(DocumentNames, SaveRules) {
    EXPECT_EQ(NewDocumentName(3), "Menu 3");
    EXPECT_TRUE(SaveNeedsName("Menu 3"));
    EXPECT_FALSE(SaveNeedsName("Intro.MNU"));
    EXPECT_TRUE(SaveNeedsName("mnu"));

    EXPECT_EQ(SaveAsPath("C:\\m\\Intro.mnu"), "C:\\m\\Intro.mnu");
    EXPECT_EQ(SaveAsPath("C:\\m\\Menu.MNU"), "C:\\m\\Menu.mnu");
    EXPECT_EQ(SaveAsPath("C:\\a.b\\name.txt"), "C:\\a.b\\name.mnu");
    EXPECT_EQ(SaveAsPath("C:\\a.b\\name"), "C:\\a.b\\name.mnu");
    EXPECT_EQ(SaveAsPath("C:\\m\\x.y.mnu.bak"), "C:\\m\\x.mnu");
    EXPECT_EQ(SaveAsPath("D:name.1"), "D:name.mnu");

    const FileLocation loc = SplitFileLocation("C:\\a.b\\name.mnu");
    EXPECT_EQ(loc.Folder, "C:\\a.b\\");
    EXPECT_EQ(loc.Name, "name.mnu");
    EXPECT_EQ(SplitFileLocation("D:x.mnu").Folder, "D:\\");
}

TEST(DocumentNames, MenuListAndArgument) {
    std::vector<std::string> files = {"b.MNU", "readme.txt", "A.mnu", "c.mnu.txt", "menu"};
    for (int i = 0; i < 30; ++i) files.push_back("z" + std::to_string(100 + i) + ".mnu");
    const std::vector<std::string> list = MenuListNames(files);
    ASSERT_EQ(list.size(), 20u);
    EXPECT_EQ(list[0], "A.mnu");
    EXPECT_EQ(list[1], "b.MNU");
    EXPECT_EQ(list[19], "z117.mnu");
    EXPECT_TRUE(MenuListNames({"x.txt"}).empty());

    EXPECT_FALSE(ArgumentNamesFile(""));
    EXPECT_FALSE(ArgumentNamesFile("\"\""));
    EXPECT_TRUE(ArgumentNamesFile("\""));
    EXPECT_TRUE(ArgumentNamesFile("C:\\m\\a.mnu"));
}

TEST(EditorTexts, GridItemsFontsAndTips) {
    EXPECT_EQ(GridSizeFromCaption("&8"), 8);
    EXPECT_EQ(GridSizeFromCaption("2"), 2);
    EXPECT_EQ(GridSizeFromCaption("&1"), 6);
    EXPECT_EQ(GridSizeFromCaption("1&0"), 6);
    EXPECT_EQ(GridSizeItemIndex(2), 0);
    EXPECT_EQ(GridSizeItemIndex(8), 6);
    EXPECT_EQ(GridSizeItemIndex(9), -1);

    const std::vector<std::string> items = FontComboItems({"DejaVu Sans", "Tahoma"});
    ASSERT_EQ(items.size(), 16u);
    EXPECT_EQ(items[0], "Arial");
    EXPECT_EQ(items[12], "Impact");
    EXPECT_EQ(items[13], std::string(12, '\x97'));
    EXPECT_EQ(items[15], "Tahoma");

    EXPECT_EQ(std::string(TipText(9)), "");
    EXPECT_NE(std::string(TipText(1)).find("action of your button.\r\n\r\nYou can return"), std::string::npos);
    EXPECT_NE(std::string(TipText(6)).find("Windows\xAE virus"), std::string::npos);
    EXPECT_NE(std::string(TipText(4)).find("primary colors, then select"), std::string::npos);
}
