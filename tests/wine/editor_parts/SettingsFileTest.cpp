#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "editor/logic/EditorSettings.h"
#include "forms/portable/FileSystem.h"
#include "forms/portable/Stream.h"

namespace {

std::string TempFolder() {
    char path[MAX_PATH + 1] = {};
    GetTempPathA(MAX_PATH + 1, path);
    return path;
}

std::string FileText(const std::string& path) {
    std::vector<uint8_t> bytes;
    forms::ReadWholeFile(path, bytes);
    return std::string(bytes.begin(), bytes.end());
}

}  // namespace

// Saving replaces the old file in one step; a save that cannot finish leaves
// the old file and no temporary file behind.
TEST(SettingsFile, ReplacesWholeOrNotAtAll) {
    const std::string folder = TempFolder() + "qv settings test\\";
    CreateDirectoryA(folder.c_str(), nullptr);
    const std::string path = folder + "Editor.ini";
    ASSERT_TRUE(forms::WriteWholeFile(path, "old", 3));

    editor::EditorSettings settings = editor::DefaultSettings(folder, 800, 600);
    settings.GridSize = 3;
    ASSERT_TRUE(editor::SaveSettingsFile(path, settings));
    editor::EditorSettings back = editor::DefaultSettings(folder, 800, 600);
    EXPECT_EQ(editor::LoadSettingsFile(path, back), editor::SettingsLoad::Loaded);
    EXPECT_EQ(back, settings);

    const std::string blocked = folder + "Blocked.ini";
    CreateDirectoryA(blocked.c_str(), nullptr);
    EXPECT_FALSE(editor::SaveSettingsFile(blocked, settings));
    EXPECT_FALSE(editor::SaveSettingsFile(folder + "missing\\Editor.ini", settings));
    EXPECT_EQ(FileText(path), editor::FormatSettings(settings));

    WIN32_FIND_DATAA found;
    HANDLE h = FindFirstFileA((folder + "*.~tmp*").c_str(), &found);
    EXPECT_EQ(h, INVALID_HANDLE_VALUE) << found.cFileName;
    if (h != INVALID_HANDLE_VALUE) FindClose(h);

    RemoveDirectoryA(blocked.c_str());
    forms::RemoveFile(path);
    RemoveDirectoryA(folder.c_str());
}
