#include "editor/logic/AutoSeek.h"

#include <cstdint>
#include <cstdlib>

namespace editor {

namespace {

// A picture whose arrays hold at least its stated size, and is not empty.
bool Searchable(const TBmpArray& a) {
    return a.Width > 0 && a.Height > 0 && a.Pixels.Cols() >= a.Width &&
           a.Pixels.Rows() >= a.Height;
}

// |dB| + |dG| + |dR| of two pixel words, 0..765.
int PixelDifference(uint32_t a, uint32_t b) {
    int d = 0;
    for (int shift = 0; shift <= 16; shift += 8)
        d += std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF));
    return d;
}

// The candidate's mean difference, or a value above bestMean when it was
// dropped early.
double CandidateMean(const TBmpArray& background, const TBmpArray& button, int x, int y,
                     double bestMean) {
    double sum = 0.0;
    int n = 0;
    for (int i = 0; i < button.Width; ++i) {
        const auto buttonColumn = button.Pixels[i];
        const auto backColumn = background.Pixels[x + i];
        for (int j = 0; j < button.Height; ++j) {
            sum += PixelDifference(buttonColumn[j], backColumn[y + j]) / 7.65;
            ++n;
            if (i > 5 && j > 5 && sum / n > bestMean) return sum / n;
        }
    }
    return sum / n;
}

}  // namespace

SeekResult FindBestPlace(const TBmpArray& background, const TBmpArray& button,
                         SeekProgress& progress) {
    SeekResult best;
    if (!Searchable(background) || !Searchable(button)) return best;
    const int lastX = background.Width - button.Width - 1;
    const int lastY = background.Height - button.Height - 1;
    if (lastX < 0 || lastY < 0) return best;
    int shown = 0;
    for (int x = 0; x <= lastX; ++x) {
        for (int y = 0; y <= lastY; ++y) {
            const double mean = CandidateMean(background, button, x, y, best.Mean);
            if (mean == 0.0) {
                best.X = x;
                best.Y = y;
                best.Mean = 0.0;
                best.ExactMatch = true;
                return best;
            }
            if (mean < best.Mean) {
                best.Mean = mean;
                best.X = x;
                best.Y = y;
            }
        }
        // Whole-number arithmetic: x * 100 / lastX truncated, without rounding
        // error in the quotient.
        const int percent = lastX > 0 ? static_cast<int>(int64_t{x} * 100 / lastX) : 100;
        if (percent > shown + 4) {
            shown = percent;
            progress.ShowProgress(percent);
        }
        progress.ProcessMessages();
    }
    return best;
}

}  // namespace editor
