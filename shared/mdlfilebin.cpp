// The menu file stream, the error flag, opening and closing, the header and
// the typed fields.
#include "shared/mdlfilebin.h"

#include <cstring>
#include <initializer_list>
#include <limits>

#include "forms/portable/FileSystem.h"
#include "shared/TarvikUtils.h"
#include "shared/mdlfilebin_io.h"

int FileVerMajor = 0, FileVerMinor = 0, FileVerRelease = 0, FileVerBuild = 0;

namespace {

std::unique_ptr<forms::Stream> g_stream;
uint8_t g_error = 0;
MenuFileHeader g_header;
PictureBlockHeader g_block;
uint8_t g_picMissing = 0;
uint8_t g_picDamaged = 0;

// A write that replaces its target on a successful close.
struct PendingReplace {
    bool active = false;
    std::string target;
    std::string temp;
    bool clearAttributes = false;
    // Set by any error raised while the write runs, whatever the flag held
    // before and even if a caller clears the flag in between.
    bool failed = false;
};
PendingReplace g_pending;
// True while a finished write replaces its target. The wait for the target
// lets other handlers run; a write they start then is refused, as it could
// be meant for the very file being replaced.
bool g_finishing = false;

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

// A read-only target (one whose attributes could not be cleared, or a hidden
// one that no question was asked about) will not become writable by waiting:
// it fails at once. Only a file in use elsewhere is waited for.
bool ReplaceTarget(const PendingReplace& job) {
    if (job.clearAttributes && forms::FileExists(job.target)) forms::ClearAttributes(job.target);
    for (int i = 0; i < kReplaceTries; ++i) {
        if (forms::FileExists(job.target) && forms::IsReadOnly(job.target)) return false;
        if (forms::ReplaceFileWith(job.target, job.temp)) return true;
        forms::ProcessPendingMessages();
        forms::SleepMs(kReplaceWaitMs);
    }
    return false;
}

// Frees the stream. A pending write replaces its target only when commit is
// set (the explicit close that ends its sequence) and nothing failed; an
// abandoned one is discarded and counts as failed.
void EndSequence(bool commit) {
    // The module state is free before the wait below lets other handlers run:
    // they may open and close streams of their own meanwhile.
    PendingReplace job = std::move(g_pending);
    g_pending = PendingReplace();
    bool closedCleanly = true;
    try {
        std::unique_ptr<forms::Stream> stream = std::move(g_stream);
        if (auto* file = dynamic_cast<forms::FileStream*>(stream.get())) closedCleanly = file->Close();
    } catch (...) {
        closedCleanly = false;  // closing never raises: a stream that did failed
    }
    if (!job.active) return;

    bool replaced = false;
    if (commit && closedCleanly && !job.failed) {
        // Sequences of the handlers run while waiting have their own outcome:
        // the flag afterwards tells this sequence's.
        const uint8_t error = g_error;
        g_finishing = true;
        try {
            replaced = ReplaceTarget(job);
        } catch (...) {
            replaced = false;  // a handler run while waiting raised
        }
        g_finishing = false;
        g_error = error;
    }
    if (!replaced) SetMnuError();
    if (forms::FileExists(job.temp)) forms::RemoveFile(job.temp);
}

// A field reader's type test: a wrong type sets the flag.
bool ExpectType(std::initializer_list<int> types) {
    const int type = mnuio::ReadByte();
    for (int t : types) {
        if (type == t) return true;
    }
    SetMnuError();
    return false;
}

// Reads a 4-byte length and that many bytes as text; a length of 0 or below
// gives empty text, one beyond the end of the stream sets the flag.
std::string ReadLengthAndText() {
    const int32_t length = mnuio::ReadInt32();
    if (length <= 0) return std::string();
    if (length > mnuio::Remaining()) {
        SetMnuError();
        return std::string();
    }
    std::string text(static_cast<size_t>(length), '\0');
    if (!mnuio::Read(&text[0], text.size())) return std::string();
    return text;
}

}  // namespace

// ---- the stream and the error flag ----

forms::Stream* MnuStream() { return g_stream.get(); }

