#include "player/logic/PackReader.h"

#include <cstring>

#include "player/logic/TextUtils.h"

namespace player {

const char* const kInternalMenuError = "Error in loading internal menu.";

namespace {

constexpr int kPackNameSize = 256;
constexpr int kPackEntrySize = kPackNameSize + 4;

bool ReadInt32(forms::Stream& file, int32_t& value) {
    uint8_t b[4];
    if (!file.ReadExact(b, 4)) return false;
    value = static_cast<int32_t>(static_cast<uint32_t>(b[0]) | (static_cast<uint32_t>(b[1]) << 8) |
                                 (static_cast<uint32_t>(b[2]) << 16) | (static_cast<uint32_t>(b[3]) << 24));
    return true;
}

bool ReadByte(forms::Stream& file, uint8_t& value) { return file.ReadExact(&value, 1); }

bool Skip(forms::Stream& file, int64_t count) {
    if (count < 0 || count > file.Remaining()) return false;
    return file.Seek(count, forms::SeekOrigin::Current) >= 0;
}

// A type-5 field: type byte, int32 length L, then L bytes (none when L <= 0).
bool SkipBlockField(forms::Stream& file) {
    uint8_t type = 0;
    int32_t length = 0;
    if (!ReadByte(file, type) || type != 5 || !ReadInt32(file, length)) return false;
    return length <= 0 || Skip(file, length);
}

// A type-1 field: type byte, int32 length (not trusted), then one value byte.
bool SkipByteField(forms::Stream& file) {
    uint8_t type = 0;
    int32_t length = 0;
    uint8_t value = 0;
    return ReadByte(file, type) && type == 1 && ReadInt32(file, length) && ReadByte(file, value);
}

PackError ReadDirectory(forms::Stream& file, int64_t size, PackDirectory& directory) {
    if (size < 4 || file.Seek(size - 4, forms::SeekOrigin::Begin) < 0) return PackError::InvalidAddress;
    int32_t trailer = 0;
    if (!ReadInt32(file, trailer)) return PackError::InvalidAddress;
    const int64_t packStart = static_cast<int64_t>(trailer) - 1;
    if (packStart < 1 || packStart > size - 4) return PackError::InvalidAddress;

    char magic[4];
    if (file.Seek(packStart, forms::SeekOrigin::Begin) < 0 || !file.ReadExact(magic, 4) ||
        std::memcmp(magic, "FPAK", 4) != 0) {
        return PackError::Unreadable;
    }
    uint8_t count = 0;
    if (!Skip(file, 3) || !SkipBlockField(file) || !SkipByteField(file) || !ReadByte(file, count)) {
        return PackError::Unreadable;
    }
    // The entries and everything after them lie before the trailer.
    const int64_t directoryEnd = file.Position() + static_cast<int64_t>(count) * kPackEntrySize;
    if (count > kMaxPackEntries || directoryEnd > size - 4) return PackError::Unreadable;

    std::vector<PackEntry> entries(count);
    char name[kPackNameSize];
    for (PackEntry& entry : entries) {
        int32_t stored = 0;
        if (!file.ReadExact(name, kPackNameSize) || !ReadInt32(file, stored)) return PackError::Unreadable;
        entry.name = LowerAscii(Trim(std::string(name, kPackNameSize)));
        entry.offset = static_cast<int64_t>(stored) - 1;
        entry.inFile = entry.offset >= 0 && entry.offset <= size - 4;
    }
    directory.entries = std::move(entries);
    return PackError::None;
}

int FindEntry(const PackDirectory& directory, const std::string& name) {
    if (name.empty()) return -1;
    for (size_t i = 0; i < directory.entries.size(); ++i) {
        if (directory.entries[i].name == name) return static_cast<int>(i);
    }
    return -1;
}

}  // namespace

std::string PackErrorMessage(PackError error) {
    switch (error) {
        case PackError::None: return "";
        case PackError::InvalidAddress: return "Invalid menu address.";
        case PackError::Unreadable: return "Could not retrieve packed files";
    }
    return "";
}

PackError ReadPack(forms::Stream& file, PackDirectory& directory) {
    directory.entries.clear();
    return ReadDirectory(file, file.Size(), directory);
}

PackError ReadPackFile(const std::string& path, PackDirectory& directory) {
    directory.entries.clear();
    std::unique_ptr<forms::FileStream> file = forms::FileStream::Open(path, forms::FileMode::OpenRead);
    if (!file) return PackError::Unreadable;
    return ReadPack(*file, directory);
}

bool IsPacked(const PackDirectory& directory, std::string& name) {
    name = LowerAscii(name);
    return FindEntry(directory, name) >= 0;
}

bool SeekPacked(const PackDirectory& directory, std::string& name, forms::Stream& file) {
    name = LowerAscii(name);
    const int index = FindEntry(directory, name);
    return index >= 0 && directory.entries[index].inFile &&
           file.Seek(directory.entries[index].offset, forms::SeekOrigin::Begin) >= 0;
}

std::string NotPackedMessage(const std::string& name) { return "Could not locate specified package:\r\r" + name; }

}  // namespace player
