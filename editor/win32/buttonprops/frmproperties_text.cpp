// The Button Properties dialog's one rich edit, which serves two texts: the
// text button's caption (mode 2, in the sample panel at the button's size)
// and the accessory text (mode 1, in the Description panel). The formatting
// bar acts on its selection; colours come back through colour requests.
#include <windows.h>

#include <algorithm>

#include "editor/logic/TextFormatRules.h"
#include "editor/win32/common/DialogControls.h"
#include "editor/win32/buttonprops/frmproperties.h"
#include "forms/win32/ComboBox.h"
#include "forms/win32/ImageList.h"
#include "forms/win32/Panel.h"
#include "forms/win32/RichEdit.h"
#include "forms/win32/Screen.h"
#include "forms/win32/ScrollBar.h"
#include "forms/win32/ToolBar.h"
#include "forms/win32/ToolButton.h"
#include "shared/TarvikUtils.h"

namespace {

// Holds a busy flag set for the lifetime of the guard.
struct BusyGuard {
    uint8_t& flag;
    explicit BusyGuard(uint8_t& f) : flag(f) { flag = 1; }
    ~BusyGuard() { flag = 0; }
};

// Black text on white, white text on black: the preview background that
// keeps a text colour readable.
forms::Color ReadableBackground(forms::Color colour) {
    const double r = colour & 0xFF;
    const double g = (colour >> 8) & 0xFF;
    const double b = (colour >> 16) & 0xFF;
    const double luminance = (0.212671 * r + 0.71516 * g + 0.072169 * b) / 255.0;
    return luminance >= 0.5 ? 0x000000 : 0xFFFFFF;
}

}  // namespace

void TfrmPropertiesCls::SetRTFUse(int mode) {
    if (mode == RTFMode_) return;
    {
        BusyGuard busy(Busy_);
        RTFMode_ = mode;
        if (mode == 2) {
            REProp1->SetParent(Panel7);
            REProp1->SetBounds(8, 8, ScrollBar1->Position(), ScrollBar2->Position());
            REProp1->SetRTF(CaptionRTF_);
        } else {
            REProp1->SetParent(Panel10);
            REProp1->SetBounds(4, 4, 537, 241);
            REProp1->SetRTF(AccRTF_);
        }
    }
    // With the busy flag clear, the formatting bar follows the caret.
    REProp1->SetSelection(0, 0);
    PropSetFormatStates();
}

void TfrmPropertiesCls::REProp1Change() {
    if (Busy_) return;
    (RTFMode_ == 2 ? CaptionRTF_ : AccRTF_) = REProp1->RTF();
}

void TfrmPropertiesCls::PropSetFormatStates() {
    if (Busy_) return;
    BusyGuard busy(Busy_);
    const forms::CharFormat format = REProp1->SelectionFormat();
    ShowFontName(*cmbTB000, format.fontName);
    cmbTB001->SetText(std::to_string(format.size));
    BoldButton->SetDown((format.style & forms::fsBold) != 0);
    ItalicButton->SetDown((format.style & forms::fsItalic) != 0);
    UnderlineButton->SetDown((format.style & forms::fsUnderline) != 0);
    const forms::Alignment alignment = REProp1->SelectionAlignment();
    AlignButton[0]->SetDown(alignment == forms::Alignment::Left);
    AlignButton[1]->SetDown(alignment == forms::Alignment::Center);
    AlignButton[2]->SetDown(alignment == forms::Alignment::Right);
    SetBoxColor(format.color, 1);
}

void TfrmPropertiesCls::FormatSelection(const std::function<void()>& apply) {
    const bool whole = REProp1->SelLength() == 0;
    if (whole) REProp1->SelectAll();
    apply();
    if (whole) REProp1->SetSelection(0, 0);
    // The stored text follows every formatting command.
    REProp1Change();
}

void TfrmPropertiesCls::StyleClick(forms::ToolButton* button, unsigned bit) {
    FormatSelection([this, button, bit] {
        forms::FontStyles style = REProp1->SelectionFormat().style;
        style = button->Down() ? (style | bit) : (style & ~bit);
        REProp1->SetSelectionStyle(style);
    });
}

void TfrmPropertiesCls::FontBoxChange(bool size) {
    if (Busy_) return;
    const std::string name = cmbTB000->Item(cmbTB000->ItemIndex());
    const std::optional<int> points = editor::ParseFontSize(cmbTB001->Text());
    if (size && !points) {
        // No size: a beep, and the box shows the selection's size again.
        forms::Beep();
        PropSetFormatStates();
        return;
    }
    if (!size && name.empty()) return;
    {
        // The boxes keep what they show while the whole text is selected.
        BusyGuard busy(Busy_);
        FormatSelection([this, size, &name, &points] {
            if (size)
                REProp1->SetSelectionSize(*points);
            else
                REProp1->SetSelectionFontName(name);
        });
    }
    REProp1Change();
}

void TfrmPropertiesCls::SetAccAlignment(int alignment) {
    const forms::Alignment value = alignment == 1   ? forms::Alignment::Right
                                   : alignment == 2 ? forms::Alignment::Center
                                                    : forms::Alignment::Left;
    FormatSelection([this, value] { REProp1->SetSelectionAlignment(value); });
    AlignButton[0]->SetDown(alignment == 0);
    AlignButton[1]->SetDown(alignment == 2);
    AlignButton[2]->SetDown(alignment == 1);
}

void TfrmPropertiesCls::SetBoxColor(forms::Color colour, int which) {
    if (which != 1 || !Glyphs_) return;
    const forms::Color mask = static_cast<forms::Color>(editor::ColorBarMask(colour & 0xFFFFFF));
    forms::Bitmap cell = Glyphs_->GetBitmap(TextColorGlyph_, mask);
    if (cell.Width() < 16 || cell.Height() < 16) return;
    // A pixel holds red in its third byte where a colour holds it in its first.
    const uint32_t pixel = 0xFF000000u | ((colour & 0xFFu) << 16) | (colour & 0xFF00u) | ((colour >> 16) & 0xFFu);
    for (int y = 12; y < 16; ++y) std::fill_n(cell.ScanLine(y), 16, pixel);
    Glyphs_->ReplaceMasked(TextColorGlyph_, cell, mask);
    ToolBar4->Invalidate();
}

void TfrmPropertiesCls::AskColor(int32_t target, forms::Color start, int x, int y) {
    RequestColor(target, start, *this, x, y);
}

void TfrmPropertiesCls::ColorDelivered(int32_t target) {
    if (target == ClrTargetBtnText) UpdateColor();
    else if (target == ClrTargetBtnBack) UpdateColorBackBtn();
    else if (target == ClrTargetAccBack) UpdateColorBackAcc();
}

void TfrmPropertiesCls::UpdateColor() {
    const forms::Color colour = CurClr;
    FormatSelection([this, colour] { REProp1->SetSelectionColor(colour); });
    SetBoxColor(colour, 1);
    if (!ManualBack_) REProp1->SetBackgroundColor(ReadableBackground(colour));
}

void TfrmPropertiesCls::UpdateColorBackBtn() {
    REProp1->SetBackgroundColor(CurClr);
    ManualBack_ = 1;
}

void TfrmPropertiesCls::UpdateColorBackAcc() { REProp1->SetBackgroundColor(CurClr); }
