// Saving menu files over Windows file attributes and files in use, with the
// real questions answered through DialogDriver.h.
#include "shared/TarvikUtils.h"
#include "shared/win32/mdlfilebin_win32.h"
#include "tests/wine/shared/DialogDriver.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

std::string ReadText(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The one static text of a message dialog that is not empty.
std::string DialogText(HWND dialog)
{
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        char cls[16] = {};
        char text[512] = {};
        GetClassNameA(child, cls, sizeof(cls));
        if (lstrcmpiA(cls, "Static") == 0 && GetWindowTextA(child, text, sizeof(text)) > 0) return text;
    }
    return "";
}

class MenuFileWineTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        char temp[MAX_PATH] = {};
        GetTempPathA(MAX_PATH, temp);
        folder_ = std::string(temp) + "qv_menu_file_" + std::to_string(GetCurrentProcessId()) + "\\";
        CreateDirectoryA(folder_.c_str(), nullptr);
        DlgCaption = "Autorun Quorvel Menu Editor";
        std::ofstream(Path(), std::ios::binary) << "old";
    }
    void TearDown() override
    {
        mnu.CloseMnuFile();
        WIN32_FIND_DATAA found;
        HANDLE search = FindFirstFileA((folder_ + "*").c_str(), &found);
        if (search != INVALID_HANDLE_VALUE) {
            do {
                const std::string path = folder_ + found.cFileName;
                SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileA(path.c_str());
            } while (FindNextFileA(search, &found));
            FindClose(search);
        }
        RemoveDirectoryA(folder_.c_str());
    }
    std::string Path() const { return folder_ + "menu.mnu"; }
    DWORD Attributes() const { return GetFileAttributesA(Path().c_str()); }
    std::vector<std::string> Files() const
    {
        std::vector<std::string> names;
        WIN32_FIND_DATAA found;
        HANDLE search = FindFirstFileA((folder_ + "*").c_str(), &found);
        if (search == INVALID_HANDLE_VALUE) return names;
        do {
            if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.push_back(found.cFileName);
        } while (FindNextFileA(search, &found));
        FindClose(search);
        std::sort(names.begin(), names.end());
        return names;
    }
    // Opens menu.mnu for writing (asking before replacing it), answering
    // each of the questions expected with answer; their texts go to asked.
    bool OpenAnswering(int answer, int questions, std::vector<std::string>& asked)
    {
        bool opened = false;
        RunDialog([&] {
                      opened = mnu.OpenMnuFile("menu.mnu", folder_, 1, 1);
                      return 0;
                  },
                  [&](HWND dialog) {
                      asked.push_back(DialogText(dialog));
                      Press(dialog, answer);
                  },
                  questions);
        return opened;
    }
    // Writes one string field, "new", and closes.
    void WriteAndClose()
    {
        mnu.WriteMnuField(mftString, 0, "new");
        mnu.CloseMnuFile();
    }
    static std::string NewContent() { return std::string("\x04\x03\0\0\0new", 8); }

    std::string folder_;
    DialogMenuFileHost host_;
    TMenuFile mnu{host_};
};

TEST_F(MenuFileWineTest, ReadOnlyMenuIsReplacedAfterTwoYes)
{
    SetFileAttributesA(Path().c_str(), FILE_ATTRIBUTE_READONLY);
    std::vector<std::string> asked;
    ASSERT_TRUE(OpenAnswering(IDYES, 2, asked));
    WriteAndClose();
    EXPECT_EQ(mnu.MnuError(), 0);
    EXPECT_EQ(asked, std::vector<std::string>({"File exists, do you wish to overwrite it?",
                                               "The menu file is marked as Read Only, would you like to save "
                                               "to it anyway?"}));
    EXPECT_EQ(ReadText(Path()), NewContent());
    EXPECT_EQ(Attributes() & FILE_ATTRIBUTE_READONLY, 0u);
    EXPECT_EQ(Files(), std::vector<std::string>{"menu.mnu"});
}

// The search for an existing file does not see a hidden one, so it is not
// asked about; read-only as well, it is asked about as read-only: No keeps it
// at once, Yes replaces it.
TEST_F(MenuFileWineTest, HiddenReadOnlyMenuIsAskedAboutAsReadOnly)
{
    SetFileAttributesA(Path().c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_READONLY);
    std::vector<std::string> asked;
    for (int answer : {IDNO, IDYES}) {
        const bool opened = OpenAnswering(answer, 1, asked);
        EXPECT_EQ(opened, answer == IDYES);
        EXPECT_EQ(mnu.MnuError(), answer == IDYES ? 0 : 1);
        if (opened) WriteAndClose();
        EXPECT_EQ(ReadText(Path()), answer == IDYES ? NewContent() : "old");
        mnu.ClearMnuError();
    }
    const std::string readOnly = "The menu file is marked as Read Only, would you like to save to it anyway?";
    EXPECT_EQ(asked, std::vector<std::string>({readOnly, readOnly}));
    EXPECT_EQ(Attributes() & FILE_ATTRIBUTE_READONLY, 0u);
    EXPECT_EQ(Files(), std::vector<std::string>{"menu.mnu"});
}

// While the close waits for a menu that is open elsewhere, other handlers run
// with menu files of their own. A write they start is refused; reading goes
// on; once the other user lets go, the menu is replaced and the flag tells
// the save's own outcome.
struct WhileWaiting {
    std::string folder;
    HANDLE holder = INVALID_HANDLE_VALUE;
    bool ran = false;
    bool writeOpened = true;
    int writeError = 0;
    int readValue = 0;
};
WhileWaiting g_waiting;

void CALLBACK DuringTheWait(HWND, UINT, UINT_PTR id, DWORD)
{
    KillTimer(nullptr, id);
    g_waiting.ran = true;
    DialogMenuFileHost host;
    TMenuFile writer(host);
    g_waiting.writeOpened = writer.OpenMnuFile("second.mnu", g_waiting.folder, 1, 0);
    g_waiting.writeError = writer.MnuError();
    writer.CloseMnuFile();
    TMenuFile reader(host);
    if (reader.OpenMnuFile("other.mnu", g_waiting.folder, 0, 0)) g_waiting.readValue = reader.ReadMnuInt();
    reader.CloseMnuFile();
    CloseHandle(g_waiting.holder);
}

TEST_F(MenuFileWineTest, HandlersRunWhileWaitingCannotStartAWrite)
{
    {
        std::ofstream other(folder_ + "other.mnu", std::ios::binary);
        other.write("\x02\x02\0\0\0\x07\0\0\0", 9);
    }
    g_waiting = WhileWaiting();
    g_waiting.folder = folder_;
    g_waiting.holder = CreateFileA(Path().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(g_waiting.holder, INVALID_HANDLE_VALUE);
    ASSERT_TRUE(mnu.OpenMnuFile("menu.mnu", folder_, 1, 0));
    SetTimer(nullptr, 0, 50, DuringTheWait);
    WriteAndClose();
    ASSERT_TRUE(g_waiting.ran);
    EXPECT_FALSE(g_waiting.writeOpened);
    EXPECT_EQ(g_waiting.writeError, 1);
    EXPECT_EQ(g_waiting.readValue, 7);
    EXPECT_EQ(mnu.MnuError(), 0);
    EXPECT_EQ(ReadText(Path()), NewContent());
    EXPECT_EQ(Files(), std::vector<std::string>({"menu.mnu", "other.mnu"}));
}

}  // namespace
