#include "editor/logic/PNGDraw.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <utility>

#include "shared/UBmpArray.h"

// The picture is drawn row by row, straight into the RGBA picture that
// becomes LookPNG. A pixel's colour and opacity depend only on its row
// (through the gradient), its line weight and its coverage, both limited to
// 0..1, so each row works out once the two values that nearly all pixels take
// (inside the line, and on the line) and fills whole spans with them; only
// the anti-aliased rims are worked out pixel by pixel.

namespace editor {

namespace {

// The inclusive ranges of x and y that a drawing routine walks. The ends are
// 64-bit so that thicknesses and roundings of any 32-bit value add up without
// overflow before they are clamped to the picture.
struct ShapeRange {
    int64_t X0, X1, Y0, Y1;
};

struct Channels {
    float R = 0, G = 0, B = 0;
};

// A colour value (red in the low byte, then green, then blue).
Channels SplitColor(int32_t color) {
    const uint32_t c = static_cast<uint32_t>(color);
    return {static_cast<float>(c & 0xFF), static_cast<float>((c >> 8) & 0xFF),
            static_cast<float>((c >> 16) & 0xFF)};
}

// Nearest integer, halves to the even neighbour (the default rounding mode).
float RoundEven(float v) { return std::nearbyint(v); }

// Truncated toward zero, low 8 bits.
uint8_t ChannelByte(float v) { return static_cast<uint8_t>(static_cast<int32_t>(v)); }

// What one pixel becomes (red, green, blue, alpha); nothing is written when
// Drawn is false.
struct Shade {
    uint8_t Rgba[4] = {};
    bool Drawn = false;
};

// One row of the picture being drawn, with its fill colour and the shades of
// its fully covered pixels inside the line (weight 0) and on it (weight 1).
struct Row {
    uint8_t* Rgba;
    Channels Fill;
    Shade Inside, OnLine;

    void Put(int x, const Shade& s) const { std::memcpy(Rgba + 4 * x, s.Rgba, 4); }
    // Gives pixels x0..x1 the shade, when it is drawn.
    void Span(int x0, int x1, const Shade& s) const {
        if (s.Drawn)
            for (int x = x0; x <= x1; ++x) Put(x, s);
    }
};

// How many of the positions 0..count-1 hold, when those that hold come first.
template <typename Holds>
int LeadingCount(int count, Holds holds) {
    int lo = 0, hi = count;  // below lo all hold, from hi on none
    while (lo < hi) {
        const int mid = lo + (hi - lo) / 2;
        if (holds(mid)) lo = mid + 1;
        else hi = mid;
    }
    return lo;
}

// Which way is outward from a corner arc's centre: -1 toward smaller x or y,
// +1 toward larger.
struct Outward {
    int X, Y;
};

// One drawing: the settings, the picture being drawn and its colour state.
class ShapePainter {
public:
    ShapePainter(const TShapeRec& settings, int width, int height);
    // Draws by ShapeKind; an unknown kind, or a shape with neither line nor
    // fill, leaves the picture fully transparent.
    void Draw();

    // Every pixel starts transparent black.
    forms::PngImage Picture;

private:
    Row RowAt(int y);
    // weight: how much of the pixel is line rather than fill;
    // coverage: how much of the pixel lies inside the shape.
    Shade ShadeOf(double weight, double coverage, const Channels& fill) const;
    // Colours one pixel; a fully covered one inside or on the line takes the
    // row's shade worked out beforehand.
    void SetShapePixel(const Row& row, int x, double weight, double coverage) const;
    // Colours pixels x0..x1 alike.
    void FillSpan(const Row& row, int x0, int x1, double weight, double coverage) const;
    // Inclusive ends clamped to the picture; false when nothing is left.
    bool ClampShapeRange(ShapeRange& r) const;
    // Gives every row of the range one weight and full coverage.
    template <typename Weight>
    void Band(ShapeRange r, Weight weightOfRow);
    // Draws the pixels of a row from inner to outer (either way along the
    // row) whose distance from an arc's centre, dist(x), is within radius,
    // when that distance never falls from inner to outer.
    template <typename Dist>
    void ArcRow(const Row& row, int inner, int outer, double radius, Dist dist) const;
    double ArcWeight(double dist, double radius) const;

