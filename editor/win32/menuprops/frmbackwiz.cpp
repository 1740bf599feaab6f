#include "editor/win32/common/DialogControls.h"
#include "editor/win32/menuprops/frmbackwiz.h"

#include <windows.h>

#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "EditorResources.h"
#include "editor/win32/menuprops/BackgroundTitle.h"
#include "editor/win32/common/ControlNames.h"
#include "editor/win32/common/EditorGlobals.h"
#include "editor/win32/common/EditorHelp.h"
#include "editor/win32/menuprops/PhotoFile.h"
#include "editor/win32/smallwindows/ResourcePicture.h"
#include "editor/win32/colors/frmcolors.h"
#include "editor/win32/menuprops/frmsampback.h"
#include "forms/portable/FileSystem.h"
#include "forms/win32/Button.h"
#include "forms/win32/CheckBox.h"
#include "forms/win32/ComboBox.h"
#include "forms/win32/Edit.h"
#include "forms/win32/FileDialogs.h"
#include "forms/win32/Image.h"
#include "forms/win32/ImageList.h"
#include "forms/win32/Label.h"
#include "forms/win32/Panel.h"
#include "forms/win32/RadioButton.h"
#include "forms/win32/Screen.h"
#include "forms/win32/ScrollBar.h"
#include "forms/win32/Timer.h"
#include "forms/win32/ToolBar.h"
#include "forms/win32/ToolButton.h"

namespace glyph = editor_resources;

std::function<bool(forms::OpenDialog& dialog)> RunPhotoOpenDialog = [](forms::OpenDialog& dialog) {
    return dialog.Execute();
};

namespace {

constexpr int kClientWidth = 500;
constexpr int kPageTop = 32;
constexpr int kPageHeight = 340;
constexpr int kMinWidth = 60, kMaxWidth = 800;
constexpr int kMinHeight = 40, kMaxHeight = 600;
// The base of a photo whose file is missing.
constexpr uint32_t kNoPhotoColor = 0xD8E9EC;
constexpr forms::Color clActiveCaption = forms::SystemColor(COLOR_ACTIVECAPTION);

const char* const kHeadings[3] = {" Start ", " Background ", " Banner "};
const char* const kPhotoUnreadable = "This picture could not be loaded:";

forms::Panel* NewGroup(forms::Component* owner, forms::WinControl* parent, int left, int top, int width, int height) {
    auto* group = new forms::Panel(owner, parent);
    group->SetBevelOuter(forms::PanelBevel::None);
    group->SetBounds(left, top, width, height);
    return group;
}

template <class T>
T* Named(T* control, const std::string& name, const std::string& caption, int left, int top, int width,
         int height) {
    control->SetName(name);
    control->SetCaption(caption);
    control->SetBounds(left, top, width, height);
    control->SetTabStop(true);
    return control;
}

forms::RadioButton* NewOption(forms::Component* owner, forms::WinControl* parent, int number,
                              const std::string& caption, int left, int top, int width) {
    return Named(new forms::RadioButton(owner, parent), "Option" + std::to_string(number), caption, left, top,
                 width, 18);
}

// A horizontal bar with its range and position set before any handler is
// attached, so that setting them up runs no handler.
forms::ScrollBar* NewBar(forms::Component* owner, forms::WinControl* parent, const std::string& name, int min,
                         int max, int position, int largeStep, int left, int top, int width) {
    auto* bar = new forms::ScrollBar(owner, parent);
    bar->SetName(name);
    bar->SetBounds(left, top, width, 17);
    bar->SetRange(min, max);
    bar->SetPosition(position);
    bar->SetLargeChange(largeStep);
    bar->SetTabStop(true);
    return bar;
}

forms::ComboBox* NewList(forms::Component* owner, forms::WinControl* parent, const std::string& name,
                         const std::vector<std::string>& items, forms::ComboStyle style, int left, int top,
                         int width) {
    auto* combo = new forms::ComboBox(owner, parent, style);
    combo->SetName(name);
    combo->SetBounds(left, top, width, 200);
    combo->SetItems(items);
    combo->SetTabStop(true);
    return combo;
}

void SelectText(forms::ComboBox* combo, const std::string& text) { combo->SetItemIndex(combo->IndexOf(text)); }

}  // namespace

