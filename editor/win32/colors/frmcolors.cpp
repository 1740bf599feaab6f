#include "editor/win32/colors/frmcolors.h"

#include <string>

#include "editor/logic/ColorChooserRules.h"
#include "editor/win32/common/ColorRequest.h"
#include "editor/win32/common/ControlNames.h"
#include "editor/win32/common/EditorGlobals.h"
#include "editor/win32/colors/frmclrpick.h"
#include "forms/win32/Application.h"
#include "forms/win32/Button.h"
#include "forms/win32/Edit.h"
#include "forms/win32/Image.h"
#include "forms/win32/Label.h"
#include "forms/win32/Panel.h"
#include "forms/win32/Screen.h"
#include "forms/win32/ScrollBar.h"
#include "forms/win32/Shape.h"

TfrmColorsCls* frmColors = nullptr;
std::function<forms::Bitmap()> MenuPickPicture;
std::function<forms::Bitmap()> WizardPickPicture;

namespace {

// The swatch grid: 19 x 16 swatches in steps of 22 across and 19 down.
constexpr int kSwatchW = 19;
constexpr int kSwatchH = 16;
constexpr int kStepX = kSwatchW + 3;
constexpr int kStepY = kSwatchH + 3;
constexpr int kCustomTop = 5 * kStepY + 8;  // 103
// The small layout: the palette, the custom row and the buttons below it.
constexpr int kSmallW = kStepX * 7 + 4;  // 158
constexpr int kSmallH = kStepY * 8 + 2;  // 154
constexpr int kArrowW = 20;
// The large layout adds the gradient at the right of the palette.
constexpr int kGradientLeft = 164;
constexpr int kGradientTop = 4;
constexpr int kButtonTop = 258;
constexpr int kButtonH = 27;

// The gradient every chooser shows before its saturation is applied.
const forms::Bitmap& HueGradient() {
    static const forms::Bitmap hue = editor::BuildHueGradient();
    return hue;
}

int EditValue(const forms::Edit& edit) { return editor::CheckChannelText(edit.Text(), 0).Value; }

forms::Button* NewButton(TfrmColorsCls* form, forms::WinControl* parent, const char* name, const char* caption,
                         int left, int top, int width, int height) {
    auto* button = new forms::Button(form, parent);
    button->SetName(name);
    button->SetCaption(caption);
    button->SetBounds(left, top, width, height);
    return button;
}

forms::Label* NewLabel(TfrmColorsCls* form, forms::WinControl* parent, const char* caption, int left, int top) {
    auto* label = new forms::Label(form, parent);
    label->SetCaption(caption);
    label->SetTransparent(true);
    label->SetBounds(left, top, 40, 16);
    return label;
}

}  // namespace

TfrmColorsCls::TfrmColorsCls() {
    SetName("frmColors");
    SetBorderStyle(forms::BorderStyle::None);

    pnlBack = new forms::Panel(this, this);
    pnlBack->SetName("pnlBack");
    pnlBack->SetBevelOuter(forms::PanelBevel::Raised);

    Shape1 = new forms::Shape(this, pnlBack);
    Shape1->SetName("Shape1");
    Shape1->SetBrushStyle(forms::BrushStyle::Clear);
    Shape1->SetPenStyle(forms::PenStyle::Dot);
    Shape1->SetBounds(-kSwatchW - 10, 0, kSwatchW + 4, kSwatchH + 4);

    CreateSwatches();

    const int buttonTop = kCustomTop + kStepY + 2;
    const int buttonH = kSmallH - buttonTop - 2;
    Button3 = NewButton(this, pnlBack, "Button3", "3", 2, buttonTop, kArrowW, buttonH);
    Button2 = NewButton(this, pnlBack, "Button2", "4", kArrowW + 2, buttonTop, kArrowW, buttonH);
    const forms::Font arrows("Marlett", 10);
    Button3->SetFont(arrows);
    Button2->SetFont(arrows);
    Command1 = NewButton(this, pnlBack, "Command1", "C&ustom Colors", 2 * kArrowW + 4, buttonTop,
                         kSmallW - 2 * kArrowW - 8, buttonH);
    Button3->OnClick = [this](forms::Component&) { Button3Click(); };
    Button2->OnClick = [this](forms::Component&) { Button2Click(); };
    Command1->OnClick = [this](forms::Component&) { Command1_Click(); };

    CreateCustomPart();
    ShowLayout(false);

    OnCreate = [this](forms::Component&) { FormLoad(); };
    OnDeactivate = [this](forms::Component&) { FormDeactivate(); };
    OnClose = [](forms::Component&, forms::CloseAction& action) { action = forms::CloseAction::Free; };
    frmColors = this;
}

