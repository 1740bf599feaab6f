#include "editor/logic/ObjPropsRules.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace editor {

const char* const kBadObjectSizeText =
    "The width and the height must be whole numbers from 1 to 4000.";

bool ObjectSizeValid(int64_t width, int64_t height) {
    return width >= 1 && height >= 1 && width <= kMaxObjectSide && height <= kMaxObjectSide;
}

bool ParseSizeText(const std::string& text, int32_t& value) {
    const bool signed_ = !text.empty() && (text[0] == '-' || text[0] == '+');
    const bool negative = signed_ && text[0] == '-';
    size_t i = signed_ ? 1 : 0;
    if (i >= text.size()) return false;
    int64_t n = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9') return false;
        n = n * 10 + (text[i] - '0');
        if (n > INT32_MAX) return false;
    }
    value = static_cast<int32_t>(negative ? -n : n);
    return true;
}

int32_t AspectSide(int32_t pictureThis, int32_t pictureOther, int32_t value) {
    if (pictureThis <= 0 || pictureOther <= 0) return value;
    const double side = static_cast<double>(pictureOther) / pictureThis * value;
    return static_cast<int32_t>(std::clamp(std::nearbyint(side), -2147483648.0, 2147483647.0));
}

PictureSize LoadedPictureSize(int32_t width, int32_t height) {
    const int32_t longer = std::max(width, height);
    if (longer <= kLoadedPictureMaxSide) return {width, height};
    auto scaled = [longer](int32_t side) {
        const double v = std::nearbyint(static_cast<double>(side) * kLoadedPictureMaxSide / longer);
        return std::max<int32_t>(1, static_cast<int32_t>(v));
    };
    return {scaled(width), scaled(height)};
}

}  // namespace editor
