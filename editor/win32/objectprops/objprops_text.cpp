// The text panel of the placed-object properties dialog: the rich text
// edited in place with its formatting toolbar. Formatting works on the
// selection, or on all text when nothing is selected (the caret then goes
// back to the start).
#include <windows.h>

#include "EditorResources.h"
#include "editor/logic/TextFormatRules.h"
#include "editor/win32/common/EditorHelp.h"
#include "editor/win32/objectprops/objprops.h"
#include "forms/win32/ComboBox.h"
#include "forms/win32/Label.h"
#include "forms/win32/Button.h"
#include "forms/win32/Panel.h"
#include "forms/win32/RichEdit.h"
#include "forms/win32/Screen.h"
#include "forms/win32/ScrollBar.h"
#include "forms/win32/ToolBar.h"
#include "forms/win32/ToolButton.h"

namespace glyph = editor_resources::ObjPropsGlyph;

const char* const kTypeHereRTF =
    "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang3081{\\fonttbl{\\f0\\fnil\\fcharset0 Arial;}{\\f1\\fnil Segoe UI;}}"
    "{\\colortbl ;\\red0\\green0\\blue0;}\\viewkind4\\uc1\\pard\\cf1\\fs20 Type Here...\\f1 \\par }";

namespace {

constexpr forms::FontStyles kStyleBits[3] = {forms::fsBold, forms::fsItalic, forms::fsUnderline};
const forms::Alignment kAlignments[3] = {forms::Alignment::Left, forms::Alignment::Center, forms::Alignment::Right};

}  // namespace

void TForm2::CreateTextPanel() {
    pnlProp01 = NewPanel("pnlProp01");
    ToolBar4 = NewToolBar(pnlProp01, "ToolBar4");
    cmbTB000 = new forms::ComboBox(this, ToolBar4, forms::ComboStyle::DropDown);
    cmbTB000->SetName("cmbTB000");
    cmbTB000->SetHint("Font");
    cmbTB000->SetItems(forms::ScreenFonts());
    cmbTB000->OnChange = [this](forms::Component&) {
        ApplyToSelection([this](forms::RichEdit& e) { e.SetSelectionFontName(cmbTB000->Text()); }, true);
    };
    NewToolControl(ToolBar4, cmbTB000, 150);
    cmbTB001 = new forms::ComboBox(this, ToolBar4, forms::ComboStyle::DropDown);
    cmbTB001->SetName("cmbTB001");
    cmbTB001->SetHint("Font Size");
    for (int size = 4; size <= 144; ++size) cmbTB001->AddItem(std::to_string(size));
    cmbTB001->OnChange = [this](forms::Component&) {
        const std::optional<int> size = editor::ParseFontSize(cmbTB001->Text());
        if (!size) return;
        ApplyToSelection([points = *size](forms::RichEdit& e) { e.SetSelectionSize(points); }, true);
    };
    NewToolControl(ToolBar4, cmbTB001, 50);
    NewToolButton(ToolBar4, "", -1, "", nullptr);
    ToolButton27 = NewToolButton(ToolBar4, "ToolButton27", glyph::TextColor, "Text Color", [this] {
        const POINT at = UnderButton(*ToolBar4, 3);
        RequestColor(ClrTargetObjText, RichEdit1->SelectionFormat().color, *this, at.x, at.y);
    });
    ToolButton27->SetStyle(forms::ToolButtonStyle::DropDown);  // its arrow does the same
    NewToolButton(ToolBar4, "", -1, "", nullptr);
    const char* styleNames[3] = {"ToolButton29", "ToolButton30", "ToolButton31"};
    const char* styleHints[3] = {"Bold", "Italic", "Underline"};
    const int styleGlyphs[3] = {glyph::Bold, glyph::Italic, glyph::Underline};
    for (int i = 0; i < 3; ++i) {
        StyleButtons[static_cast<size_t>(i)] =
            NewToolButton(ToolBar4, styleNames[i], styleGlyphs[i], styleHints[i], [this, i] { ToolButton29Click(i); });
        StyleButtons[static_cast<size_t>(i)]->SetStyle(forms::ToolButtonStyle::Check);
    }
    NewToolButton(ToolBar4, "", -1, "", nullptr);
    const char* alignNames[3] = {"ToolButton33", "ToolButton34", "ToolButton35"};
    const char* alignHints[3] = {"Align Left", "Center", "Align Right"};
    const int alignGlyphs[3] = {glyph::AlignLeft, glyph::AlignCenter, glyph::AlignRight};
    const int alignCodes[3] = {0, 2, 1};
    for (int i = 0; i < 3; ++i) {
        AlignButtons[static_cast<size_t>(i)] = NewToolButton(ToolBar4, alignNames[i], alignGlyphs[i], alignHints[i],
                                                             [this, i, alignCodes] { SetAccAlignment(alignCodes[i]); });
        AlignButtons[static_cast<size_t>(i)]->SetStyle(forms::ToolButtonStyle::CheckGroup);
    }
    NewToolButton(ToolBar4, "", -1, "", nullptr);
    NewToolButton(ToolBar4, "ToolButton20", glyph::SelectAll, "Select All Text", [this] {
        RichEdit1->SetFocus();
        RichEdit1->SelectAll();
    });
    NewToolButton(ToolBar4, "ToolButton41", glyph::Help, "Help Topics", [] { ShowHelpPage("shapesetc"); });

    auto* panel1 = new forms::Panel(this, pnlProp01);
    panel1->SetName("Panel1");
    panel1->SetBevelOuter(forms::PanelBevel::Lowered);
    panel1->SetBounds(4, 40, 596, 290);
    RichEdit1 = new forms::RichEdit(this, panel1);
    RichEdit1->SetName("RichEdit1");
    RichEdit1->SetBorder(false);
    RichEdit1->SetBounds(0, 0, 250, 100);
    RichEdit1->OnSelectionChange = [this](forms::Component&) { SetFormatStates(); };
    RichEdit1->OnMouseDown = [this](forms::Control&, forms::MouseButton button, forms::ShiftState, int x, int y) {
        if (button != forms::MouseButton::Right) return;
        const POINT at = RichEdit1->ClientToScreen(POINT{x, y});
        RequestColor(ClrTargetObjBack, RichEdit1->BackgroundColor(), *this, at.x, at.y);
    };
    RichEdit2 = new forms::RichEdit(this, pnlProp01);
    RichEdit2->SetName("RichEdit2");
    RichEdit2->SetVisible(false);
    Label9 = new forms::Label(this, pnlProp01);
    Label9->SetName("Label9");
    Label9->SetAutoSize(false);
    Label9->SetWordWrap(true);
    Label9->SetBounds(4, 334, 596, 40);
    Label9->SetCaption(
        "The background color has been set to the average color of the relevant section of the menu. Alternatively "
        "you can right-click on the area to set the color manually. The background color is used for the preview "
        "only.");
    // Reached only with the Tab key: puts the starting text back.
    Button5 = new forms::Button(this, pnlProp01);
    Button5->SetName("Button5");
    Button5->SetCaption("Put");
    Button5->SetBounds(8, 44, 40, 20);
    Button5->SetTabStop(true);
    Button5->SendToBack();
    Button5->OnClick = [this](forms::Component&) { Button5Click(); };
    panel1->BringToFront();
    AddSizeBars(pnlProp01, 4, 3);
}

