// Byte streams: the common interface, a growable memory stream and a file
// stream. Files are opened so that other readers and writers are not locked
// out (share-deny-none), as the programs read their own executable while it
// runs and menu files may be open elsewhere.
#pragma once
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace forms {

enum class SeekOrigin { Begin, Current, End };

class Stream {
public:
    virtual ~Stream() = default;
    // Reads up to count bytes; returns how many were read (fewer at the end).
    virtual size_t Read(void* buffer, size_t count) = 0;
    // Writes count bytes; returns how many were written (fewer on failure).
    virtual size_t Write(const void* buffer, size_t count) = 0;
    // Moves the position; returns the new position, or -1 when it cannot.
    virtual int64_t Seek(int64_t offset, SeekOrigin origin) = 0;
    virtual int64_t Size() = 0;

    int64_t Position() { return Seek(0, SeekOrigin::Current); }
    // Bytes between the position and the end (never negative).
    int64_t Remaining();
    // Reads exactly count bytes or returns false (the position is then undefined).
    bool ReadExact(void* buffer, size_t count) { return Read(buffer, count) == count; }
    // Copies count bytes from source at its position; returns bytes copied.
    int64_t CopyFrom(Stream& source, int64_t count);
    // The next count bytes in place, for a stream that holds them in memory,
    // with the position moved past them (valid until the stream is written);
    // null, the position unchanged, for any other stream or fewer bytes.
    virtual const uint8_t* Borrow(size_t /*count*/) { return nullptr; }
    // The next count bytes: in place where the stream lends them, else read
    // into scratch (grown as needed, never shrunk); null when fewer are left.
    const uint8_t* BorrowOrRead(size_t count, std::vector<uint8_t>& scratch);
};

class MemoryStream final : public Stream {
public:
    MemoryStream() = default;
    explicit MemoryStream(std::vector<uint8_t> bytes) : data_(std::move(bytes)) {}
    MemoryStream(const void* bytes, size_t count);

    size_t Read(void* buffer, size_t count) override;
    size_t Write(const void* buffer, size_t count) override;
    int64_t Seek(int64_t offset, SeekOrigin origin) override;
    int64_t Size() override { return static_cast<int64_t>(data_.size()); }
    const uint8_t* Borrow(size_t count) override;

    const std::vector<uint8_t>& Bytes() const { return data_; }
    std::vector<uint8_t>& Bytes() { return data_; }
    void Clear() { data_.clear(); pos_ = 0; }

private:
    std::vector<uint8_t> data_;
    size_t pos_ = 0;
};

enum class FileMode {
    OpenRead,       // existing file, read only
    OpenReadWrite,  // existing file, read and write
    Create,         // new or truncated file, read and write
};

// The position is kept by the stream, and a file opened for reading has its
// size measured once (what another program appends later is not seen): so
// Remaining, asked before every block a reader takes, costs no system call
// and does not throw away the read buffer.
class FileStream final : public Stream {
public:
    // Returns null when the file cannot be opened (missing, no access).
    static std::unique_ptr<FileStream> Open(const std::string& path, FileMode mode);
    ~FileStream() override;
    FileStream(const FileStream&) = delete;
    FileStream& operator=(const FileStream&) = delete;

    size_t Read(void* buffer, size_t count) override;
    size_t Write(const void* buffer, size_t count) override;
    int64_t Seek(int64_t offset, SeekOrigin origin) override;
    int64_t Size() override;
    // Flushes and closes; false when buffered data could not be written.
    bool Close();

private:
    FileStream(std::FILE* f, bool readOnly) : file_(f), readOnly_(readOnly) {}
    int64_t MeasureSize();
    std::FILE* file_;
    bool lastWrite_ = false;
    const bool readOnly_;
    int64_t position_ = 0;
    int64_t size_ = -1;  // read-only files once measured
};

// Whole-file helpers.
bool ReadWholeFile(const std::string& path, std::vector<uint8_t>& out);
bool WriteWholeFile(const std::string& path, const void* bytes, size_t count);
// Writes the new content beside path, flushes it to the disk and lets it
// replace path; when any step fails the old file stays and false is returned.
bool ReplaceWholeFile(const std::string& path, const void* bytes, size_t count);

}  // namespace forms
