#include <gtest/gtest.h>

#include <climits>
#include <ostream>

#include "editor/logic/PNGDraw.h"
#include "shared/UBmpArray.h"

using namespace editor;

namespace {

struct Rgba {
    int R, G, B, A;
    bool operator==(const Rgba& o) const { return R == o.R && G == o.G && B == o.B && A == o.A; }
};
std::ostream& operator<<(std::ostream& os, const Rgba& p) {
    return os << "(" << p.R << "," << p.G << "," << p.B << "," << p.A << ")";
}
constexpr Rgba kBlack{0, 0, 0, 255}, kWhite{255, 255, 255, 255}, kClear{0, 0, 0, 0};

// Black line, white fill unless told otherwise; colour values hold red low.
TAQButton Shape(int kind, int w, int h, int thickness = 1, int fillType = FillSolid,
                int rounding = 0, int32_t fill = 0xFFFFFF, int32_t gradient = 0xFFFFFF) {
    TAQButton obj;
    obj.ObjWidth = w;
    obj.ObjHeight = h;
    obj.ShapeRec.ShapeKind = kind;
    obj.ShapeRec.LineThickness = thickness;
    obj.ShapeRec.FillType = fillType;
    obj.ShapeRec.FillColor = fill;
    obj.ShapeRec.GradientColor = gradient;
    obj.ShapeRec.CornerRounding = rounding;
    EXPECT_TRUE(DrawShape(obj));
    return obj;
}

Rgba At(const TAQButton& obj, int x, int y) {
    const uint8_t* p = obj.LookPNG.Row(y) + 4 * x;
    return {p[0], p[1], p[2], p[3]};
}

bool Transparent(const TAQButton& obj) {
    for (size_t i = 3; i < obj.LookPNG.Rgba().size(); i += 4)
        if (obj.LookPNG.Rgba()[i] != 0) return false;
    return true;
}

void ExpectMirrored(const TAQButton& obj) {
    const int w = obj.LookPNG.Width(), h = obj.LookPNG.Height();
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            ASSERT_EQ(At(obj, x, y), At(obj, w - 1 - x, y)) << x << "," << y;
            ASSERT_EQ(At(obj, x, y), At(obj, x, h - 1 - y)) << x << "," << y;
        }
}

}  // namespace

TEST(PNGDraw, SquareRectRingsLinesAndGradient) {
    const TAQButton solid = Shape(ShapeSquareRect, 10, 10);
    for (int i = 0; i < 10; ++i) {  // the outer ring empty, then line, then fill
        EXPECT_EQ(At(solid, i, 0), kClear);
        EXPECT_EQ(At(solid, i, 1), i % 9 ? kBlack : kClear);
        EXPECT_EQ(At(solid, i, 2), i % 9 == 0 ? kClear : i % 7 == 1 ? kBlack : kWhite);
    }
    const TAQButton hollow = Shape(ShapeSquareRect, 10, 10, 1, FillNone);
    EXPECT_EQ(At(hollow, 1, 5), kBlack);
    EXPECT_EQ(At(hollow, 2, 5), kClear);

    // Lines: centred bands, the odd row below; thicker than the picture fills it.
    const TAQButton horiz = Shape(ShapeHorizLine, 12, 10, 3);
    for (int y = 0; y < 10; ++y) EXPECT_EQ(At(horiz, 11, y), y >= 3 && y <= 5 ? kBlack : kClear);
    const TAQButton vert = Shape(ShapeVertLine, 9, 4, 2);
    for (int x = 0; x < 9; ++x) EXPECT_EQ(At(vert, x, 2), x == 3 || x == 4 ? kBlack : kClear);
    EXPECT_EQ(At(Shape(ShapeHorizLine, 5, 4, 40), 2, 3), kBlack);
    EXPECT_TRUE(Transparent(Shape(ShapeHorizLine, 5, 4, 0)));

    // Gradient from red at the top toward blue; the bottom row stops short.
    const TAQButton grad = Shape(ShapeRoundRect, 100, 100, 0, FillGradient, 5, 0x0000FF, 0xFF0000);
    EXPECT_EQ(At(grad, 50, 0), (Rgba{255, 0, 0, 255}));
    EXPECT_EQ(At(grad, 50, 50), (Rgba{128, 0, 128, 255}));
    EXPECT_EQ(At(grad, 50, 99), (Rgba{3, 0, 252, 255}));
}