TfrmBackWizCls::TfrmBackWizCls(BackImageTarget& target) : Target_(target) {
    // The colour chooser's Pick offers the wizard's picture for its requests.
    WizardPickPicture = [this] { return Shown_; };
    SetName("frmBackWiz");
    SetCaption("Background Wizard");
    SetBorderStyle(forms::BorderStyle::Dialog);
    SetBorderIcons(forms::biSystemMenu);
    SetClientSize(kClientWidth, 420);

    Label1 = NewLabel(this, this, "", 0, 0, kClientWidth);
    Label1->SetName("Label1");
    Label1->SetHeight(28);
    Label1->SetFont(forms::Font("Tahoma", 14, true));
    for (int k = 0; k < 3; ++k) {
        pnlStage[k] = NewGroup(this, this, 0, kPageTop, kClientWidth, kPageHeight);
        pnlStage[k]->SetName(NumberedName("pnlStage", k));
    }
    BuildStartPage();
    BuildBackgroundPage();
    BuildBannerPage();

    auto navigate = [this](forms::Component& s) { Command1_Click(s); };
    Command1001 = Named(new forms::Button(this, this), "Command1001", "< &Back", 246, 384, 80, 25);
    Command1001->OnClick = navigate;
    Command1000 = Named(new forms::Button(this, this), "Command1000", "&Next >", 330, 384, 80, 25);
    Command1000->SetDefault(true);
    Command1000->OnClick = navigate;
    Command1002 = Named(new forms::Button(this, this), "Command1002", "&Cancel", 414, 384, 80, 25);
    Command1002->SetCancel(true);
    Command1002->OnClick = navigate;

    Timer1 = new forms::Timer(this);
    Timer1->SetInterval(2400);
    Timer1->OnTimer = [this](forms::Component& s) { Timer1_Timer(s); };
    Timer2 = new forms::Timer(this);
    Timer2->SetInterval(200);
    Timer2->OnTimer = [this](forms::Component& s) { Timer2Timer(s); };
    OpenDialog1 = new forms::OpenDialog(this);
    OpenDialog1->SetName("OpenDialog1");

    OnCloseQuery = [this](forms::Component& s, bool&) { Form_Unload(s); };
    CenterOnOwner();
    // Loaded here, so that a window made without Application().CreateForm is
    // complete too.
    Form_Load(*this);
}

TfrmBackWizCls::~TfrmBackWizCls() {
    WizardPickPicture = nullptr;
    // A wizard destroyed without closing still lets its preview go.
    if (!Unloaded_) BackWizClosed = 1;
}

void TfrmBackWizCls::BuildStartPage() {
    forms::Panel* page = pnlStage[0];
    NewLabel(this, page, "What would you like to do:", 16, 12, 300)->SetName("Label2000");
    Option1001 = NewOption(this, page, 1001,
                           "Create a simple graphical or image based background for my menu using a Wizard.", 24,
                           36, 460);
    Option1000 = NewOption(this, page, 1000, "Provide my own background image for my menu", 24, 62, 460);
    Option1001->SetChecked(true);
    Picture1 = new forms::Image(this, page);
    Picture1->SetName("Picture1");
    Picture1->SetBounds(140, 96, 220, 160);
    auto* strip = NewGroup(this, page, 0, 290, kClientWidth, 40);
    strip->SetColor(clActiveCaption);
    auto* notice = NewLabel(this, strip, "Remember you can create professional menus in Vellumkit!", 16, 12, 360);
    notice->SetName("Label2003");
    notice->SetFont(forms::Font("Tahoma", 8, true, false, false, forms::clWhite));
    Command2 = Named(new forms::Button(this, strip), "Command2", "Vellumkit >", 380, 8, 104, 24);
    Command2->OnClick = [this](forms::Component& s) { Command2_Click(s); };
}

forms::Panel* TfrmBackWizCls::NewColorPanel(forms::WinControl* parent, int k, int left, int top) {
    auto* panel = new forms::Panel(this, parent);
    panel->SetName(NumberedName("pnlColor", k));
    panel->SetBevelOuter(forms::PanelBevel::Lowered);
    panel->SetBounds(left, top, 36, 20);
    panel->OnClick = [this](forms::Component& s) { pnlColorClick(s); };
    auto* button = Named(new forms::Button(this, parent), NumberedName("BitBtn", k), "...", left + 38, top, 20, 20);
    // The request opens once the button's press is over: the button takes
    // the focus on its press, which would take the activation from a chooser
    // opened under it (and so close the chooser at once).
    button->OnClick = [this](forms::Component& s) { BitBtnMouseDown(s); };
    pnlColor[k] = panel;
    BitBtn[k] = button;
    return panel;
}

