// Rectangle shapes drawn into rows: outline, fill, dotted pen, inversion and
// clipping, each compared as a whole picture.
#include <gtest/gtest.h>

#include <string>

#include "forms/portable/Bitmap.h"
#include "forms/portable/RectangleShape.h"

using namespace forms;

namespace {

constexpr uint32_t kBelow = 0x7F102030;  // what lies below; its fourth byte must survive
constexpr uint32_t kPen = 0xFF0000FF;
constexpr uint32_t kBrush = 0xFF00FF00;

// One character per pixel, rows separated by '|': '.' below, 'P' pen,
// 'B' brush, 'I' the inverted pixel below.
std::string Draw(const ShapeLook& look, PixelRect shape, PixelRect clip = {0, 0, 8, 6}) {
    Bitmap surface(8, 6, kBelow);
    DrawRectangleShape(surface.Data(), surface.Width(), shape, clip, look);
    std::string out;
    for (int y = 0; y < surface.Height(); ++y) {
        if (y) out += '|';
        for (int x = 0; x < surface.Width(); ++x) {
            const uint32_t p = surface.Pixel(x, y);
            out += p == kBelow ? '.' : p == kPen ? 'P' : p == kBrush ? 'B' : p == (kBelow ^ 0x00FFFFFFu) ? 'I' : '?';
        }
    }
    return out;
}

ShapeLook Look(PenStyle pen, BrushStyle brush, int width = 1, PenMode mode = PenMode::Copy) {
    ShapeLook look;
    look.penPixel = kPen;
    look.brushPixel = kBrush;
    look.penStyle = pen;
    look.brushStyle = brush;
    look.penWidth = width;
    look.penMode = mode;
    return look;
}

}  // namespace

TEST(RectangleShapeTest, OutlineAndFill) {
    EXPECT_EQ(Draw(Look(PenStyle::Solid, BrushStyle::Solid), {1, 1, 6, 5}),
              "........|.PPPPP..|.PBBBP..|.PBBBP..|.PPPPP..|........");
    EXPECT_EQ(Draw(Look(PenStyle::Solid, BrushStyle::Clear, 2), {0, 0, 7, 6}),
              "PPPPPPP.|PPPPPPP.|PP...PP.|PP...PP.|PPPPPPP.|PPPPPPP.");
    EXPECT_EQ(Draw(Look(PenStyle::Clear, BrushStyle::Solid), {2, 1, 5, 3}),
              "........|..BBB...|..BBB...|........|........|........");
}

TEST(RectangleShapeTest, DottedPenRunsClockwiseAndItsGapsShowTheBrush) {
    // Outline of 8x6: three on, three off from the top-left corner onwards.
    EXPECT_EQ(Draw(Look(PenStyle::Dot, BrushStyle::Clear), {0, 0, 8, 6}),
              "PPP...PP|.......P|........|........|P.......|PP...PPP");
    EXPECT_EQ(Draw(Look(PenStyle::Dot, BrushStyle::Solid), {0, 0, 8, 6}),
              "PPPBBBPP|BBBBBBBP|BBBBBBBB|BBBBBBBB|PBBBBBBB|PPBBBPPP");
    // Wider dotted pens draw solid.
    EXPECT_EQ(Draw(Look(PenStyle::Dot, BrushStyle::Clear, 2), {0, 0, 4, 4}),
              "PPPP....|PPPP....|PPPP....|PPPP....|........|........");
}

TEST(RectangleShapeTest, PenModeNotInvertsWhatTheShapeCovers) {
    EXPECT_EQ(Draw(Look(PenStyle::Solid, BrushStyle::Clear, 1, PenMode::Not), {1, 1, 5, 5}),
              "........|.IIII...|.I..I...|.I..I...|.IIII...|........");
    EXPECT_EQ(Draw(Look(PenStyle::Solid, BrushStyle::Solid, 1, PenMode::Not), {0, 0, 2, 2}),
              "II......|II......|........|........|........|........");
    EXPECT_EQ(Draw(Look(PenStyle::Dot, BrushStyle::Clear, 1, PenMode::Not), {0, 0, 8, 1}),
              "III...II|........|........|........|........|........");
}

TEST(RectangleShapeTest, OnlyPixelsInsideTheClipChange) {
    EXPECT_EQ(Draw(Look(PenStyle::Solid, BrushStyle::Solid), {0, 0, 8, 6}, {2, 1, 4, 3}),
              "........|..BB....|..BB....|........|........|........");
    EXPECT_EQ(Draw(Look(PenStyle::Solid, BrushStyle::Solid), {-3, -3, 2, 2}),
              "BP......|PP......|........|........|........|........");
    EXPECT_EQ(Draw(Look(PenStyle::Solid, BrushStyle::Solid), {5, 5, 5, 9}),
              "........|........|........|........|........|........");
}
