#include "editor/logic/BackgroundDraw.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace editor {

namespace {

uint32_t Channel(uint32_t word, int shift) { return (word >> shift) & 0xFF; }

// Trunc(t x to + (1 - t) x from) for each of the three colour bytes.
uint32_t Blend(uint32_t from, uint32_t to, double t) {
    uint32_t out = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        const double v = t * Channel(to, shift) + (1.0 - t) * Channel(from, shift);
        out |= static_cast<uint32_t>(std::clamp(static_cast<int>(v), 0, 255)) << shift;
    }
    return out;
}

// a / b, or 0 when b is 0 (a span of no width or height).
double Ratio(double a, double b) { return b == 0 ? 0.0 : a / b; }

double BaseT(BaseGradient style, int x, int y, int w, int h) {
    switch (style) {
        case BaseGradient::DiagonalLeftToRight: return Ratio(x + y, w + h);
        case BaseGradient::Vertical: return Ratio(y, h);
        case BaseGradient::DiagonalRightToLeft: return Ratio(w + y - x, w + h);
        case BaseGradient::Horizontal: return Ratio(x, w);
        case BaseGradient::None: break;
    }
    return 0.0;
}

double BannerT(BannerGradient style, int x, int y, const BannerBox& r) {
    const double d = r.right - r.left;
    const double e = r.bottom - r.top;
    const double centerOut =
        (std::fabs(Ratio(x - r.left - d / 2, d / 2)) + std::fabs(Ratio(y - r.top - e / 2, e / 2))) / 2;
    const double rightToLeft = Ratio(x + y - r.left - r.top, d + e);
    switch (style) {
        case BannerGradient::CenterOut: return centerOut;
        case BannerGradient::OutsideIn: return 1.0 - centerOut;
        case BannerGradient::Vertical: return Ratio(y - r.top, e);
        case BannerGradient::Horizontal: return Ratio(x - r.left, d);
        case BannerGradient::DiagonalRightToLeft: return rightToLeft;
        case BannerGradient::DiagonalLeftToRight: return 1.0 - rightToLeft;
        case BannerGradient::None: break;
    }
    return 0.0;
}

// Lightening (toward white) keeps e of each channel and adds (1 - e) x 255;
// darkening keeps e.
uint32_t Lighten(uint32_t word, double e) { return Blend(0xFFFFFF, word, e) | (word & 0xFF000000u); }
uint32_t Darken(uint32_t word, double e) { return Blend(0, word, e) | (word & 0xFF000000u); }

// Fills row y from x0 to x1 (both included) with colour, within the picture.
void FillRow(forms::Bitmap& bmp, int y, int x0, int x1, uint32_t word) {
    if (y < 0 || y >= bmp.Height()) return;
    x0 = std::max(x0, 0);
    x1 = std::min(x1, bmp.Width() - 1);
    if (x0 > x1) return;
    std::fill(bmp.ScanLine(y) + x0, bmp.ScanLine(y) + x1 + 1, word);
}

void FillColumn(forms::Bitmap& bmp, int x, int y0, int y1, uint32_t word) {
    if (x < 0 || x >= bmp.Width()) return;
    y0 = std::max(y0, 0);
    y1 = std::min(y1, bmp.Height() - 1);
    for (int y = y0; y <= y1; ++y) bmp.ScanLine(y)[x] = word;
}

}  // namespace

void DrawBaseFill(forms::Bitmap& bmp, const BackgroundDesign& design) {
    const int w = bmp.Width();
    const int h = bmp.Height();
    if (design.base != BackBase::Gradient) {
        bmp.Fill(ColorToPixelWord(design.singleColor));
        return;
    }
    const uint32_t from = ColorToPixelWord(design.gradientFrom);
    const uint32_t to = ColorToPixelWord(design.gradientTo);
    for (int y = 0; y < h; ++y) {
        uint32_t* row = bmp.ScanLine(y);
        for (int x = 0; x < w; ++x) row[x] = Blend(from, to, BaseT(design.baseGradient, x, y, w, h));
    }
}

int DrawBorder(forms::Bitmap& bmp, BackBorder border, int thickness) {
    if (border == BackBorder::None) return 0;
    const int w = bmp.Width();
    const int h = bmp.Height();
    const int b = std::max(0, std::min({thickness, w / 2, h / 2}));
    auto ringFactor = [&](int i) { return border == BackBorder::Bevelled ? 0.5 : static_cast<double>(i) / b; };
    for (int i = 0; i < b; ++i) {
        const double e = ringFactor(i);
        uint32_t* top = bmp.ScanLine(i);
        uint32_t* bottom = bmp.ScanLine(h - 1 - i);
        for (int x = i; x <= w - 1 - i; ++x) top[x] = Lighten(top[x], e);
        for (int x = i; x <= w - 1 - i; ++x) bottom[x] = Darken(bottom[x], e);
    }
    for (int j = 0; j < b; ++j) {
        const double e = ringFactor(j);
        for (int y = j; y <= h - 1 - j; ++y) {
            uint32_t* row = bmp.ScanLine(y);
            row[j] = Lighten(row[j], e);
            row[w - 1 - j] = Darken(row[w - 1 - j], e);
        }
    }
    return b;
}