void TfrmBackWizCls::BuildBackgroundPage() {
    forms::Panel* page = pnlStage[1];
    auto render = [this](forms::Component&) { SetNeedsRender(); };
    auto sized = [this](forms::Component& s) { HScroll1001Change(s); };
    NewLabel(this, page, "Width", 16, 12, 50);
    HScroll1000 = NewBar(this, page, "HScroll1000", kMinWidth, kMaxWidth, 440, 40, 70, 10, 300);
    HScroll1000->OnChange = sized;
    Label3000 = NewLabel(this, page, "440", 380, 12, 60);
    Label3000->SetName("Label3000");
    NewLabel(this, page, "Height", 16, 36, 50);
    HScroll1001 = NewBar(this, page, "HScroll1001", kMinHeight, kMaxHeight, 320, 40, 70, 34, 300);
    HScroll1001->OnChange = sized;
    Label3001 = NewLabel(this, page, "320", 380, 36, 60);
    Label3001->SetName("Label3001");
    CheckBox2 = Named(new forms::CheckBox(this, page), "CheckBox2", "Lock Aspect Ratio", 16, 58, 180, 18);
    CheckBox2->SetChecked(true);
    CheckBox2->OnClick = [this](forms::Component& s) { CheckBox2Click(s); };
    CheckBox3 = Named(new forms::CheckBox(this, page), "CheckBox3", "&High Quality Scaling (Render on OK)", 200,
                      58, 280, 18);
    CheckBox3->OnClick = [this](forms::Component& s) { CheckBox3Click(s); };

    auto* base = NewGroup(this, page, 8, 84, 484, 86);
    auto baseClick = [this](forms::Component& s) { Option2_Click(s); };
    Option2001 = NewOption(this, base, 2001, "Single", 8, 4, 100);
    NewColorPanel(base, 0, 120, 3);
    Option2002 = NewOption(this, base, 2002, "Gradient", 8, 32, 100);
    NewColorPanel(base, 1, 120, 31);
    NewColorPanel(base, 2, 190, 31);
    Combo1000 = NewList(this, base, "Combo1000",
                        {"Diagonal Left to Right", "Vertical", "Diagonal Right to Left", "Horizontal"},
                        forms::ComboStyle::DropDownList, 260, 30, 200);
    Option2000 = NewOption(this, base, 2000, "Photo or Image", 8, 60, 110);
    Button1 = Named(new forms::Button(this, base), "Button1", "Browse...", 120, 57, 80, 24);
    Button1->OnClick = [this](forms::Component& s) { Button1Click(s); };
    Edit1 = new forms::Edit(this, base);
    Edit1->SetName("Edit1");
    Edit1->SetVisible(false);
    for (forms::RadioButton* option : {Option2000, Option2001, Option2002}) option->OnClick = baseClick;
    pnlColor[0]->SetColor(0xFEFCFC);
    pnlColor[1]->SetColor(0xFEFCFC);
    pnlColor[2]->SetColor(0xDDEFF2);
    Option2002->SetChecked(true);
    auto comboChange = [this](forms::Component& s) { Combo1_Change(s); };
    Combo1000->OnChange = comboChange;
    Combo1000->OnSelect = comboChange;

    auto* border = NewGroup(this, page, 8, 180, 484, 60);
    const char* const borders[3] = {"None", "Bevelled", "Rounded"};
    for (int k = 0; k < 3; ++k) {
        Option3[k] = NewOption(this, border, 3000 + k, borders[k], 8 + 96 * k, 4, 90);
        Option3[k]->OnClick = render;
    }
    Option3[2]->SetChecked(true);
    NewLabel(this, border, "Border Thickness", 8, 34, 110);
    ScrollBar1 = NewBar(this, border, "ScrollBar1", 1, 30, 6, 4, 120, 32, 240);
    ScrollBar1->OnChange = [this](forms::Component& s) { ScrollBar1Change(s); };
    Label4 = NewLabel(this, border, "6", 370, 34, 40);
    Label4->SetName("Label4");
}

