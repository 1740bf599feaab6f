// The menu file: one open file (its stream, error flag and the header and
// picture-block values last read) as an object, with the 11-byte header, the
// typed fields, picture blocks, the window shape string and the autorun pack.
//
// A caller runs one open-to-close sequence per file object: clear the error
// flag, open (or install) the stream, read or write, close, then test the
// flag. Any number of file objects may be open at once. Readers never throw
// on bad data: they set the flag and return 0, empty text or leave the
// picture unchanged. Every length read from a stream is checked against what
// the stream still holds before anything is allocated.
//
// The file shows no dialog and pumps no messages itself: questions, messages,
// the program's own version and the wait for a busy file go through the
// MenuFileHost the program supplies.
#pragma once
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "forms/portable/Bitmap.h"
#include "forms/portable/PixelPool.h"
#include "forms/portable/PngImage.h"
#include "forms/portable/Stream.h"
#include "shared/UBmpArray.h"

enum TMnuFieldType : uint8_t {
    mftByte = 1,
    mftInt = 2,
    mftLong = 3,
    mftString = 4,
    mftBitmap = 5,
    mftPNG = 6,
};

// Values of the last header read.
struct MenuFileHeader {
    int HdrKind = 0;
    int HdrMajor = 0;
    int HdrMinor = 0;
    int HdrRelease = 0;
    int HdrObjects = 0;
    int HdrImages = 0;
};

// Values of the last picture block header read.
struct PictureBlockHeader {
    int BlkFlag = 0;
    int BlkObject = 0;
    int BlkState = 0;
    int BlkFrame = 0;
};

// What a menu file needs from the program around it.
class MenuFileHost {
public:
    virtual ~MenuFileHost() = default;
    // A Yes/No/Cancel question captioned with the program's title; true for Yes.
    virtual bool AskYes(const std::string& text) = 0;
    // An error message with an OK button.
    virtual void ShowError(const std::string& text) = 0;
    // An information message with an OK button.
    virtual void ShowInformation(const std::string& text) = 0;
    // Major, minor and release number of the program's own file version,
    // written into every new header.
    virtual void ProgramVersion(int& major, int& minor, int& release) = 0;
    // Waits about ms milliseconds while the program stays responsive: it may
    // run other handlers meanwhile (which may use other menu files).
    virtual void Wait(int ms) = 0;
};

// A host for reads that show nothing: it answers every question No and only
// notes that the file had something to say (Spoke); the version is 0.0.0
// and waits return at once.
class SilentMenuFileHost : public MenuFileHost {
public:
    bool AskYes(const std::string&) override { return Spoke = true, false; }
    void ShowError(const std::string&) override { Spoke = true; }
    void ShowInformation(const std::string&) override { Spoke = true; }
    void ProgramVersion(int& major, int& minor, int& release) override { major = minor = release = 0; }
    void Wait(int) override {}
    bool Spoke = false;
};

class TMenuFile {
public:
    explicit TMenuFile(MenuFileHost& host);
    // Abandons a write still pending (its temporary file is deleted).
    ~TMenuFile();
    TMenuFile(const TMenuFile&) = delete;
    TMenuFile& operator=(const TMenuFile&) = delete;

    // ---- the stream and the error flag ----
    forms::Stream* MnuStream() const { return stream_.get(); }  // null when none is open
    // Installs stream after closing any open one; a write still pending then
    // is abandoned: its temporary file is deleted and MnuError set.
    void SetMnuStream(std::unique_ptr<forms::Stream> stream);
    uint8_t MnuError() const { return error_; }
    void SetMnuError();
    void ClearMnuError() { error_ = 0; }
    // Values of the last header and picture block header read.
    const MenuFileHeader& MnuHeader() const { return header_; }
    const PictureBlockHeader& MnuBlockHeader() const { return block_; }
    uint8_t PicMissing() const { return picMissing_; }
    // Set by the last block read when the block was whole but its picture
    // data could not be decoded: the block was skipped, MnuError set, and the
    // stream stands at the next field, so a reader may go on.
    uint8_t PicDamaged() const { return picDamaged_; }
    // Forgets the last header and block header read, PicMissing and
    // PicDamaged, for a caller that reads blocks of a new stream without
    // reading its header first.
    void ResetMnuReadState();

    // Opens folder + name. Mode 1 writes (confirm = 1 asks before replacing an
    // existing file that is not hidden; a read-only file, hidden or not, is
    // replaced only when the user agrees); any other mode reads. Writing goes to a temporary file
    // in the same folder that replaces the old file only when CloseMnuFile
    // finishes a sequence without error, so a failed save never destroys the
    // old menu. A write still pending from an earlier open is abandoned as by
    // SetMnuStream. A write is refused (MnuError, nothing asked) while any
    // file object's CloseMnuFile is still replacing the target of an earlier one.
    bool OpenMnuFile(const std::string& name, const std::string& folder, int mode, int confirm);
    // Closes the stream and ends the sequence: a pending write replaces its
    // target only when no error was raised while it ran; otherwise, or when
    // the target cannot be replaced (read-only, or still in use after about
    // 100 seconds), the old file stays and MnuError is set. The new file's
    // data is flushed to the disk before it replaces the old one.
    void CloseMnuFile();
    // A file that is thrown away later (an undo snapshot) need not survive a
    // power cut: its writes skip the flush. Set before OpenMnuFile.
    void SetScratchWrites(bool scratch) { scratchWrites_ = scratch; }

    // ---- header and typed fields ----
    void WriteMnuHeader(int objects, int images);
    bool ReadMnuHeader();
    void WriteMnuField(int type, int32_t value, const std::string& text);
    int32_t ReadMnuInt();
    int32_t ReadMnuLong();
    std::string ReadMnuString();
    uint8_t ReadMnuByte();
    std::string ReadMnuBlock();
    void WriteMnuEnd();

