#include "tests/wine/player/PlayerFixture.h"

#include "forms/portable/FileSystem.h"
#include "forms/win32/Application.h"
#include "player/win32/PlayerGlobals.h"

void PlayerTest::SetUp() {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    folder_ = std::string(temp) + "qvplayer-" + std::to_string(GetCurrentProcessId()) + "-" +
              ::testing::UnitTest::GetInstance()->current_test_info()->name() + "\\";
    CreateDirectoryA(folder_.c_str(), nullptr);

    ShowPlayerMsg = [this](const std::string& text, TMsgDlgType type, const std::string& caption) {
        messages_.push_back({text, type, caption});
        if (onMessage_) onMessage_(messages_.back());
        return mrOk;
    };
    PlaySoundRequest = [this](LPCSTR sound, HMODULE, DWORD flags) {
        sounds_.push_back({(flags & SND_MEMORY) ? std::string("<memory>") : std::string(sound ? sound : ""), flags});
        return TRUE;
    };
    savedAsk_ = AskDriveLetter;
    AskDriveLetter = [](const std::string&, const std::string&, std::string&) { return false; };
    forms::Application().SetTitle("Autorun Quorvel");
}

void PlayerTest::TearDown() {
    delete form_;
    form_ = nullptr;
    forms::Application().ProcessMessages();
    AskDriveLetter = savedAsk_;
    // Leftover files of the test folder, then the folder.
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA((folder_ + "*").c_str(), &data);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            DeleteFileA((folder_ + data.cFileName).c_str());
        } while (FindNextFileA(find, &data));
        FindClose(find);
    }
    RemoveDirectoryA(folder_.c_str());
}

TfrmMenuCls& PlayerTest::Start(const std::vector<qvtest::PackFile>& menus, const std::string& argument,
                               bool readAhead) {
    const std::vector<uint8_t> image = {'M', 'Z', 0, 0};
    const std::string exe = folder_ + "autorun.exe";
    EXPECT_TRUE(qvtest::WriteBytes(exe, qvtest::PackedExe(image, menus)));
    PlayerExePath = exe;
    StartArgument = argument;
    if (readAhead) StartMenu.Start(exe, argument);
    form_ = forms::Application().CreateForm<TfrmMenuCls>();
    return *form_;
}

void PlayerTest::WriteFile(const std::string& name, const std::string& text) {
    forms::WriteWholeFile(folder_ + name, text.data(), text.size());
}

void PlayerTest::Pump(int ms) {
    const DWORD end = GetTickCount() + static_cast<DWORD>(ms);
    do {
        forms::Application().ProcessMessages();
        Sleep(5);
    } while (static_cast<int>(end - GetTickCount()) > 0);
}

uint32_t PlayerTest::ShownPixel(int n) const {
    const forms::Picture& picture = form_->Ctl[n].ImgBtn->GetPicture();
    if (picture.Empty()) return 0xDEADBEEF;
    return picture.Pixels().Pixel(0, 0) & 0xFFFFFF;
}

void PlayerTest::Hover(int n) {
    forms::Image* image = form_->Ctl[n].ImgBtn;
    image->MouseMove(0, image->Width() / 2, image->Height() / 2);
}

void PlayerTest::Press(int n) {
    forms::Image* image = form_->Ctl[n].ImgBtn;
    image->MouseDown(forms::MouseButton::Left, forms::ssLeft, image->Width() / 2, image->Height() / 2);
}

void PlayerTest::Release(int n, bool inside) {
    forms::Image* image = form_->Ctl[n].ImgBtn;
    const int x = inside ? image->Width() / 2 : image->Width() + 5;
    image->MouseUp(forms::MouseButton::Left, 0, x, image->Height() / 2);
}
