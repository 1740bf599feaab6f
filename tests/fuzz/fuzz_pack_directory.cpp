// The player's pack directory reader on arbitrary bytes (the whole input is
// the executable): every entry marked inside the file must lie inside it and
// be found again by name; no other entry may be reached.
#include "FuzzStream.h"
#include "forms/portable/Stream.h"
#include "player/logic/PackReader.h"

using fuzzing::Check;

namespace {

size_t FirstNamed(const player::PackDirectory& directory, const std::string& name) {
    size_t i = 0;
    while (directory.entries[i].name != name) ++i;
    return i;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    forms::MemoryStream file(data, size);
    player::PackDirectory directory;
    if (player::ReadPack(file, directory) != player::PackError::None) return 0;
    Check(directory.entries.size() <= static_cast<size_t>(player::kMaxPackEntries));
    for (const player::PackEntry& entry : directory.entries) {
        std::string name = entry.name;
        if (!entry.inFile) {
            // A later entry of the same name may be usable; the first decides.
            if (!name.empty() && &entry == &directory.entries[FirstNamed(directory, name)])
                Check(!player::SeekPacked(directory, name, file));
            continue;
        }
        Check(entry.offset >= 0 && entry.offset <= static_cast<int64_t>(size));
        if (name.empty()) continue;
        if (&entry != &directory.entries[FirstNamed(directory, name)]) continue;
        Check(player::IsPacked(directory, name));
        Check(player::SeekPacked(directory, name, file));
    }
    return 0;
}
