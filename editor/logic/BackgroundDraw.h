// The drawing of a menu background made in the Background Wizard: a base (one
// colour or a two-colour gradient; a photo base is scaled by the wizard), a
// bevelled or rounded border, a banner strip with its own fill and frame, and
// the placement and drop shadow of the title. Text itself is laid out by the
// platform; this code only places it and darkens the picture under its shadow.
//
// Pictures are forms::Bitmap (pixel words blue low, then green, red); the
// colours of a design are colour values (red low, then green, blue). Parts of
// the banner, its frame or the shadow that fall outside the picture are
// skipped. Blends are Trunc(t x c2 + (1 - t) x c1) per channel, in floating
// point; a gradient across a span of no width counts that direction as 0.
#pragma once
#include <cstdint>
#include <string>

#include "forms/portable/Bitmap.h"

namespace editor {

enum class BackBase { Photo, Single, Gradient };
// The entries of the base gradient list, in list order.
enum class BaseGradient { None = -1, DiagonalLeftToRight, Vertical, DiagonalRightToLeft, Horizontal };
enum class BackBorder { None, Bevelled, Rounded };
enum class BannerFill { None, Single, Gradient };
// The entries of the banner gradient list, in list order.
enum class BannerGradient {
    None = -1,
    CenterOut,
    OutsideIn,
    Vertical,
    Horizontal,
    DiagonalRightToLeft,
    DiagonalLeftToRight
};
enum class TitleAlign { Left, Center, Right };

// Every setting of a background that the drawing uses.
struct BackgroundDesign {
    int width = 440;
    int height = 320;
    BackBase base = BackBase::Gradient;
    uint32_t singleColor = 0xFEFCFC;
    uint32_t gradientFrom = 0xFEFCFC;
    uint32_t gradientTo = 0xDDEFF2;
    BaseGradient baseGradient = BaseGradient::Vertical;
    BackBorder border = BackBorder::Rounded;
    int borderThickness = 6;
    BannerFill bannerFill = BannerFill::Gradient;
    uint32_t bannerColor = 0xCC6600;
    uint32_t bannerFrom = 0xFF9900;
    uint32_t bannerTo = 0xFFE2B4;
    BannerGradient bannerGradient = BannerGradient::Horizontal;
    bool fadeToBackground = false;
    bool bannerFrame = false;  // banner border "Single"
    bool createBox = false;
    int frameThickness = 1;
    uint32_t frameColor = 0x663333;
    std::string title;
    TitleAlign align = TitleAlign::Left;
    uint32_t titleColor = 0xFFFFFF;
    std::string fontName = "Arial";
    int fontSize = 18;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool shadow = false;
    int shadowDepth = 1;
};

// The pixel word of a colour value and back.
constexpr uint32_t ColorToPixelWord(uint32_t color) {
    return ((color & 0xFF) << 16) | (color & 0xFF00) | ((color >> 16) & 0xFF);
}
constexpr uint32_t PixelWordToColor(uint32_t pixel) { return ColorToPixelWord(pixel & 0xFFFFFF); }

// The single-colour or gradient base over the whole picture (a photo base
// is the wizard's; here it counts as the single colour).
void DrawBaseFill(forms::Bitmap& bmp, const BackgroundDesign& design);

// Lightens the top and left rings and darkens the bottom and right ones;
// returns the thickness used (0 without border): the smallest of thickness,
// width div 2 and height div 2.
int DrawBorder(forms::Bitmap& bmp, BackBorder border, int thickness);

// The banner's box, edges included, for a border of borderUsed and a font
// whose "T" is textHeight high (before the downward stretch of a fading
// vertical gradient).
struct BannerBox {
    int left, top, right, bottom;
};
BannerBox BannerRect(const BackgroundDesign& design, int width, int borderUsed, int textHeight);

// Fills the banner and draws its frame.
void DrawBanner(forms::Bitmap& bmp, const BackgroundDesign& design, int borderUsed, int textHeight);

// Top-left corner of the title, titleWidth wide, on a picture width wide.
struct TitlePoint {
    int x, y;
};
TitlePoint TitleOrigin(const BackgroundDesign& design, int width, int borderUsed, int titleWidth);

// Darkens bmp under the title's shadow: mask is white with the title in black
// where the shadow falls (same size as bmp). Rows top..top + rows and columns
// left..right edge keep f / 255 x 0.34 + 0.66 of each channel, f the mask's
// blue byte.
void ApplyTitleShadow(forms::Bitmap& bmp, const forms::Bitmap& mask, int left, int top, int rows);

// The side that keeps a picture's aspect ratio when the other side is other:
// pictureSide / pictureOther x other, rounded half to even and kept within
// min..max. Without a picture (a side of 0 or less) current is kept.
int LockedSide(int other, int pictureSide, int pictureOther, int min, int max, int current);

// The designs of the three sample pictures shown on the wizard's start page.
constexpr int kSampleCount = 3;
BackgroundDesign SampleDesign(int index, int width, int height);

}  // namespace editor
