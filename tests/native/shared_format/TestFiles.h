// Helpers for the menu-file tests: a temporary folder, whole-file access and
// a menu file object whose stream can be a memory stream.
#pragma once
#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "forms/portable/Stream.h"
#include "shared/mdlfilebin.h"
#include "tests/support/FakeDialogs.h"

namespace qvtest {

using Bytes = std::vector<uint8_t>;

inline Bytes ReadAll(const std::string& path) {
    Bytes out;
    forms::ReadWholeFile(path, out);
    return out;
}

inline void WriteAll(const std::string& path, const Bytes& bytes) {
    ASSERT_TRUE(forms::WriteWholeFile(path, bytes.data(), bytes.size()));
}

inline Bytes Le32(int32_t v) {
    const uint32_t u = static_cast<uint32_t>(v);
    return {static_cast<uint8_t>(u), static_cast<uint8_t>(u >> 8), static_cast<uint8_t>(u >> 16),
            static_cast<uint8_t>(u >> 24)};
}

inline int32_t Le32At(const Bytes& b, size_t at) {
    return static_cast<int32_t>(b[at] | b[at + 1] << 8 | b[at + 2] << 16 |
                                static_cast<uint32_t>(b[at + 3]) << 24);
}

inline Bytes Cat(std::initializer_list<Bytes> parts) {
    Bytes out;
    for (const Bytes& p : parts) out.insert(out.end(), p.begin(), p.end());
    return out;
}

// Files of the folder, for checking that no temporary file was left behind.
inline std::vector<std::string> FilesIn(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(folder)) {
        names.push_back(e.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

// Each test starts with a new menu file object, fresh fakes and its own
// empty folder (with a trailing separator), removed afterwards.
class MenuFileTest : public ::testing::Test {
protected:
    // Installs a memory stream holding bytes as the file's stream.
    forms::MemoryStream* UseMemory(Bytes bytes = {}) {
        auto stream = std::make_unique<forms::MemoryStream>(std::move(bytes));
        forms::MemoryStream* raw = stream.get();
        mnu.SetMnuStream(std::move(stream));
        return raw;
    }

    void SetUp() override {
        qvfake::ResetDialogs();
        qvfake::ResetVersionInfo();
        DlgCaption = "Autorun Quorvel Menu Editor";
        std::string pattern =
            (std::filesystem::temp_directory_path() / "qvfmtXXXXXX").string();
        ASSERT_NE(mkdtemp(&pattern[0]), nullptr);
        folder_ = pattern + "/";
    }
    void TearDown() override {
        mnu.CloseMnuFile();
        std::error_code ec;
        std::filesystem::permissions(folder_, std::filesystem::perms::owner_all, ec);
        std::filesystem::remove_all(folder_, ec);
    }
    std::string folder_;
    TMenuFile mnu{qvfake::Host()};
};

}  // namespace qvtest