void TForm2::ApplyToSelection(const std::function<void(forms::RichEdit&)>& apply, bool busy) {
    if (RichEdit1->SelLength() > 0) {
        apply(*RichEdit1);
        return;
    }
    if (busy) SelectAllBusy = 1;
    RichEdit1->SelectAll();
    apply(*RichEdit1);
    RichEdit1->SetSelection(0, 0);
    if (busy) SelectAllBusy = 0;
}

void TForm2::SetFormatStates() {
    if (SelectAllBusy == 1 || RichEdit1->SelLength() == 0) return;
    const forms::CharFormat format = RichEdit1->SelectionFormat();
    const int font = cmbTB000->IndexOf(format.fontName);
    if (font >= 0) cmbTB000->SetItemIndex(font);
    cmbTB001->SetText(std::to_string(format.size));
    for (int i = 0; i < 3; ++i) StyleButtons[static_cast<size_t>(i)]->SetDown((format.style & kStyleBits[i]) != 0);
    const forms::Alignment alignment = RichEdit1->SelectionAlignment();
    for (int i = 0; i < 3; ++i) AlignButtons[static_cast<size_t>(i)]->SetDown(kAlignments[i] == alignment);
    SetBoxColor(format.color, 1);
}

void TForm2::ToolButton29Click(int bit) {
    const bool down = StyleButtons[static_cast<size_t>(bit)]->Down();
    ApplyToSelection(
        [bit, down](forms::RichEdit& e) {
            forms::FontStyles style = e.SelectionFormat().style;
            style = down ? (style | kStyleBits[bit]) : (style & ~kStyleBits[bit]);
            e.SetSelectionStyle(style);
        },
        true);
}

void TForm2::SetAccAlignment(int alignment) {
    const int button = alignment == 0 ? 0 : alignment == 2 ? 1 : 2;
    RichEdit1->SetSelectionAlignment(kAlignments[button]);
    AlignButtons[static_cast<size_t>(button)]->SetDown(true);
}

void TForm2::UpdateColor() {
    const forms::Color colour = CurClr;
    ApplyToSelection([colour](forms::RichEdit& e) { e.SetSelectionColor(colour); }, false);
    SetBoxColor(colour, 1);
}

void TForm2::UpdateColorBack() { RichEdit1->SetBackgroundColor(CurClr); }

void TForm2::Button5Click() {
    RichEdit1->SetRTF(kTypeHereRTF);
    RichEdit1->SetVisible(true);
    RichEdit1->SetBounds(20, 20, 200, 200);
}
