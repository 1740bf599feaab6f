// Text formatting and the in-place text box of the main window: the
// formatting toolbar and Format menu (font, size, bold, italic, underline,
// alignment), the colour bars of the colour buttons, the text box that steps
// through the menu's and the buttons' accessory texts, and rendering a text
// again when it changed.
//
// A font command formats the selected clock label, or else the selection of
// the in-place text box (all of its text when nothing is selected). The text
// box always stores its text into the text it was opened for (EditedAcc_ of
// document EditedAccMenu_), whatever is selected by then.
#include <algorithm>

#include "EditorResources.h"
#include "editor/win32/common/DialogControls.h"
#include "editor/logic/EditorTexts.h"
#include "editor/logic/TextFormatRules.h"
#include "editor/win32/common/EditorGlobals.h"
#include "editor/win32/common/FontBoxes.h"
#include "editor/win32/mainwindow/mdiform1.h"
#include "forms/win32/Application.h"
#include "forms/win32/Button.h"
#include "forms/win32/ComboBox.h"
#include "forms/win32/Command.h"
#include "forms/win32/Image.h"
#include "forms/win32/ImageList.h"
#include "forms/win32/Label.h"
#include "forms/win32/Menus.h"
#include "forms/win32/Panel.h"
#include "forms/win32/RichEdit.h"
#include "forms/win32/Screen.h"
#include "forms/win32/Shape.h"
#include "forms/win32/ToolBar.h"
#include "forms/win32/ToolButton.h"

namespace {

namespace glyph = editor_resources;

constexpr int kCloseButton = 65;
constexpr int kPreviousButton = 67;
constexpr int kNextButton = 68;

}  // namespace

// ---- wiring ----

void TMDIForm1Cls::WireTextCommands() {
    const std::pair<const char*, std::function<void()>> formatCommands[] = {
        {"cmdBold", [this] { ToolButton29Click(); }},
        {"cmdItalic", [this] { ToolButton30Click(); }},
        {"cmdUnderline", [this] { ToolButton31Click(); }},
        {"cmdAlignLeft", [this] { SetTextAlign(0); }},
        {"cmdAlignCenter", [this] { SetTextAlign(2); }},
        {"cmdAlignRight", [this] { SetTextAlign(1); }},
    };
    const std::pair<const char*, int> boxCommands[] = {
        {"cmdTextPrevious", kPreviousButton}, {"cmdTextNext", kNextButton}, {"cmdCloseTextBox", kCloseButton}};
    for (const auto& [name, run] : formatCommands) FmtCommands_.push_back(WireCommand(name, run));
    for (const auto& [name, button] : boxCommands) {
        const int which = button;
        WireCommand(name, [this, which] { ToolButton67Click(which); })->SetEnabled(true);
    }
    WireFontNameBox(*cmbTB000, [this] { cmbTB000Change(); }, [this] { return TargetFontName(); });
    WireFontSizeBox(*cmbTB001, [this] { cmbTB001Change(); });
    RichAccEdit->OnChange = [this](forms::Component&) { RichAccEditChange(); };
    RichAccEdit->OnSelectionChange = [this](forms::Component&) { RichAccEditSelectionChange(); };
    EnableFmtToolbar(0);
}

void TMDIForm1Cls::AddFormatMenuItems(forms::MenuItem* format) {
    forms::MenuItem* font = AddMenuItem(format, "Font1", "Font", nullptr);
    for (const char* name : editor::kPopularFonts)
        AddMenuItem(font, "", name, [this](forms::Component& s) { Arial1Click(s); });
    forms::MenuItem* size = AddMenuItem(format, "Size1", "Size", nullptr);
    for (const char* points : {"8", "10", "12", "14", "16", "18"})
        AddMenuItem(size, "", points, [this](forms::Component& s) { N81Click(s); });
    // The style and alignment items press their toolbar button, then run it.
    const auto toggle = [this](const char* command) {
        return [this, command](forms::Component&) {
            forms::Command* c = Cmd(command);
            if (!c->Enabled()) return;
            c->SetChecked(!c->Checked());
            c->Execute();
        };
    };
    const auto press = [this](const char* command) {
        return [this, command](forms::Component&) { Cmd(command)->Execute(); };
    };
    AddMenuItem(format, "Bold1", "Bold", toggle("cmdBold"));
    AddMenuItem(format, "Italic1", "Italic", toggle("cmdItalic"));
    AddMenuItem(format, "Underline1", "Underline", toggle("cmdUnderline"));
    AddMenuItem(format, "", "-", nullptr);
    AddMenuItem(format, "LeftAlign1", "Align Left", press("cmdAlignLeft"));
    AddMenuItem(format, "CenterAlign1", "Align Center", press("cmdAlignCenter"));
    AddMenuItem(format, "AlignRight1", "Align Right", press("cmdAlignRight"));
}