void SetMnuStream(std::unique_ptr<forms::Stream> stream) {
    EndSequence(false);
    g_stream = std::move(stream);
}

uint8_t MnuError() { return g_error; }

void SetMnuError() {
    g_error = 1;
    if (g_pending.active) g_pending.failed = true;
}

void ClearMnuError() { g_error = 0; }
const MenuFileHeader& MnuHeader() { return g_header; }
const PictureBlockHeader& MnuBlockHeader() { return g_block; }
uint8_t PicMissing() { return g_picMissing; }
uint8_t PicDamaged() { return g_picDamaged; }

namespace mnuio {

bool Write(const void* data, size_t count) {
    if (!g_stream || (count > 0 && g_stream->Write(data, count) != count)) {
        SetMnuError();
        return false;
    }
    return true;
}

bool WriteByte(int value) {
    const uint8_t b = static_cast<uint8_t>(value);
    return Write(&b, 1);
}

bool WriteInt32(int32_t value) {
    const uint32_t u = static_cast<uint32_t>(value);
    const uint8_t b[4] = {static_cast<uint8_t>(u), static_cast<uint8_t>(u >> 8),
                          static_cast<uint8_t>(u >> 16), static_cast<uint8_t>(u >> 24)};
    return Write(b, 4);
}

bool WriteInt16(int value) {
    const uint16_t u = static_cast<uint16_t>(value);
    const uint8_t b[2] = {static_cast<uint8_t>(u), static_cast<uint8_t>(u >> 8)};
    return Write(b, 2);
}

bool Read(void* data, size_t count) {
    if (count == 0) return true;
    if (!g_stream || !g_stream->ReadExact(data, count)) {
        std::memset(data, 0, count);
        SetMnuError();
        return false;
    }
    return true;
}

uint8_t ReadByte() {
    uint8_t b = 0;
    Read(&b, 1);
    return b;
}

int32_t ReadInt32() {
    uint8_t b[4];
    Read(b, 4);
    return static_cast<int32_t>(static_cast<uint32_t>(b[0]) | static_cast<uint32_t>(b[1]) << 8 |
                                static_cast<uint32_t>(b[2]) << 16 |
                                static_cast<uint32_t>(b[3]) << 24);
}

int64_t Remaining() { return g_stream ? g_stream->Remaining() : 0; }

bool BeginReplacingWrite(const std::string& target, bool clearAttributes) {
    EndSequence(false);
    if (g_finishing) {
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
    g_stream = std::move(file);
    g_pending = std::move(job);
    return true;
}

bool AskYes(const std::string& text) {
    return ShowMsgDlg(text, TMsgDlgType::mtConfirmation, TMsgDlgButtons::mbYesNoCancel,
                      DlgCaption, -1, 0) == mrYes;
}

void ShowError(const std::string& text) {
    ShowMsgDlg(text, TMsgDlgType::mtError, TMsgDlgButtons::mbOK, DlgCaption, -1, 0);
}

void SetBlockHeader(int flag, int object, int state, int frame) {
    g_block.BlkFlag = flag;
    g_block.BlkObject = object;
    g_block.BlkState = state;
    g_block.BlkFrame = frame;
}

void SetPicMissing(uint8_t value) { g_picMissing = value; }
void SetPicDamaged(uint8_t value) { g_picDamaged = value; }

bool FinishingWrite() { return g_finishing; }

}  // namespace mnuio

// ---- opening and closing ----

bool OpenMnuFile(const std::string& name, const std::string& folder, int mode, int confirm) {
    EndSequence(false);
    const std::string path = folder + name;
    if (mode != 1) {
        auto file = forms::FileStream::Open(path, forms::FileMode::OpenRead);
        if (!file) {
            SetMnuError();
            return false;
        }
        g_stream = std::move(file);
        return true;
    }

    if (mnuio::FinishingWrite()) {
        SetMnuError();  // asked nothing: the write would be refused anyway
        return false;
    }
    bool clearAttributes = false;
    if (forms::VisibleFileExists(path)) {
        if (confirm == 1 && !mnuio::AskYes(kOverwriteQuestion)) {
            SetMnuError();
            return false;
        }
        if (forms::IsReadOnly(path)) {
            if (!mnuio::AskYes(kReadOnlyQuestion)) {
                SetMnuError();
                return false;
            }
            clearAttributes = true;
        }
    }
    return mnuio::BeginReplacingWrite(path, clearAttributes);
}

void CloseMnuFile() { EndSequence(true); }

// ---- header and typed fields ----

void WriteMnuHeader(int objects, int images) {
    mnuio::Write("MENU", 4);
    mnuio::WriteByte(1);
    GetFileVersion(forms::ExecutablePath(), 2);
    mnuio::WriteByte(FileVerMajor);
    mnuio::WriteByte(FileVerMinor);
    mnuio::WriteByte(FileVerRelease);
    mnuio::WriteByte(objects);
    mnuio::WriteInt16(images);
}

void ResetMnuReadState() {
    g_header = MenuFileHeader();
    g_block = PictureBlockHeader();
    g_picMissing = 0;
    g_picDamaged = 0;
}

bool ReadMnuHeader() {
    // A refused or cut-short header leaves no values of an earlier one behind.
    g_header = MenuFileHeader();
    uint8_t magic[4];
    mnuio::Read(magic, 4);  // not compared: the kind and version decide
    g_header.HdrKind = mnuio::ReadByte();
    if (g_header.HdrKind != 1) {
        ShowMsgDlg(kVersionMessage, TMsgDlgType::mtInformation, TMsgDlgButtons::mbOK, DlgCaption);
        SetMnuError();
        return false;
    }
    g_header.HdrMajor = mnuio::ReadByte();
    if (g_header.HdrMajor < 6) {
        ShowMsgDlg(kVersionMessage, TMsgDlgType::mtInformation, TMsgDlgButtons::mbOK, DlgCaption);
        SetMnuError();
        return false;
    }
    uint8_t rest[5];
    const bool complete = mnuio::Read(rest, sizeof rest);
    g_header.HdrMinor = rest[0];
    g_header.HdrRelease = rest[1];
    g_header.HdrObjects = rest[2];
    g_header.HdrImages = static_cast<int16_t>(static_cast<uint16_t>(rest[3] | rest[4] << 8));
    // A header cut short is not acceptable even when its first bytes were.
    return complete;
}

void WriteMnuField(int type, int32_t value, const std::string& text) {
    mnuio::WriteByte(type);
    switch (type) {
        case mftByte:
            mnuio::WriteInt32(1);
            mnuio::WriteByte(value);
            break;
        case mftInt:
            // The length says 2 although four value bytes follow; readers skip it.
            mnuio::WriteInt32(2);
            mnuio::WriteInt32(value);
            break;
        case mftLong:
            mnuio::WriteInt32(4);
            mnuio::WriteInt32(value);
            break;
        case mftString:
        case mftBitmap:
        case mftPNG:
            if (text.size() > static_cast<size_t>(std::numeric_limits<int32_t>::max())) {
                SetMnuError();
                return;
            }
            mnuio::WriteInt32(static_cast<int32_t>(text.size()));
            mnuio::Write(text.data(), text.size());
            break;
        default:
            break;  // an unknown type is written as its type byte alone
    }
}

namespace {

// Types 1 to 3: the type byte, a length that is skipped, then the value.
int32_t ReadNumberField(int type, size_t valueBytes) {
    if (!ExpectType({type})) return 0;
    mnuio::ReadInt32();
    if (valueBytes == 1) return mnuio::ReadByte();
    return mnuio::ReadInt32();
}

}  // namespace

int32_t ReadMnuInt() { return ReadNumberField(mftInt, 4); }
int32_t ReadMnuLong() { return ReadNumberField(mftLong, 4); }
uint8_t ReadMnuByte() { return static_cast<uint8_t>(ReadNumberField(mftByte, 1)); }

std::string ReadMnuString() {
    if (!ExpectType({mftString, mftPNG})) return std::string();
    return ReadLengthAndText();
}

std::string ReadMnuBlock() {
    if (!ExpectType({mftBitmap})) return std::string();
    return ReadLengthAndText();
}

void WriteMnuEnd() { mnuio::WriteByte(0); }
