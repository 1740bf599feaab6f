// The menu file object: its stream, error flag and read state, opening and
// closing, the header and the typed fields.
#include "shared/mdlfilebin.h"

#include <cstring>
#include <limits>

#include "forms/portable/FileSystem.h"

bool TMenuFile::finishing_ = false;

namespace {

// A file that is opened elsewhere may refuse to be replaced for a while:
// keep the user interface alive and try again for up to about 100 seconds.
constexpr int kReplaceTries = 10001;
constexpr int kReplaceWaitMs = 10;

const char* const kOverwriteQuestion = "File exists, do you wish to overwrite it?";
const char* const kReadOnlyQuestion =
    "The menu file is marked as Read Only, would you like to save to it anyway?";
const char* const kVersionMessage =
    "This is not an Autorun Quorvel Version 6 or above file. If you have created the menu in a "
    "previous version of Autorun Quorvel, you can use the Menu Conversion Wizard available from "
    "Tarvik Software's site to convert the file to Version 6 format.";

}  // namespace

TMenuFile::TMenuFile(MenuFileHost& host) : host_(host) {}

TMenuFile::~TMenuFile() {
    try {
        EndSequence(false);
    } catch (...) {
        // Removing an abandoned temporary file never raises; nothing to do.
    }
}

// A read-only target (one whose attributes could not be cleared, or a hidden
// one that no question was asked about) will not become writable by waiting:
// it fails at once. Only a file in use elsewhere is waited for.
bool TMenuFile::ReplaceTarget(const PendingReplace& job) {
    if (job.flush && !forms::FlushFileToDisk(job.temp)) return false;
    if (job.clearAttributes && forms::FileExists(job.target)) forms::ClearAttributes(job.target);
    for (int i = 0; i < kReplaceTries; ++i) {
        if (forms::FileExists(job.target) && forms::IsReadOnly(job.target)) return false;
        if (forms::ReplaceFileWith(job.target, job.temp)) return true;
        host_.Wait(kReplaceWaitMs);
    }
    return false;
}

// An abandoned write (commit not set) is discarded and counts as failed.
void TMenuFile::EndSequence(bool commit) {
    // The object is free before the wait below lets other handlers run: they
    // may open and close streams on it meanwhile.
    PendingReplace job = std::move(pending_);
    pending_ = PendingReplace();
    bool closedCleanly = true;
    try {
        std::unique_ptr<forms::Stream> stream = std::move(stream_);
        if (auto* file = dynamic_cast<forms::FileStream*>(stream.get())) closedCleanly = file->Close();
    } catch (...) {
        closedCleanly = false;  // closing never raises: a stream that did failed
    }
    if (!job.active) return;

    bool replaced = false;
    if (commit && closedCleanly && !job.failed) {
        // Sequences of the handlers run while waiting have their own outcome:
        // the flag afterwards tells this sequence's.
        const uint8_t error = error_;
        finishing_ = true;
        try {
            replaced = ReplaceTarget(job);
        } catch (...) {
            replaced = false;  // a handler run while waiting raised
        }
        finishing_ = false;
        error_ = error;
    }
    if (!replaced) SetMnuError();
    if (forms::FileExists(job.temp)) forms::RemoveFile(job.temp);
}

// A field reader's type test: a wrong type sets the flag.
bool TMenuFile::ExpectType(std::initializer_list<int> types) {
    const int type = ReadByte();
    for (int t : types) {
        if (type == t) return true;
    }
    SetMnuError();
    return false;
}

// Reads a 4-byte length and that many bytes as text; a length of 0 or below
// gives empty text, one beyond the end of the stream sets the flag.
std::string TMenuFile::ReadLengthAndText() {
    const int32_t length = ReadInt32();
    if (length <= 0) return std::string();
    if (length > Remaining()) {
        SetMnuError();
        return std::string();
    }
    std::string text(static_cast<size_t>(length), '\0');
    if (!Read(&text[0], text.size())) return std::string();
    return text;
}