void TMDIForm1Cls::EnableFmtToolbar(uint8_t enabled) {
    cmbTB000->SetEnabled(enabled != 0);
    cmbTB001->SetEnabled(enabled != 0);
    for (forms::Command* command : FmtCommands_) command->SetEnabled(enabled != 0);
}

// ---- the formatting target ----

void TMDIForm1Cls::ApplyFontChange(const std::function<void(forms::RichEdit&)>& toText,
                                   const std::function<void(forms::Font&)>& toLabel) {
    if (!CurrentDoc()) return;
    PushUndo(1);
    ApplyToFormatTarget(toText, toLabel);
}

void TMDIForm1Cls::ApplyToFormatTarget(const std::function<void(forms::RichEdit&)>& toText,
                                       const std::function<void(forms::Font&)>& toLabel) {
    TMenuDocument* doc = CurrentDoc();
    if (!doc) return;
    if (doc->SelObject == kSelTimeLabel || doc->SelObject == kSelDateLabel) {
        FormatClockLabel(*doc, doc->SelObject == kSelTimeLabel, toLabel);
        return;
    }
    if (RichAccEdit->SelLength() > 0) {
        toText(*RichAccEdit);
        return;
    }
    // Nothing selected: the whole text, and the caret back at the start.
    SelectingAll_ = 1;
    RichAccEdit->SelectAll();
    toText(*RichAccEdit);
    RichAccEdit->SetSelection(0, 0);
    SelectingAll_ = 0;
}

void TMDIForm1Cls::ApplyStyleButton(const char* command, forms::FontStyles bit) {
    if (!CurrentDoc()) return;
    const bool down = Cmd(command)->Checked();
    ApplyFontChange(
        [bit, down](forms::RichEdit& edit) {
            edit.SetSelectionStyle(editor::StyleWithBit(edit.SelectionFormat().style, bit, down));
        },
        [bit, down](forms::Font& font) {
            if (bit == forms::fsBold) font.SetBold(down);
            if (bit == forms::fsItalic) font.SetItalic(down);
            if (bit == forms::fsUnderline) font.SetUnderline(down);
        });
}

void TMDIForm1Cls::ToolButton29Click() { ApplyStyleButton("cmdBold", forms::fsBold); }
void TMDIForm1Cls::ToolButton30Click() { ApplyStyleButton("cmdItalic", forms::fsItalic); }
void TMDIForm1Cls::ToolButton31Click() { ApplyStyleButton("cmdUnderline", forms::fsUnderline); }

void TMDIForm1Cls::cmbTB000Change() {
    if (!CurrentDoc() || cmbTB000->ItemIndex() < 0) return;
    const int row = editor::FontRowToApply(cmbTB000->ItemIndex());
    if (row != cmbTB000->ItemIndex()) {
        cmbTB000->SetItemIndex(row);
        forms::Application().ProcessMessages();
    }
    const std::string name = cmbTB000->Item(row);
    ApplyFontChange([&name](forms::RichEdit& edit) { edit.SetSelectionFontName(name); },
                    [&name](forms::Font& font) { font.SetName(name); });
}

void TMDIForm1Cls::Arial1Click(forms::Component& sender) {
    if (!CurrentDoc()) return;
    const std::string name = editor::CaptionWithoutAccel(static_cast<forms::MenuItem&>(sender).Caption());
    const int row = editor::FontRowOf(cmbTB000->Items(), name, editor::kPopularFontCount);
    if (row >= 0) cmbTB000->SetItemIndex(row);
    cmbTB000Change();
}

void TMDIForm1Cls::cmbTB001Change() {
    if (!CurrentDoc()) return;
    const std::optional<int> points = editor::ParseFontSize(cmbTB001->Text());
    if (!points) {
        EditorMsg("Please enter a whole number for the font size.", TMsgDlgType::mtError, TMsgDlgButtons::mbOK);
        return;
    }
    const int size = *points;
    ApplyFontChange([size](forms::RichEdit& edit) { edit.SetSelectionSize(size); },
                    [size](forms::Font& font) { font.SetSize(size); });
}

