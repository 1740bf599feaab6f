#include "editor/logic/ButtonFrames.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "shared/TarvikUtils.h"

namespace editor {

namespace {

constexpr int kLastFrameSlot = kMaxFrame;  // 100: slot 101 stays empty
constexpr int kPickedPictureLimit = 800;

const char* const kStateWord[3] = {"up", "active", "down"};
const char kStateLetter[3] = {'u', 'a', 'd'};

int RoundHalfEven(double value) { return static_cast<int>(std::nearbyint(value)); }

}  // namespace

bool HasFrame(const FrameRow& frames, int f) {
    return f >= 0 && f <= kLastFrameSlot && HasPic(frames[f]);
}

int FrameRunLength(const FrameRow& frames) {
    int n = 0;
    while (n <= kLastFrameSlot && HasPic(frames[n])) ++n;
    return n;
}

int LastFrame(const FrameRow& frames) {
    const int n = FrameRunLength(frames);
    return n > 0 ? n - 1 : 0;
}

FrameMove NextFrame(const FrameRow& frames, int& cur) {
    if (!HasFrame(frames, cur + 1)) return FrameMove::Refused;
    if (cur + 1 >= kLastFrameSlot) return FrameMove::FrameLimit;
    ++cur;
    return FrameMove::Moved;
}

FrameMove MakeRoomAfter(FrameRow& frames, int& cur) {
    if (cur <= 0 && !HasFrame(frames, 0)) {
        cur = 0;
        return FrameMove::Moved;
    }
    if (cur >= kLastFrameSlot) return FrameMove::FrameLimit;
    for (int n = kLastFrameSlot - 1; n >= cur; --n)
        if (frames[n]) frames[n + 1] = std::make_shared<forms::Bitmap>(*frames[n]);
    ++cur;
    return FrameMove::Moved;
}

FrameMove MoveFrameBack(FrameRow& frames, int& cur) {
    if (cur <= 0 || cur > kLastFrameSlot) return FrameMove::Refused;
    std::swap(frames[cur], frames[cur - 1]);
    --cur;
    return FrameMove::Moved;
}

FrameMove MoveFrameForward(FrameRow& frames, int& cur) {
    if (cur < 0 || !HasFrame(frames, cur + 1)) return FrameMove::Refused;
    std::swap(frames[cur], frames[cur + 1]);
    ++cur;
    return FrameMove::Moved;
}

void DeleteFrame(FrameRow& frames, int& cur) {
    if (cur < 0 || cur > kLastFrameSlot) return;
    if (HasFrame(frames, cur + 1)) {
        const int last = LastFrame(frames);
        for (int n = cur; n < last; ++n) frames[n] = std::move(frames[n + 1]);
        frames[last].reset();
        return;
    }
    frames[cur].reset();
    if (cur > 0) --cur;
}

AutoFillName SplitAutoFillName(const std::string& picked) {
    const size_t dot = picked.find('.');
    std::string stem = picked.substr(0, dot);
    if (!stem.empty()) stem.pop_back();
    return {stem, dot == std::string::npos ? std::string() : picked.substr(dot)};
}

std::string AutoFillDefault(const AutoFillName& name, char letter) { return name.Stem + letter + name.Ext; }

std::string AutoFillFrame(const AutoFillName& name, char letter, int n) {
    return name.Stem + letter + std::to_string(n) + name.Ext;
}

std::vector<AutoFillItem> PlanAutoFill(const std::string& picked,
                                       const std::function<bool(const std::string& name)>& exists) {
    const AutoFillName name = SplitAutoFillName(picked);
    std::vector<AutoFillItem> plan;
    const std::string up = AutoFillDefault(name, 'u');
    if (exists(up)) plan.push_back({Up, 0, up, false});
    else if (exists(picked)) plan.push_back({Up, 0, picked, true});
    for (int state : {Active, Down}) {
        const std::string file = AutoFillDefault(name, kStateLetter[state]);
        if (exists(file)) plan.push_back({state, 0, file, false});
    }
    for (int state : {Up, Active, Down}) {
        for (int n = 1; n <= kMaxFrame; ++n) {
            const std::string file = AutoFillFrame(name, kStateLetter[state], n);
            if (!exists(file)) break;
            plan.push_back({state, n, file, false});
        }
    }
    return plan;
}

std::string AutoFillReport(const std::string& picked, const std::vector<AutoFillItem>& plan, size_t loaded) {
    const AutoFillName name = SplitAutoFillName(picked);
    if (loaded > plan.size()) loaded = plan.size();
    const auto planned = [&](int state) -> const AutoFillItem* {
        for (const AutoFillItem& item : plan)
            if (item.State == state && item.Frame == 0) return &item;
        return nullptr;
    };
    const auto wasLoaded = [&](const AutoFillItem* item) {
        return item && static_cast<size_t>(item - plan.data()) < loaded;
    };
    std::string report;
    const AutoFillItem* up = planned(Up);
    if (wasLoaded(up)) {
        if (up->Selected)
            report += "Default up image not found: " + AutoFillDefault(name, 'u') + "\rLoaded -selected- up image: " +
                      up->Name + "\r";
        else
            report += "Loaded default up image: " + up->Name + "\r";
    }
    for (int state : {Active, Down}) {
        const AutoFillItem* item = planned(state);
        const std::string word = kStateWord[state];
        if (wasLoaded(item)) report += "Loaded default " + word + " image: " + item->Name + "\r";
        else if (!item) report += "Default " + word + " image not found: " + AutoFillDefault(name, kStateLetter[state]) + "\r";
    }
    report += "\r--- Looking for image animation frames ---\r";
    bool anyFrame = false;
    for (size_t i = 0; i < loaded; ++i) {
        const AutoFillItem& item = plan[i];
        if (item.Frame == 0) continue;
        anyFrame = true;
        report += "Loaded " + std::string(kStateWord[item.State]) + " animation frame " + std::to_string(item.Frame) +
                  ": " + item.Name + "\r";
    }
    if (!anyFrame) report += "(none found)";
    return report;
}

bool FitPickedPicture(int width, int height, int& outWidth, int& outHeight) {
    outWidth = width;
    outHeight = height;
    const int longer = std::max(width, height);
    if (longer <= kPickedPictureLimit) return false;
    const double f = static_cast<double>(kPickedPictureLimit) / longer;
    outWidth = std::max(1, RoundHalfEven(width * f));
    outHeight = std::max(1, RoundHalfEven(height * f));
    return true;
}

PreviewPlace PlacePreview(int width, int height, int panelWidth, int panelHeight) {
    PreviewPlace place;
    if (width <= 0 || height <= 0 || panelWidth <= 0 || panelHeight <= 0) return place;
    if (width < panelWidth && height < panelHeight) {
        place.Width = width;
        place.Height = height;
    } else if (static_cast<double>(height) / panelHeight >= static_cast<double>(width) / panelWidth) {
        place.Height = panelHeight;
        place.Width = std::max(1, static_cast<int>(static_cast<double>(panelHeight) / height * width));
    } else {
        place.Width = panelWidth;
        place.Height = std::max(1, static_cast<int>(static_cast<double>(panelWidth) / width * height));
    }
    place.Left = (panelWidth - place.Width) / 2;
    place.Top = (panelHeight - place.Height) / 2;
    return place;
}

bool ValidObjectSide(const std::string& text, int& value) {
    int32_t n = 0;
    if (!ReadNumeric(text.substr(0, text.find_last_not_of(' ') + 1), n) || n < 1 || n > kMaxObjectSide) return false;
    value = n;
    return true;
}

}  // namespace editor
