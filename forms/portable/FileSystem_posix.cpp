// File-system helpers for the native build (POSIX).
#include "forms/portable/FileSystem.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <thread>
#include <vector>

namespace forms {

namespace {

bool StatPath(const std::string& path, struct stat& st) { return ::stat(path.c_str(), &st) == 0; }

}  // namespace

bool FileExists(const std::string& path) {
    struct stat st;
    return StatPath(path, st) && S_ISREG(st.st_mode);
}

bool VisibleFileExists(const std::string& path) { return FileExists(path); }

bool DirectoryExists(const std::string& path) {
    struct stat st;
    return StatPath(path, st) && S_ISDIR(st.st_mode);
}

bool IsReadOnly(const std::string& path) {
    struct stat st;
    return StatPath(path, st) && (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
}

bool ClearAttributes(const std::string& path) {
    struct stat st;
    if (!StatPath(path, st)) return false;
    return ::chmod(path.c_str(), (st.st_mode & 07777) | S_IWUSR) == 0;
}

bool RemoveFile(const std::string& path) { return ::unlink(path.c_str()) == 0; }

std::function<void(const std::string& step, const std::string& path)> FileStepObserver;

bool FlushFileToDisk(const std::string& path) {
    if (FileStepObserver) FileStepObserver("flush", path);
    const int fd = ::open(path.c_str(), O_RDONLY);
    if (fd < 0) return false;
    const bool flushed = ::fsync(fd) == 0;
    ::close(fd);
    return flushed;
}

bool ReplaceFileWith(const std::string& target, const std::string& source) {
    if (FileStepObserver) FileStepObserver("replace", target);
    return std::rename(source.c_str(), target.c_str()) == 0;
}

std::string UniqueTempPathBeside(const std::string& path) {
    char suffix[16];
    for (int n = 0; n < 10000; ++n) {
        std::snprintf(suffix, sizeof suffix, ".~tmp%04d", n);
        const std::string candidate = path + suffix;
        struct stat st;
        if (::lstat(candidate.c_str(), &st) != 0 && errno == ENOENT) return candidate;
    }
    return std::string();
}

std::string ExecutablePath() {
    std::vector<char> buffer(4096);
    for (;;) {
        const ssize_t n = ::readlink("/proc/self/exe", buffer.data(), buffer.size());
        if (n < 0) return std::string();
        if (static_cast<size_t>(n) < buffer.size()) return std::string(buffer.data(), static_cast<size_t>(n));
        buffer.resize(buffer.size() * 2);
    }
}

void ProcessPendingMessages() {}

void SleepMs(int ms) {
    if (ms > 0) std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

}  // namespace forms