void TMDIForm1Cls::N81Click(forms::Component& sender) {
    if (!CurrentDoc()) return;
    const std::string caption = editor::CaptionWithoutAccel(static_cast<forms::MenuItem&>(sender).Caption());
    const std::optional<int> points = editor::ParseFontSize(caption);
    if (!points) return;
    cmbTB001->SetText(std::to_string(*points));
    cmbTB001Change();
}

void TMDIForm1Cls::SetTextAlign(uint8_t alignment) {
    if (!CurrentDoc()) return;
    const forms::Alignment value = alignment == 1   ? forms::Alignment::Right
                                   : alignment == 2 ? forms::Alignment::Center
                                                    : forms::Alignment::Left;
    RichAccEdit->SetSelectionAlignment(value);
    ShowAlignment(value);
}

void TMDIForm1Cls::ShowAlignment(forms::Alignment alignment) {
    Cmd("cmdAlignLeft")->SetChecked(alignment == forms::Alignment::Left);
    Cmd("cmdAlignCenter")->SetChecked(alignment == forms::Alignment::Center);
    Cmd("cmdAlignRight")->SetChecked(alignment == forms::Alignment::Right);
}

// ---- showing a format in the toolbar ----

void TMDIForm1Cls::ShowFontInBoxes(const std::string& name, int points) {
    ShowFontName(*cmbTB000, name);
    cmbTB001->SetText(std::to_string(points));
}

std::string TMDIForm1Cls::TargetFontName() {
    const TMenuDocument* doc = CurrentDoc();
    if (doc && doc->SelObject == kSelTimeLabel) return doc->TimeLabel->GetFont().Name();
    if (doc && doc->SelObject == kSelDateLabel) return doc->DateLabel->GetFont().Name();
    return RichAccEdit->SelectionFormat().fontName;
}

void TMDIForm1Cls::ShowFontFormat(const forms::Font& font) {
    if (!CurrentDoc()) return;
    ShowFontInBoxes(font.Name(), font.Size());
    Cmd("cmdBold")->SetChecked(font.Bold());
    Cmd("cmdItalic")->SetChecked(font.Italic());
    Cmd("cmdUnderline")->SetChecked(font.Underline());
}

void TMDIForm1Cls::ShowSelFormat(forms::RichEdit& edit) {
    // The caret alone shows the format the next typed character takes.
    if (SelectingAll_ || !CurrentDoc()) return;
    const forms::CharFormat format = edit.SelectionFormat();
    ShowFontInBoxes(format.fontName, format.size);
    Cmd("cmdBold")->SetChecked((format.style & forms::fsBold) != 0);
    Cmd("cmdItalic")->SetChecked((format.style & forms::fsItalic) != 0);
    Cmd("cmdUnderline")->SetChecked((format.style & forms::fsUnderline) != 0);
    ShowAlignment(edit.SelectionAlignment());
    SetClrBar(format.color, 1);
}

void TMDIForm1Cls::SetClrBar(forms::Color colour, int which) {
    static const int kGlyphOf[5] = {-1, glyph::FormattingGlyph::TextColor, glyph::FormattingGlyph::DateTimeColor,
                                    glyph::FormattingGlyph::TransparentColor, glyph::FormattingGlyph::ShadowColor};
    if (which < 1 || which > 4) return;
    forms::ImageList* glyphs = ToolBar2->Images();
    if (!glyphs) return;
    const int index = kGlyphOf[which];
    const forms::Color mask = static_cast<forms::Color>(editor::ColorBarMask(colour & 0xFFFFFF));
    forms::Bitmap cell = glyphs->GetBitmap(index, mask);
    if (cell.Width() < 16 || cell.Height() < 16) return;
    // The bar: 16 x 4 pixels along the glyph's bottom, rows 12 to 15; a
    // pixel holds red in its third byte where a colour holds it in its first.
    const uint32_t pixel = 0xFF000000u | ((colour & 0xFFu) << 16) | (colour & 0xFF00u) | ((colour >> 16) & 0xFFu);
    for (int y = 12; y < 16; ++y) std::fill_n(cell.ScanLine(y), 16, pixel);
    glyphs->ReplaceMasked(index, cell, mask);
    ToolBar2->Invalidate();
}