void TfrmBackWizCls::BuildBannerPage() {
    forms::Panel* page = pnlStage[2];
    auto render = [this](forms::Component&) { SetNeedsRender(); };
    NewLabel(this, page, "Title Text", 16, 10, 70);
    Text1 = Named(new forms::Edit(this, page), "Text1", "", 90, 8, 300, 21);
    Text1->OnChange = [this](forms::Component& s) { Text1_Change(s); };

    auto* align = NewGroup(this, page, 8, 34, 484, 24);
    const char* const aligns[3] = {"Left aligned", "Center aligned", "Right aligned"};
    for (int k = 0; k < 3; ++k) {
        Option4[k] = NewOption(this, align, 4000 + k, aligns[k], 8 + 130 * k, 3, 120);
        Option4[k]->OnClick = render;
    }
    Option4[0]->SetChecked(true);

    NewColorPanel(page, 3, 16, 66);
    pnlColor[3]->SetColor(forms::clWhite);
    cmbTB000 = NewList(this, page, "cmbTB000", {}, forms::ComboStyle::DropDownList, 90, 66, 170);
    cmbTB000->SetHint("Font");
    cmbTB000->OnChange = render;
    cmbTB000->OnSelect = render;
    Combo2 = NewList(this, page, "Combo2", {"10", "12", "14", "18", "24", "36", "48", "72"},
                     forms::ComboStyle::DropDown, 266, 66, 50);
    Combo2->OnChange = render;
    Combo2->OnSelect = render;
    ToolBar1 = new forms::ToolBar(this, page);
    ToolBar1->SetName("ToolBar1");
    ToolBar1->SetAlign(forms::Align::None);
    ToolBar1->SetBounds(324, 62, 110, 26);
    auto* glyphs = new forms::ImageList(this);
    const forms::Picture strip = LoadResourcePicture(glyph::kFormattingGlyphResource);
    if (!strip.Empty()) glyphs->AddMasked(strip.Pixels(), glyph::kGlyphMaskColor);
    ToolBar1->SetImages(glyphs);
    auto newStyleButton = [&](const char* name, int image, const char* hint) {
        auto* button = new forms::ToolButton(this, ToolBar1);
        button->SetName(name);
        button->SetStyle(forms::ToolButtonStyle::Check);
        button->SetImageIndex(image);
        button->SetHint(hint);
        button->OnClick = render;
        return button;
    };
    ToolButton1 = newStyleButton("ToolButton1", glyph::FormattingGlyph::Bold, "Bold");
    ToolButton2 = newStyleButton("ToolButton2", glyph::FormattingGlyph::Italic, "Italic");
    ToolButton3 = newStyleButton("ToolButton3", glyph::FormattingGlyph::Underline, "Underline");
    ToolButton4 = newStyleButton("ToolButton4", glyph::FormattingGlyph::ShadowDepth, "Shadow");

    NewLabel(this, page, "Shadow Depth", 16, 98, 90);
    ScrollBar2 = NewBar(this, page, "ScrollBar2", 1, 8, 1, 1, 110, 96, 150);
    ScrollBar2->OnChange = [this](forms::Component& s) { ScrollBar2Change(s); };
    Label7 = NewLabel(this, page, "1", 270, 98, 40);
    Label7->SetName("Label7");

    auto* fill = NewGroup(this, page, 8, 120, 484, 104);
    Option5000 = NewOption(this, fill, 5000, "None", 8, 4, 100);
    Option5001 = NewOption(this, fill, 5001, "Single", 8, 28, 100);
    NewColorPanel(fill, 5, 120, 27);
    Option5002 = NewOption(this, fill, 5002, "Gradient", 8, 54, 100);
    NewColorPanel(fill, 4, 120, 53);
    NewColorPanel(fill, 6, 190, 53);
    Combo1001 = NewList(this, fill, "Combo1001",
                        {"Center Out", "Outside In", "Vertical", "Horizontal", "Diagonal Right to Left",
                         "Diagonal Left to Right"},
                        forms::ComboStyle::DropDownList, 260, 52, 200);
    CheckBox1 = Named(new forms::CheckBox(this, fill), "CheckBox1", "Fade to background", 120, 80, 200, 18);
    CheckBox1->OnClick = [this](forms::Component& s) { CheckBox1Click(s); };
    for (forms::RadioButton* option : {Option5000, Option5001, Option5002}) option->OnClick = render;
    pnlColor[5]->SetColor(0xCC6600);
    pnlColor[4]->SetColor(0xFF9900);
    pnlColor[6]->SetColor(0xFFE2B4);
    Option5002->SetChecked(true);
    auto comboChange = [this](forms::Component& s) { Combo1_Change(s); };
    Combo1001->OnChange = comboChange;
    Combo1001->OnSelect = comboChange;

    auto* frame = NewGroup(this, page, 8, 230, 484, 56);
    Option6000 = NewOption(this, frame, 6000, "None", 8, 4, 100);
    Option6001 = NewOption(this, frame, 6001, "Single", 8, 30, 100);
    NewColorPanel(frame, 7, 120, 29);
    pnlColor[7]->SetColor(0x663333);
    Option6000->SetChecked(true);
    for (forms::RadioButton* option : {Option6000, Option6001}) option->OnClick = render;
    Check1 = Named(new forms::CheckBox(this, frame), "Check1", "Create Box", 200, 4, 120, 18);
    Check1->OnClick = [this](forms::Component& s) { Check1_Click(s); };
    NewLabel(this, frame, "Border Thickness", 200, 32, 100);
    HScroll2 = NewBar(this, frame, "HScroll2", 1, 8, 1, 1, 304, 30, 120);
    HScroll2->OnChange = [this](forms::Component& s) { HScroll2Change(s); };
    Label5 = NewLabel(this, frame, "1", 432, 32, 40);
    Label5->SetName("Label5");
}