TEST(PNGDraw, CirclesAndOvalsHaveSoftEdgesAndBlendedLines) {
    // 7 x 7: radius 3.5 around (4, 4); 6 x 6: radius 3 around (3, 3).
    const TAQButton odd = Shape(ShapeCircle, 7, 7);
    EXPECT_EQ(At(odd, 0, 4), kClear);
    EXPECT_EQ(At(odd, 1, 4), (Rgba{0, 0, 0, 128}));        // half covered
    EXPECT_EQ(At(odd, 2, 4), (Rgba{127, 127, 127, 255}));  // line fades into fill
    EXPECT_EQ(At(odd, 6, 4), (Rgba{127, 127, 127, 255}));
    EXPECT_EQ(At(odd, 4, 4), kWhite);
    const TAQButton even = Shape(ShapeCircle, 6, 6);
    EXPECT_EQ(At(even, 0, 3), kClear);
    EXPECT_EQ(At(even, 1, 3), kBlack);

    // The line keeps its thickness along both axes of a stretched oval.
    for (const TAQButton& oval : {Shape(ShapeOval, 40, 20, 2), Shape(ShapeOval, 20, 40, 2)}) {
        const int cx = oval.ObjWidth / 2, cy = oval.ObjHeight / 2;
        EXPECT_EQ(At(oval, 0, cy), kClear);
        EXPECT_EQ(At(oval, 2, cy), kBlack);
        EXPECT_EQ(At(oval, 3, cy), kWhite);
        EXPECT_EQ(At(oval, cx, 2), kBlack);
        EXPECT_EQ(At(oval, cx, 3), kWhite);
    }
}

TEST(PNGDraw, RoundRectCornersJoinWholeEdges) {
    const TAQButton obj = Shape(ShapeRoundRect, 60, 40, 2, FillSolid, 10);
    EXPECT_EQ(At(obj, 0, 0), kClear);
    for (int x = 9; x <= 50; ++x) ASSERT_EQ(At(obj, x, 1), kBlack) << x;
    EXPECT_EQ(At(obj, 30, 2), kWhite);
    ExpectMirrored(obj);
    // Corners beyond half the picture meet at the middle.
    const TAQButton big = Shape(ShapeRoundRect, 20, 20, 1, FillSolid, 15);
    EXPECT_EQ(At(big, 10, 10), kWhite);
    ExpectMirrored(big);

    // Small roundings keep a whole border; a line thicker than the rounding
    // keeps its thickness at the top and bottom.
    for (int rounding : {0, 1}) {
        const TAQButton r = Shape(ShapeRoundRect, 10, 8, 1, FillSolid, rounding);
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 10; ++x)
                ASSERT_EQ(At(r, x, y), x % 9 == 0 || y % 7 == 0 ? kBlack : kWhite) << x << "," << y;
    }
    const TAQButton thick = Shape(ShapeRoundRect, 30, 30, 5, FillSolid, 2);
    for (int y = 0; y < 30; ++y) ASSERT_EQ(At(thick, 15, y), y < 5 || y >= 25 ? kBlack : kWhite) << y;
}

TEST(PNGDraw, NothingToDrawIsTransparentAndNoColourIsBorrowed) {
    for (int kind : {0, 7}) {
        const TAQButton obj = Shape(kind, 12, 9);
        EXPECT_EQ(obj.LookPNG.Width() * 100 + obj.LookPNG.Height(), 1209);
        EXPECT_TRUE(Transparent(obj));
    }
    (void)Shape(ShapeOval, 20, 20, 1, FillSolid, 0, 0x0000FF);  // a red fill before
    for (int kind = ShapeHorizLine; kind <= ShapeOval; ++kind)
        EXPECT_TRUE(Transparent(Shape(kind, 20, 20, 0, FillNone))) << kind;
    const TAQButton unknownFill = Shape(ShapeOval, 20, 20, 1, 3);
    EXPECT_EQ(At(unknownFill, 10, 10), kClear);
    EXPECT_EQ(At(unknownFill, 1, 10), kBlack);
    EXPECT_EQ(At(Shape(ShapeSquareRect, 10, 10, -4), 1, 5), kWhite);  // no line
}

