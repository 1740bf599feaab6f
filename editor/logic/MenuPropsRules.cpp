#include "editor/logic/MenuPropsRules.h"

#include "shared/TarvikUtils.h"

namespace editor {

namespace {

const char* const kPositionTexts[kScreenPositionCount] = {
    "Middle of Screen",  "Top Left Corner",     "Top Right Corner",   "Bottom Left Corner",
    "Bottom Right Corner", "Middle Top Left",   "Middle Top Right",   "Middle Bottom Left",
    "Middle Bottom Right", "Upper Middle Left", "Upper Middle Right",
};

// The player's placement of a 14 x 14 window on a 176 x 120 screen.
const SpotPos kSpots[kScreenPositionCount] = {
    {81, 53}, {0, 0}, {162, 0}, {0, 106}, {162, 106}, {37, 23}, {125, 23}, {37, 83}, {125, 83}, {54, 23}, {97, 23},
};

}  // namespace

const char* ScreenPositionText(int position) {
    if (position < 0 || position >= kScreenPositionCount) position = 0;
    return kPositionTexts[position];
}

SpotPos PositionSpot(int position) {
    if (position < 0 || position >= kScreenPositionCount) position = 0;
    return kSpots[position];
}

std::string BackImageSaveName(const std::string& chosen) {
    const size_t n = chosen.size();
    if (n >= 4 && chosen.compare(n - 4, 4, ".bmp") == 0) return chosen;
    const size_t slash = chosen.find_last_of("\\/:");
    const size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    const size_t dot = chosen.find('.', nameStart);
    return (dot == std::string::npos ? chosen : chosen.substr(0, dot)) + ".bmp";
}

std::optional<int32_t> ParseAnimationRate(const std::string& text) {
    int32_t value = 0;
    if (!ReadNumeric(text.substr(0, text.find_last_not_of(' ') + 1), value) || value < 1) return std::nullopt;
    return value;
}

uint32_t TextBoxBackFor(uint32_t colour) {
    const double r = colour & 0xFF;
    const double g = (colour >> 8) & 0xFF;
    const double b = (colour >> 16) & 0xFF;
    const double luminance = (0.212671 * r + 0.71516 * g + 0.072169 * b) / 255.0;
    return luminance >= 0.5 ? 0x000000u : 0xFFFFFFu;
}

PreviewRect FitPreview(int w, int h, int pw, int ph) {
    PreviewRect r;
    if (w <= 0 || h <= 0 || pw <= 0 || ph <= 0) return r;
    if (w < pw && h < ph) {
        r.Width = w;
        r.Height = h;
    } else if (static_cast<double>(h) / ph >= static_cast<double>(w) / pw) {
        r.Height = ph;
        r.Width = static_cast<int>(static_cast<double>(ph) / h * w);
    } else {
        r.Width = pw;
        r.Height = static_cast<int>(static_cast<double>(pw) / w * h);
    }
    r.Left = (pw - r.Width) / 2;
    r.Top = (ph - r.Height) / 2;
    return r;
}

}  // namespace editor
