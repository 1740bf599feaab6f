#include "forms/portable/Stream.h"

#include <algorithm>
#include <cstring>
#include <exception>
#include <limits>

#include "forms/portable/FileSystem.h"

namespace forms {

namespace {

int ToWhence(SeekOrigin origin) {
    switch (origin) {
        case SeekOrigin::Begin: return SEEK_SET;
        case SeekOrigin::Current: return SEEK_CUR;
        case SeekOrigin::End: return SEEK_END;
    }
    return SEEK_SET;
}

int SeekFile(std::FILE* f, int64_t offset, int whence) {
#ifdef _WIN32
    return _fseeki64(f, offset, whence);
#else
    return fseeko(f, static_cast<off_t>(offset), whence);
#endif
}

int64_t TellFile(std::FILE* f) {
#ifdef _WIN32
    return _ftelli64(f);
#else
    return static_cast<int64_t>(ftello(f));
#endif
}

}  // namespace

// ---- Stream ----

int64_t Stream::Remaining() {
    const int64_t pos = Position();
    const int64_t size = Size();
    if (pos < 0 || size < 0 || pos >= size) return 0;
    return size - pos;
}

int64_t Stream::CopyFrom(Stream& source, int64_t count) {
    if (count <= 0) return 0;
    uint8_t buffer[64 * 1024];
    int64_t copied = 0;
    while (copied < count) {
        const size_t want = static_cast<size_t>(std::min<int64_t>(count - copied, sizeof buffer));
        const size_t got = source.Read(buffer, want);
        if (got == 0) break;
        const size_t put = Write(buffer, got);
        copied += static_cast<int64_t>(put);
        if (put != got || got != want) break;
    }
    return copied;
}

// ---- MemoryStream ----

MemoryStream::MemoryStream(const void* bytes, size_t count)
    : data_(static_cast<const uint8_t*>(bytes), static_cast<const uint8_t*>(bytes) + count) {}

size_t MemoryStream::Read(void* buffer, size_t count) {
    if (pos_ >= data_.size() || count == 0) return 0;
    const size_t n = std::min(count, data_.size() - pos_);
    std::memcpy(buffer, data_.data() + pos_, n);
    pos_ += n;
    return n;
}

const uint8_t* Stream::BorrowOrRead(size_t count, std::vector<uint8_t>& scratch) {
    if (const uint8_t* lent = Borrow(count)) return lent;
    if (scratch.size() < count) scratch.resize(count);
    return ReadExact(scratch.data(), count) ? scratch.data() : nullptr;
}

const uint8_t* MemoryStream::Borrow(size_t count) {
    if (pos_ > data_.size() || count > data_.size() - pos_) return nullptr;
    const uint8_t* bytes = data_.data() + pos_;
    pos_ += count;
    return bytes;
}

size_t MemoryStream::Write(const void* buffer, size_t count) {
    if (count == 0) return 0;
    if (count > std::numeric_limits<size_t>::max() - pos_) return 0;
    const size_t end = pos_ + count;
    // A position beyond the end (after a seek) leaves a gap of zero bytes.
    if (end > data_.size()) {
        try {
            data_.resize(end);
        } catch (const std::exception&) {  // bad_alloc or length_error
            return 0;
        }
    }
    std::memcpy(data_.data() + pos_, buffer, count);
    pos_ = end;
    return count;
}

int64_t MemoryStream::Seek(int64_t offset, SeekOrigin origin) {
    int64_t base = 0;
    if (origin == SeekOrigin::Current) base = static_cast<int64_t>(pos_);
    if (origin == SeekOrigin::End) base = static_cast<int64_t>(data_.size());
    if ((offset > 0 && base > std::numeric_limits<int64_t>::max() - offset)) return -1;
    const int64_t target = base + offset;
    if (target < 0) return -1;
    if (static_cast<uint64_t>(target) > std::numeric_limits<size_t>::max()) return -1;
    pos_ = static_cast<size_t>(target);
    return target;
}

// ---- FileStream ----

std::unique_ptr<FileStream> FileStream::Open(const std::string& path, FileMode mode) {
    const char* how = "rb";
    if (mode == FileMode::OpenReadWrite) how = "r+b";
    if (mode == FileMode::Create) how = "w+b";
    std::FILE* f = std::fopen(path.c_str(), how);
    if (!f) return nullptr;
    try {
        return std::unique_ptr<FileStream>(new FileStream(f, mode == FileMode::OpenRead));
    } catch (...) {
        std::fclose(f);  // out of memory: the file must not stay open
        throw;
    }
}

FileStream::~FileStream() { Close(); }

bool FileStream::Close() {
    if (!file_) return true;
    const bool ok = std::fclose(file_) == 0;
    file_ = nullptr;
    return ok;
}

size_t FileStream::Read(void* buffer, size_t count) {
    if (!file_ || count == 0) return 0;
    // C requires a positioning call between writing and reading.
    if (lastWrite_) {
        SeekFile(file_, 0, SEEK_CUR);
        lastWrite_ = false;
    }
    const size_t read = std::fread(buffer, 1, count, file_);
    position_ += static_cast<int64_t>(read);
    return read;
}

size_t FileStream::Write(const void* buffer, size_t count) {
    if (!file_ || count == 0) return 0;
    if (!lastWrite_) {
        SeekFile(file_, 0, SEEK_CUR);
        lastWrite_ = true;
    }
    const size_t written = std::fwrite(buffer, 1, count, file_);
    position_ += static_cast<int64_t>(written);
    return written;
}

int64_t FileStream::Seek(int64_t offset, SeekOrigin origin) {
    if (!file_) return -1;
    if (origin == SeekOrigin::Current && offset == 0) return position_;
    if (SeekFile(file_, offset, ToWhence(origin)) != 0) return -1;
    lastWrite_ = false;
    position_ = TellFile(file_);
    return position_;
}

int64_t FileStream::Size() {
    if (!file_) return -1;
    if (!readOnly_) return MeasureSize();
    if (size_ < 0) size_ = MeasureSize();
    return size_;
}

int64_t FileStream::MeasureSize() {
    const int64_t pos = TellFile(file_);
    if (pos < 0) return -1;
    // Pending writes must reach the file before its end can be measured.
    if (lastWrite_) std::fflush(file_);
    if (SeekFile(file_, 0, SEEK_END) != 0) return -1;
    const int64_t size = TellFile(file_);
    SeekFile(file_, pos, SEEK_SET);
    lastWrite_ = false;
    return size;
}

// ---- whole files ----

bool ReadWholeFile(const std::string& path, std::vector<uint8_t>& out) {
    auto f = FileStream::Open(path, FileMode::OpenRead);
    if (!f) return false;
    const int64_t size = f->Size();
    if (size < 0) return false;
    // The buffer grows with what is actually read, so a size reported wrongly
    // (a folder, a device) cannot make it allocate without bound.
    constexpr int64_t kFirstReadLimit = 64 << 20;
    constexpr size_t kChunk = 1u << 20;
    std::vector<uint8_t> bytes;
    try {
        // One byte more than expected, to see the end in the first read.
        size_t want = static_cast<size_t>(std::min(size, kFirstReadLimit)) + 1;
        for (;;) {
            const size_t have = bytes.size();
            bytes.resize(have + want);
            const size_t got = f->Read(bytes.data() + have, want);
            bytes.resize(have + got);
            if (got < want) break;
            want = kChunk;
        }
    } catch (const std::exception&) {  // bad_alloc or length_error
        return false;
    }
    if (static_cast<int64_t>(bytes.size()) < size) return false;  // read error
    out.swap(bytes);
    return true;
}

bool WriteWholeFile(const std::string& path, const void* bytes, size_t count) {
    auto f = FileStream::Open(path, FileMode::Create);
    if (!f) return false;
    const bool written = count == 0 || f->Write(bytes, count) == count;
    const bool closed = f->Close();
    return written && closed;
}

bool ReplaceWholeFile(const std::string& path, const void* bytes, size_t count) {
    const std::string temp = UniqueTempPathBeside(path);
    if (temp.empty()) return false;
    if (WriteWholeFile(temp, bytes, count) && FlushFileToDisk(temp) && ReplaceFileWith(path, temp)) return true;
    RemoveFile(temp);
    return false;
}

}  // namespace forms
