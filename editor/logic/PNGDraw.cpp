#include "editor/logic/PNGDraw.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "shared/UBmpArray.h"

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

uint32_t ChannelByte(float v) { return static_cast<uint32_t>(static_cast<int32_t>(v)) & 0xFF; }

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

    TBmpArray ShapeArray;

private:
    void SetShapePixel(int x, int y, double weight, double coverage);
    void ClampShapeRange(ShapeRange& r) const;
    // Calls paint(x, y) for every pixel of the range, row by row.
    template <typename Paint>
    void Walk(ShapeRange r, Paint paint);

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
    // The pixel at distance dist from an arc's centre: coverage radius - dist,
    // and the line over the outer LineThickness pixels of the radius.
    void DiscPixel(int x, int y, double dist, double radius);

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

    ShapeArray.Width = width;
    ShapeArray.Height = height;
    ResetBmpArray(ShapeArray);
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

// weight: how much of the pixel is line rather than fill (0..1);
// coverage: how much of the pixel lies inside the shape (0..1).
void ShapePainter::SetShapePixel(int x, int y, double weight, double coverage) {
    double a = weight, b = std::min(coverage, 1.0);
    if (!(b > 0)) return;
    a = std::clamp(a, 0.0, 1.0);
    // Without a fill the line's weight is its opacity.
    if (rec_.FillAlpha == 0 || rec_.FillType == FillNone) {
        b *= a;
        a = 1;
    }
    if (!(b > 0)) return;

    Channels fill;
    if (rec_.FillType == FillSolid) {
        fill = fill_;
    } else if (rec_.FillType == FillGradient) {
        const float t = static_cast<float>(y) * (1.0f / static_cast<float>(h_));
        fill.R = RoundEven((1.0f - t) * fill_.R + t * grad_.R);
        fill.G = RoundEven((1.0f - t) * fill_.G + t * grad_.G);
        fill.B = RoundEven((1.0f - t) * fill_.B + t * grad_.B);
    }

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
    ShapeArray.Pixels.Row(y)[x] = ChannelByte(px.B) | ChannelByte(px.G) << 8 | ChannelByte(px.R) << 16;

    double alpha = b * (static_cast<double>(rec_.LineAlpha) * a +
                        (1 - a) * static_cast<double>(rec_.FillAlpha)) * 255.0;
    if (!(alpha > 0)) alpha = 0;  // also a NaN from a damaged alpha setting
    if (alpha > 255) alpha = 255;
    ShapeArray.Alpha.Row(y)[x] = static_cast<uint8_t>(std::nearbyint(alpha));
}

void ShapePainter::ClampShapeRange(ShapeRange& r) const {
    r.X0 = std::max<int64_t>(r.X0, 0);
    r.X1 = std::min<int64_t>(r.X1, w_ - 1);
    r.Y0 = std::max<int64_t>(r.Y0, 0);
    r.Y1 = std::min<int64_t>(r.Y1, h_ - 1);
}

template <typename Paint>
void ShapePainter::Walk(ShapeRange r, Paint paint) {
    ClampShapeRange(r);
    for (int64_t y = r.Y0; y <= r.Y1; ++y)
        for (int64_t x = r.X0; x <= r.X1; ++x) paint(static_cast<int>(x), static_cast<int>(y));
}

// A band of LineThickness rows across the whole width, centred with any odd
// row left below it.
void ShapePainter::DrawHorizLine() {
    const int64_t y0 = (h_ - thickness_) / 2;
    Walk({0, w_ - 1, y0, y0 + thickness_ - 1},
         [this](int x, int y) { SetShapePixel(x, y, 1, 1); });
}

void ShapePainter::DrawVertLine() {
    const int64_t x0 = (w_ - thickness_) / 2;
    Walk({x0, x0 + thickness_ - 1, 0, h_ - 1},
         [this](int x, int y) { SetShapePixel(x, y, 1, 1); });
}