TEST(PNGDraw, BadSizesAreRefusedAndExtremeSettingsStayInside) {
    TAQButton obj = Shape(ShapeCircle, 8, 8);
    const forms::PngImage before = obj.LookPNG;
    const int32_t sizes[][2] = {{0, 0}, {0, 10}, {10, 0}, {-5, 10}, {INT_MIN, INT_MIN},
                                {kMaxPictureSide + 1, 1}, {kMaxPictureSide, kMaxPictureSide}};
    for (const auto& size : sizes) {
        obj.ObjWidth = size[0];
        obj.ObjHeight = size[1];
        EXPECT_FALSE(DrawShape(obj)) << size[0] << " x " << size[1];
        EXPECT_TRUE(obj.LookPNG == before);
    }
    for (int kind = ShapeHorizLine; kind <= ShapeOval; ++kind) {
        EXPECT_FALSE(Shape(kind, 1, 1, 1, FillSolid, 3).LookPNG.SaveToMemory().empty());
        for (int32_t v : {INT_MAX, INT_MIN}) EXPECT_EQ(Shape(kind, 16, 12, v, 1, v).LookPNG.Width(), 16);
    }
    EXPECT_EQ(At(Shape(ShapeHorizLine, 16, 12, INT_MAX), 8, 11), kBlack);
}

// Whole pictures, every pixel pinned by a fingerprint of its RGBA bytes: the
// rims of arcs and ovals, gradients on every row and part-opaque settings
// must not move by a single value when the drawing is reorganised.
TEST(PNGDraw, WholePicturesStayExactlyAsDrawnBefore) {
    struct Case {
        int kind, w, h, thickness, fillType, rounding;
        float fillAlpha, lineAlpha;
        uint64_t fingerprint;
    };
    const Case cases[] = {
        {ShapeRoundRect, 120, 80, 3, FillGradient, 20, 1, 1, 0x319278a3633c0151ull},
        {ShapeRoundRect, 60, 90, 0, FillGradient, 45, 1, 1, 0x5b4ab5fd96a7d7edull},
        {ShapeRoundRect, 100, 100, 6, FillSolid, 30, 0.5f, 0.25f, 0x0023aa81c681f485ull},
        {ShapeSquareRect, 50, 30, 4, FillGradient, 0, 1, 1, 0x80fd01cf87844c75ull},
        {ShapeCircle, 71, 64, 2, FillSolid, 0, 1, 1, 0x4c10f87553b74cf3ull},
        {ShapeCircle, 64, 64, 0, FillGradient, 0, 1, 1, 0xa86204629ac43088ull},
        {ShapeOval, 120, 50, 5, FillGradient, 0, 1, 1, 0xe6e093272c7ab913ull},
        {ShapeOval, 40, 110, 3, FillNone, 0, 1, 1, 0xfd842856bef57a65ull},
        {ShapeHorizLine, 90, 20, 7, FillGradient, 0, 1, 1, 0x87e15e9d81142975ull},
    };
    for (const Case& c : cases) {
        TAQButton obj;
        obj.ObjWidth = c.w;
        obj.ObjHeight = c.h;
        TShapeRec& s = obj.ShapeRec;
        s.ShapeKind = c.kind;
        s.LineThickness = c.thickness;
        s.LineColor = 0x202020;
        s.FillType = c.fillType;
        s.FillColor = 0x0000FF;
        s.GradientColor = 0xFF8000;
        s.CornerRounding = c.rounding;
        s.FillAlpha = c.fillAlpha;
        s.LineAlpha = c.lineAlpha;
        ASSERT_TRUE(DrawShape(obj));
        uint64_t fingerprint = 14695981039346656037ull;  // FNV-1a
        for (uint8_t b : obj.LookPNG.Rgba()) fingerprint = (fingerprint ^ b) * 1099511628211ull;
        EXPECT_EQ(fingerprint, c.fingerprint) << "kind " << c.kind << ", " << c.w << " x " << c.h;
    }
}