void TfrmBackWizCls::Form_Load(forms::Component&) {
    SetShowHint(EditorOptions.ShowToolTips);
    Work_ = forms::Bitmap();
    Shown_ = forms::Bitmap();
    PhotoSrcBmp = forms::Bitmap();
    PhotoScaledBmp = forms::Bitmap();
    BackWizClosed = 0;
    NeedsRender_ = 1;
    LockAspect_ = true;
    cmbTB000->SetItems(forms::ScreenFonts());
    SelectText(cmbTB000, "Arial");
    Timer1_Timer(*Timer1);
    WizPage_ = 0;
    SelectText(Combo1000, "Vertical");
    SelectText(Combo1001, "Horizontal");
    SelectText(Combo2, "18");
    frmSampBack = new TfrmSampBackCls(this);
    ShowPage();
    Command1001->SetEnabled(false);
}

void TfrmBackWizCls::Form_Unload(forms::Component&) {
    if (Unloaded_) return;
    Unloaded_ = true;
    BackWizClosed = 1;
    Timer1->SetEnabled(false);
    Timer2->SetEnabled(false);
    // A colour chooser still open for this window delivers nowhere.
    if (HasColorRequest(*this)) BeginColorRequest(ClrTargetNone, nullptr);
    PhotoSrcBmp = forms::Bitmap();
    PhotoScaledBmp = forms::Bitmap();
    if (ModalResult() != forms::mrOk && frmSampBack) frmSampBack->Release();
    frmSampBack = nullptr;
}

editor::BackgroundDesign TfrmBackWizCls::Design() const {
    using namespace editor;
    auto colour = [this](int k) { return forms::ColorToRGB(pnlColor[k]->GetColor()); };
    BackgroundDesign d;
    d.width = HScroll1000->Position();
    d.height = HScroll1001->Position();
    d.base = Option2000->Checked() ? BackBase::Photo : Option2001->Checked() ? BackBase::Single : BackBase::Gradient;
    d.singleColor = colour(0);
    d.gradientFrom = colour(1);
    d.gradientTo = colour(2);
    d.baseGradient = static_cast<BaseGradient>(Combo1000->ItemIndex());
    d.border = Option3[0]->Checked() ? BackBorder::None
               : Option3[1]->Checked() ? BackBorder::Bevelled
                                       : BackBorder::Rounded;
    d.borderThickness = ScrollBar1->Position();
    d.bannerFill = Option5000->Checked()   ? BannerFill::None
                   : Option5001->Checked() ? BannerFill::Single
                                           : BannerFill::Gradient;
    d.bannerColor = colour(5);
    d.bannerFrom = colour(4);
    d.bannerTo = colour(6);
    d.bannerGradient = static_cast<BannerGradient>(Combo1001->ItemIndex());
    d.fadeToBackground = CheckBox1->Checked();
    d.bannerFrame = Option6001->Checked();
    d.createBox = Check1->Checked();
    d.frameThickness = HScroll2->Position();
    d.frameColor = colour(7);
    d.title = Text1->Text();
    d.align = Option4[1]->Checked() ? TitleAlign::Center : Option4[2]->Checked() ? TitleAlign::Right : TitleAlign::Left;
    d.titleColor = colour(3);
    if (!cmbTB000->Text().empty()) d.fontName = cmbTB000->Text();
    d.fontSize = std::atoi(Combo2->Text().c_str());
    d.bold = ToolButton1->Down();
    d.italic = ToolButton2->Down();
    d.underline = ToolButton3->Down();
    d.shadow = ToolButton4->Down();
    d.shadowDepth = ScrollBar2->Position();
    return d;
}

