// Byte-level access to the menu file stream for the mdlfilebin sources:
// every write that falls short and every read that runs out of data sets the
// error flag, so callers see one flag for the whole sequence.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>


namespace mnuio {

// Writes count bytes at the stream's position; false (and MnuError) when no
// stream is open or the write falls short.
bool Write(const void* data, size_t count);
bool WriteByte(int value);
bool WriteInt32(int32_t value);
bool WriteInt16(int value);

// Reads exactly count bytes; when fewer are there the buffer is zero-filled,
// MnuError is set and the result is false.
bool Read(void* data, size_t count);
uint8_t ReadByte();
int32_t ReadInt32();

// Bytes between the stream's position and its end (0 without a stream).
int64_t Remaining();

// Starts writing a new version of target: the stream writes a temporary file
// beside it, which CloseMnuFile moves over target only when the sequence
// raised no error (an open stream or write that this call abandons is
// discarded). clearAttributes: the user agreed to replace a read-only
// target. False (and MnuError) when the temporary file cannot be created or
// while an earlier write is still replacing its target (FinishingWrite).
bool BeginReplacingWrite(const std::string& target, bool clearAttributes);
// True while CloseMnuFile waits for a finished write to replace its target;
// the handlers it lets run meanwhile may not start a write.
bool FinishingWrite();

// Asks a Yes/No/Cancel question captioned with DlgCaption; true for Yes.
bool AskYes(const std::string& text);
// Shows an error message with an OK button, captioned with DlgCaption.
void ShowError(const std::string& text);

// The picture-block reader's state.
void SetBlockHeader(int flag, int object, int state, int frame);
void SetPicMissing(uint8_t value);
void SetPicDamaged(uint8_t value);

}  // namespace mnuio
