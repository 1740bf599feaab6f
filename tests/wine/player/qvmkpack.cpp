// Writes the autorun executables of the player's end-to-end tests: a copy of
// the player with a scenario's menus packed behind it.
//   qvmkpack.exe SCENARIO PLAYER_EXE OUTPUT_EXE
// Scenarios:
//   menus       main.mnu (shaped, five buttons and a placed image; the
//               message button has the shortcut M), sub.mnu
//               and v7.mnu (a menu saved by an older editor)
//   v7first     v7.mnu alone
//   badtrailer  the trailer points past the end of the file
//   nofpak      the trailer points at bytes that are not a pack
#include <cstdio>
#include <string>

#include "tests/wine/player/TestMenus.h"

using namespace qvtest;

namespace {

TAQMenu MainMenu() {
    TAQMenu menu = NewMenu("Main Menu", 400, 300, kYellow);
    // The top-left 50 x 50 corner is the transparent colour.
    forms::Bitmap& bg = *menu.Buttons[0].Pics[Up][0];
    for (int y = 0; y < 50; ++y)
        for (int x = 0; x < 50; ++x) bg.SetPixel(x, y, kNavy);
    menu.TransColor = kNavyIndex;
    menu.ScreenPos = 0;

    const int rec = AddGraphicalButton(menu, 60, 70, 100, 40, kRed, kGreen, kBlue, "%qvrecorder.exe");
    menu.Buttons[rec].ButtonArgs = "my file.txt";
    AddGraphicalButton(menu, 240, 70, 100, 40, kGrey, kWhite, kBlue, "sub.mnu");
    const int message =
        AddGraphicalButton(menu, 60, 150, 100, 40, kGrey, kWhite, kBlue, std::string("$Hello") + '\xB6' + "World");
    menu.Buttons[message].ShortcutKey = "M";
    const int exitBtn = AddGraphicalButton(menu, 240, 150, 100, 40, kGrey, kWhite, kBlue, "");
    menu.Buttons[exitBtn].ExitOnClick = -1;
    AddPlacedImage(menu, 60, 230, 60, 40, kGreen);
    AddGraphicalButton(menu, 240, 230, 100, 40, kGrey, kWhite, kBlue, "v7.mnu");
    return menu;
}

TAQMenu SubMenu() {
    TAQMenu menu = NewMenu("Sub Menu", 300, 200, kGrey);
    menu.ScreenPos = 4;
    AddGraphicalButton(menu, 20, 20, 100, 40, kRed, kGreen, kBlue, "main.mnu");
    AddGraphicalButton(menu, 150, 20, 100, 40, kRed, kGreen, kBlue, "missing-target.exe");
    return menu;
}

TAQMenu OldMenu() {
    TAQMenu menu = NewMenu("Old Menu", 200, 100, kGrey);
    AddGraphicalButton(menu, 20, 20, 100, 40, kRed, kGreen, kBlue, "");
    return menu;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: qvmkpack SCENARIO PLAYER_EXE OUTPUT_EXE\n");
        return 2;
    }
    const std::string scenario = argv[1];
    std::vector<uint8_t> image;
    if (!ReadBytes(argv[2], image)) {
        std::fprintf(stderr, "cannot read %s\n", argv[2]);
        return 1;
    }
    std::vector<uint8_t> out;
    if (scenario == "menus") {
        out = PackedExe(image, {{"main.mnu", MenuBytes(MainMenu())},
                                {"sub.mnu", MenuBytes(SubMenu())},
                                {"v7.mnu", MenuBytesWithMajor(OldMenu(), 7)}});
    } else if (scenario == "v7first") {
        out = PackedExe(image, {{"v7.mnu", MenuBytesWithMajor(OldMenu(), 7)}});
    } else if (scenario == "badtrailer") {
        out = image;
        const uint8_t trailer[] = {0xF0, 0xFF, 0xFF, 0x7F};
        out.insert(out.end(), trailer, trailer + 4);
    } else if (scenario == "nofpak") {
        out = image;
        const size_t p = out.size();
        const char junk[] = "JUNKJUNKJUNKJUNKJUNK";
        out.insert(out.end(), junk, junk + 20);
        for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>((p + 1) >> (8 * i)));
    } else {
        std::fprintf(stderr, "unknown scenario %s\n", scenario.c_str());
        return 2;
    }
    if (!WriteBytes(argv[3], out)) {
        std::fprintf(stderr, "cannot write %s\n", argv[3]);
        return 1;
    }
    return 0;
}