void TfrmBackWizCls::Command1_Click(forms::Component& sender) {
    const int which = NameNumber(sender.Name());
    if (which == 2) {
        CloseWith(forms::mrCancel);
        return;
    }
    if (which == 0) ++WizPage_;
    if (which == 1 && WizPage_ > 0) --WizPage_;
    if (WizPage_ == 3) {
        Finish();
        return;
    }
    Command1000->SetCaption(WizPage_ == 2 ? "&Finish" : "&Next >");
    Command1001->SetEnabled(WizPage_ != 0);
    if (WizPage_ > 0 && Option1000->Checked()) {
        HandOwnPicture();
        return;
    }
    ShowPage();
    SetNeedsRender();
}

void TfrmBackWizCls::ShowPage() {
    for (int k = 0; k < 3; ++k) pnlStage[k]->SetVisible(k == WizPage_);
    Label1->SetCaption(kHeadings[WizPage_]);
    // The keyboard goes to the page shown, never stays on one just hidden:
    // the title box on the Banner page, else the page's chosen option.
    if (WizPage_ == 2)
        FocusEntry(*this, *Text1);
    else if (WizPage_ == 1)
        SetActiveControl(Option2000->Checked() ? Option2000 : Option2001->Checked() ? Option2001 : Option2002);
    else
        SetActiveControl(Option1000->Checked() ? Option1000 : Option1001);
}

void TfrmBackWizCls::Finish() {
    // The last changes may still wait for the render timer.
    if (NeedsRender_) {
        NeedsRender_ = 0;
        Render();
    }
    SharedBmp = Shown_;
    Target_.SetBackImage(SharedBmp);
    Target_.ShowBackPreview();
    BackWizClosed = 1;
    CloseWith(forms::mrOk);
}

void TfrmBackWizCls::HandOwnPicture() {
    // The picture dialog shows over the target in the wizard's place; the
    // wizard closes after it whatever the user did there.
    Hide();
    std::string path;
    forms::Bitmap picture;
    if (AskPhotoPath(path)) {
        if (!LoadPhotoFile(path, picture))
            EditorMsg(std::string(kPhotoUnreadable) + "\r\r" + path, TMsgDlgType::mtError, TMsgDlgButtons::mbOK);
        else if (Target_.SetBackImage(picture))  // says why when it refuses the picture
            SharedBmp = std::move(picture);
    }
    // Without a usable picture the target keeps the background it had: the
    // picture in SharedBmp may be another menu's or a button's.
    Target_.ShowBackPreview();
    BackWizClosed = 1;
    CloseWith(forms::mrOk);
}

void TfrmBackWizCls::CloseWith(int result) {
    SetModalResult(result);
    // A modal run ends by itself on the result; otherwise close now.
    if (!IsModal()) Close();
}

void TfrmBackWizCls::Command2_Click(forms::Component&) { OpenWebPage(Handle(), WebPage::Product); }

bool TfrmBackWizCls::AskPhotoPath(std::string& path) {
    OpenDialog1->SetFilter(PictureOpenFilter("Photo", ";*.gif"));
    OpenDialog1->SetTitle("Open Photo...");
    OpenDialog1->SetOptions(forms::ofOverwritePrompt | forms::ofPathMustExist | forms::ofNoReadOnlyReturn);
    if (!RunPhotoOpenDialog(*OpenDialog1)) return false;
    path = OpenDialog1->FileName();
    return true;
}

void TfrmBackWizCls::Button1Click(forms::Component&) {
    std::string path;
    if (!AskPhotoPath(path)) return;
    forms::Bitmap photo;
    if (!LoadPhotoFile(path, photo)) {
        EditorMsg(std::string(kPhotoUnreadable) + "\r\r" + path, TMsgDlgType::mtError, TMsgDlgButtons::mbOK);
        return;
    }
    PhotoSrcBmp = std::move(photo);
    LastPhotoName_.clear();
    Edit1->SetText(path);
    Option2000->SetChecked(true);
    SetNeedsRender();
}