// ---- the stream and the error flag ----

void TMenuFile::SetMnuStream(std::unique_ptr<forms::Stream> stream) {
    EndSequence(false);
    stream_ = std::move(stream);
}

void TMenuFile::SetMnuError() {
    error_ = 1;
    if (pending_.active) pending_.failed = true;
}

void TMenuFile::ResetMnuReadState() {
    header_ = MenuFileHeader();
    block_ = PictureBlockHeader();
    picMissing_ = 0;
    picDamaged_ = 0;
}

// ---- byte access ----

bool TMenuFile::Write(const void* data, size_t count) {
    if (!stream_ || (count > 0 && stream_->Write(data, count) != count)) {
        SetMnuError();
        return false;
    }
    return true;
}

bool TMenuFile::WriteByte(int value) {
    const uint8_t b = static_cast<uint8_t>(value);
    return Write(&b, 1);
}

bool TMenuFile::WriteInt32(int32_t value) {
    const uint32_t u = static_cast<uint32_t>(value);
    const uint8_t b[4] = {static_cast<uint8_t>(u), static_cast<uint8_t>(u >> 8),
                          static_cast<uint8_t>(u >> 16), static_cast<uint8_t>(u >> 24)};
    return Write(b, 4);
}

bool TMenuFile::WriteInt16(int value) {
    const uint16_t u = static_cast<uint16_t>(value);
    const uint8_t b[2] = {static_cast<uint8_t>(u), static_cast<uint8_t>(u >> 8)};
    return Write(b, 2);
}

bool TMenuFile::Read(void* data, size_t count) {
    if (count == 0) return true;
    if (!stream_ || !stream_->ReadExact(data, count)) {
        std::memset(data, 0, count);
        SetMnuError();
        return false;
    }
    return true;
}

uint8_t TMenuFile::ReadByte() {
    uint8_t b = 0;
    Read(&b, 1);
    return b;
}

int32_t TMenuFile::ReadInt32() {
    uint8_t b[4];
    Read(b, 4);
    return static_cast<int32_t>(static_cast<uint32_t>(b[0]) | static_cast<uint32_t>(b[1]) << 8 |
                                static_cast<uint32_t>(b[2]) << 16 |
                                static_cast<uint32_t>(b[3]) << 24);
}

int64_t TMenuFile::Remaining() const { return stream_ ? stream_->Remaining() : 0; }

bool TMenuFile::BeginReplacingWrite(const std::string& target, bool clearAttributes) {
    EndSequence(false);
    if (finishing_) {
        SetMnuError();
        return false;
    }
    // Everything that may run out of memory happens before the temporary file
    // exists or after it is recorded, so that no failure leaves it behind.
    PendingReplace job;
    job.active = true;
    job.target = target;
    job.temp = forms::UniqueTempPathBeside(target);
    job.clearAttributes = clearAttributes;
    job.flush = !scratchWrites_;
    std::unique_ptr<forms::FileStream> file;
    if (!job.temp.empty()) {
        try {
            file = forms::FileStream::Open(job.temp, forms::FileMode::Create);
        } catch (...) {
            forms::RemoveFile(job.temp);
            throw;
        }
    }
    if (!file) {
        SetMnuError();
        return false;
    }
    stream_ = std::move(file);
    pending_ = std::move(job);
    return true;
}

// ---- opening and closing ----

