#include "forms/portable/FileSystem.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "TestPictures.h"
#include "forms/portable/Stream.h"

namespace fs = std::filesystem;

namespace {

std::string Contents(const std::string& path) {
    formstest::Bytes b;
    return forms::ReadWholeFile(path, b) ? std::string(b.begin(), b.end()) : "<none>";
}

}  // namespace

TEST(FileSystem, TellsFilesFromFolders) {
    const std::string folder = formstest::TempFolder();
    const std::string file = folder + "/a.txt";
    ASSERT_TRUE(forms::WriteWholeFile(file, "x", 1));
    EXPECT_TRUE(forms::FileExists(file));
    EXPECT_FALSE(forms::FileExists(folder));
    EXPECT_FALSE(forms::FileExists(folder + "/b.txt"));
    EXPECT_TRUE(forms::DirectoryExists(folder));
    EXPECT_FALSE(forms::DirectoryExists(file));
    EXPECT_TRUE(forms::RemoveFile(file));
    EXPECT_FALSE(forms::FileExists(file));
    EXPECT_FALSE(forms::RemoveFile(file));

    const std::string exe = forms::ExecutablePath();
    EXPECT_TRUE(forms::FileExists(exe)) << exe;
}

TEST(FileSystem, ClearsReadOnly) {
    const std::string file = formstest::TempFolder() + "/ro.txt";
    ASSERT_TRUE(forms::WriteWholeFile(file, "old", 3));
    EXPECT_FALSE(forms::IsReadOnly(file));
    fs::permissions(file, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    EXPECT_TRUE(forms::IsReadOnly(file));
    EXPECT_TRUE(forms::ClearAttributes(file));
    EXPECT_FALSE(forms::IsReadOnly(file));
    EXPECT_TRUE(forms::WriteWholeFile(file, "new", 3));
}

TEST(FileSystem, ReplacesThroughAFreshTempName) {
    const std::string target = formstest::TempFolder() + "/menu.dat";
    ASSERT_TRUE(forms::WriteWholeFile(target, "old", 3));

    const std::string temp = forms::UniqueTempPathBeside(target);
    ASSERT_EQ(temp.rfind(target + ".~tmp", 0), 0u) << temp;
    EXPECT_FALSE(forms::FileExists(temp));
    ASSERT_TRUE(forms::WriteWholeFile(temp, "new!", 4));
    EXPECT_NE(forms::UniqueTempPathBeside(target), temp);

    EXPECT_TRUE(forms::ReplaceFileWith(target, temp));
    EXPECT_EQ(Contents(target), "new!");
    EXPECT_FALSE(forms::FileExists(temp));

    // Onto a name that does not exist yet.
    ASSERT_TRUE(forms::WriteWholeFile(temp, "first", 5));
    EXPECT_TRUE(forms::ReplaceFileWith(target + "2", temp));
    EXPECT_EQ(Contents(target + "2"), "first");
    EXPECT_FALSE(forms::ReplaceFileWith(target + "3", temp));  // source gone

    // A whole new content: written beside, flushed, then moved over.
    std::vector<std::string> steps;
    forms::FileStepObserver = [&steps](const std::string& step, const std::string& path) {
        steps.push_back(step + " " + path);
    };
    EXPECT_TRUE(forms::ReplaceWholeFile(target, "third", 5));
    forms::FileStepObserver = nullptr;
    EXPECT_EQ(steps, (std::vector<std::string>{"flush " + temp, "replace " + target}));
    EXPECT_EQ(Contents(target), "third");
    EXPECT_FALSE(forms::FileExists(temp));
}
