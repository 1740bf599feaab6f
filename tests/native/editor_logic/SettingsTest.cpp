#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "editor/logic/DataFolders.h"
#include "editor/logic/EditorSettings.h"
#include "forms/portable/FileSystem.h"
#include "forms/portable/Stream.h"

using namespace editor;

namespace {

const char kHome[] = "C:\\Tools\\";

EditorSettings Defaults() { return DefaultSettings(kHome, 1024, 768); }

// Settings with every value changed from its default.
EditorSettings Changed() {
    EditorSettings s = Defaults();
    for (int i = 0; i < kCustomColorCount; ++i) s.CustomColors[i] = 0x102030 + i;
    s.ShowToolTips = false;
    s.MenuFolder = "D:\\Menus\\";
    s.PictureFolder = "D:\\Pictures\\";
    for (int i = 0; i < kTipFlagCount; ++i) s.TipShown[i] = i % 2;
    s.AutoPlaceButtons = true;
    s.KeptFlag = false;
    s.PropsLeft = -5;
    s.PropsTop = 7;
    s.PropsWidth = 700;
    s.PropsHeight = 400;
    s.StandardToolbar = false;
    s.FormattingToolbar = true;
    s.ObjectToolbar = false;
    s.SnapToGrid = false;
    s.GridSize = 8;
    s.PalettePage = 3;
    return s;
}

std::string TempFolder() {
    char pattern[] = "/tmp/qv-settings-XXXXXX";
    const char* made = mkdtemp(pattern);
    return made ? std::string(made) + "/" : std::string();
}

std::string ReadText(const std::string& path) {
    std::vector<uint8_t> bytes;
    forms::ReadWholeFile(path, bytes);
    return std::string(bytes.begin(), bytes.end());
}

}  // namespace

TEST(Settings, FirstRunDefaults) {
    const EditorSettings s = Defaults();
    const int32_t greys[] = {255, 212, 170, 127, 85, 42, 0};
    for (int k = 0; k < kCustomColorCount; ++k) EXPECT_EQ(s.CustomColors[k], greys[k] * 0x010101) << k;
    EXPECT_TRUE(s.ShowToolTips && s.SnapToGrid && s.KeptFlag);
    EXPECT_TRUE(s.StandardToolbar && s.FormattingToolbar && s.ObjectToolbar);
    EXPECT_FALSE(s.AutoPlaceButtons);
    EXPECT_EQ(s.GridSize, 6);
    EXPECT_EQ(s.MenuFolder, kHome);
    EXPECT_EQ(s.PictureFolder, kHome);
    EXPECT_EQ(s.PropsLeft, 192);
    EXPECT_EQ(s.PropsTop, 204);
    EXPECT_EQ(DefaultSettings(kHome, 641, 361).PropsLeft, 0);  // (641 - 640) div 2
}

TEST(Settings, TextRoundTripAndLayout) {
    const EditorSettings s = Changed();
    const std::string text = FormatSettings(s);
    size_t breaks = 0;
    for (size_t i = 0; (i = text.find("\r\n", i)) != std::string::npos; i += 2) ++breaks;
    EXPECT_EQ(breaks, 38u);
    EXPECT_EQ(text.substr(text.size() - 4), "\r\n\r\n");
    // Line 8 false, line 26 true, line 36 the grid size.
    EXPECT_NE(text.find("\r\n0\r\nD:\\Menus\\\r\nD:\\Pictures\\\r\n0\r\n1\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\n-1\r\n0\r\n-5\r\n7\r\n700\r\n400\r\n0\r\n-1\r\n0\r\n0\r\n8\r\n3\r\n\r\n"),
              std::string::npos);

    EditorSettings back = Defaults();
    EXPECT_EQ(ParseSettings(text, back), SettingsRead::Complete);
    EXPECT_EQ(back, s);
}

