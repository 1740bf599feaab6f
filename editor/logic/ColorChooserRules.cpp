#include "editor/logic/ColorChooserRules.h"

#include <cctype>
#include <cmath>

namespace editor {

namespace {

// The built-in palettes as shown: [palette][row][column].
constexpr const char* kPalettes[kPaletteCount][5][7] = {
    {  // palette 0
        {"064000000", "064032000", "064064000", "000064000", "000064064", "000000064", "064000064"},
        {"128000000", "128064000", "128128000", "000128000", "000128128", "000000128", "128000128"},
        {"255000000", "255128000", "255255000", "000255000", "000255255", "000000255", "255000255"},
        {"255064064", "255192064", "25525564", "064255064", "064255255", "064064255", "255064255"},
        {"255128128", "255255128", "255255128", "128255128", "128255255", "128128255", "255128255"},
    },
    {  // palette 1
        {"153102000", "255051000", "051051102", "102102153", "000102000", "062254222", "153000000"},
        {"204153000", "255121075", "000051153", "102102204", "000153000", "153204255", "255204255"},
        {"255204000", "255153051", "000102204", "153153204", "102204051", "180226255", "000000000"},
        {"255255000", "255204102", "000131215", "153153255", "153255102", "222255255", "192192192"},
        {"255255153", "255219157", "000153255", "204204255", "204255204", "255255255", "128128128"},
    },
    {  // palette 2
        {"000000032", "020090144", "138173200", "166129019", "166061019", "025025148", "017147091"},
        {"000000078", "077127167", "166191211", "191164081", "191112081", "087087170", "071169127"},
        {"000050189", "062153222", "159204239", "255206058", "255114058", "078078227", "052226151"},
        {"000110223", "110183239", "183219247", "255218108", "255150108", "123123241", "101240181"},
        {"032139223", "144197239", "200226247", "255228147", "255178147", "154154241", "138240197"},
    },
    {  // palette 3
        {"162074015", "186029022", "234143028", "035065238", "015104162", "096136162", "048117062"},
        {"183108062", "199074026", "239168067", "032096225", "062136183", "153171183", "089145085"},
        {"203144108", "212118029", "244193106", "029124212", "108167203", "203203203", "139173107"},
        {"223180155", "225162032", "249218145", "026150199", "155198223", "223223223", "170201130"},
        {"243215201", "238206035", "254242184", "022178186", "201229243", "243243243", "210228152"},
    },
};

// Nearest integer, halves to the even neighbour (the default rounding mode).
int RoundEven(double v) { return static_cast<int>(std::nearbyint(v)); }

// Characters [from, from + 3) of entry as a decimal number; what is missing
// or no digit counts as nothing.
int DecimalAt(const std::string& entry, size_t from) {
    int value = 0;
    for (size_t i = from; i < from + 3 && i < entry.size(); ++i) {
        if (!std::isdigit(static_cast<unsigned char>(entry[i]))) break;
        value = value * 10 + (entry[i] - '0');
    }
    return value;
}

}  // namespace

int32_t PixelColor(uint32_t pixel) {
    return RgbColor(static_cast<int>((pixel >> 16) & 0xFF), static_cast<int>((pixel >> 8) & 0xFF),
                    static_cast<int>(pixel & 0xFF));
}

uint32_t ColorPixel(int32_t colour) {
    return 0xFF000000u | (static_cast<uint32_t>(RedOf(colour)) << 16) | (static_cast<uint32_t>(GreenOf(colour)) << 8) |
           static_cast<uint32_t>(BlueOf(colour));
}

int32_t PaletteEntryColor(const std::string& entry) {
    return RgbColor(DecimalAt(entry, 0) % 256, DecimalAt(entry, 3) % 256, DecimalAt(entry, 6) % 256);
}

const char* PaletteEntry(int index, int e) {
    const int list = ClampPaletteIndex(index);
    const int palette = list < kPaletteCount ? list : 0;
    if (e < 0 || e >= kPaletteSwatches) return "";
    return kPalettes[palette][e % 5][e / 5];
}

int ClampPaletteIndex(int index) { return index < 0 ? 0 : index >= kPaletteLists ? kPaletteLists - 1 : index; }

int NextPalette(int index) { return index + 1 > kPaletteCount - 1 ? 0 : index + 1; }

int PreviousPalette(int index) {
    const int previous = index - 1;
    return previous < 0 || previous >= kPaletteCount ? kPaletteCount - 1 : previous;
}

forms::Bitmap BuildHueGradient() {
    forms::Bitmap hue(kGradientWidth, kGradientHeight);
    // The top row's channels by column; the other rows are mixed from it.
    int base[kGradientWidth][3];
    for (int x = 0; x < kGradientWidth; ++x) {
        int* c = base[x];
        if (x >= 360) {
            const int v = x == 360 ? 0 : 128;
            c[0] = c[1] = c[2] = v;
            continue;
        }
        const int k = x % 60 + 1;
        const int up = RoundEven(k / 60.0 * 255);
        const int down = RoundEven((60 - k) / 60.0 * 255);
        static const int kSectors[6][3] = {{255, -1, 0}, {-2, 255, 0}, {0, 255, -1},
                                           {0, -2, 255}, {-1, 0, 255}, {255, 0, -2}};
        for (int ch = 0; ch < 3; ++ch) {
            const int v = kSectors[x / 60][ch];
            c[ch] = v == -1 ? up : v == -2 ? down : v;
        }
    }
    const int e = kGradientHeight / 2 + 1;
    for (int y = 0; y < kGradientHeight; ++y) {
        const double f = static_cast<double>(e - (y + 1)) / e;
        const double t = std::fabs(f);
        const double target = f > 0 ? 255.0 : 0.0;
        uint32_t* row = hue.ScanLine(y);
        for (int x = 0; x < kGradientWidth; ++x) {
            int out[3];
            for (int ch = 0; ch < 3; ++ch) out[ch] = RoundEven((1 - t) * base[x][ch] + t * target);
            row[x] = ColorPixel(RgbColor(out[0], out[1], out[2]));
        }
    }
    return hue;
}

int GreyRampValue(int y) { return RoundEven((1 - static_cast<double>(y + 1) / kGradientHeight) * 255); }

void MixSaturation(const forms::Bitmap& hue, int position, forms::Bitmap& out) {
    const int w = hue.Width();
    const int h = hue.Height();
    if (out.Width() != w || out.Height() != h) out.SetSize(w, h);
    const double s = position / 100.0;
    // One table per row: every channel value 0..255 mixed with that row's grey.
    uint8_t mixed[256];
    for (int y = 0; y < h; ++y) {
        const double grey = (1 - s) * GreyRampValue(y);
        for (int v = 0; v < 256; ++v) mixed[v] = static_cast<uint8_t>(RoundEven(s * v + grey));
        const uint32_t* src = hue.ScanLine(y);
        uint32_t* dst = out.ScanLine(y);
        for (int x = 0; x < w; ++x) {
            const uint32_t p = src[x];
            dst[x] = 0xFF000000u | (static_cast<uint32_t>(mixed[(p >> 16) & 0xFF]) << 16) |
                     (static_cast<uint32_t>(mixed[(p >> 8) & 0xFF]) << 8) | mixed[p & 0xFF];
        }
    }
}

int ClampGradientX(int x) { return x < 0 ? 0 : x > kGradientWidth - 1 ? kGradientWidth - 1 : x; }

int ClampGradientY(int y) { return y < 0 ? 0 : y > kGradientHeight - 1 ? kGradientHeight - 1 : y; }

ChannelEdit CheckChannelText(const std::string& text, int lastValue) {
    size_t i = 0;
    const bool negative = !text.empty() && text[0] == '-';
    if (negative) i = 1;
    if (i >= text.size()) return {lastValue, true, true};
    long long value = 0;
    for (; i < text.size(); ++i) {
        if (!std::isdigit(static_cast<unsigned char>(text[i]))) return {lastValue, true, true};
        if (value < 1000) value = value * 10 + (text[i] - '0');
    }
    if (negative && value != 0) return {0, true, true};
    if (value >= 256) return {255, true, true};
    return {static_cast<int>(value), false, false};
}

int32_t ResetCustomColor(int i) {
    const int g = static_cast<int>((6 - i) * 42.5);
    return RgbColor(g, g, g);
}

int AddTargetSwatch(int selSwatch, bool afterAdd) {
    int n = selSwatch;
    if (n < kFirstCustomSwatch)
        n = kFirstCustomSwatch;
    else if (afterAdd)
        ++n;
    return n > kLastCustomSwatch ? kFirstCustomSwatch : n;
}

}  // namespace editor