TfrmColorsCls::~TfrmColorsCls() {
    if (frmColors == this) frmColors = nullptr;
}

void TfrmColorsCls::CreateSwatches() {
    const auto add = [this](int n, int left, int top) {
        auto* swatch = new forms::Shape(this, pnlBack);
        swatch->SetName(NumberedName("Color", n));
        swatch->SetBounds(left, top, kSwatchW, kSwatchH);
        swatch->SetHint(std::to_string(n));
        swatch->SetBrushColor(forms::clWhite);
        swatch->OnMouseDown = [this](forms::Component& s, forms::MouseButton, forms::ShiftState, int, int) {
            shpArray_MouseDown(s);
        };
        swatch->OnMouseUp = [this](forms::Component&, forms::MouseButton, forms::ShiftState, int, int) {
            shpArray_MouseUp();
        };
        swatches_[static_cast<size_t>(n)] = swatch;
    };
    for (int c = 0; c < 7; ++c)
        for (int r = 0; r < 5; ++r) add(5 * c + r + 1, kStepX * c + 3, kStepY * r + 3);
    for (int n = editor::kFirstCustomSwatch; n <= editor::kLastCustomSwatch; ++n)
        add(n, kStepX * (n - editor::kFirstCustomSwatch) + 3, kCustomTop);
}