    // ---- picture blocks ----
    // Compressed pixels (raw false) are deflated at zipLevel (1..9).
    void WriteMnuBitmap(int flag, int object, int state, int frame, const forms::Bitmap& picture,
                        const std::string& fileName, bool raw, int zipLevel = kZipLevelStored);
    void ReadMnuBitmap(forms::Bitmap& bitmap, bool raw);
    // ReadMnuBitmap in two halves, for a reader that looks at a block's
    // header before it decides whether to decode the pixels now.
    // ReadMnuBitmapHeader reads the type and the header (false after an
    // error, with MnuError set); then ReadMnuBitmapPixels decodes the pixels
    // into bitmap, or, for compressed pixels, TakeMnuBitmapPixels keeps their
    // bytes undecoded for DecodeMnuBitmap, or SkipMnuBitmapPixels steps over
    // them and gives the stream position where TakeZipPixels finds them
    // again (both false and MnuError when they do not fit the stream).
    bool ReadMnuBitmapHeader();
    void ReadMnuBitmapPixels(forms::Bitmap& bitmap, bool raw);
    // ReadMnuBitmapPixels into room reserved in pool, which the caller keeps
    // (pool.Keep()) or leaves for the next picture; false with MnuError set
    // (and PicDamaged for a whole block that does not decode) otherwise.
    bool ReadMnuBitmapPixels(forms::PixelPool& pool, bool raw);
    bool TakeMnuBitmapPixels(std::vector<uint8_t>& zipPixels);
    bool SkipMnuBitmapPixels(int64_t& position);
    // True when the pixels of the file's bitmap blocks are raw: asked for, or
    // a version 6 file, which always holds raw pixels.
    bool MnuPixelsRaw(bool raw) const;
    void WriteMnuPNG(int flag, int object, int state, int tag, const forms::PngImage& png);
    void ReadMnuPNG(forms::PngImage& png);

    // ---- autorun executable ----
    // Writes folder + name as a pending write (see OpenMnuFile) that the
    // caller's CloseMnuFile finishes: the player image carried by the editor
    // file beside the running program, then a pack of the files listed in
    // PackFiles. An existing file is replaced, whatever its attributes, only
    // after the user agrees; a caller that has settled the replacement itself
    // passes ask = false and is asked nothing. Failures are reported and set
    // MnuError; never throws.
    bool BuildAutorunExe(const std::string& folder, const std::string& name, bool ask = true);

private:
    // A write that replaces its target on a successful close.
    struct PendingReplace {
        bool active = false;
        std::string target;
        std::string temp;
        bool clearAttributes = false;
        bool flush = true;  // the new file is flushed to the disk before it replaces the old
        // Set by any error raised while the write runs, whatever the flag
        // held before and even if a caller clears the flag in between.
        bool failed = false;
    };

    // Byte access at the stream's position: every write that falls short and
    // every read that runs out of data sets the error flag, so callers see
    // one flag for the whole sequence. A short read zero-fills the buffer.
    bool Write(const void* data, size_t count);
    bool WriteByte(int value);
    bool WriteInt32(int32_t value);
    bool WriteInt16(int value);
    bool Read(void* data, size_t count);
    uint8_t ReadByte();
    int32_t ReadInt32();
    // Bytes between the stream's position and its end (0 without a stream).
    int64_t Remaining() const;

    // Starts writing a new version of target into a temporary file beside
    // it (see OpenMnuFile); clearAttributes: the user agreed to replace a
    // read-only target. False (and MnuError) when the temporary file cannot
    // be created or while a finished write is still replacing its target.
    bool BeginReplacingWrite(const std::string& target, bool clearAttributes);
    // Frees the stream; a pending write replaces its target only when commit
    // is set and nothing failed.
    void EndSequence(bool commit);
    bool ReplaceTarget(const PendingReplace& job);

    bool ExpectType(std::initializer_list<int> types);
    std::string ReadLengthAndText();
    int32_t ReadNumberField(int type, size_t valueBytes);
    void WriteBlockHeader(int type, int flag, int object, int state, int frame);
    bool ExpectBlockType(int type);
    bool ReadBlockHeader(int32_t* extra = nullptr, int extraCount = 0);
    bool Fail(const char* message);
    bool BuildPack(const std::string& folder, const std::string& name, bool ask);

    MenuFileHost& host_;
    std::unique_ptr<forms::Stream> stream_;
    uint8_t error_ = 0;
    bool scratchWrites_ = false;
    MenuFileHeader header_;
    PictureBlockHeader block_;
    uint8_t picMissing_ = 0;
    uint8_t picDamaged_ = 0;
    // Compressed pixels and PNG data of a stream that cannot lend them in
    // place pass through here: one block at most, kept with the file object.
    std::vector<uint8_t> blockScratch_;
    PendingReplace pending_;
    // True while any file object's finished write replaces its target. The
    // wait for the target lets other handlers run; a write they start then
    // is refused, as it could be meant for the very file being replaced.
    static bool finishing_;
};

// Decodes compressed pixels that TakeMnuBitmapPixels kept into room reserved
// in pool (for pool.Keep()); false on corrupt data.
bool DecodeMnuBitmap(const std::vector<uint8_t>& zipPixels, forms::PixelPool& pool);

// ---- window shape ----
std::string MakeWinRgnString(const forms::Bitmap& picture, int transIndex);

// ---- autorun executable ----
// Editor-wide list of menu paths to pack, slots 1..100; the first empty slot ends it.
extern std::string PackFiles[101];
// The name of the editor's own executable, which carries the player image.
extern const char* const kEditorExeName;  // "Autorun Quorvel Menu Editor.exe"