    void DrawHorizLine();
    void DrawVertLine();
    void DrawSquareRect();
    void DrawRoundRect();
    void DrawRoundEdges();
    // The whole circle of ShapeCircle.
    void DrawDisc();
    void DrawOval();
    // One corner arc of the rounded rectangle over the range, centre taken
    // before the range is cut at the middle of the picture.
    void DrawDisc(ShapeRange range, double cx, double cy, double radius, Outward out);

    TShapeRec rec_;
    int64_t thickness_;
    Channels line_, fill_, grad_;
    int w_, h_;
};

ShapePainter::ShapePainter(const TShapeRec& settings, int width, int height)
    : rec_(settings), w_(width), h_(height) {
    // A negative thickness draws no line; a fill type this unit does not know
    // draws no fill (its colour would be undefined).
    thickness_ = std::max<int64_t>(rec_.LineThickness, 0);
    if (rec_.FillType != FillSolid && rec_.FillType != FillGradient) rec_.FillType = FillNone;

    line_ = SplitColor(rec_.LineColor);
    fill_ = SplitColor(rec_.FillColor);
    grad_ = SplitColor(rec_.GradientColor);

    Picture = forms::PngImage::CreateBlank(width, height);
}

void ShapePainter::Draw() {
    if (thickness_ == 0 && rec_.FillType == FillNone) return;
    switch (rec_.ShapeKind) {
        case ShapeHorizLine: DrawHorizLine(); break;
        case ShapeVertLine: DrawVertLine(); break;
        case ShapeRoundRect: DrawRoundRect(); break;
        case ShapeSquareRect: DrawSquareRect(); break;
        case ShapeCircle: DrawDisc(); break;
        case ShapeOval: DrawOval(); break;
        default: break;
    }
}

Row ShapePainter::RowAt(int y) {
    Row row{Picture.Row(y), {}, {}, {}};
    if (rec_.FillType == FillSolid) {
        row.Fill = fill_;
    } else if (rec_.FillType == FillGradient) {
        // Row 0 has the fill colour; the colour moves toward the gradient
        // colour row by row without reaching it.
        const float t = static_cast<float>(y) * (1.0f / static_cast<float>(h_));
        row.Fill.R = RoundEven((1.0f - t) * fill_.R + t * grad_.R);
        row.Fill.G = RoundEven((1.0f - t) * fill_.G + t * grad_.G);
        row.Fill.B = RoundEven((1.0f - t) * fill_.B + t * grad_.B);
    }
    row.Inside = ShadeOf(0, 1, row.Fill);
    row.OnLine = ShadeOf(1, 1, row.Fill);
    return row;
}

Shade ShapePainter::ShadeOf(double weight, double coverage, const Channels& fill) const {
    double a = weight, b = std::min(coverage, 1.0);
    if (!(b > 0)) return {};
    a = std::clamp(a, 0.0, 1.0);
    // Without a fill the line's weight is its opacity.
    if (rec_.FillAlpha == 0 || rec_.FillType == FillNone) {
        b *= a;
        a = 1;
    }
    if (!(b > 0)) return {};

    Channels px;
    if (thickness_ == 0) {
        px = fill;
    } else if (rec_.FillType == FillNone) {
        px = line_;
    } else {
        const float af = static_cast<float>(a);
        px.R = line_.R * af + (1.0f - af) * fill.R;
        px.G = line_.G * af + (1.0f - af) * fill.G;
        px.B = line_.B * af + (1.0f - af) * fill.B;
    }
    double alpha = b * (static_cast<double>(rec_.LineAlpha) * a +
                        (1 - a) * static_cast<double>(rec_.FillAlpha)) * 255.0;
    if (!(alpha > 0)) alpha = 0;  // also a NaN from a damaged alpha setting
    if (alpha > 255) alpha = 255;
    Shade s;
    s.Drawn = true;
    s.Rgba[0] = ChannelByte(px.R);
    s.Rgba[1] = ChannelByte(px.G);
    s.Rgba[2] = ChannelByte(px.B);
    s.Rgba[3] = static_cast<uint8_t>(std::nearbyint(alpha));
    return s;
}

void ShapePainter::SetShapePixel(const Row& row, int x, double weight, double coverage) const {
    const double b = std::min(coverage, 1.0);
    if (!(b > 0)) return;
    const double a = std::clamp(weight, 0.0, 1.0);
    Shade rim;
    const Shade* s = &rim;
    if (b == 1 && a == 0) s = &row.Inside;
    else if (b == 1 && a == 1) s = &row.OnLine;
    else rim = ShadeOf(a, b, row.Fill);
    if (s->Drawn) row.Put(x, *s);
}

void ShapePainter::FillSpan(const Row& row, int x0, int x1, double weight, double coverage) const {
    if (x0 <= x1) row.Span(x0, x1, ShadeOf(weight, coverage, row.Fill));
}

bool ShapePainter::ClampShapeRange(ShapeRange& r) const {
    r.X0 = std::max<int64_t>(r.X0, 0);
    r.X1 = std::min<int64_t>(r.X1, w_ - 1);
    r.Y0 = std::max<int64_t>(r.Y0, 0);
    r.Y1 = std::min<int64_t>(r.Y1, h_ - 1);
    return r.X0 <= r.X1 && r.Y0 <= r.Y1;
}

template <typename Weight>
void ShapePainter::Band(ShapeRange r, Weight weightOfRow) {
    if (!ClampShapeRange(r)) return;
    for (int y = static_cast<int>(r.Y0); y <= r.Y1; ++y)
        FillSpan(RowAt(y), static_cast<int>(r.X0), static_cast<int>(r.X1), weightOfRow(y), 1);
}

double ShapePainter::ArcWeight(double dist, double radius) const {
    return thickness_ > 0 ? dist - (radius - static_cast<double>(thickness_) - 1) : 0;
}

// Weight and coverage both follow the distance, one way each, so the pixels
// inside the line come first along the walk and are found by halving; the
// rim is then walked until a pixel lies beyond the radius.
template <typename Dist>
void ShapePainter::ArcRow(const Row& row, int inner, int outer, double radius, Dist dist) const {
    const int step = outer >= inner ? 1 : -1;
    const int count = (outer - inner) * step + 1;
    const int lo = LeadingCount(count, [&](int i) {
        const double d = dist(inner + step * i);
        return ArcWeight(d, radius) <= 0 && radius - d >= 1;
    });
    if (lo > 0) {
        const int last = inner + step * (lo - 1);
        row.Span(std::min(inner, last), std::max(inner, last), row.Inside);
    }
    for (int i = lo; i < count; ++i) {
        const int x = inner + step * i;
        const double d = dist(x);
        if (!(d <= radius)) break;
        SetShapePixel(row, x, ArcWeight(d, radius), radius - d);
    }
}

// A band of LineThickness rows across the whole width, centred with any odd
// row left below it.
void ShapePainter::DrawHorizLine() {
    const int64_t y0 = (h_ - thickness_) / 2;
    Band({0, w_ - 1, y0, y0 + thickness_ - 1}, [](int) { return 1.0; });
}

void ShapePainter::DrawVertLine() {
    const int64_t x0 = (w_ - thickness_) / 2;
    Band({x0, x0 + thickness_ - 1, 0, h_ - 1}, [](int) { return 1.0; });
}

// d is a pixel's distance from the nearest edge: the outermost ring (d = 0)
// stays empty, rings 1..T are line, deeper pixels fill. In a row, the pixels
// at least k = min(dy, T + 1) from both sides are all alike: they share d = dy
// when dy <= T + 1, and are otherwise all plain fill.
void ShapePainter::DrawSquareRect() {
    const double t = static_cast<double>(thickness_);
    for (int y = 0; y < h_; ++y) {
        const Row row = RowAt(y);
        const int dy = std::min(y, h_ - 1 - y);
        const int k = static_cast<int>(std::min<int64_t>(dy, thickness_ + 1));
        const int mid0 = std::min(k, w_), mid1 = std::max(w_ - 1 - k, mid0 - 1);
        FillSpan(row, mid0, mid1, t - dy + 1, dy);
        auto edge = [&](int x) {
            const int d = std::min(x, w_ - 1 - x);
            SetShapePixel(row, x, t - d + 1, d);
        };
        for (int x = 0; x < mid0; ++x) edge(x);
        for (int x = mid1 + 1; x < w_; ++x) edge(x);
    }
}

// A circle as wide as the picture's shorter side, centred on the rounded
// middle of the picture; each row is drawn outward from the centre column.
void ShapePainter::DrawDisc() {
    const double radius = (h_ < w_ ? h_ : w_) / 2.0;
    const double cx = std::nearbyint(w_ / 2.0);
    const double cy = std::nearbyint(h_ / 2.0);
    const int mid = std::min(static_cast<int>(cx), w_ - 1);
    for (int y = 0; y < h_; ++y) {
        const Row row = RowAt(y);
        const double dy = y - cy;
        auto dist = [&](int x) {
            const double dx = x - cx;
            return std::sqrt(dx * dx + dy * dy);
        };
        ArcRow(row, mid, 0, radius, dist);
        if (mid + 1 < w_) ArcRow(row, mid + 1, w_ - 1, radius, dist);
    }
}

// An ellipse filling the picture: distances along the shorter side are
// stretched to the longer one, and the line's width follows the direction.
// The line's width does not change steadily along a row, so a row's inside
// span is taken only as far as it is certain whatever the width: out to a
// distance within the widest line, with room for rounding. The rest within
// the radius is worked out pixel by pixel.
void ShapePainter::DrawOval() {
    const double w = w_, h = h_, t = static_cast<double>(thickness_);
    double sx = 1, sy = 1, radius;
    if (h < w) {
        sx = w / h;
        radius = w / 2;
    } else {
        sy = h / w;
        radius = h / 2;
    }
    const double cx = w / 2, cy = h / 2;
    const double tx = t * sx, ty = t * sy;
    const double widest = std::max(tx, ty) * (1 + 1e-12);
    const double certain = radius - widest - 1 - 1e-9 * (radius + widest + 2);
    const int mid = std::min(static_cast<int>(cx), w_ - 1);
    for (int y = 0; y < h_; ++y) {
        const Row row = RowAt(y);
        const double dy = std::fabs(y - cy), dys = dy * sx;
        auto dist = [&](int x) {
            const double dxs = std::fabs(x - cx) * sy;
            return std::sqrt(dxs * dxs + dys * dys);
        };
        auto half = [&](int inner, int outer) {
            const int step = outer >= inner ? 1 : -1;
            const int within = LeadingCount((outer - inner) * step + 1,
                                            [&](int i) { return dist(inner + step * i) <= radius; });
            const int sure = LeadingCount(within, [&](int i) { return dist(inner + step * i) <= certain; });
            if (sure > 0) {
                const int last = inner + step * (sure - 1);
                row.Span(std::min(inner, last), std::max(inner, last), row.Inside);
            }
            for (int i = sure; i < within; ++i) {
                const int x = inner + step * i;
                const double dx = std::fabs(x - cx);
                const double f = (dx == 0 && dy == 0) ? 0.5 : dx / (dx + dy);
                const double lw = ty * f + (1 - f) * tx;
                const double d = dist(x);
                SetShapePixel(row, x, d - (radius - lw - 1), radius - d);
            }
        };
        half(mid, 0);
        if (mid + 1 < w_) half(mid + 1, w_ - 1);
    }
}

void ShapePainter::DrawRoundRect() {
    DrawRoundEdges();
    const int64_t r = rec_.CornerRounding;
    const double radius = static_cast<double>(r);
    const int64_t w = w_, h = h_;
    const ShapeRange topLeft{0, r, 0, r};
    const ShapeRange topRight{w - r, w - 1, 0, r};
    const ShapeRange bottomLeft{0, r, h - r, h - 1};
    const ShapeRange bottomRight{w - r, w - 1, h - r, h - 1};
    DrawDisc(topLeft, topLeft.X1 - 1, topLeft.Y1 - 1, radius, {-1, -1});
    DrawDisc(topRight, topRight.X0, topRight.Y1 - 1, radius, {1, -1});
    DrawDisc(bottomLeft, bottomLeft.X1 - 1, bottomLeft.Y0, radius, {-1, 1});
    DrawDisc(bottomRight, bottomRight.X0, bottomRight.Y0, radius, {1, 1});
}

// The straight parts: top and bottom bands between the corners and the middle
// band across the whole width, all fully covered out to the picture's edge.
// The middle band measures its line from all four edges, so that where it
// reaches the top or bottom line (a rounding not above the thickness) those
// rows stay line. Between the side lines every pixel of a row looks alike:
// the sides' terms there are at most the row's own weight, or at most 0 when
// that is negative, which counts as 0.
void ShapePainter::DrawRoundEdges() {
    const int64_t r = rec_.CornerRounding, w = w_, h = h_;
    const double t = static_cast<double>(thickness_);
    Band({r + 1, w - r - 1, 0, r}, [&](int y) { return t - y; });
    Band({r + 1, w - r - 1, h - r, h - 1}, [&](int y) { return y - (h_ - t - 1); });

    ShapeRange middle{0, w - 1, r + 1, h - r};
    if (!ClampShapeRange(middle)) return;
    for (int y = static_cast<int>(middle.Y0); y <= middle.Y1; ++y) {
        const Row row = RowAt(y);
        const double rowWeight = std::max(t - y, y - (h_ - t - 1));
        // t - x <= cut and x - (w - t - 1) <= cut there; all values are
        // whole numbers well within a double's exact range.
        const double cut = std::max(rowWeight, 0.0);
        const double lo = std::clamp(t - cut, 0.0, static_cast<double>(w_));
        const double hi = std::clamp(w - t - 1 + cut, -1.0, static_cast<double>(w_ - 1));
        int mid0 = static_cast<int>(lo), mid1 = static_cast<int>(hi);
        if (mid0 > mid1) mid0 = w_, mid1 = w_ - 1;  // no such pixel: all one by one
        FillSpan(row, mid0, mid1, rowWeight, 1);
        auto edge = [&](int x) { SetShapePixel(row, x, std::max({t - x, x - (w_ - t - 1), rowWeight}), 1); };
        for (int x = 0; x < mid0; ++x) edge(x);
        for (int x = mid1 + 1; x < w_; ++x) edge(x);
    }
}

// A corner pixel outward of the centre on both axes lies on the arc's side
// and takes its distance from the centre; any other pixel of the corner lies
// beside a straight edge and takes its distance along the outward axis, so
// the corner joins the bands without holes or notches. The distance never
// falls outward along a row, so each row is drawn from its inner end.
void ShapePainter::DrawDisc(ShapeRange range, double cx, double cy, double radius, Outward out) {
    const int64_t midX = w_ / 2, midY = h_ / 2;
    if (out.X < 0) range.X1 = std::min(range.X1, midX);
    else range.X0 = std::max(range.X0, midX);
    if (out.Y < 0) range.Y1 = std::min(range.Y1, midY);
    else range.Y0 = std::max(range.Y0, midY);
    if (!ClampShapeRange(range)) return;
    const int x0 = static_cast<int>(range.X0), x1 = static_cast<int>(range.X1);
    for (int y = static_cast<int>(range.Y0); y <= range.Y1; ++y) {
        const double oy = out.Y * (y - cy);
        auto dist = [&](int x) {
            const double ox = out.X * (x - cx);
            return (ox > 0 && oy > 0) ? std::sqrt(ox * ox + oy * oy) : std::max(ox, oy);
        };
        if (out.X < 0) ArcRow(RowAt(y), x1, x0, radius, dist);
        else ArcRow(RowAt(y), x0, x1, radius, dist);
    }
}

}  // namespace

bool ShapeSizeDrawable(int32_t width, int32_t height) {
    return width >= 1 && height >= 1 && width <= kMaxPictureSide && height <= kMaxPictureSide &&
           static_cast<int64_t>(width) * height <= kMaxPicturePixels;
}

bool DrawShape(TAQButton& obj) {
    if (!ShapeSizeDrawable(obj.ObjWidth, obj.ObjHeight)) return false;
    ShapePainter painter(obj.ShapeRec, obj.ObjWidth, obj.ObjHeight);
    painter.Draw();
    obj.LookPNG = std::move(painter.Picture);
    return true;
}

}  // namespace editor
