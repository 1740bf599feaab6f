// Helpers for the menu body tests: menus and pictures to write, a menu file
// on a memory stream, and an independent walk over a
// written file that lists its fields and picture blocks.
#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "shared/MenuBody.h"
#include "shared/mdlfilebin.h"

namespace bodytest {

// A w x h picture whose pixels all differ (fourth byte included).
PicRef Picture(int w, int h, uint32_t seed);
// A small PNG with varied colours and alpha.
forms::PngImage Png(int w, int h, uint8_t seed);

// The menu file the helpers below write and read.
TMenuFile& KitFile();

// Installs an empty memory stream as the kit file's stream and clears the flag.
void BeginWrite();
// The bytes written so far (the installed memory stream's).
std::vector<uint8_t> WrittenBytes();
// Installs a memory stream holding bytes as the kit file's stream and clears the flag.
void BeginRead(const std::vector<uint8_t>& bytes);

// Writes the menu and returns the file; fails the test when the writer fails.
std::vector<uint8_t> WriteToBytes(const TAQMenu& menu, const MenuWriteOptions& options);
// Reads a file into menu (header and body); false when either refuses.
bool ReadFromBytes(const std::vector<uint8_t>& bytes, TAQMenu& menu, const MenuReadOptions& options,
                   MenuReadReport* report = nullptr);

struct Block {
    int flag, object, state, frame;
    int width, height;
    std::vector<uint32_t> pixels;
};

// What a version 8 file holds, found without the project's readers.
struct FileScan {
    bool ok = false;
    std::string error;
    int major = 0, objects = 0, images = 0;
    // One token per body field: "s:<text>", "i:<value>", "l:<value>", "png".
    std::vector<std::string> fields;
    std::vector<Block> blocks;
    bool closingByte = false;
};
FileScan ScanFile(const std::vector<uint8_t>& bytes, bool rawPixels);

// The field kinds of a token list joined by spaces ("s i i png ..."), for
// comparing layouts.
std::string Kinds(const std::vector<std::string>& fields, size_t from, size_t count);

}  // namespace bodytest
