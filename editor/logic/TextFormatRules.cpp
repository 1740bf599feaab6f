#include "editor/logic/TextFormatRules.h"

#include <algorithm>
#include <cctype>

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

int TypedFontRow(const std::vector<std::string>& items, const std::string& typed) {
    const size_t first = typed.find_first_not_of(' ');
    if (first == std::string::npos) return -1;
    const std::string name = typed.substr(first, typed.find_last_not_of(' ') - first + 1);
    const int exact = FontRowOf(items, name, static_cast<int>(items.size()));
    if (exact >= 0) return exact;
    const auto sameLetters = [&name](const std::string& item) {
        return std::equal(item.begin(), item.end(), name.begin(), name.end(), [](char a, char b) {
            return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
        });
    };
    const auto found = std::find_if(items.begin(), items.end(), sameLetters);
    return found == items.end() ? -1 : static_cast<int>(found - items.begin());
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
