// The window-shape string: a picture's size and, row by row, the runs of
// pixels of the transparent colour, from which the player cuts its window.
#include <cstring>
#include <string>

#include "shared/TarvikUtils.h"
#include "shared/mdlfilebin.h"

namespace {

// Every number of the string has exactly four digits: the sides are at most
// 9999, so no column, column end or row number needs more.
constexpr int kMaxShapeSide = 9999;

struct TwoDigits {
    char d[200];
    TwoDigits() {
        for (int i = 0; i < 100; ++i) {
            d[2 * i] = static_cast<char>('0' + i / 10);
            d[2 * i + 1] = static_cast<char>('0' + i % 10);
        }
    }
};
const TwoDigits kTwoDigits;

inline char* Put4(char* p, int n) {
    const int hi = n / 100;
    const int lo = n - hi * 100;
    std::memcpy(p, kTwoDigits.d + 2 * hi, 2);
    std::memcpy(p + 2, kTwoDigits.d + 2 * lo, 2);
    return p + 4;
}

// Calls f(first, end) for every run of key pixels in the row, left to right;
// end is the column just after the run.
template <typename F>
inline void ForEachRun(const uint32_t* row, int w, uint32_t key, F f) {
    int x = 0;
    for (;;) {
        while (x < w && row[x] != key) ++x;
        if (x == w) return;
        const int start = x;
        while (x < w && row[x] == key) ++x;
        f(start, x);
    }
}

// The number of runs: key pixels whose left neighbour is not one (written
// without a carried state so that the compiler can vectorise it).
inline size_t CountRuns(const uint32_t* row, int w, uint32_t key) {
    if (w == 0) return 0;
    size_t runs = row[0] == key;
    for (int x = 1; x < w; ++x) runs += (row[x] == key) & (row[x - 1] != key);
    return runs;
}

}  // namespace

std::string MakeWinRgnString(const forms::Bitmap& picture, int transIndex) {
    if (transIndex < 1) return "NULL";
    const int w = picture.Width();
    const int h = picture.Height();
    // Larger sides would need five digits, which a reader of four-digit
    // numbers cannot separate: such a window keeps its rectangle.
    if (w > kMaxShapeSide || h > kMaxShapeSide) return "NULL";

    // A pixel is transparent when its whole word equals the key, so one with
    // a non-zero fourth byte never is.
    const uint32_t key = static_cast<uint32_t>(SwapRedBlue(QBColor(transIndex)));

    // First pass: the exact length, so the text is allocated once.
    size_t length = 8;
    for (int r = 1; r <= h; ++r) {
        const size_t runs = CountRuns(picture.ScanLine(r - 1), w, key);
        if (runs > 0 && r > 1) length += 5;  // "Y" and the row
        length += runs * 8;
    }

    std::string text(length, '\0');
    char* out = Put4(Put4(&text[0], w), h);
    for (int r = 1; r <= h; ++r) {
        bool marked = r == 1;  // a reader starts in the top row
        ForEachRun(picture.ScanLine(r - 1), w, key, [&](int start, int end) {
            if (!marked) {
                *out++ = 'Y';
                out = Put4(out, r);
                marked = true;
            }
            out = Put4(Put4(out, start), end);
        });
    }
    return text;
}