void TfrmBackWizCls::pnlColorClick(forms::Component& sender) {
    const int k = NameNumber(sender.Name());
    if (k < 0 || k > 7) return;
    switch (k) {
        case 0: Option2001->SetChecked(true); break;
        case 1:
        case 2: Option2002->SetChecked(true); break;
        case 4:
        case 6: Option5002->SetChecked(true); break;
        case 5: Option5001->SetChecked(true); break;
        case 7: Option6001->SetChecked(true); break;
        default: break;
    }
    forms::Panel* panel = pnlColor[k];
    const POINT at = panel->ClientToScreen(POINT{0, panel->Height() + 1});
    RequestColor(ClrTargetWizPanel - k, panel->GetColor(), *this, at.x, at.y);
}

void TfrmBackWizCls::BitBtnMouseDown(forms::Component& sender) {
    const int k = NameNumber(sender.Name());
    if (k >= 0 && k <= 7) pnlColorClick(*pnlColor[k]);
}

void TfrmBackWizCls::ColorDelivered(int32_t target) {
    if (target <= ClrTargetWizPanel) {
        const int k = ClrTargetWizPanel - target;
        if (k >= 0 && k <= 7) pnlColor[k]->SetColor(CurClr);
    }
    SetNeedsRender();
}

void TfrmBackWizCls::HScroll1001Change(forms::Component& sender) {
    const bool height = &sender == HScroll1001;
    (height ? Label3001 : Label3000)->SetCaption(std::to_string((height ? HScroll1001 : HScroll1000)->Position()));
    if (!Linking_ && LockAspect_ && Option2000->Checked()) {
        // Without a photo LockedSide keeps the other bar as it is.
        Linking_ = true;
        const int w = PhotoSrcBmp.Width(), h = PhotoSrcBmp.Height();
        if (height)
            HScroll1000->SetPosition(
                editor::LockedSide(HScroll1001->Position(), w, h, kMinWidth, kMaxWidth, HScroll1000->Position()));
        else
            HScroll1001->SetPosition(
                editor::LockedSide(HScroll1000->Position(), h, w, kMinHeight, kMaxHeight, HScroll1001->Position()));
        Linking_ = false;
    }
    SetNeedsRender();
}

void TfrmBackWizCls::ScrollBar1Change(forms::Component&) {
    Label4->SetCaption(std::to_string(ScrollBar1->Position()));
    SetNeedsRender();
}

void TfrmBackWizCls::HScroll2Change(forms::Component&) {
    Option6001->SetChecked(true);
    Label5->SetCaption(std::to_string(HScroll2->Position()));
    SetNeedsRender();
}

void TfrmBackWizCls::ScrollBar2Change(forms::Component&) {
    ToolButton4->SetDown(true);
    Label7->SetCaption(std::to_string(ScrollBar2->Position()));
    SetNeedsRender();
}

void TfrmBackWizCls::Check1_Click(forms::Component&) {
    Option6001->SetChecked(true);
    SetNeedsRender();
}

void TfrmBackWizCls::CheckBox1Click(forms::Component&) {
    const bool fading = CheckBox1->Checked();
    pnlColor[6]->SetEnabled(!fading);
    BitBtn[6]->SetEnabled(!fading);
    if (fading) {
        SavedFadeColor_ = pnlColor[6]->GetColor();
        pnlColor[6]->SetColor(forms::clBtnFace);
    } else {
        pnlColor[6]->SetColor(SavedFadeColor_);
    }
    SetNeedsRender();
}

void TfrmBackWizCls::CheckBox2Click(forms::Component&) {
    LockAspect_ = CheckBox2->Checked();
    SetNeedsRender();
}

void TfrmBackWizCls::CheckBox3Click(forms::Component&) {
    HighQuality_ = CheckBox3->Checked();
    ScaleCache_.Clear();
    if (!Work_.Empty() && !PhotoSrcBmp.Empty()) ScalePhoto(true);
    NeedsRender_ = 0;
    Render();
}

void TfrmBackWizCls::Combo1_Change(forms::Component& sender) {
    if (Visible()) (&sender == Combo1000 ? Option2002 : Option5002)->SetChecked(true);
    SetNeedsRender();
}

void TfrmBackWizCls::Option2_Click(forms::Component& sender) {
    if (&sender == Option2000 && Edit1->Text().empty())
        Button1Click(sender);
    else
        SetNeedsRender();
    const bool photo = Option2000->Checked();
    CheckBox2->SetEnabled(photo);
    CheckBox3->SetEnabled(photo);
}

