// The menu file: one module-wide stream and error flag shared by every reader
// and writer, the 11-byte header, the typed fields, picture blocks, the window
// shape string and the autorun pack.
//
// Callers run one open-to-close sequence at a time: clear the error flag, open
// (or install) the stream, read or write, close, then test the flag. Readers
// never throw on bad data: they set the flag and return 0, empty text or leave
// the picture unchanged. Every length read from a stream is checked against
// what the stream still holds before anything is allocated.
#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "forms/portable/Bitmap.h"
#include "forms/portable/PngImage.h"
#include "forms/portable/Stream.h"

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

// ---- the stream and the error flag ----
forms::Stream* MnuStream();                       // null when none is open
// Installs stream after closing any open one; a write still pending then is
// abandoned: its temporary file is deleted and MnuError set.
void SetMnuStream(std::unique_ptr<forms::Stream> stream);
uint8_t MnuError();
void SetMnuError();
void ClearMnuError();
const MenuFileHeader& MnuHeader();
const PictureBlockHeader& MnuBlockHeader();
uint8_t PicMissing();
// Set by the last block read when the block was whole but its picture data
// could not be decoded: the block was skipped, MnuError set, and the stream
// stands at the next field, so a reader may go on.
uint8_t PicDamaged();
// Forgets the last header and block header read, PicMissing and PicDamaged, for a caller
// that reads blocks of a new stream without reading its header first.
void ResetMnuReadState();

// Opens folder + name. Mode 1 writes (confirm = 1 asks before replacing an
// existing file); any other mode reads. Writing goes to a temporary file in the
// same folder that replaces the old file only when CloseMnuFile finishes a
// sequence without error, so a failed save never destroys the old menu.
// A write still pending from an earlier open is abandoned as by SetMnuStream.
// A write is refused (MnuError, nothing asked) while CloseMnuFile is still
// replacing the target of an earlier one.
bool OpenMnuFile(const std::string& name, const std::string& folder, int mode, int confirm);
// Closes the stream and ends the sequence: a pending write replaces its target
// only when no error was raised while it ran; otherwise, or when the target
// cannot be replaced (read-only, or still in use after about 100 seconds), the
// old file stays and MnuError is set.
void CloseMnuFile();

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
void WriteMnuBitmap(int flag, int object, int state, int frame, const forms::Bitmap& picture,
                    const std::string& fileName, bool raw);
void ReadMnuBitmap(forms::Bitmap& bitmap, bool raw);
// ReadMnuBitmap in two halves, for a reader that looks at a block's header
// before it decides whether to decode the pixels now. ReadMnuBitmapHeader
// reads the type and the header (false after an error, with MnuError set);
// then ReadMnuBitmapPixels decodes the pixels into bitmap, or, for
// compressed pixels, TakeMnuBitmapPixels keeps their bytes undecoded for
// DecodeMnuBitmap (false and MnuError when they do not fit the stream).
bool ReadMnuBitmapHeader();
void ReadMnuBitmapPixels(forms::Bitmap& bitmap, bool raw);
bool TakeMnuBitmapPixels(std::vector<uint8_t>& zipPixels);
// Decodes kept compressed pixels into bitmap; false (bitmap unchanged) on
// corrupt data. Touches neither the stream nor the error flag.
bool DecodeMnuBitmap(const std::vector<uint8_t>& zipPixels, forms::Bitmap& bitmap);
// True when the pixels of the file's bitmap blocks are raw: asked for, or a
// version 6 file, which always holds raw pixels.
bool MnuPixelsRaw(bool raw);
void WriteMnuPNG(int flag, int object, int state, int tag, const forms::PngImage& png);
void ReadMnuPNG(forms::PngImage& png);

// ---- window shape ----
std::string MakeWinRgnString(const forms::Bitmap& picture, int transIndex);

// ---- autorun executable ----
// Editor-wide list of menu paths to pack, slots 1..100; the first empty slot ends it.
extern std::string PackFiles[101];
// The name of the editor's own executable, which carries the player image.
extern const char* const kEditorExeName;  // "Autorun Quorvel Menu Editor.exe"
// Writes folder + name as a pending write (see OpenMnuFile) that the caller's
// CloseMnuFile finishes; an existing file is replaced, whatever its
// attributes, only after the user agrees. Failures are reported and set
// MnuError; never throws.
bool BuildAutorunExe(const std::string& folder, const std::string& name);

// ---- version information (Windows version resources) ----
extern int FileVerMajor, FileVerMinor, FileVerRelease, FileVerBuild;
std::string GetFileVersion(const std::string& path, int mode);
void GetFileVerName(const std::string& path, bool company, std::string& result);
