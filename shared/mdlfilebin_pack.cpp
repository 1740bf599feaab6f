// The autorun executable: the player image carried at the end of the
// editor's own executable file, followed by a pack of menu files and a
// trailer that tells the player where the pack starts.
#include <algorithm>
#include <cstring>
#include <limits>
#include <vector>

#include "forms/portable/FileSystem.h"
#include "shared/mdlfilebin.h"

std::string PackFiles[101];
const char* const kEditorExeName = "Autorun Quorvel Menu Editor.exe";

namespace {

constexpr int kPackSlots = 100;       // PackFiles[1..100]
constexpr int kMaxPackedFiles = 99;   // the list always ends with an empty slot
constexpr size_t kEntryNameBytes = 256;
constexpr int64_t kPackHeaderBytes = 19;
constexpr int64_t kEntryBytes = kEntryNameBytes + 4;

const char* const kNoEditorMessage =
    "The wizard cannot locate the Menu Editor (Autorun Quorvel Menu Editor.exe) which is required "
    "to create the autorun application.";
const char* const kNoPlayerMessage = "Could not retrieve menu executable";
const char* const kMissingFilesMessage = "Could not find all files.";
const char* const kTooManyFilesMessage = "Too many menu files: a pack holds at most 99.";
const char* const kTooLargeMessage = "The autorun application would be larger than 2 GB.";
const char* const kOverwriteQuestion = "File exists, do you wish to overwrite it?";

std::string FolderOf(const std::string& path) {
    const size_t cut = path.find_last_of("\\/");
    return cut == std::string::npos ? std::string() : path.substr(0, cut + 1);
}

std::string NameOf(const std::string& path) {
    const size_t cut = path.find_last_of("\\/");
    return cut == std::string::npos ? path : path.substr(cut + 1);
}

uint32_t LE32(const uint8_t* p) {
    return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
           static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[3]) << 24;
}

// The player image: "ApEX" at offset O, the image, and O as the last 4 bytes.
bool ReadPlayerImage(const std::string& editorPath, std::vector<uint8_t>& image) {
    auto file = forms::FileStream::Open(editorPath, forms::FileMode::OpenRead);
    if (!file) return false;
    const int64_t size = file->Size();
    uint8_t tail[4];
    if (size < 8 || file->Seek(size - 4, forms::SeekOrigin::Begin) != size - 4 ||
        !file->ReadExact(tail, 4)) {
        return false;
    }
    const int64_t marker = LE32(tail);
    if (marker > size - 8) return false;
    uint8_t magic[4];
    if (file->Seek(marker, forms::SeekOrigin::Begin) != marker || !file->ReadExact(magic, 4) ||
        std::memcmp(magic, "ApEX", 4) != 0) {
        return false;
    }
    image.resize(static_cast<size_t>(size - marker - 8));
    return image.empty() || file->ReadExact(image.data(), image.size());
}

int64_t FileSize(const std::string& path) {
    auto file = forms::FileStream::Open(path, forms::FileMode::OpenRead);
    return file ? file->Size() : -1;
}

}  // namespace

bool TMenuFile::Fail(const char* message) {
    if (message) host_.ShowError(message);
    SetMnuError();
    return false;
}

bool TMenuFile::BuildPack(const std::string& folder, const std::string& name, bool ask) {
    const std::string editorPath = FolderOf(forms::ExecutablePath()) + kEditorExeName;
    if (!forms::FileExists(editorPath)) return Fail(kNoEditorMessage);

    std::vector<uint8_t> player;
    if (!ReadPlayerImage(editorPath, player)) return Fail(kNoPlayerMessage);

    int count = 0;
    while (count < kPackSlots && !PackFiles[count + 1].empty()) ++count;
    if (count > kMaxPackedFiles) return Fail(kTooManyFilesMessage);

    // Every position in the pack is a signed 32-bit number.
    int64_t total = static_cast<int64_t>(player.size()) + kPackHeaderBytes + kEntryBytes * count + 4;
    for (int k = 1; k <= count; ++k) {
        const int64_t size = forms::FileExists(PackFiles[k]) ? FileSize(PackFiles[k]) : -1;
        if (size < 0) return Fail(kMissingFilesMessage);
        total += size;
    }
    if (total > std::numeric_limits<int32_t>::max()) return Fail(kTooLargeMessage);

    const std::string target = folder + name;
    if (finishing_) return Fail(nullptr);  // a write would be refused: ask nothing
    // Yes to the question agrees to replace the file whatever its attributes
    // (read-only, hidden): they are cleared once the new file is complete.
    const bool exists = forms::FileExists(target);
    if (exists && ask && !host_.AskYes(kOverwriteQuestion)) return Fail(nullptr);
    if (!BeginReplacingWrite(target, exists)) return false;

    bool ok = Write(player.data(), player.size());
    static const uint8_t kPackHeader[18] = {'F', 'P', 'A', 'K', 2, 0, 0,
                                            mftBitmap, 0, 0, 0, 0,       // an empty bitmap field
                                            mftByte, 1, 0, 0, 0, 0};     // a byte field, value 0
    ok = ok && Write(kPackHeader, sizeof kPackHeader) && WriteByte(count);

    forms::Stream& out = *stream_;
    std::vector<int64_t> offsetPos(count + 1), dataPos(count + 1);
    for (int k = 1; ok && k <= count; ++k) {
        std::string entry(kEntryNameBytes, ' ');
        const std::string fileName = NameOf(PackFiles[k]);
        entry.replace(0, std::min(fileName.size(), kEntryNameBytes), fileName, 0, kEntryNameBytes);
        ok = Write(entry.data(), entry.size());
        offsetPos[k] = out.Position();
        ok = ok && WriteInt32(99999);  // replaced once the data position is known
    }
    for (int k = 1; ok && k <= count; ++k) {
        dataPos[k] = out.Position() + 1;
        auto file = forms::FileStream::Open(PackFiles[k], forms::FileMode::OpenRead);
        const int64_t size = file ? file->Size() : -1;
        ok = size >= 0 && out.CopyFrom(*file, size) == size;
    }
    for (int k = 1; ok && k <= count; ++k) {
        ok = out.Seek(offsetPos[k], forms::SeekOrigin::Begin) == offsetPos[k] &&
             dataPos[k] <= std::numeric_limits<int32_t>::max() &&
             WriteInt32(static_cast<int32_t>(dataPos[k]));
    }
    ok = ok && out.Seek(0, forms::SeekOrigin::End) >= 0 &&
         out.Position() + 4 <= std::numeric_limits<int32_t>::max() &&
         WriteInt32(static_cast<int32_t>(player.size() + 1));
    return ok ? true : Fail(nullptr);
}

bool TMenuFile::BuildAutorunExe(const std::string& folder, const std::string& name, bool ask) {
    try {
        return BuildPack(folder, name, ask);
    } catch (...) {
        // Out of memory, for instance: an output begun stays incomplete, and
        // the flag keeps the caller's close from letting it replace the old one.
        return Fail(nullptr);
    }
}
