// The file dialogs' filter list: whole pairs, always doubly terminated.
#include <gtest/gtest.h>

#include <string>

#include "forms/portable/FileFilter.h"

using forms::FileFilterList;
using namespace std::string_literals;

TEST(FileFilterTest, PairsBecomeNulSeparatedListWithDoubleEnd) {
    EXPECT_EQ(FileFilterList("Menus (*.mnu)|*.MNU"), "Menus (*.mnu)\0*.MNU\0\0"s);
    EXPECT_EQ(FileFilterList("Pictures|*.bmp;*.jpg|All|*.*"), "Pictures\0*.bmp;*.jpg\0All\0*.*\0\0"s);
}

TEST(FileFilterTest, MalformedFiltersKeepOnlyWholePairs) {
    EXPECT_EQ(FileFilterList(""), "\0\0"s);
    EXPECT_EQ(FileFilterList("Menus"), "\0\0"s);                       // description without patterns
    EXPECT_EQ(FileFilterList("A|*.a|B"), "A\0*.a\0\0"s);               // odd last entry
    EXPECT_EQ(FileFilterList("|*.a|B|*.b"), "B\0*.b\0\0"s);            // empty description
    EXPECT_EQ(FileFilterList("A||B|*.b|"), "B\0*.b\0\0"s);             // empty patterns
    EXPECT_EQ(FileFilterList("A\0x|*.a"s), "A\0*.a\0\0"s);             // a NUL cuts its entry
}