// ---- the in-place text box ----

void TMDIForm1Cls::BeginAccTextEdit(TMenuDocument& doc) {
    forms::Image& box = *doc.AccessoryText;
    ShowSelHandles(0);
    PlaceTextEditor(doc, box);
    RichAccEdit->BringToFront();
    ToolBar6->SetParent(doc.ClientPanel);
    ToolBar6->BringToFront();
    ToolBar6->SetBounds(box.Left(), std::max(0, box.Top() - ToolBar6->Height()), ToolBar6->Width(),
                        ToolBar6->Height());
    doc.SelObject = kSelNone;
    EditedAcc_ = kSelNone;
    EditedAccMenu_ = CurMenu_;
    ToolButton67Click(kNextButton);
    ToolBar6->SetVisible(true);
    RichAccEdit->SetVisible(true);
    EnableFmtToolbar(1);
    RichAccEdit->SetFocus();
    box.SetVisible(false);
}

void TMDIForm1Cls::StoreAccTextEdit() {
    TMenuDocument* owner = MenuDoc(EditedAccMenu_);
    const int n = EditedAcc_;
    if (!owner || owner->Closed || n < 0 || n > owner->Menu.BtnCount) return;
    std::string& target = n == 0 ? owner->Menu.AccRTF : owner->Menu.Buttons[static_cast<size_t>(n)].AccRTF;
    const std::string rtf = RichAccEdit->RTF();
    // The box writes a loaded text back in its own words: only a text that
    // differs from what the box held after loading has changed.
    if (rtf == target || rtf == LoadedAccRTF_) return;
    // The undo step holds the text from before the edit.
    if (owner == CurrentDoc()) PushUndo(1);
    target = rtf;
    owner->Modified = 1;
}

void TMDIForm1Cls::ToolButton67Click(int button) {
    TMenuDocument* doc = MenuDoc(EditedAccMenu_);
    if (!doc || doc->Closed) return;
    StoreAccTextEdit();
    if (button == kCloseButton) {
        RichAccEditExit();
        return;
    }
    std::vector<int32_t> kinds(static_cast<size_t>(doc->Menu.BtnCount) + 1, 0);
    for (int n = 1; n <= doc->Menu.BtnCount; ++n)
        kinds[static_cast<size_t>(n)] = doc->Menu.Buttons[static_cast<size_t>(n)].ObjectKind;
    const editor::TextStepResult step = editor::StepAccessoryText(
        EditedAcc_, kinds, button == kPreviousButton ? editor::TextStep::Previous : editor::TextStep::Next);
    if (step.Beep) forms::Beep();
    const int n = step.Text;
    doc->SelObject = n;
    EditedAcc_ = n;
    auto* label4 = static_cast<forms::Label*>(FindComponent("Label4"));
    // Loading a text is no change of it: its dirty flag stays as it was.
    if (n < 1) {
        const uint8_t dirty = doc->AccPNGDirty;
        RichAccEdit->SetRTF(doc->Menu.AccRTF);
        LoadedAccRTF_ = RichAccEdit->RTF();
        doc->AccPNGDirty = dirty;
        label4->SetCaption("Default Text");
        const forms::Image& box = *doc->AccessoryText;
        FrameAround(box.Left(), box.Top(), box.Width(), box.Height());
        ShowSelFormat(*RichAccEdit);
        return;
    }
    TAQButton& object = doc->Menu.Buttons[static_cast<size_t>(n)];
    const uint8_t dirty = object.AccDirty;
    RichAccEdit->SetRTF(object.AccRTF);
    LoadedAccRTF_ = RichAccEdit->RTF();
    object.AccDirty = dirty;
    label4->SetCaption("Object " + std::to_string(n));
    ShowSelFormat(*RichAccEdit);
    const TObjControls& ctl = doc->Ctl[static_cast<size_t>(n)];
    if (object.ObjectKind == GraphicalButton && ctl.ImgBtn)
        FrameAround(ctl.ImgBtn->Left(), ctl.ImgBtn->Top(), ctl.ImgBtn->Width(), ctl.ImgBtn->Height());
    else if (object.ObjectKind == WindowsButton && ctl.WinBtn)
        FrameAround(ctl.WinBtn->Left(), ctl.WinBtn->Top(), object.ObjWidth, object.ObjHeight);
    else if (ctl.ImgBtn)
        FrameAround(ctl.ImgBtn->Left(), ctl.ImgBtn->Top(), object.ObjWidth, object.ObjHeight);
}