void TfrmBackWizCls::Text1_Change(forms::Component&) {
    // The work picture holds everything but the title, so without a shadow
    // the title alone is drawn again.
    if (ToolButton4->Down())
        SetNeedsRender();
    else
        DrawTitle();
}

void TfrmBackWizCls::Timer1_Timer(forms::Component&) {
    if (++SampleIndex_ >= editor::kSampleCount) {
        SampleIndex_ = 0;
        Timer1->SetInterval(3600);
    }
    forms::Bitmap& sample = Samples_[SampleIndex_];
    if (sample.Empty()) sample = DrawDesign(editor::SampleDesign(SampleIndex_, Picture1->Width(), Picture1->Height()));
    Picture1->SetPicture(sample);
    if (Timer1->Interval() < 2400) Timer1->SetInterval(2400);
}

void TfrmBackWizCls::Timer2Timer(forms::Component&) {
    if (!NeedsRender_) return;
    const std::array<int, 3> positions{HScroll1000->Position(), HScroll1001->Position(), ScrollBar1->Position()};
    if (positions == LastPositions_) {
        NeedsRender_ = 0;
        Render();
    } else {
        LastPositions_ = positions;
    }
}

void TfrmBackWizCls::Render() {
    if (WizPage_ <= 0) return;
    Work_.SetSize(HScroll1000->Position(), HScroll1001->Position());
    DrawBase();
    DrawBorder();
    DrawBanner();
}

bool TfrmBackWizCls::ScalePhoto(bool reextract) {
    const int w = Work_.Width(), h = Work_.Height();
    return HighQuality_ ? editor::ScaleBitmapHQ(PhotoSrcBmp, PhotoScaledBmp, w, h, reextract, ScaleCache_)
                        : editor::ScaleBitmap(PhotoSrcBmp, PhotoScaledBmp, w, h, ScaleCache_);
}

void TfrmBackWizCls::DrawBase() {
    const editor::BackgroundDesign design = Design();
    if (design.base != editor::BackBase::Photo) {
        editor::DrawBaseFill(Work_, design);
        return;
    }
    const std::string name = Edit1->Text();
    if (name.empty() || PhotoSrcBmp.Empty() || !forms::FileExists(name)) {
        Work_.Fill(editor::ColorToPixelWord(kNoPhotoColor));
        return;
    }
    bool scaled = true;
    if (name != LastPhotoName_) {
        if (LockAspect_) {
            // A new photo sets the size: its own width (within range) and the
            // height that keeps its shape.
            Linking_ = true;
            HScroll1000->SetPosition(PhotoSrcBmp.Width());
            HScroll1001->SetPosition(editor::LockedSide(HScroll1000->Position(), PhotoSrcBmp.Height(),
                                                        PhotoSrcBmp.Width(), kMinHeight, kMaxHeight,
                                                        HScroll1001->Position()));
            Linking_ = false;
            Work_.SetSize(HScroll1000->Position(), HScroll1001->Position());
            NeedsRender_ = 0;
        }
        scaled = ScalePhoto(true);
    } else if (Work_.Width() != LastPhotoWidth_ || Work_.Height() != LastPhotoHeight_) {
        scaled = ScalePhoto(false);
    }
    LastPhotoName_ = name;
    LastPhotoWidth_ = Work_.Width();
    LastPhotoHeight_ = Work_.Height();
    if (scaled && PhotoScaledBmp.Width() == Work_.Width() && PhotoScaledBmp.Height() == Work_.Height())
        Work_ = PhotoScaledBmp;
    else
        Work_.Fill(editor::ColorToPixelWord(kNoPhotoColor));
}

void TfrmBackWizCls::DrawBorder() {
    const editor::BackgroundDesign design = Design();
    BorderUsed_ = editor::DrawBorder(Work_, design.border, design.borderThickness);
}

void TfrmBackWizCls::DrawBanner() {
    const editor::BackgroundDesign design = Design();
    editor::DrawBanner(Work_, design, BorderUsed_, TitleLetterHeight(design));
    DrawTitle();
}

void TfrmBackWizCls::DrawTitle() {
    if (Work_.Width() <= 0) return;
    ::DrawTitle(Work_, Shown_, Design(), BorderUsed_);
    ShowPreview();
}

void TfrmBackWizCls::ShowPreview() {
    if (!frmSampBack) return;
    frmSampBack->ShowPicture(Shown_);
    if (WizPage_ > 0 && !frmSampBack->Visible()) {
        frmSampBack->Show();
        if (Visible()) BringToFront();
    }
}