BannerBox BannerRect(const BackgroundDesign& design, int width, int borderUsed, int textHeight) {
    const int b = borderUsed;
    BannerBox r{b + 3, b + 3, width - b - 4, textHeight + b + 7};
    if (design.bannerFrame) {
        const int t2 = design.frameThickness;
        r.top += t2;
        r.bottom += t2;
        if (design.createBox) {
            r.left += t2;
            r.right -= t2;
        }
    }
    return r;
}

void DrawBanner(forms::Bitmap& bmp, const BackgroundDesign& design, int borderUsed, int textHeight) {
    BannerBox r = BannerRect(design, bmp.Width(), borderUsed, textHeight);
    const int x0 = std::max(r.left, 0);
    if (design.bannerFill == BannerFill::Single) {
        const uint32_t word = ColorToPixelWord(design.bannerColor);
        for (int y = r.top; y <= r.bottom; ++y) FillRow(bmp, y, r.left, r.right, word);
    } else if (design.bannerFill == BannerFill::Gradient) {
        if (design.bannerGradient == BannerGradient::Vertical && design.fadeToBackground)
            r.bottom = static_cast<int>(r.bottom * 1.5);
        const uint32_t from = ColorToPixelWord(design.bannerFrom);
        const uint32_t to = ColorToPixelWord(design.bannerTo);
        const int x1 = std::min(r.right, bmp.Width() - 1);
        for (int y = std::max(r.top, 0); y <= std::min(r.bottom, bmp.Height() - 1); ++y) {
            uint32_t* row = bmp.ScanLine(y);
            for (int x = x0; x <= x1; ++x) {
                const uint32_t end = design.fadeToBackground ? row[x] : to;
                row[x] = Blend(from, end, BannerT(design.bannerGradient, x, y, r));
            }
        }
    }
    if (!design.bannerFrame) return;
    const uint32_t word = ColorToPixelWord(design.frameColor);
    const int t2 = design.frameThickness;
    for (int i = 0; i < t2; ++i) {
        FillRow(bmp, r.top - 1 - i, r.left, r.right, word);
        FillRow(bmp, r.bottom + 1 + i, r.left, r.right, word);
        if (design.createBox) {
            FillColumn(bmp, r.left - 1 - i, r.top - t2, r.bottom + t2, word);
            FillColumn(bmp, r.right + 1 + i, r.top - t2, r.bottom + t2, word);
        }
    }
}

TitlePoint TitleOrigin(const BackgroundDesign& design, int width, int borderUsed, int titleWidth) {
    const int b = borderUsed;
    const int t2 = design.bannerFrame ? design.frameThickness : 0;
    TitlePoint p{0, b + 5 + t2};
    switch (design.align) {
        case TitleAlign::Left: p.x = b + 9; break;
        case TitleAlign::Center: p.x = (width - titleWidth) / 2; break;
        case TitleAlign::Right: p.x = width - titleWidth - b - 7; break;
    }
    if (design.bannerFrame && design.createBox) p.x += t2;
    return p;
}

void ApplyTitleShadow(forms::Bitmap& bmp, const forms::Bitmap& mask, int left, int top, int rows) {
    if (mask.Width() != bmp.Width() || mask.Height() != bmp.Height()) return;
    const int x0 = std::max(left, 0);
    const int y1 = std::min(top + rows, bmp.Height() - 1);
    for (int y = std::max(top, 0); y <= y1; ++y) {
        uint32_t* row = bmp.ScanLine(y);
        const uint32_t* shade = mask.ScanLine(y);
        for (int x = x0; x < bmp.Width(); ++x) {
            const double k = (shade[x] & 0xFF) / 255.0 * 0.34 + 0.66;
            if (k >= 1.0) continue;
            uint32_t out = row[x] & 0xFF000000u;
            for (int shift = 0; shift <= 16; shift += 8)
                out |= static_cast<uint32_t>(Channel(row[x], shift) * k) << shift;
            row[x] = out;
        }
    }
}

int LockedSide(int other, int pictureSide, int pictureOther, int min, int max, int current) {
    if (pictureSide <= 0 || pictureOther <= 0) return current;
    const double side = std::nearbyint(static_cast<double>(pictureSide) / pictureOther * other);
    return static_cast<int>(std::clamp(side, static_cast<double>(min), static_cast<double>(max)));
}

BackgroundDesign SampleDesign(int index, int width, int height) {
    BackgroundDesign d;
    d.width = width;
    d.height = height;
    d.title = "My Menu";
    switch (index) {
        case 0:  // the wizard's own defaults
            break;
        case 1:
            d.baseGradient = BaseGradient::DiagonalLeftToRight;
            d.gradientFrom = 0xF4E8DC;
            d.gradientTo = 0x8C4A1E;
            d.border = BackBorder::Bevelled;
            d.borderThickness = 4;
            d.bannerFill = BannerFill::Single;
            d.bannerColor = 0x5A2A10;
            d.bannerFrame = true;
            d.createBox = true;
            d.frameThickness = 2;
            d.frameColor = 0xF0D8B0;
            d.align = TitleAlign::Center;
            d.bold = true;
            d.shadow = true;
            d.shadowDepth = 2;
            break;
        default:
            d.base = BackBase::Single;
            d.singleColor = 0x3C5A2E;
            d.bannerGradient = BannerGradient::Vertical;
            d.bannerFrom = 0x9ED68A;
            d.fadeToBackground = true;
            d.align = TitleAlign::Right;
            d.italic = true;
            d.titleColor = 0x20301A;
            break;
    }
    return d;
}

}  // namespace editor