void TMDIForm1Cls::EndTextEdits() {
    if (EditedAcc_ >= 0) ToolButton67Click(kCloseButton);
    if (TMenuDocument* owner = MenuDoc(EditedMenu_)) CommitPlacedTextEdit(*owner);
}

void TMDIForm1Cls::RichAccEditChange() {
    if (EditedAcc_ < 0) return;
    TMenuDocument* doc = MenuDoc(EditedAccMenu_);
    if (!doc || doc->Closed) return;
    if (EditedAcc_ == 0)
        doc->AccPNGDirty = 1;
    else if (EditedAcc_ <= doc->Menu.BtnCount)
        doc->Menu.Buttons[static_cast<size_t>(EditedAcc_)].AccDirty = 1;
}

void TMDIForm1Cls::RichAccEditSelectionChange() { ShowSelFormat(*RichAccEdit); }

void TMDIForm1Cls::RichAccEditExit() {
    ToolBar6->SetVisible(false);
    TMenuDocument* doc = MenuDoc(EditedAccMenu_);
    EditedAcc_ = kSelNone;
    EditedAccMenu_ = 0;
    RichAccEdit->SetVisible(false);
    EnableFmtToolbar(0);
    if (!doc || doc->Closed) return;
    // The box shows the menu's own text again, rendered from what is stored.
    forms::Image& box = *doc->AccessoryText;
    doc->Menu.AccPNG = RenderRichText(doc->Menu, doc->Menu.AccRTF, box.Width(), box.Height());
    doc->AccPNGDirty = 0;
    box.SetPicture(doc->Menu.AccPNG);
    box.SetTag(0);
    box.SetVisible(true);
    if (doc != CurrentDoc()) return;
    ShowSelHandles(1);
}

// ---- rendering texts again ----

void TMDIForm1Cls::RenderAccText(int n) {
    TMenuDocument* doc = CurrentDoc();
    if (!doc) return;
    forms::Image& box = *doc->AccessoryText;
    const auto stale = [&box](const forms::PngImage& png, uint8_t dirty) {
        return dirty || png.Width() != box.Width() || png.Height() != box.Height();
    };
    if (n >= 1 && n <= doc->Menu.BtnCount) {
        TAQButton& object = doc->Menu.Buttons[static_cast<size_t>(n)];
        if (object.ObjectKind < PlcImage && stale(object.AccPNG, object.AccDirty)) {
            object.AccPNG = RenderRichText(doc->Menu, object.AccRTF, box.Width(), box.Height());
            object.AccDirty = 0;
        }
        box.SetPicture(object.AccPNG);
        return;
    }
    if (stale(doc->Menu.AccPNG, doc->AccPNGDirty)) {
        doc->Menu.AccPNG = RenderRichText(doc->Menu, doc->Menu.AccRTF, box.Width(), box.Height());
        doc->AccPNGDirty = 0;
    }
    box.SetPicture(doc->Menu.AccPNG);
}

void TMDIForm1Cls::RenderObjText(TMenuDocument& doc, int n) {
    if (n < 1 || n > doc.Menu.BtnCount) return;
    TAQButton& object = doc.Menu.Buttons[static_cast<size_t>(n)];
    if (object.ObjectKind != TextButton && object.ObjectKind != PlcText) return;
    if (object.LookPNG.Width() == object.ObjWidth && object.LookPNG.Height() == object.ObjHeight &&
        !object.LookDirty)
        return;
    const std::string& source = object.ObjectKind == TextButton ? object.Caption : object.AccRTF;
    object.LookPNG = RenderRichText(doc.Menu, source, object.ObjWidth, object.ObjHeight);
    if (forms::Image* image = doc.Ctl[static_cast<size_t>(n)].ImgBtn) image->SetPicture(object.LookPNG);
}

void TMDIForm1Cls::RenderObjText(int n) {
    if (TMenuDocument* doc = CurrentDoc()) RenderObjText(*doc, n);
}

void TMDIForm1Cls::MenPnlMouseMove() {
    TMenuDocument* doc = CurrentDoc();
    if (!doc || doc->AccessoryText->Tag() == 0) return;
    doc->AccessoryText->SetTag(0);
    RenderAccText(0);
}
