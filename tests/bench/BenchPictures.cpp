#include "BenchPictures.h"

#include <memory>

#include "tests/support/XorShift.h"

namespace bench {

using Noise = qvtest::XorShift;

PicRef GradientPicture(int width, int height, uint32_t seed) {
    auto pic = std::make_shared<forms::Bitmap>(width, height);
    Noise noise{seed * 2654435761u | 1};
    const int hueShift = static_cast<int>(seed % 97);
    for (int y = 0; y < height; ++y) {
        uint32_t* row = pic->ScanLine(y);
        for (int x = 0; x < width; ++x) {
            const uint32_t n = noise.Next();
            const int blue = (x * 255 / width + hueShift + static_cast<int>(n & 7)) & 0xFF;
            const int green = (y * 255 / height + static_cast<int>((n >> 3) & 7)) & 0xFF;
            const int red = ((x + y) * 255 / (width + height) + static_cast<int>((n >> 6) & 3)) & 0xFF;
            row[x] = static_cast<uint32_t>(blue | green << 8 | red << 16);
        }
    }
    return pic;
}

std::unique_ptr<TAQMenu> LargeMenu() {
    auto m = std::make_unique<TAQMenu>();
    m->MenuTitle = "Benchmark";
    m->TransColor = 15;
    m->Buttons[0].Pics[Up][0] = GradientPicture(1024, 768, 1);
    for (int n = 1; n <= 100; ++n) {
        TAQButton& b = m->Buttons[n];
        b.ObjectKind = GraphicalButton;
        b.ObjWidth = 200;
        b.ObjHeight = 60;
        for (int s = 0; s < kPicStates; ++s)
            for (int f = 0; f < 10; ++f) b.Pics[s][f] = GradientPicture(200, 60, static_cast<uint32_t>(n * 1000 + s * 100 + f));
    }
    m->BtnCount = 100;
    return m;
}

PicRef ManyRunsBackground(uint32_t key) {
    auto pic = GradientPicture(1920, 1080, 7);
    Noise noise{12345};
    for (int y = 0; y < pic->Height(); ++y) {
        uint32_t* row = pic->ScanLine(y);
        int x = static_cast<int>(noise.Next() % 8);
        while (x < pic->Width()) {
            const int run = 1 + static_cast<int>(noise.Next() % 12);
            for (int k = 0; k < run && x < pic->Width(); ++k) row[x++] = key;
            x += 1 + static_cast<int>(noise.Next() % 12);
        }
    }
    return pic;
}

}  // namespace bench
