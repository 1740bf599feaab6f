// The menu the player shows first, read on a worker thread while the program
// sets up its windows: the pack directory of the player's own file, the menu
// that the command line (or the pack's first entry) names, its fields and the
// pictures of the first paint. Reading and inflating take about as long as
// creating the first windows, so the two overlap instead of following each
// other.
//
// The menu window takes the result when it loads its first menu. A read that
// met anything the window reports (an unreadable pack, a name not in the
// pack, a refused header, damaged data, a menu without background) is not
// handed over: the window then reads the menu itself, and its messages appear
// as they always do.
#pragma once
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "shared/MenuBody.h"
#include "shared/MenuType.h"

namespace player {

class StartMenuRead {
public:
    StartMenuRead() = default;
    // Waits for the worker, if one is still reading.
    ~StartMenuRead();
    StartMenuRead(const StartMenuRead&) = delete;
    StartMenuRead& operator=(const StartMenuRead&) = delete;

    // Starts reading, from the file at path, the menu that firstArgument
    // chooses (see ChooseStartMenu); does nothing while a read is under way
    // (until Take).
    void Start(const std::string& path, const std::string& firstArgument);

    // Waits for the read. When it read the menu called name (as the window
    // was asked for it, before lower-casing) from the file at path without
    // anything to report, gives that menu (BtnCount from the file, pictures
    // of the first paint decoded) and moves the other pictures into later;
    // else gives null. Only the first call after Start can give a menu.
    std::unique_ptr<TAQMenu> Take(const std::string& path, const std::string& name,
                                  std::vector<DeferredPicture>& later);

private:
    void Read();

    std::thread worker_;
    std::string path_, argument_, name_;
    // Made by the worker: a menu record is large enough that making one
    // shows in the start-up time.
    std::unique_ptr<TAQMenu> menu_;
    std::vector<DeferredPicture> later_;
};

}  // namespace player