void TfrmColorsCls::CreateCustomPart() {
    Picture1 = new forms::Image(this, pnlBack);
    Picture1->SetName("Picture1");
    Picture1->SetBounds(kGradientLeft, kGradientTop, editor::kGradientWidth, editor::kGradientHeight);
    Picture1->SetCursor(forms::Cursor::Cross);
    Picture1->OnMouseDown = [this](forms::Component&, forms::MouseButton, forms::ShiftState, int x, int y) {
        GradTracking_ = 1;
        if (SelSwatch_ < editor::kFirstCustomSwatch) {
            SelSwatch_ = -1;
            ParkFrame();
        }
        PickGradientClr(x, y);
    };
    Picture1->OnMouseMove = [this](forms::Component&, forms::ShiftState, int x, int y) {
        if (GradTracking_) PickGradientClr(x, y);
    };
    Picture1->OnMouseUp = [this](forms::Component&, forms::MouseButton, forms::ShiftState, int x, int y) {
        GradTracking_ = 0;
        PickGradientClr(x, y);
    };

    const int sliderTop = kGradientTop + editor::kGradientHeight + 6;
    NewLabel(this, pnlBack, "Saturation", kGradientLeft, sliderTop + 1)->SetWidth(60);
    HScroll1 = new forms::ScrollBar(this, pnlBack, forms::ScrollBarKind::Horizontal);
    HScroll1->SetName("HScroll1");
    HScroll1->SetBounds(kGradientLeft + 64, sliderTop, 280, 17);
    HScroll1->SetRange(0, 100);
    HScroll1->SetLargeChange(10);
    Label1 = NewLabel(this, pnlBack, "", kGradientLeft + 350, sliderTop + 1);
    Label1->SetName("Label1");

    // Red, green and blue rows below the custom swatches: 2 red, 1 green, 0 blue.
    const char* captions[3] = {"Blue", "Green", "Red"};
    forms::Shape** samples[3] = {&Shape5, &Shape4, &Shape2};
    const char* sampleNames[3] = {"Shape5", "Shape4", "Shape2"};
    for (int i = 2; i >= 0; --i) {
        const int top = kSmallH + 4 + (2 - i) * 25;
        NewLabel(this, pnlBack, captions[i], 4, top + 3);
        forms::Shape* sample = new forms::Shape(this, pnlBack);
        sample->SetName(sampleNames[i]);
        sample->SetBounds(44, top + 1, 19, 19);
        *samples[i] = sample;
        auto* edit = new forms::Edit(this, pnlBack);
        edit->SetName(NumberedName("Text1", i));
        edit->SetBounds(68, top, 50, 21);
        Text1[static_cast<size_t>(i)] = edit;
        auto* spin = new forms::ScrollBar(this, pnlBack, forms::ScrollBarKind::Vertical);
        spin->SetName(NumberedName("VScroll1", i));
        spin->SetBounds(120, top, 17, 21);
        spin->SetRange(0, 255);
        VScroll1[static_cast<size_t>(i)] = spin;
    }
    Panel1 = new forms::Panel(this, pnlBack);
    Panel1->SetName("Panel1");
    Panel1->SetBevelOuter(forms::PanelBevel::Lowered);
    Panel1->SetBounds(4, kSmallH + 4 + 3 * 25 + 2, kSmallW - 8, kButtonTop + kButtonH - (kSmallH + 4 + 3 * 25 + 2));

    Command2 = NewButton(this, pnlBack, "Command2", "&Add", kGradientLeft, kButtonTop, 70, kButtonH);
    Command4 = NewButton(this, pnlBack, "Command4", "&Pick", kGradientLeft + 76, kButtonTop, 70, kButtonH);
    Command4->SetHint("Pick a color from your menu background.");
    Button1 = NewButton(this, pnlBack, "Button1", "Reset All", kGradientLeft + 152, kButtonTop, 70, kButtonH);
    Command3000 = NewButton(this, pnlBack, "Command3000", "&OK", kGradientLeft + 234, kButtonTop, 70, kButtonH);
    Command3000->SetDefault(true);
    Command3001 = NewButton(this, pnlBack, "Command3001", "&Cancel", kGradientLeft + 310, kButtonTop, 70, kButtonH);
    Command3001->SetCancel(true);
    SetShowHint(EditorOptions.ShowToolTips);

    Command2->OnClick = [this](forms::Component&) { Command2_Click(); };
    Command4->OnClick = [this](forms::Component&) { Command4_Click(); };
    Button1->OnClick = [this](forms::Component&) { Button1Click(); };
    Command3000->OnClick = [this](forms::Component& s) { Command3_Click(s); };
    Command3001->OnClick = [this](forms::Component& s) { Command3_Click(s); };
    HScroll1->OnChange = [this](forms::Component&) { HScroll1Change(); };
    for (size_t i = 0; i < 3; ++i) {
        Text1[i]->OnChange = [this](forms::Component& s) { Text1_Change(s); };
        Text1[i]->OnEnter = [this](forms::Component& s) { Text1_GotFocus(s); };
        // The spin bars write their position into their edit.
        VScroll1[i]->OnChange = [this, i](forms::Component&) {
            const int position = VScroll1[i]->Position();
            if (EditValue(*Text1[i]) != position || Text1[i]->Text().empty())
                Text1[i]->SetText(std::to_string(position));
        };
    }
}

// ---- creation ----

void TfrmColorsCls::FormLoad() {
    Picking_ = -1;
    // A system colour stands for its real colour here.
    CurClr = forms::ColorToRGB(CurClr);
    WorkClr_ = CurClr;
    SelSwatch_ = -1;
    LoadClrPal();
    ParkFrame();
    SetEditColor(WorkClr_);
    for (int i = 0; i < editor::kCustomColorCount; ++i)
        Swatch(editor::kFirstCustomSwatch + i)->SetBrushColor(forms::ColorToRGB(EditorOptions.CustomColors[i]));
    for (int n = 1; n <= editor::kLastCustomSwatch; ++n) {
        if (Swatch(n)->BrushColor() == WorkClr_) {
            FrameSwatch(n);
            break;
        }
    }
    BuildClrGradient();
}

