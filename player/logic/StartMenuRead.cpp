#include "player/logic/StartMenuRead.h"

#include <algorithm>
#include <memory>

#include "forms/portable/Stream.h"
#include "player/logic/CommandLine.h"
#include "player/logic/FirstPictures.h"
#include "player/logic/PackReader.h"

namespace player {

StartMenuRead::~StartMenuRead() {
    if (worker_.joinable()) worker_.join();
}

void StartMenuRead::Start(const std::string& path, const std::string& firstArgument) {
    if (worker_.joinable()) return;
    menu_.reset();
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
        // The window reads again, and says, what had something to say.
        SilentMenuFileHost host;
        TMenuFile menuFile(host);
        menuFile.SetMnuStream(std::move(file));
        menuFile.ClearMnuError();
        if (!menuFile.ReadMnuHeader() || menuFile.MnuHeader().HdrMajor < 8 ||
            menuFile.MnuHeader().HdrObjects > kMaxObjects) {
            return;
        }
        auto menu = std::make_unique<TAQMenu>();
        ReadMenuBody(menuFile, *menu, FirstPaintReading(later_), nullptr);
        menuFile.CloseMnuFile();
        menu->BtnCount = std::clamp(menu->BtnCount, 0, kMaxObjects);
        // Only a read with nothing to report is handed over.
        if (!menuFile.MnuError() && !host.Spoke && HasPic(menu->Buttons[0].Pics[Up][0])) menu_ = std::move(menu);
    } catch (...) {
        menu_.reset();  // out of memory, for instance
    }
}

std::unique_ptr<TAQMenu> StartMenuRead::Take(const std::string& path, const std::string& name,
                                             std::vector<DeferredPicture>& later) {
    if (!worker_.joinable()) return nullptr;
    worker_.join();
    std::unique_ptr<TAQMenu> menu = std::move(menu_);
    if (!menu || path != path_ || name != name_) {
        later_.clear();
        return nullptr;
    }
    later = std::move(later_);
    return menu;
}

}  // namespace player
