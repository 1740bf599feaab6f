// The pack of menu files appended to the player's own executable: reading its
// directory and finding a packed menu by name.
//
// Layout read here (from the end of the file backwards):
//   last 4 bytes   T, little-endian; the pack starts at P = T - 1
//   P              "FPAK"
//   P + 4          3 bytes, skipped
//   P + 7          a type-5 field (type byte 5, int32 length L, L bytes), ignored
//   then           a type-1 field (type byte 1, int32 length, one byte), ignored
//   then           the entry count N (one byte)
//   then N times   a 256-byte name (space padded) and an int32 = data position + 1
// Every count and length is checked against the file's size, so a damaged or
// foreign file is refused instead of being read past its end. An entry whose
// data position lies outside the file is kept, marked, and its menu is packed
// but cannot be read: it fails only when that menu is asked for, and the
// other menus of the pack stay usable.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "forms/portable/Stream.h"

namespace player {

// The player's table holds 100 names.
constexpr int kMaxPackEntries = 100;

struct PackEntry {
    std::string name;    // trimmed, lower case
    int64_t offset = 0;  // file position of the packed file's first byte, as stored
    bool inFile = true;  // offset lies inside the file, before its trailer
};

struct PackDirectory {
    std::vector<PackEntry> entries;  // in pack order; the first is the default menu
};

enum class PackError {
    None,
    InvalidAddress,  // the trailer points outside the file
    Unreadable,      // no "FPAK" at the address, or a damaged directory
};

// The message for an error of ReadPack: "Invalid menu address." or
// "Could not retrieve packed files" ("" for None). After either, the player
// shows kInternalMenuError and ends.
std::string PackErrorMessage(PackError error);
extern const char* const kInternalMenuError;  // "Error in loading internal menu."

// Reads the directory from a stream holding the whole executable. The stream
// position is left undefined.
PackError ReadPack(forms::Stream& file, PackDirectory& directory);
// Opens the file at path for reading without locking others out and reads its
// directory; a file that cannot be opened counts as Unreadable.
PackError ReadPackFile(const std::string& path, PackDirectory& directory);

// Lower-cases name in place; true when it is the name of one of the packed
// files, whether or not its data can be read (an empty name is never packed).
bool IsPacked(const PackDirectory& directory, std::string& name);
// Lower-cases name in place and moves file to that packed file's first byte.
// False when the name is not packed, its data lies outside the file or the
// seek fails: the menu is then unreadable, and a name that is not packed at
// all is first reported with NotPackedMessage(name) as a warning.
bool SeekPacked(const PackDirectory& directory, std::string& name, forms::Stream& file);
// "Could not locate specified package:\r\r" + name.
std::string NotPackedMessage(const std::string& name);

}  // namespace player