void TfrmColorsCls::ShowLayout(bool custom) {
    CustomShown_ = custom ? 1 : 0;
    const int width = custom ? Picture1->Left() + Picture1->Width() + 6 : kSmallW;
    const int height = custom ? Command3000->Top() + Command3000->Height() + 8 : kSmallH;
    pnlBack->SetBounds(0, 0, width, height);
    SetClientSize(width, height);
}

void TfrmColorsCls::FormDeactivate() {
    // The Color Picker above the chooser takes the activation for a while.
    if (Picking_ == 1) return;
    Release();
}

// ---- palettes and swatches ----

void TfrmColorsCls::LoadClrPal() {
    EditorOptions.PalettePage = editor::ClampPaletteIndex(EditorOptions.PalettePage);
    for (int e = 0; e < editor::kPaletteSwatches; ++e)
        Swatch(e + 1)->SetBrushColor(
            static_cast<forms::Color>(editor::PaletteEntryColor(editor::PaletteEntry(EditorOptions.PalettePage, e))));
}

void TfrmColorsCls::Button2Click() {
    EditorOptions.PalettePage = editor::NextPalette(EditorOptions.PalettePage);
    LoadClrPal();
}

void TfrmColorsCls::Button3Click() {
    EditorOptions.PalettePage = editor::PreviousPalette(EditorOptions.PalettePage);
    LoadClrPal();
}

void TfrmColorsCls::FrameSwatch(int n) {
    const forms::Shape* swatch = Swatch(n);
    Shape1->SetBounds(swatch->Left() - 2, swatch->Top() - 2, Shape1->Width(), Shape1->Height());
    Shape1->BringToFront();
}

void TfrmColorsCls::ParkFrame() { Shape1->SetLeft(-kSwatchW - 10); }

void TfrmColorsCls::shpArray_MouseDown(forms::Component& sender) {
    const int n = NameNumber(sender.Name());
    if (n < 1 || n > editor::kLastCustomSwatch) return;
    SelSwatch_ = n;
    FrameSwatch(n);
    WorkClr_ = Swatch(n)->BrushColor();
    SetEditColor(WorkClr_);
    AddAdvance_ = 0;
}

void TfrmColorsCls::shpArray_MouseUp() {
    forms::Application().ProcessMessages();
    if (CustomShown_) return;
    CurClr = WorkClr_;
    DispatchColor();
    Release();
}

// ---- the large layout ----

void TfrmColorsCls::Command1_Click() { ShowLayout(CustomShown_ == 0); }

void TfrmColorsCls::BuildClrGradient() {
    HScroll1->SetPosition(SaturationPos);
    Label1->SetCaption(std::to_string(HScroll1->Position()));
    ApplySaturation();
}

void TfrmColorsCls::ApplySaturation() {
    editor::MixSaturation(HueGradient(), HScroll1->Position(), MixArr_);
    Picture1->SetPicture(MixArr_);
}

void TfrmColorsCls::HScroll1Change() {
    Label1->SetCaption(std::to_string(HScroll1->Position()));
    ApplySaturation();
}

void TfrmColorsCls::PickGradientClr(int x, int y) {
    if (MixArr_.Empty()) return;
    WorkClr_ = static_cast<forms::Color>(
        editor::PixelColor(MixArr_.Pixel(editor::ClampGradientX(x), editor::ClampGradientY(y))));
    SetEditColor(WorkClr_);
}

forms::Color TfrmColorsCls::EditColor() const {
    return static_cast<forms::Color>(editor::RgbColor(EditValue(*Text1[2]), EditValue(*Text1[1]), EditValue(*Text1[0])));
}