// The outermost ring stays empty; rings 1..T are line, deeper pixels fill.
void ShapePainter::DrawSquareRect() {
    const double t = static_cast<double>(thickness_);
    Walk({0, w_ - 1, 0, h_ - 1}, [&](int x, int y) {
        const int d = std::min({x, w_ - 1 - x, y, h_ - 1 - y});
        SetShapePixel(x, y, t - d + 1, d);
    });
}

void ShapePainter::DiscPixel(int x, int y, double dist, double radius) {
    if (!(dist <= radius)) return;
    const double weight = thickness_ > 0 ? dist - (radius - static_cast<double>(thickness_) - 1) : 0;
    SetShapePixel(x, y, weight, radius - dist);
}

// A circle as wide as the picture's shorter side, centred on the rounded
// middle of the picture.
void ShapePainter::DrawDisc() {
    const double radius = (h_ < w_ ? h_ : w_) / 2.0;
    const double cx = std::nearbyint(w_ / 2.0);
    const double cy = std::nearbyint(h_ / 2.0);
    Walk({0, w_ - 1, 0, h_ - 1}, [&](int x, int y) {
        const double dx = x - cx, dy = y - cy;
        DiscPixel(x, y, std::sqrt(dx * dx + dy * dy), radius);
    });
}

// An ellipse filling the picture: distances along the shorter side are
// stretched to the longer one, and the line's width follows the direction.
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
    Walk({0, w_ - 1, 0, h_ - 1}, [&](int x, int y) {
        double dx = std::fabs(x - cx), dy = std::fabs(y - cy);
        const double f = (dx == 0 && dy == 0) ? 0.5 : dx / (dx + dy);
        const double lw = ty * f + (1 - f) * tx;
        dx *= sy;
        dy *= sx;
        const double dist = std::sqrt(dx * dx + dy * dy);
        if (!(dist <= radius)) return;
        SetShapePixel(x, y, dist - (radius - lw - 1), radius - dist);
    });
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
// rows stay line.
void ShapePainter::DrawRoundEdges() {
    const int64_t r = rec_.CornerRounding, w = w_, h = h_;
    const double t = static_cast<double>(thickness_);
    Walk({r + 1, w - r - 1, 0, r}, [&](int x, int y) { SetShapePixel(x, y, t - y, 1); });
    Walk({r + 1, w - r - 1, h - r, h - 1},
         [&](int x, int y) { SetShapePixel(x, y, y - (h_ - t - 1), 1); });
    Walk({0, w - 1, r + 1, h - r}, [&](int x, int y) {
        const double weight = std::max({t - x, x - (w_ - t - 1), t - y, y - (h_ - t - 1)});
        SetShapePixel(x, y, weight, 1);
    });
}

// A corner pixel outward of the centre on both axes lies on the arc's side
// and takes its distance from the centre; any other pixel of the corner lies
// beside a straight edge and takes its distance along the outward axis, so
// the corner joins the bands without holes or notches.
void ShapePainter::DrawDisc(ShapeRange range, double cx, double cy, double radius, Outward out) {
    const int64_t midX = w_ / 2, midY = h_ / 2;
    if (out.X < 0) range.X1 = std::min(range.X1, midX);
    else range.X0 = std::max(range.X0, midX);
    if (out.Y < 0) range.Y1 = std::min(range.Y1, midY);
    else range.Y0 = std::max(range.Y0, midY);
    Walk(range, [&](int x, int y) {
        const double ox = out.X * (x - cx), oy = out.Y * (y - cy);
        const double dist = (ox > 0 && oy > 0) ? std::sqrt(ox * ox + oy * oy) : std::max(ox, oy);
        DiscPixel(x, y, dist, radius);
    });
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
    ArrayToPNG(painter.ShapeArray);
    obj.LookPNG = std::move(painter.ShapeArray.PNG);
    return true;
}

}  // namespace editor
