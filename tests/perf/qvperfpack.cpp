// Writes the autorun executables that the player's performance measurement
// runs: a copy of the player with one menu packed behind it, and beside it a
// JSON file of screen points (in menu coordinates) with the colours the menu
// shows there once it is painted.
//   qvperfpack.exe SCENARIO PLAYER_EXE OUTPUT_EXE POINTS_JSON
// Scenarios:
//   typical  an 800 x 600 background and 10 graphical buttons with 5 frames
//            in each of Up, Active and Down, looping every 100 ms
//   anim20   an 800 x 600 background and 20 graphical buttons with 10 frames
//            in each of Up, Active and Down, looping every 40 ms
// Pictures are gradients with a little noise, so that the menu file's
// compression does the work a photograph-like menu gives it.
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "tests/support/XorShift.h"
#include "tests/wine/player/TestMenus.h"

using namespace qvtest;

namespace {

// Each channel gets a random value below noise (at most 8) added; shift moves
// the green channel, so that the frames of one button differ everywhere (by
// more than the noise).
PicRef Gradient(int w, int h, uint32_t seed, int shift, uint32_t noise) {
    auto pic = std::make_shared<forms::Bitmap>(w, h);
    XorShift random{seed * 2654435761u | 1};
    for (int y = 0; y < h; ++y) {
        uint32_t* row = pic->ScanLine(y);
        for (int x = 0; x < w; ++x) {
            const uint32_t n = random.Next();
            const uint32_t blue = x * 247 / w + (n & 0xFF) * noise / 256;
            const uint32_t green = (y * 247 / h + shift + ((n >> 8) & 0xFF) * noise / 256) & 0xFF;
            const uint32_t red = (x + y) * 180 / (w + h) + (seed * 37) % 64 + ((n >> 16) & 0xFF) * noise / 256;
            row[x] = blue | green << 8 | red << 16;
        }
    }
    return pic;
}

struct Layout {
    const char* title;
    int columns, rows;
    int left0, top0, stepX, stepY, w, h;
    int frames;
    int interval;
};

constexpr int kMenuW = 800, kMenuH = 600;
// The background is photograph-like (noisy); the buttons are rendered
// artwork (smooth, with a little dither).
constexpr uint32_t kPhotoNoise = 8, kButtonNoise = 2;

TAQMenu BuildMenu(const Layout& l) {
    TAQMenu menu = NewMenu(l.title, kMenuW, kMenuH, 0);
    menu.Buttons[0].Pics[Up][0] = Gradient(kMenuW, kMenuH, 1, 0, kPhotoNoise);
    menu.AnimInterval = l.interval;
    menu.ScreenPos = 0;
    for (int r = 0; r < l.rows; ++r) {
        for (int c = 0; c < l.columns; ++c) {
            const int n = AddObject(menu, GraphicalButton, l.left0 + c * l.stepX, l.top0 + r * l.stepY, l.w, l.h);
            TAQButton& b = menu.Buttons[n];
            b.AnimMode = AnimScrollLoop;
            for (int s : {Up, Active, Down})
                for (int f = 0; f < l.frames; ++f)
                    b.Pics[s][f] = Gradient(l.w, l.h, static_cast<uint32_t>(n * 100 + s * 10 + 2), f * 20, kButtonNoise);
        }
    }
    return menu;
}

bool Inside(int x, int y, int left, int top, int w, int h) {
    return x >= left && x < left + w && y >= top && y < top + h;
}

// Background points on a grid clear of every object and of the accessory
// text box, then the centre of each object with the colours of all its Up
// frames there (the animation may have moved on when the screen is read).
std::string PointsJson(const TAQMenu& menu) {
    std::string out = "{\"width\":" + std::to_string(kMenuW) + ",\"height\":" + std::to_string(kMenuH) +
                      ",\"background\":[";
    const forms::Bitmap& bg = *menu.Buttons[0].Pics[Up][0];
    bool first = true;
    for (int y = 10; y < kMenuH; y += 58) {
        for (int x = 10; x < kMenuW; x += 78) {
            bool covered = Inside(x, y, menu.AccTextLeft, menu.AccTextTop, menu.AccTextWidth, menu.AccTextHeight);
            for (int n = 1; n <= menu.BtnCount && !covered; ++n) {
                const TAQButton& b = menu.Buttons[n];
                covered = Inside(x, y, b.Left, b.Top, b.ObjWidth, b.ObjHeight);
            }
            if (covered) continue;
            out += (first ? "" : ",") + std::string("[") + std::to_string(x) + "," + std::to_string(y) + "," +
                   std::to_string(bg.Pixel(x, y) & 0xFFFFFF) + "]";
            first = false;
        }
    }
    out += "],\"buttons\":[";
    for (int n = 1; n <= menu.BtnCount; ++n) {
        const TAQButton& b = menu.Buttons[n];
        const int cx = b.ObjWidth / 2, cy = b.ObjHeight / 2;
        out += (n > 1 ? ",[" : "[") + std::to_string(b.Left + cx) + "," + std::to_string(b.Top + cy) + ",[";
        for (int f = 0; HasPic(b.Pics[Up][f]); ++f)
            out += (f ? "," : "") + std::to_string(b.Pics[Up][f]->Pixel(cx, cy) & 0xFFFFFF);
        out += "]]";
    }
    return out + "]}\n";
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 5) {
        std::fprintf(stderr, "usage: qvperfpack SCENARIO PLAYER_EXE OUTPUT_EXE POINTS_JSON\n");
        return 2;
    }
    const std::string scenario = argv[1];
    Layout layout;
    if (scenario == "typical") {
        layout = Layout{"Typical Menu", 2, 5, 100, 90, 360, 95, 240, 60, 5, 100};
    } else if (scenario == "anim20") {
        layout = Layout{"Animation Menu", 4, 5, 40, 60, 190, 100, 150, 60, 10, 40};
    } else {
        std::fprintf(stderr, "unknown scenario %s\n", scenario.c_str());
        return 2;
    }
    std::vector<uint8_t> image;
    if (!ReadBytes(argv[2], image)) {
        std::fprintf(stderr, "cannot read %s\n", argv[2]);
        return 1;
    }
    const TAQMenu menu = BuildMenu(layout);
    const std::vector<uint8_t> out = PackedExe(image, {{"main.mnu", MenuBytes(menu)}});
    const std::string points = PointsJson(menu);
    if (!WriteBytes(argv[3], out) ||
        !WriteBytes(argv[4], std::vector<uint8_t>(points.begin(), points.end()))) {
        std::fprintf(stderr, "cannot write %s or %s\n", argv[3], argv[4]);
        return 1;
    }
    return 0;
}
