// Writes the autorun executables of the player's end-to-end tests: a copy of
// the player with a scenario's menus packed behind it.
//   qvmkpack.exe SCENARIO PLAYER_EXE OUTPUT_EXE
// Scenarios:
//   menus       main.mnu (shaped, five buttons and a placed image; the
//               message button has the shortcut M), sub.mnu
//               and v7.mnu (a menu saved by an older editor)
//   v7first     v7.mnu alone
//   v5first     a menu whose header says version 5, which no reader accepts
//   empty       a pack without entries
//   waitplace   wait.mnu (a button that starts the recorder for three
//               seconds, minimises the menu and waits for it), then
//               pos1.mnu, pos2.mnu, ... for the placement codes 1, 2, 3, 5
//               and 10 (200 x 100 each)
//   keys        keys.mnu (three buttons, the second the default: messages
//               "Default pressed" and "Third pressed", the first opens
//               keysub.mnu) and keysub.mnu (no default: the message
//               "Sub first", then back to keys.mnu)
//   damaged     intact.mnu, whose button opens damaged.mnu: a menu whose
//               accessory text picture holds garbage of the right length
//   manyobjects a menu whose header announces 255 objects
//   cutshort    a menu cut off before its pictures
//   badentry    entry.mnu (buttons to second.mnu and third.mnu), second.mnu
//               whose data position lies past the end of the file, third.mnu
//   badtrailer  the trailer points past the end of the file
//   nofpak      the trailer points at bytes that are not a pack
//
//   qvmkpack.exe --build SCENARIO OUTPUT_EXE
// packs a menu scenario through the editor's own builder instead: the
// player comes out of the editor file beside qvmkpack.exe, and the menus are
// written as files beside OUTPUT_EXE first.
#include <algorithm>
#include <cstdio>
#include <string>

#include "shared/win32/mdlfilebin_win32.h"
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

TAQMenu WaitMenu() {
    TAQMenu menu = NewMenu("Wait Menu", 300, 200, kGrey);
    const int n = AddGraphicalButton(menu, 100, 80, 100, 40, kRed, kGreen, kBlue, "%qvrecorder.exe");
    menu.Buttons[n].ButtonArgs = "-wait=3000";
    menu.Buttons[n].MinimizeOnClick = -1;
    menu.Buttons[n].RestoreOnClose = -1;
    return menu;
}

TAQMenu KeysMenu() {
    TAQMenu menu = NewMenu("Keys Menu", 300, 200, kGrey);
    AddGraphicalButton(menu, 20, 20, 80, 40, kRed, kGreen, kBlue, "keysub.mnu");
    AddGraphicalButton(menu, 110, 20, 80, 40, kRed, kGreen, kBlue, "$Default pressed");
    AddGraphicalButton(menu, 200, 20, 80, 40, kRed, kGreen, kBlue, "$Third pressed");
    menu.DefaultBtn = 2;
    return menu;
}

TAQMenu KeysSubMenu() {
    TAQMenu menu = NewMenu("Keys Sub", 300, 200, kWhite);
    AddGraphicalButton(menu, 20, 20, 80, 40, kRed, kGreen, kBlue, "$Sub first");
    AddGraphicalButton(menu, 110, 20, 80, 40, kRed, kGreen, kBlue, "keys.mnu");
    return menu;
}

TAQMenu OneButtonMenu(const std::string& title, const std::string& command) {
    TAQMenu menu = NewMenu(title, 300, 200, kGrey);
    AddGraphicalButton(menu, 20, 20, 80, 40, kRed, kGreen, kBlue, command);
    return menu;
}

TAQMenu DamagedMenu() {
    TAQMenu menu = OneButtonMenu("Damaged Menu", "$Damaged works");
    menu.AccRTF = "{\\rtf1 text}";
    menu.AccPNG = forms::PngImage::CreateBlank(20, 10);
    return menu;
}

std::vector<uint8_t> Cut(std::vector<uint8_t> bytes, size_t length) {
    bytes.resize(std::min(bytes.size(), length));
    return bytes;
}

std::vector<uint8_t> WithObjectCount(std::vector<uint8_t> bytes, uint8_t count) {
    bytes[8] = count;
    return bytes;
}

const int kPlacementCodes[] = {1, 2, 3, 5, 10};

TAQMenu PlacedMenu(int code) {
    TAQMenu menu = NewMenu("Pos " + std::to_string(code), 200, 100, kGrey);
    menu.ScreenPos = code;
    return menu;
}

