#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "editor/win32/common/EditorDataFolders.h"
#include "forms/portable/FileSystem.h"

namespace {

std::string TempFolder() {
    char path[MAX_PATH + 1] = {};
    GetTempPathA(MAX_PATH + 1, path);
    return path;
}

std::string AppDataFolder() {
    char path[MAX_PATH] = {};
    const DWORD n = GetEnvironmentVariableA("APPDATA", path, MAX_PATH);
    return std::string(path, n);
}

}  // namespace

TEST(DataFolders, WritableFolderKeepsEverythingBesideTheEditor) {
    const std::string temp = TempFolder();
    EXPECT_TRUE(FolderIsWritable(temp));
    EXPECT_TRUE(FolderHasEntries(temp));
    const editor::DataFolders folders = LocateDataFolders(temp);
    EXPECT_EQ(folders.Settings, temp);
    EXPECT_EQ(folders.Presets, temp);
    EXPECT_EQ(folders.Undo, temp);
}

TEST(DataFolders, UnwritableFolderMovesToTheUserFolders) {
    const std::string gone = "C:\\no such editor folder\\";
    EXPECT_FALSE(FolderIsWritable(gone));
    EXPECT_FALSE(FolderHasEntries(gone));
    const editor::DataFolders folders = LocateDataFolders(gone);
    ASSERT_FALSE(AppDataFolder().empty());
    EXPECT_EQ(folders.Settings, AppDataFolder() + "\\Autorun Quorvel\\");
    EXPECT_EQ(folders.Presets, folders.Settings);
    EXPECT_EQ(folders.Undo, TempFolder() + "Autorun Quorvel\\");
    EXPECT_TRUE(forms::DirectoryExists(folders.Settings));
    EXPECT_TRUE(forms::DirectoryExists(folders.Undo));
    EXPECT_TRUE(FolderIsWritable(folders.Settings));
}
