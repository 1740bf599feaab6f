#include "forms/portable/BmpFile.h"

#include "forms/portable/Stream.h"

namespace forms {

namespace {

void Put16(std::vector<uint8_t>& out, uint32_t v) {
    out.push_back(static_cast<uint8_t>(v));
    out.push_back(static_cast<uint8_t>(v >> 8));
}
void Put32(std::vector<uint8_t>& out, uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

}  // namespace

std::vector<uint8_t> EncodeBmp(const Bitmap& picture) {
    std::vector<uint8_t> out;
    if (picture.Empty()) return out;
    const uint32_t w = static_cast<uint32_t>(picture.Width());
    const uint32_t h = static_cast<uint32_t>(picture.Height());
    const uint32_t stride = (w * 3 + 3) & ~3u;
    const uint32_t body = stride * h;
    constexpr uint32_t kHeaders = 14 + 40;
    out.reserve(kHeaders + body);
    out.push_back('B');
    out.push_back('M');
    Put32(out, kHeaders + body);
    Put32(out, 0);
    Put32(out, kHeaders);
    Put32(out, 40);
    Put32(out, w);
    Put32(out, h);
    Put16(out, 1);
    Put16(out, 24);
    Put32(out, 0);
    Put32(out, body);
    Put32(out, 2835);
    Put32(out, 2835);
    Put32(out, 0);
    Put32(out, 0);
    for (int y = picture.Height() - 1; y >= 0; --y) {
        const uint32_t* row = picture.ScanLine(y);
        for (uint32_t x = 0; x < w; ++x) {
            out.push_back(static_cast<uint8_t>(row[x]));
            out.push_back(static_cast<uint8_t>(row[x] >> 8));
            out.push_back(static_cast<uint8_t>(row[x] >> 16));
        }
        for (uint32_t pad = w * 3; pad < stride; ++pad) out.push_back(0);
    }
    return out;
}

bool SaveBmpFile(const Bitmap& picture, const std::string& path) {
    const std::vector<uint8_t> bytes = EncodeBmp(picture);
    return !bytes.empty() && WriteWholeFile(path, bytes.data(), bytes.size());
}

}  // namespace forms