void TfrmColorsCls::SetEditColor(forms::Color colour) {
    const int32_t c = static_cast<int32_t>(colour);
    Text1[2]->SetText(std::to_string(editor::RedOf(c)));
    Text1[1]->SetText(std::to_string(editor::GreenOf(c)));
    Text1[0]->SetText(std::to_string(editor::BlueOf(c)));
}

void TfrmColorsCls::Text1_Change(forms::Component& sender) {
    const int i = NameNumber(sender.Name());
    if (i < 0 || i > 2) return;
    forms::Edit& edit = *Text1[static_cast<size_t>(i)];
    const editor::ChannelEdit checked = editor::CheckChannelText(edit.Text(), LastEditVal_);
    if (checked.Beep) forms::Beep();
    if (checked.Rewrite) edit.SetText(std::to_string(checked.Value));
    const forms::Color colour = EditColor();
    const int32_t c = static_cast<int32_t>(colour);
    Panel1->SetColor(colour);
    Shape2->SetBrushColor(static_cast<forms::Color>(editor::RgbColor(editor::RedOf(c), 0, 0)));
    Shape4->SetBrushColor(static_cast<forms::Color>(editor::RgbColor(0, editor::GreenOf(c), 0)));
    Shape5->SetBrushColor(static_cast<forms::Color>(editor::RgbColor(0, 0, editor::BlueOf(c))));
    LastEditVal_ = checked.Value;
    VScroll1[static_cast<size_t>(i)]->SetPosition(checked.Value);
}

void TfrmColorsCls::Text1_GotFocus(forms::Component& sender) {
    auto& edit = static_cast<forms::Edit&>(sender);
    edit.SelectAll();
    LastEditVal_ = EditValue(edit);
}

// ---- custom colours, accepting ----

void TfrmColorsCls::Command2_Click() {
    SelSwatch_ = editor::AddTargetSwatch(SelSwatch_, AddAdvance_ != 0);
    Swatch(SelSwatch_)->SetBrushColor(EditColor());
    FrameSwatch(SelSwatch_);
    AddAdvance_ = 1;
}

void TfrmColorsCls::Button1Click() {
    for (int i = 0; i < editor::kCustomColorCount; ++i) {
        EditorOptions.CustomColors[i] = editor::ResetCustomColor(i);
        Swatch(editor::kFirstCustomSwatch + i)->SetBrushColor(static_cast<forms::Color>(EditorOptions.CustomColors[i]));
    }
}

void TfrmColorsCls::Command3_Click(forms::Component& sender) {
    const forms::Color colour = EditColor();
    if (NameNumber(sender.Name()) == 0) {
        for (int i = 0; i < editor::kCustomColorCount; ++i)
            EditorOptions.CustomColors[i] = static_cast<int32_t>(Swatch(editor::kFirstCustomSwatch + i)->BrushColor());
        CurClr = colour;
        CustomShown_ = 0;
        DispatchColor();
    }
    Release();
}

void TfrmColorsCls::DispatchColor() {
    SaturationPos = HScroll1->Position();
    ::DispatchColor();
}

void TfrmColorsCls::Command4_Click() {
    Picking_ = 1;
    const bool wizard = ClrTarget <= ClrTargetWizPanel && ClrTarget > ClrTargetBtnText;
    const std::function<forms::Bitmap()>& source = wizard ? WizardPickPicture : MenuPickPicture;
    const forms::Bitmap picture = source ? source() : forms::Bitmap();
    if (picture.Empty()) {
        EditorMsg("There is currently no background image to pick from.", TMsgDlgType::mtInformation,
                  TMsgDlgButtons::mbOK);
        Picking_ = -1;
        return;
    }
    auto* picker = new TfrmClrPickCls(*this, picture);
    picker->ShowModal();
    delete picker;
    Picking_ = -1;
}

void ShowColorChooser(int x, int y) {
    auto* chooser = forms::Application().CreateForm<TfrmColorsCls>();
    if (!chooser) return;
    chooser->SetBounds(x, y, chooser->Width(), chooser->Height());
    chooser->SetOwnerForm(ColorRequestForm());
    chooser->Show();
}
