// The colour arithmetic of the colour chooser, free of windows: colour values
// and their channels, the four built-in palettes, the hue-and-brightness
// gradient with its grey ramp and their mix by the saturation slider, the
// correction of a typed channel value, and the custom row's "Add" and
// "Reset All" steps.
//
// A colour value holds red + green x 256 + blue x 65536. A gradient pixel is
// a forms::Bitmap word: blue in the low byte, then green, then red, and 0xFF
// in the top byte. Where a value is rounded, halves go to the even neighbour.
#pragma once
#include <cstdint>
#include <string>

#include "forms/portable/Bitmap.h"

namespace editor {

// ---- colour values ----
constexpr int32_t RgbColor(int red, int green, int blue) { return red + green * 256 + blue * 65536; }
constexpr int RedOf(int32_t colour) { return colour & 0xFF; }
constexpr int GreenOf(int32_t colour) { return (colour >> 8) & 0xFF; }
constexpr int BlueOf(int32_t colour) { return (colour >> 16) & 0xFF; }
// A gradient pixel as a colour value and back.
int32_t PixelColor(uint32_t pixel);
uint32_t ColorPixel(int32_t colour);

// ---- palettes ----
constexpr int kPaletteSwatches = 35;
constexpr int kPaletteCount = 4;  // the arrows cycle 0..3
constexpr int kPaletteLists = 6;  // lists 4 and 5 repeat list 0
// A palette entry: characters 1-3 red, 4-6 green, 7-9 blue, each read as a
// decimal number (a short entry gives what its characters hold) and taken
// modulo 256.
int32_t PaletteEntryColor(const std::string& entry);
// Entry e (0..34) of list index (0..5); entry e goes to swatch e + 1, in
// column e div 5 and row e mod 5 of the grid.
const char* PaletteEntry(int index, int e);
// The list a stored palette index shows: below 0 gives 0, above 5 gives 5.
int ClampPaletteIndex(int index);
// The arrows cycle 0..3: next from 3 (or the spare lists 4, 5) gives 0,
// previous from 0 (or 4, 5) gives 3.
int NextPalette(int index);
int PreviousPalette(int index);

// ---- the gradient ----
constexpr int kGradientWidth = 380;
constexpr int kGradientHeight = 209;
// Hue columns 0..359 in six sectors, column 360 black, 361..379 mid grey;
// rows above the middle (row 104) towards white, below it towards black.
forms::Bitmap BuildHueGradient();
// Grey of row y: 254 in the top row down to 0 in the bottom row.
int GreyRampValue(int y);
// Every channel of out := round(s x hue + (1 - s) x grey of its row), with
// s = position / 100 (0..100). out takes the hue gradient's size.
void MixSaturation(const forms::Bitmap& hue, int position, forms::Bitmap& out);
// A point of the gradient clamped to its last column and row.
int ClampGradientX(int x);
int ClampGradientY(int y);

// ---- channel edits ----
struct ChannelEdit {
    int Value = 0;       // the value the edit holds afterwards
    bool Beep = false;   // the text was corrected
    bool Rewrite = false;  // the edit's text must become Value
};
// A channel edit's new text: not a whole number gives back the last value,
// 256 or more gives 255, below 0 gives 0, each with a beep.
ChannelEdit CheckChannelText(const std::string& text, int lastValue);

// ---- custom colours ----
constexpr int kFirstCustomSwatch = 36;
constexpr int kLastCustomSwatch = 42;
// "Reset All": grey of custom colour i (0..6), Trunc((6 - i) x 42.5).
int32_t ResetCustomColor(int i);
// The custom swatch "Add" stores into: 36 when the marked swatch is no
// custom one, else the marked one, or the next after an add (wrapping from
// 42 to 36).
int AddTargetSwatch(int selSwatch, bool afterAdd);

}  // namespace editor