// The menu files of a scenario that packs menus; false for other scenarios.
bool ScenarioMenus(const std::string& scenario, std::vector<PackFile>& files) {
    if (scenario == "menus") {
        files = {{"main.mnu", MenuBytes(MainMenu())},
                 {"sub.mnu", MenuBytes(SubMenu())},
                 {"v7.mnu", MenuBytesWithMajor(OldMenu(), 7)}};
    } else if (scenario == "v7first") {
        files = {{"v7.mnu", MenuBytesWithMajor(OldMenu(), 7)}};
    } else if (scenario == "v5first") {
        files = {{"v5.mnu", MenuBytesWithMajor(OldMenu(), 5)}};
    } else if (scenario == "keys") {
        files = {{"keys.mnu", MenuBytes(KeysMenu())}, {"keysub.mnu", MenuBytes(KeysSubMenu())}};
    } else if (scenario == "damaged") {
        files = {{"intact.mnu", MenuBytes(OneButtonMenu("Intact Menu", "damaged.mnu"))},
                 {"damaged.mnu", MenuBytesWithBadPng(DamagedMenu(), 0)}};
    } else if (scenario == "manyobjects") {
        files = {{"many.mnu", WithObjectCount(MenuBytes(OneButtonMenu("Many Menu", "")), 255)}};
    } else if (scenario == "cutshort") {
        files = {{"cut.mnu", Cut(MenuBytes(OneButtonMenu("Cut Menu", "")), 120)}};
    } else if (scenario == "badentry") {
        TAQMenu entry = OneButtonMenu("Entry Menu", "second.mnu");
        AddGraphicalButton(entry, 110, 20, 80, 40, kRed, kGreen, kBlue, "third.mnu");
        files = {{"entry.mnu", MenuBytes(entry)},
                 {"second.mnu", MenuBytes(OneButtonMenu("Second Menu", ""))},
                 {"third.mnu", MenuBytes(OneButtonMenu("Third Menu", "entry.mnu"))}};
    } else if (scenario == "empty") {
        files.clear();
    } else if (scenario == "waitplace") {
        files = {{"wait.mnu", MenuBytes(WaitMenu())}};
        for (int code : kPlacementCodes)
            files.push_back({"pos" + std::to_string(code) + ".mnu", MenuBytes(PlacedMenu(code))});
    } else {
        return false;
    }
    return true;
}

// Writes the menus beside output and has the shared builder pack them.
int BuildThroughTheEditor(const std::string& scenario, const std::string& output) {
    std::vector<PackFile> files;
    if (!ScenarioMenus(scenario, files)) {
        std::fprintf(stderr, "unknown scenario %s\n", scenario.c_str());
        return 2;
    }
    const size_t cut = output.find_last_of("\\/");
    const std::string folder = cut == std::string::npos ? std::string() : output.substr(0, cut + 1);
    for (auto& slot : PackFiles) slot.clear();
    for (size_t k = 0; k < files.size(); ++k) {
        const std::string path = folder + files[k].name;
        if (!WriteBytes(path, files[k].bytes)) {
            std::fprintf(stderr, "cannot write %s\n", path.c_str());
            return 1;
        }
        PackFiles[k + 1] = path;
    }
    DialogMenuFileHost host;
    TMenuFile file(host);
    const bool built = file.BuildAutorunExe(folder, output.substr(folder.size()));
    file.CloseMnuFile();
    if (!built || file.MnuError()) {
        std::fprintf(stderr, "the builder failed\n");
        return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: qvmkpack SCENARIO PLAYER_EXE OUTPUT_EXE | --build SCENARIO OUTPUT_EXE\n");
        return 2;
    }
    if (std::string(argv[1]) == "--build") return BuildThroughTheEditor(argv[2], argv[3]);
    const std::string scenario = argv[1];
    std::vector<uint8_t> image;
    if (!ReadBytes(argv[2], image)) {
        std::fprintf(stderr, "cannot read %s\n", argv[2]);
        return 1;
    }
    std::vector<uint8_t> out;
    std::vector<PackFile> files;
    if (ScenarioMenus(scenario, files)) {
        out = PackedExe(image, files);
        if (scenario == "badentry") SetPackedOffset(out, image.size(), 1, static_cast<int32_t>(out.size() + 1000));
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
