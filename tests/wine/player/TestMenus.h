// Test menus for the player: menus built in memory, written by the shared
// menu writer, and packed behind a program image the way the editor's
// builder packs them.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "shared/MenuType.h"

namespace qvtest {

// Pixel values as a bitmap holds them (blue in the low byte).
constexpr uint32_t kRed = 0x00FF0000;
constexpr uint32_t kGreen = 0x0000FF00;
constexpr uint32_t kBlue = 0x000000FF;
constexpr uint32_t kWhite = 0x00FFFFFF;
constexpr uint32_t kYellow = 0x00FFFF00;
constexpr uint32_t kGrey = 0x00808080;
constexpr uint32_t kNavy = 0x00000080;  // QBColor 1 (0x800000, red low) as a pixel
constexpr int kNavyIndex = 1;

forms::Bitmap Solid(int w, int h, uint32_t pixel);

// A menu whose background is w x h of one colour.
TAQMenu NewMenu(const std::string& title, int w, int h, uint32_t background);

// Appends an object of the kind at the place; returns its number.
int AddObject(TAQMenu& menu, int kind, int left, int top, int w, int h);
// Gives object n's state one frame per colour (frame 0 first), each of the
// object's size.
void SetFrames(TAQMenu& menu, int n, int state, const std::vector<uint32_t>& colours);
// A graphical button with Up, Active and Down of one frame each.
int AddGraphicalButton(TAQMenu& menu, int left, int top, int w, int h, uint32_t up, uint32_t active,
                       uint32_t down, const std::string& command);
// A placed image: the editor's 10 x 10 white placeholder in Up frame 0 and
// the picture at its displayed size in Up frame 1.
int AddPlacedImage(TAQMenu& menu, int left, int top, int w, int h, uint32_t colour);

// The menu file the shared writer makes of the menu.
std::vector<uint8_t> MenuBytes(const TAQMenu& menu);
// The same with the header's major version byte replaced.
std::vector<uint8_t> MenuBytesWithMajor(const TAQMenu& menu, uint8_t major);

// The same with the compressed pixels of one picture block damaged (the
// block keeps its length, so the rest of the file still reads); empty when
// the block is not found.
std::vector<uint8_t> MenuBytesWithBadPicture(const TAQMenu& menu, int object, int state, int frame);

// The same with the data of the index-th (0-based) PNG picture of the file
// turned to garbage, its length kept; empty when there is no such picture.
std::vector<uint8_t> MenuBytesWithBadPng(const TAQMenu& menu, int index);

struct PackFile {
    std::string name;
    std::vector<uint8_t> bytes;
};

// image, then "FPAK", the directory and the files, then the trailer.
std::vector<uint8_t> PackedExe(const std::vector<uint8_t>& image, const std::vector<PackFile>& files);
// Sets the stored data position of entry index (0-based) of a PackedExe.
void SetPackedOffset(std::vector<uint8_t>& exe, size_t imageSize, int index, int32_t stored);

bool ReadBytes(const std::string& path, std::vector<uint8_t>& bytes);
bool WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes);

}  // namespace qvtest
