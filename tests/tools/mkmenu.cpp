// qvmkmenu writes the menu files of the editor's end-to-end scenarios with
// the shared menu writer:
//   qvmkmenu cutout FILE.mnu   a 400 x 300 photo-like background and one
//                              60 x 30 graphical button whose Up picture is
//                              the background's pixels at (137, 91); the
//                              button sits at (8, 8).
// Every background carries a 4 x 4 magenta mark in its top right corner
// (x 396..399, y 0..3), by which a test finds the design surface on screen.
//   qvmkmenu plain FILE.mnu    a 400 x 300 grey menu without objects.
//   qvmkmenu five FILE.mnu     the grey menu with five 40 x 20 graphical
//                              buttons in a row, each of its own colours;
//                              button 1 has three Up frames.
//   qvmkmenu seven FILE.mnu    "five" with buttons 6 and 7 in a second row
//                              at (20, 100) and (80, 100).
//   qvmkmenu shaped FILE.mnu   the grey menu without objects whose left 100
//                              columns are lime, its transparent colour (10).
#include <cmath>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

#include "forms/portable/Stream.h"
#include "shared/MenuBody.h"
#include "tests/support/FakeDialogs.h"

namespace {

constexpr int kMenuW = 400;
constexpr int kMenuH = 300;

// Smooth colour waves with a little fixed noise: no two places look alike
// and no place is one flat colour, as in a photograph.
forms::Bitmap PhotoLike(int w, int h) {
    forms::Bitmap b(w, h);
    uint32_t seed = 12345;
    for (int y = 0; y < h; ++y) {
        uint32_t* row = b.ScanLine(y);
        for (int x = 0; x < w; ++x) {
            seed = seed * 1103515245u + 12345u;
            const int noise = static_cast<int>((seed >> 16) % 17) - 8;
            auto channel = [&](double phase, double fx, double fy) {
                const double v = 128 + 100 * std::sin(x * fx + y * fy + phase) + noise;
                return static_cast<uint32_t>(v < 0 ? 0 : v > 255 ? 255 : v);
            };
            row[x] = channel(0.0, 0.031, 0.017) | channel(1.3, 0.011, 0.043) << 8 | channel(2.6, 0.023, 0.029) << 16;
        }
    }
    return b;
}

forms::Bitmap Cut(const forms::Bitmap& from, int left, int top, int w, int h) {
    forms::Bitmap b(w, h);
    for (int y = 0; y < h; ++y) std::memcpy(b.ScanLine(y), from.ScanLine(top + y) + left, sizeof(uint32_t) * w);
    return b;
}

TAQMenu BaseMenu(forms::Bitmap background) {
    for (int y = 0; y < 4; ++y)
        for (int x = kMenuW - 4; x < kMenuW; ++x) background.SetPixel(x, y, 0xFF00FF);
    TAQMenu menu;
    menu.MenuTitle = "Scenario";
    menu.Buttons[0].Pics[Up][0] = std::make_shared<forms::Bitmap>(background);
    menu.TimeVisible = false;
    menu.DateVisible = false;
    menu.AccTextLeft = kMenuW - 60;
    menu.AccTextTop = kMenuH - 20;
    menu.AccTextWidth = 50;
    menu.AccTextHeight = 15;
    return menu;
}

int AddButton(TAQMenu& menu, int left, int top, const forms::Bitmap& up, uint32_t active) {
    const int n = ++menu.BtnCount;
    TAQButton& b = menu.Buttons[n];
    b.ObjectKind = GraphicalButton;
    b.Left = left;
    b.Top = top;
    b.ObjWidth = up.Width();
    b.ObjHeight = up.Height();
    b.ShortcutKey = "none";
    b.Caption = "Button " + std::to_string(n);
    b.Pics[Up][0] = std::make_shared<forms::Bitmap>(up);
    b.Pics[Active][0] = std::make_shared<forms::Bitmap>(up.Width(), up.Height(), active);
    b.Pics[Down][0] = std::make_shared<forms::Bitmap>(up.Width(), up.Height(), active ^ 0xFFFFFF);
    return n;
}

bool Write(const TAQMenu& menu, const char* path) {
    TMenuFile file(qvfake::Host());
    file.SetMnuStream(std::make_unique<forms::MemoryStream>());
    if (!WriteMenuFile(file, menu, MenuWriteOptions())) return false;
    const std::vector<uint8_t> bytes = static_cast<forms::MemoryStream*>(file.MnuStream())->Bytes();
    file.CloseMnuFile();
    std::FILE* f = std::fopen(path, "wb");
    if (!f) return false;
    const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return std::fclose(f) == 0 && ok;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: qvmkmenu cutout|plain|five|seven|shaped FILE.mnu\n");
        return 2;
    }
    const std::string scenario = argv[1];
    TAQMenu menu;
    if (scenario == "cutout") {
        const forms::Bitmap background = PhotoLike(kMenuW, kMenuH);
        menu = BaseMenu(background);
        AddButton(menu, 8, 8, Cut(background, 137, 91, 60, 30), 0x00FF00);
    } else if (scenario == "shaped") {
        forms::Bitmap background(kMenuW, kMenuH, 0x808080);
        for (int y = 0; y < kMenuH; ++y)
            for (int x = 0; x < 100; ++x) background.SetPixel(x, y, 0x00FF00);
        menu = BaseMenu(background);
        menu.TransColor = 10;
    } else if (scenario == "plain" || scenario == "five" || scenario == "seven") {
        menu = BaseMenu(forms::Bitmap(kMenuW, kMenuH, 0x808080));
        const int count = scenario == "plain" ? 0 : scenario == "five" ? 5 : 7;
        for (int k = 0; k < count; ++k)
            AddButton(menu, 20 + 60 * (k % 5), 40 + 60 * (k / 5), forms::Bitmap(40, 20, 0x203040u * (k + 1)),
                      0x000010u * (k + 1));
        if (count > 0)
            for (int f = 1; f < 3; ++f)
                menu.Buttons[1].Pics[Up][f] = std::make_shared<forms::Bitmap>(40, 20, 0x405060u * f);
    } else {
        std::fprintf(stderr, "unknown scenario %s\n", argv[1]);
        return 2;
    }
    if (!Write(menu, argv[2])) {
        std::fprintf(stderr, "cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
