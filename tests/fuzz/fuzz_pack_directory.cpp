// The player's pack directory reader on arbitrary bytes (the whole input is
// the executable): every entry it accepts must be found again by name and
// lie inside the file.
#include "FuzzStream.h"
#include "forms/portable/Stream.h"
#include "player/logic/PackReader.h"

using fuzzing::Check;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    forms::MemoryStream file(data, size);
    player::PackDirectory directory;
    if (player::ReadPack(file, directory) != player::PackError::None) return 0;
    Check(directory.entries.size() <= static_cast<size_t>(player::kMaxPackEntries));
    for (const player::PackEntry& entry : directory.entries) {
        Check(entry.offset >= 0 && entry.offset <= static_cast<int64_t>(size));
        std::string name = entry.name;
        if (name.empty()) continue;
        Check(player::IsPacked(directory, name));
        Check(player::SeekPacked(directory, name, file));
    }
    return 0;
}
