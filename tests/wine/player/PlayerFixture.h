// A menu window of the player in the test's own process, showing menus
// packed into a file in a fresh folder. Messages and sounds are recorded
// instead of shown and played.
#pragma once
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "player/win32/frmmenu.h"
#include "shared/TarvikUtils.h"
#include "tests/wine/player/TestMenus.h"

struct ShownMessage {
    std::string text;
    TMsgDlgType type;
    std::string caption;
};

struct SoundRequest {
    std::string sound;  // file path, or "<memory>" for a built-in sound
    DWORD flags;
};

class PlayerTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Writes the pack file with these menus (the first is the default) and
    // starts the menu window as the program would (readAhead: with the first
    // menu read ahead, as the program entry does).
    TfrmMenuCls& Start(const std::vector<qvtest::PackFile>& menus, const std::string& argument = "",
                       bool readAhead = false);
    // A file in the pack's folder.
    void WriteFile(const std::string& name, const std::string& text);
    // Handles messages for about ms milliseconds.
    void Pump(int ms);
    // Handles messages until done() or ms pass; returns done().
    template <class F>
    bool PumpUntil(F done, int ms) {
        for (int waited = 0; waited < ms && !done(); waited += 10) Pump(10);
        return done();
    }
    // The pixel that object n's picture shows at its top-left corner.
    uint32_t ShownPixel(int n) const;
    // Mouse events as the forms layer delivers them to object n's picture.
    void Hover(int n);
    void Press(int n);
    void Release(int n, bool inside = true);

    // Runs as each message is shown (while the player waits for its dialog).
    std::function<void(const ShownMessage&)> onMessage_;
    std::function<bool(const std::string&, const std::string&, std::string&)> savedAsk_;
    std::string folder_;
    TfrmMenuCls* form_ = nullptr;
    std::vector<ShownMessage> messages_;
    std::vector<SoundRequest> sounds_;
};
