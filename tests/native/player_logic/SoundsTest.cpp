#include <gtest/gtest.h>

#include <set>

#include "player/logic/Sounds.h"

using namespace player;

TEST(Sounds, ResolutionOrderAndTheSoundsFlag) {
    std::set<std::string> files;
    std::vector<std::string> asked;
    auto exists = [&](const std::string& p) { return asked.push_back(p), files.count(p) > 0; };

    const SoundChoice none = ChooseSound(SndSelect, "E:\\", "Main.mnu", 3, true, false, exists);
    EXPECT_EQ(asked, (std::vector<std::string>{"E:\\Mains3.wav", "E:\\select3.wav", "E:\\select.wav"}));
    EXPECT_TRUE(none.kind == SoundChoice::BuiltIn && none.builtIn == SndSelect);
    EXPECT_EQ(SoundFileNames(SndChange, "intro.v2.mnu", 0), (std::vector<std::string>{"intro.wav", "change.wav"}));
    asked.clear();
    const SoundChoice click = ChooseSound(SndClick, "E:\\", "Main.mnu", 12, true, true, exists);
    EXPECT_EQ(asked, (std::vector<std::string>{"E:\\Mainc12.wav", "E:\\click12.wav", "E:\\click.wav"}));
    EXPECT_TRUE(click.kind == SoundChoice::BuiltIn && click.builtIn == SndClick);
    files = {"E:\\click12.wav", "E:\\click.wav"};
    EXPECT_EQ(ChooseSound(SndClick, "E:\\", "Main.mnu", 12, true, true, exists).path, "E:\\click12.wav");
    EXPECT_EQ(ChooseSound(SndClick, "E:\\", "Main.mnu", 2, true, true, exists).path, "E:\\click.wav");
    files.insert("E:\\Mainc12.wav");
    EXPECT_EQ(ChooseSound(SndClick, "E:\\", "Main.mnu", 12, true, true, exists).path, "E:\\Mainc12.wav");

    files = {"E:\\select3.wav", "E:\\select.wav", "E:\\click.wav", "E:\\exit.wav"};
    EXPECT_EQ(ChooseSound(SndSelect, "E:\\", "Main.mnu", 3, true, false, exists).path, "E:\\select3.wav");
    // Sounds off: no click files, other files still play, no built-ins.
    EXPECT_EQ(ChooseSound(SndClick, "E:\\", "m.mnu", 1, false, true, exists).kind, SoundChoice::Nothing);
    EXPECT_EQ(ChooseSound(SndSelect, "E:\\", "m.mnu", 1, false, false, exists).kind, SoundChoice::File);
    EXPECT_EQ(ChooseSound(SndStart, "E:\\", "m.mnu", 0, false, false, exists).kind, SoundChoice::Nothing);
    // File modes: click as asked, exit waits; "*" has no built-in sound.
    EXPECT_FALSE(ChooseSound(SndClick, "E:\\", "m.mnu", 1, true, false, exists).synchronous);
    EXPECT_TRUE(ChooseSound(SndExit, "E:\\", "m.mnu", 0, true, false, exists).synchronous);
    EXPECT_EQ(ChooseSound(SndNoAction, "E:\\", "m.mnu", 0, true, false, exists).kind, SoundChoice::Nothing);
}
