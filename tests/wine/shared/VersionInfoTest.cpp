#include "shared/win32/mdlfilebin_win32.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <utility>

namespace {

std::string ExePath()
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    return path;
}

// A file beside the test program.
std::string Beside(const std::string& name)
{
    const std::string exe = ExePath();
    return exe.substr(0, exe.find_last_of("\\/") + 1) + name;
}

void SetNumbers(int major, int minor, int release, int build)
{
    FileVerMajor = major;
    FileVerMinor = minor;
    FileVerRelease = release;
    FileVerBuild = build;
}

void ExpectNumbers(int major, int minor, int release, int build)
{
    EXPECT_EQ(FileVerMajor, major);
    EXPECT_EQ(FileVerMinor, minor);
    EXPECT_EQ(FileVerRelease, release);
    EXPECT_EQ(FileVerBuild, build);
}

}  // namespace

TEST(GetFileVersionTest, ModesAndNumbers)
{
    const std::string exe = ExePath();
    SetNumbers(-1, -1, -1, -1);
    EXPECT_EQ(GetFileVersion(exe, 4), "1");
    ExpectNumbers(8, 1, 0, 0);
    EXPECT_EQ(GetFileVersion(exe, 1), "8.1.0.0");
    EXPECT_EQ(GetFileVersion(exe, 2), "8");
    EXPECT_EQ(GetFileVersion(exe, 3), "8.1");

    // Four distinct numbers show which word and half each comes from.
    EXPECT_EQ(GetFileVersion(Beside("verinfo_os.dll"), 1), "10.20.300.4000");
    ExpectNumbers(10, 20, 300, 4000);
    // Another mode gives no text but still sets the numbers.
    EXPECT_EQ(GetFileVersion(Beside("verinfo_bare.dll"), 5), "");
    ExpectNumbers(1, 2, 3, 4);
}

TEST(VersionResourceTest, FileWithoutResourceChangesNothing)
{
    const std::string plain = Beside("no_version_resource.txt");
    std::ofstream(plain) << "no resources in here";
    SetNumbers(3, 4, 5, 6);
    std::string name = "unchanged";
    for (const std::string& path : {plain, Beside("missing_file.exe")}) {
        EXPECT_EQ(GetFileVersion(path, 1), "");
        GetFileVerName(path, false, name);
        GetFileVerName(path, true, name);
    }
    ExpectNumbers(3, 4, 5, 6);
    EXPECT_EQ(name, "unchanged");
    DeleteFileA(plain.c_str());
}

TEST(GetFileVerNameTest, ProductOrCompanyName)
{
    std::string name;
    GetFileVerName(ExePath(), false, name);
    EXPECT_EQ(name, "Acme Image");  // " Viewer 5" cut off
    // The other words are cut off too, in any case; " ver " only as a word.
    const std::pair<const char*, const char*> cut[] = {{"verinfo_reader.dll", "Acme Document"},
                                                       {"verinfo_version.dll", "Acme Player"},
                                                       {"verinfo_ver.dll", "Acme Vertex"}};
    for (const auto& [library, expected] : cut) {
        GetFileVerName(Beside(library), false, name);
        EXPECT_EQ(name, expected) << library;
    }
    GetFileVerName(ExePath(), true, name);
    EXPECT_EQ(name, "Acme Software Ltd");
    // Language and code page other than the usual ones (0407, 04B0).
    GetFileVerName(Beside("verinfo_os.dll"), true, name);
    EXPECT_EQ(name, "Example Systems");
}

// The product name names the operating system, so the description is taken;
// it names Adobe Reader, which becomes Adobe Acrobat.
TEST(GetFileVerNameTest, SystemComponentUsesDescription)
{
    std::string name;
    GetFileVerName(Beside("verinfo_os.dll"), false, name);
    EXPECT_EQ(name, "Adobe Acrobat");
}

TEST(GetFileVerNameTest, NoTranslationTableLeavesResult)
{
    std::string name = "unchanged";
    GetFileVerName(Beside("verinfo_bare.dll"), false, name);
    GetFileVerName(Beside("verinfo_bare.dll"), true, name);
    EXPECT_EQ(name, "unchanged");
}
