// Packs as the builder writes them, for the pack readers' tests.
#pragma once
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace packtest {

inline void PutInt(std::vector<uint8_t>& b, size_t at, int32_t v) {
    if (at == b.size()) b.resize(at + 4);
    for (int i = 0; i < 4; ++i) b[at + i] = static_cast<uint8_t>(static_cast<uint32_t>(v) >> (8 * i));
}

// An executable laid out as the builder writes it: a 100-byte image, "FPAK",
// 2 0 0, an empty type-5 field, a type-1 field, the count, the entries, the
// files' data, and the trailer P + 1.
inline std::vector<uint8_t> BuildPack(const std::vector<std::pair<std::string, std::string>>& files,
                                      int count = -1) {
    std::vector<uint8_t> b(100, 0xCC);
    const std::string head("FPAK\x02\0\0\x05\0\0\0\0\x01\x01\0\0\0\0", 18);
    b.insert(b.end(), head.begin(), head.end());
    b.push_back(static_cast<uint8_t>(count < 0 ? files.size() : count));
    for (const auto& f : files) {
        std::string name = f.first;
        name.resize(256, ' ');
        b.insert(b.end(), name.begin(), name.end());
        PutInt(b, b.size(), 99999);
    }
    for (size_t i = 0; i < files.size(); ++i) {
        PutInt(b, 119 + 260 * i + 256, static_cast<int32_t>(b.size() + 1));
        b.insert(b.end(), files[i].second.begin(), files[i].second.end());
    }
    PutInt(b, b.size(), 101);
    return b;
}

}  // namespace packtest
