#include "editor/logic/TextFormatRules.h"

#include <algorithm>

#include "shared/TarvikUtils.h"

namespace editor {

TextStepResult StepAccessoryText(int current, const std::vector<int32_t>& kinds, TextStep step) {
    const int count = kinds.empty() ? 0 : static_cast<int>(kinds.size()) - 1;
    TextStepResult result{current, false};
    for (int tries = 0; tries < 200; ++tries) {
        if (step == TextStep::Previous) {
            if (--result.Text < 0) {
                result.Text = count;
                result.Beep = true;
            }
        } else if (++result.Text > count) {
            result.Text = 0;
            result.Beep = true;
        }
        if (result.Text == 0 || kinds[static_cast<size_t>(result.Text)] < 3) break;
    }
    return result;
}

std::optional<int> ParseFontSize(const std::string& text) {
    int32_t value = 0;
    if (!ReadNumeric(text.substr(0, text.find_last_not_of(' ') + 1), value) || value < 1 || value > kMaxFontSize)
        return std::nullopt;
    return value;
}

int FontRowOf(const std::vector<std::string>& items, const std::string& name, int rows) {
    const int limit = std::min(rows, static_cast<int>(items.size()));
    for (int i = 0; i < limit; ++i)
        if (items[static_cast<size_t>(i)] == name) return i;
    return -1;
}

int FontRowToApply(int pickedRow) { return pickedRow == kFontSeparatorRow ? 0 : pickedRow; }

std::string CaptionWithoutAccel(const std::string& caption) {
    std::string out;
    for (char c : caption)
        if (c != '&') out += c;
    return out;
}

uint32_t StyleWithBit(uint32_t style, uint32_t bit, bool down) { return down ? (style | bit) : (style & ~bit); }

uint32_t ColorBarMask(uint32_t colour) { return colour == 0x00FF00 ? 0xFF00FF : 0x00FF00; }

}  // namespace editor
