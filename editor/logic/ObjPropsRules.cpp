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
