// AutoSeek's time for a 100 x 40 button over a 1024 x 768 photo-like
// background that holds no exact copy of it, beside one plain pass that
// scores every candidate position over all its pixels (no early abandon).
// Prints both times and their ratio.
#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "BenchPictures.h"
#include "editor/logic/AutoSeek.h"

namespace {

class NoProgress : public editor::SeekProgress {
public:
    void ShowProgress(int) override {}
    void ProcessMessages() override {}
};

TBmpArray ArrayOf(const PicRef& pic) {
    TBmpArray a;
    a.Bitmap = *pic;
    BmpToArray(a);
    return a;
}

// The same scoring as the search, every candidate scored in full.
double PlainPass(const TBmpArray& background, const TBmpArray& button) {
    double best = 100.0;
    for (int x = 0; x <= background.Width - button.Width - 1; ++x)
        for (int y = 0; y <= background.Height - button.Height - 1; ++y) {
            double sum = 0.0;
            for (int i = 0; i < button.Width; ++i)
                for (int j = 0; j < button.Height; ++j) {
                    const uint32_t a = button.Pixels[i][j];
                    const uint32_t b = background.Pixels[x + i][y + j];
                    int d = 0;
                    for (int shift = 0; shift <= 16; shift += 8)
                        d += std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF));
                    sum += d / 7.65;
                }
            const double mean = sum / (button.Width * button.Height);
            if (mean < best) best = mean;
        }
    return best;
}

double Seconds(std::chrono::steady_clock::time_point since) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

}  // namespace

int main() {
    const TBmpArray background = ArrayOf(bench::GradientPicture(1024, 768, 3));
    const TBmpArray button = ArrayOf(bench::GradientPicture(100, 40, 11));
    NoProgress progress;

    auto start = std::chrono::steady_clock::now();
    const editor::SeekResult found = editor::FindBestPlace(background, button, progress);
    const double seek = Seconds(start);

    start = std::chrono::steady_clock::now();
    const double plainBest = PlainPass(background, button);
    const double plain = Seconds(start);

    std::printf("AutoSeek search:       %.3f s (best mean %.3f at %d, %d)\n", seek, found.Mean, found.X, found.Y);
    std::printf("plain full pass:       %.3f s (best mean %.3f)\n", plain, plainBest);
    std::printf("search / plain pass:   %.3f\n", seek / plain);
    return 0;
}
