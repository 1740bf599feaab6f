#include "player/logic/StartMenuRead.h"

#include <algorithm>
#include <memory>

#include "forms/portable/Stream.h"
#include "player/logic/CommandLine.h"
#include "player/logic/FirstPictures.h"
#include "player/logic/PackReader.h"

namespace player {

namespace {

// Records that the reader had something to say instead of saying it: the
// window's own read says it again.
class SilentHost : public MenuFileHost {
public:
    bool AskYes(const std::string&) override { return spoke = true, false; }
    void ShowError(const std::string&) override { spoke = true; }
    void ShowInformation(const std::string&) override { spoke = true; }
    void ProgramVersion(int& major, int& minor, int& release) override { major = minor = release = 0; }
    void Wait(int) override {}
    bool spoke = false;
};

}  // namespace

StartMenuRead::~StartMenuRead() {
    if (worker_.joinable()) worker_.join();
}

void StartMenuRead::Start(const std::string& path, const std::string& firstArgument) {
    if (worker_.joinable()) return;
    clean_ = false;
    menu_ = TAQMenu();
    later_.clear();
    path_ = path;
    argument_ = firstArgument;
    try {
        worker_ = std::thread([this] { Read(); });
    } catch (...) {
        // No thread to be had: the window reads the menu itself.
    }
}

void StartMenuRead::Read() {
    try {
        PackDirectory pack;
        if (ReadPackFile(path_, pack) != PackError::None) return;
        name_ = ChooseStartMenu(argument_, pack);
        std::unique_ptr<forms::FileStream> file = forms::FileStream::Open(path_, forms::FileMode::OpenRead);
        if (!file) return;
        std::string packName = name_;
        if (!SeekPacked(pack, packName, *file)) return;
        SilentHost host;
        TMenuFile menuFile(host);
        menuFile.SetMnuStream(std::move(file));
        menuFile.ClearMnuError();
        if (!menuFile.ReadMnuHeader() || menuFile.MnuHeader().HdrMajor < 8 ||
            menuFile.MnuHeader().HdrObjects > kMaxObjects) {
            return;
        }
        ReadMenuBody(menuFile, menu_, FirstPaintReading(later_), nullptr);
        menuFile.CloseMnuFile();
        menu_.BtnCount = std::clamp(menu_.BtnCount, 0, kMaxObjects);
        clean_ = !menuFile.MnuError() && !host.spoke && HasPic(menu_.Buttons[0].Pics[Up][0]);
    } catch (...) {
        clean_ = false;  // out of memory, for instance
    }
}

bool StartMenuRead::Take(const std::string& path, const std::string& name, TAQMenu& menu,
                         std::vector<DeferredPicture>& later) {
    if (!worker_.joinable()) return false;
    worker_.join();
    const bool usable = clean_ && path == path_ && name == name_;
    clean_ = false;
    if (!usable) {
        menu_ = TAQMenu();
        later_.clear();
        return false;
    }
    menu = std::move(menu_);
    later = std::move(later_);
    return true;
}

}  // namespace player