TEST(Settings, ForgivingRead) {
    // Lines 1-7 and 8 as words, LF line ends, no empty last line.
    std::string text = "1\n2\n3\n4\n5\n6\n7\nFalse\nE:\\M\\\nE:\\P\\\n";
    for (int i = 0; i < kTipFlagCount; ++i) text += "1\n";
    text += "TRUE\n0\n10\n20\n600\n300\n0\n2.5\n-1\n0\n5\n1";
    EditorSettings s = Defaults();
    EXPECT_EQ(ParseSettings(text, s), SettingsRead::Complete);
    EXPECT_EQ(s.CustomColors[6], 7);
    EXPECT_FALSE(s.ShowToolTips);
    EXPECT_TRUE(s.AutoPlaceButtons);
    EXPECT_FALSE(s.StandardToolbar);
    EXPECT_TRUE(s.FormattingToolbar);  // "2.5" is a non-zero number
    EXPECT_FALSE(s.SnapToGrid);
    EXPECT_EQ(s.GridSize, 5);
    EXPECT_EQ(s.PalettePage, 1);

    // A value that does not convert: the values before it stay read, the rest
    // keep their defaults.
    EditorSettings bad = Defaults();
    EXPECT_EQ(ParseSettings("9\n8\nx7\n6\n", bad), SettingsRead::Partial);
    EXPECT_EQ(bad.CustomColors[0], 9);
    EXPECT_EQ(bad.CustomColors[1], 8);
    EXPECT_EQ(bad.CustomColors[2], Defaults().CustomColors[2]);
    EXPECT_EQ(bad.CustomColors[3], Defaults().CustomColors[3]);

    // A file that ends early; an empty folder line keeps the default folder.
    EditorSettings early = Defaults();
    EXPECT_EQ(ParseSettings("1\n2\n3\n4\n5\n6\n7\n0\n\n", early), SettingsRead::Partial);
    EXPECT_FALSE(early.ShowToolTips);
    EXPECT_EQ(early.MenuFolder, kHome);
    EXPECT_EQ(early.PictureFolder, kHome);
    EXPECT_EQ(early.GridSize, 6);

    // Out-of-range numbers do not convert; grid sizes outside 2..8 become 6.
    EditorSettings big = Defaults();
    EXPECT_EQ(ParseSettings("4294967296\n", big), SettingsRead::Partial);
    EXPECT_EQ(big, Defaults());
    for (int grid : {0, -3, 1, 9, 100}) {
        EditorSettings g = Changed();
        std::string t = FormatSettings(g);
        t.replace(t.find("\r\n8\r\n3\r\n\r\n"), 5, "\r\n" + std::to_string(grid) + "\r\n");
        EXPECT_EQ(ParseSettings(t, g), SettingsRead::Complete);
        EXPECT_EQ(g.GridSize, 6) << grid;
    }
}

TEST(Settings, FileSaveAndLoad) {
    const std::string dir = TempFolder();
    ASSERT_FALSE(dir.empty());
    const std::string path = dir + "Editor.ini";
    EditorSettings s = Defaults();
    EXPECT_EQ(LoadSettingsFile(path, s), SettingsLoad::NoFile);
    EXPECT_EQ(s, Defaults());

    ASSERT_TRUE(SaveSettingsFile(path, Changed()));
    EXPECT_EQ(LoadSettingsFile(path, s), SettingsLoad::Loaded);
    EXPECT_EQ(s, Changed());

    // A save that cannot complete leaves the old file whole and no leftovers.
    forms::WriteWholeFile(path, "1\r\n2\r\n", 6);
    EditorSettings partial = Defaults();
    EXPECT_EQ(LoadSettingsFile(path, partial), SettingsLoad::Partial);
    EXPECT_EQ(partial.CustomColors[1], 2);
    ASSERT_EQ(mkdir((dir + "Blocked.ini").c_str(), 0700), 0);
    EXPECT_FALSE(SaveSettingsFile(dir + "Blocked.ini", Changed()));
    EXPECT_FALSE(SaveSettingsFile(dir + "missing/Editor.ini", Changed()));
    EXPECT_EQ(ReadText(path), "1\r\n2\r\n");
    EXPECT_FALSE(forms::FileExists(dir + "Blocked.ini.~tmp0000"));

    rmdir((dir + "Blocked.ini").c_str());
    forms::RemoveFile(path);
    rmdir(dir.c_str());
}

TEST(Settings, FileNameAndFolders) {
    EXPECT_EQ(SettingsFilePath("C:\\Tools\\Editor.exe", "C:\\Tools\\"), "C:\\Tools\\Editor.ini");
    EXPECT_EQ(SettingsFilePath("C:\\Program Files\\Q\\Editor.exe", "C:\\Users\\u\\AppData\\Roaming\\Autorun Quorvel"),
              "C:\\Users\\u\\AppData\\Roaming\\Autorun Quorvel\\Editor.ini");

    auto none = [](const std::string&) { return false; };
    auto any = [](const std::string&) { return true; };
    EXPECT_EQ(StartMenuFolder("D:\\Gone\\", kHome, none), kHome);
    EXPECT_EQ(StartMenuFolder("D:\\Menus\\", kHome, any), "D:\\Menus\\");
    EXPECT_EQ(StartMenuFolder("", kHome, any), kHome);

    const DataFolders here = ChooseDataFolders("C:\\Tools", true, "C:\\AppData", "C:\\Temp\\");
    EXPECT_EQ(here.Settings, "C:\\Tools\\");
    EXPECT_EQ(here.Presets, "C:\\Tools\\");
    EXPECT_EQ(here.Undo, "C:\\Tools\\");
    const DataFolders user = ChooseDataFolders("C:\\Program Files\\Q\\", false, "C:\\AppData", "C:\\Temp\\");
    EXPECT_EQ(user.Settings, "C:\\AppData\\Autorun Quorvel\\");
    EXPECT_EQ(user.Presets, "C:\\AppData\\Autorun Quorvel\\");
    EXPECT_EQ(user.Undo, "C:\\Temp\\Autorun Quorvel\\");
    EXPECT_EQ(ChooseDataFolders("C:\\Q\\", false, "", "").Settings, "C:\\Q\\");
}
