#include "editor/win32/colors/frmShadowSet.h"

#include <algorithm>
#include <string>

#include "editor/win32/common/ControlNames.h"
#include "forms/portable/Bitmap.h"
#include "forms/win32/Application.h"
#include "forms/win32/Bevel.h"
#include "forms/win32/Image.h"
#include "forms/win32/Label.h"
#include "forms/win32/Shape.h"

namespace {

constexpr int kNone = 6;
constexpr int kSample = 24;
constexpr int kEntryStep = 36;
constexpr int kEntryTop = 26;

// A dark square with a grey shadow depth pixels down and right, on white.
forms::Bitmap ShadowSample(int depth) {
    forms::Bitmap sample(kSample, kSample, 0xFFFFFFFF);
    const auto square = [&sample](int left, int top, uint32_t pixel) {
        for (int y = top; y < top + 12; ++y) std::fill_n(sample.ScanLine(y) + left, 12, pixel);
    };
    square(3 + depth, 8 + depth, 0xFF909090);
    square(3, 8, 0xFF000080);
    return sample;
}

int EntryNumber(const forms::Component& sender) { return NameNumber(sender.Name()); }

}  // namespace

TfrmShadowSets::TfrmShadowSets(forms::Component* owner, int depth, std::function<void(int)> apply)
    : forms::Form(owner), depth_(depth), apply_(std::move(apply)) {
    SetName("frmShadowSets");
    SetBorderStyle(forms::BorderStyle::None);
    SetClientSize(6 + 5 * kEntryStep, kEntryTop + kSample + 8);

    // The selection box lies below the entries.
    Bevel2 = new forms::Bevel(this, this, forms::BevelShape::Box, forms::BevelStyle::Lowered);
    Bevel2->SetName("Bevel2");
    Shape1 = new forms::Shape(this, this);
    Shape1->SetName("Shape1");
    Shape1->SetBrushColor(forms::cl3DLight);
    Shape1->SetPenStyle(forms::PenStyle::Clear);

    const auto down = [this](forms::Component& s, forms::MouseButton, forms::ShiftState, int, int) {
        lbl001MouseDown(s);
    };
    const auto up = [this](forms::Component& s, forms::MouseButton, forms::ShiftState, int, int) {
        lbl001MouseUp(s);
    };
    const auto entry = [&](int n, const std::string& caption, int left, int top, int width, int height) {
        auto* label = new forms::Label(this, this);
        label->SetName(NumberedName("lbl", n));
        label->SetCaption(caption);
        label->SetTransparent(true);
        label->SetAutoSize(false);
        label->SetBounds(left, top, width, height);
        label->OnMouseDown = down;
        label->OnMouseUp = up;
        Entries[static_cast<size_t>(n)] = label;
        return label;
    };
    for (int n = 1; n <= 5; ++n) {
        const int left = 6 + (n - 1) * kEntryStep;
        auto* image = new forms::Image(this, this);
        image->SetName("Image" + std::to_string(n));
        image->SetBounds(left, kEntryTop, kSample, kSample);
        image->SetPicture(ShadowSample(n));
        Images[static_cast<size_t>(n)] = image;
        entry(n, std::to_string(n), left, kEntryTop, kSample, kSample)->SetAlignment(forms::Alignment::Right);
    }
    entry(kNone, "None", 6, 6, ClientWidth() - 14, 14);

    OnCreate = [this](forms::Component&) { FormCreate(); };
    OnDeactivate = [this](forms::Component&) { Release(); };
    OnClose = [](forms::Component&, forms::CloseAction& action) { action = forms::CloseAction::Free; };
}

void TfrmShadowSets::FormCreate() {
    if (depth_ == 0)
        SetSelBox(kNone);
    else if (depth_ >= 1 && depth_ <= 5)
        SetSelBox(depth_);
    else {
        Shape1->SetVisible(false);
        Bevel2->SetVisible(false);
    }
}

void TfrmShadowSets::SetSelBox(int n) {
    if (n < 1 || n > kNone) return;
    const forms::Label& label = *Entries[static_cast<size_t>(n)];
    const int grow = n == kNone ? 5 : 9;
    const int left = label.Left() - 2;
    const int top = label.Top() - 2;
    const int width = label.Width() + grow;
    const int height = label.Height() + grow;
    Bevel2->SetBounds(left - 1, top - 1, width + 2, height + 2);
    Shape1->SetBounds(left, top, width, height);
    Bevel2->SetVisible(true);
    Shape1->SetVisible(true);
}

void TfrmShadowSets::lbl001MouseDown(forms::Component& sender) { SetSelBox(EntryNumber(sender)); }

void TfrmShadowSets::lbl001MouseUp(forms::Component& sender) {
    const int n = EntryNumber(sender);
    if (n < 1 || n > kNone) return;
    if (apply_) apply_(n == kNone ? 0 : n);
    forms::Application().ProcessMessages();
    Release();
}