bool TMenuFile::OpenMnuFile(const std::string& name, const std::string& folder, int mode, int confirm) {
    EndSequence(false);
    const std::string path = folder + name;
    if (mode != 1) {
        auto file = forms::FileStream::Open(path, forms::FileMode::OpenRead);
        if (!file) {
            SetMnuError();
            return false;
        }
        stream_ = std::move(file);
        return true;
    }

    if (finishing_) {
        SetMnuError();  // asked nothing: the write would be refused anyway
        return false;
    }
    if (confirm == 1 && forms::VisibleFileExists(path) && !host_.AskYes(kOverwriteQuestion)) {
        SetMnuError();
        return false;
    }
    // Asked for every read-only file, also a hidden one that the search above
    // does not see: without the user's word it could not be replaced.
    const bool clearAttributes = forms::FileExists(path) && forms::IsReadOnly(path);
    if (clearAttributes && !host_.AskYes(kReadOnlyQuestion)) {
        SetMnuError();
        return false;
    }
    return BeginReplacingWrite(path, clearAttributes);
}

void TMenuFile::CloseMnuFile() { EndSequence(true); }

// ---- header and typed fields ----

void TMenuFile::WriteMnuHeader(int objects, int images) {
    Write("MENU", 4);
    WriteByte(1);
    int major = 0, minor = 0, release = 0;
    host_.ProgramVersion(major, minor, release);
    WriteByte(major);
    WriteByte(minor);
    WriteByte(release);
    WriteByte(objects);
    WriteInt16(images);
}

bool TMenuFile::ReadMnuHeader() {
    // A refused or cut-short header leaves no values of an earlier one behind.
    header_ = MenuFileHeader();
    uint8_t magic[4];
    Read(magic, 4);  // not compared: the kind and version decide
    header_.HdrKind = ReadByte();
    if (header_.HdrKind != 1) {
        host_.ShowInformation(kVersionMessage);
        SetMnuError();
        return false;
    }
    header_.HdrMajor = ReadByte();
    if (header_.HdrMajor < 6) {
        host_.ShowInformation(kVersionMessage);
        SetMnuError();
        return false;
    }
    uint8_t rest[5];
    const bool complete = Read(rest, sizeof rest);
    header_.HdrMinor = rest[0];
    header_.HdrRelease = rest[1];
    header_.HdrObjects = rest[2];
    header_.HdrImages = static_cast<int16_t>(static_cast<uint16_t>(rest[3] | rest[4] << 8));
    // A header cut short is not acceptable even when its first bytes were.
    return complete;
}

void TMenuFile::WriteMnuField(int type, int32_t value, const std::string& text) {
    WriteByte(type);
    switch (type) {
        case mftByte:
            WriteInt32(1);
            WriteByte(value);
            break;
        case mftInt:
            // The length says 2 although four value bytes follow; readers skip it.
            WriteInt32(2);
            WriteInt32(value);
            break;
        case mftLong:
            WriteInt32(4);
            WriteInt32(value);
            break;
        case mftString:
        case mftBitmap:
        case mftPNG:
            if (text.size() > static_cast<size_t>(std::numeric_limits<int32_t>::max())) {
                SetMnuError();
                return;
            }
            WriteInt32(static_cast<int32_t>(text.size()));
            Write(text.data(), text.size());
            break;
        default:
            break;  // an unknown type is written as its type byte alone
    }
}

// Types 1 to 3: the type byte, a length that is skipped, then the value.
int32_t TMenuFile::ReadNumberField(int type, size_t valueBytes) {
    if (!ExpectType({type})) return 0;
    ReadInt32();
    if (valueBytes == 1) return ReadByte();
    return ReadInt32();
}

int32_t TMenuFile::ReadMnuInt() { return ReadNumberField(mftInt, 4); }
int32_t TMenuFile::ReadMnuLong() { return ReadNumberField(mftLong, 4); }
uint8_t TMenuFile::ReadMnuByte() { return static_cast<uint8_t>(ReadNumberField(mftByte, 1)); }

std::string TMenuFile::ReadMnuString() {
    if (!ExpectType({mftString, mftPNG})) return std::string();
    return ReadLengthAndText();
}

std::string TMenuFile::ReadMnuBlock() {
    if (!ExpectType({mftBitmap})) return std::string();
    return ReadLengthAndText();
}

void TMenuFile::WriteMnuEnd() { WriteByte(0); }
