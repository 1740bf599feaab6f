#include "editor/win32/common/DialogControls.h"
#include "editor/win32/menuprops/frmformprops.h"

#include <windows.h>

#include <algorithm>
#include <string>

#include "EditorResources.h"
#include "editor/logic/MenuPropsRules.h"
#include "editor/logic/StoredPicture.h"
#include "editor/logic/TextFormatRules.h"
#include "editor/win32/common/ControlNames.h"
#include "editor/win32/common/EditorGlobals.h"
#include "editor/win32/common/EditorHelp.h"
#include "editor/win32/common/FontBoxes.h"
#include "editor/win32/smallwindows/ResourcePicture.h"
#include "editor/win32/menuprops/frmbackwiz.h"
#include "editor/win32/colors/frmclrtrans.h"
#include "editor/win32/smallwindows/frmfutip.h"
#include "editor/win32/menuprops/MenuPropsHost.h"
#include "shared/TarvikUtils.h"
#include "forms/portable/BmpFile.h"
#include "forms/portable/FileSystem.h"
#include "forms/portable/PictureFile.h"
#include "forms/win32/Application.h"
#include "forms/win32/Button.h"
#include "forms/win32/CheckBox.h"
#include "forms/win32/Clipboard.h"
#include "forms/win32/ComboBox.h"
#include "forms/win32/Edit.h"
#include "forms/win32/FileDialogs.h"
#include "forms/win32/GroupBox.h"
#include "forms/win32/Image.h"
#include "forms/win32/ImageList.h"
#include "forms/win32/Label.h"
#include "forms/win32/Menus.h"
#include "forms/win32/Panel.h"
#include "forms/win32/RadioButton.h"
#include "forms/win32/RichEdit.h"
#include "forms/win32/Screen.h"
#include "forms/win32/Timer.h"
#include "forms/win32/ToolBar.h"
#include "forms/win32/ToolButton.h"

uint8_t MenuPropsCancelled = 0;

std::function<bool(forms::OpenDialog& dialog)> RunBackOpenDialog = [](forms::OpenDialog& dialog) {
    return dialog.Execute();
};
std::function<bool(forms::SaveDialog& dialog)> RunBackSaveDialog = [](forms::SaveDialog& dialog) {
    return dialog.Execute();
};
std::function<void(BackImageTarget& target)> RunBackWizard = [](BackImageTarget& target) {
    TfrmBackWizCls wizard(target);
    wizard.ShowModal();
};
std::function<void(int32_t transColor, ColorReceiver& receiver, int x, int y)> RunTransPicker =
    [](int32_t transColor, ColorReceiver& receiver, int x, int y) {
        ShowTransPopup(transColor, 2, receiver, x, y);
    };

namespace {

namespace glyph = editor_resources;

constexpr forms::Color kAppWorkSpace = forms::SystemColor(COLOR_APPWORKSPACE);
// The preview panel and the picture area inside its border.
constexpr int kPreviewPanelWidth = 465;
constexpr int kPreviewPanelHeight = 209;

const char* const kNoBackQuestion =
    "In order to proceed you must set a background image for your menu. Would you like to do that now?";
const char* const kNoImage = "No image to copy.";
const char* const kUnreadablePicture = "The picture could not be read. The background has not been changed.";

forms::ToolButton* NewToolButton(forms::Component* owner, forms::ToolBar* bar, const char* name, const char* hint,
                                 int image, forms::ToolButtonStyle style = forms::ToolButtonStyle::Button) {
    auto* button = new forms::ToolButton(owner, bar);
    button->SetName(name);
    button->SetHint(hint);
    button->SetStyle(style);
    button->SetImageIndex(image);
    return button;
}

void NewSeparator(forms::Component* owner, forms::ToolBar* bar) {
    (new forms::ToolButton(owner, bar))->SetStyle(forms::ToolButtonStyle::Separator);
}

forms::ImageList* LoadGlyphs(forms::Component* owner, const char* resourceName) {
    auto* glyphs = new forms::ImageList(owner);
    const forms::Picture strip = LoadResourcePicture(resourceName);
    if (!strip.Empty()) glyphs->AddMasked(strip.Pixels(), glyph::kGlyphMaskColor);
    return glyphs;
}

forms::Color TransPanelColor(int32_t number) {
    return number < 1 ? kAppWorkSpace : static_cast<forms::Color>(QBColor(number));
}

POINT ScreenPointUnder(const forms::ToolButton& button) {
    const RECT r = button.BoundsRect();
    return button.Bar()->ClientToScreen(POINT{r.left + 1, r.bottom + 1});
}

}  // namespace

// ---- construction ----

TfrmFormPropsCls::TfrmFormPropsCls(MenuPropsHost& main) : main_(main) {
    SetName("frmFormProps");
    SetCaption("Menu Properties");
    SetBorderStyle(forms::BorderStyle::Dialog);
    SetBorderIcons(forms::biSystemMenu);
    SetClientSize(730, 560);

    NewLabel(this, this, "Menu Caption (this appears in the task bar)", 12, 12, 300, 16);
    Text1 = new forms::Edit(this, this);
    Text1->SetName("Text1");
    Text1->SetBounds(12, 30, 300, 21);
    Text1->SetTabStop(true);
    Text1->SetText("My Menu");

    CreateBackgroundGroup();
    CreateLocationGroup();
    CreateTextGroup();

    Command1000 = NewButton(this, this, "Command1000", "OK", 476, 524, 75);
    Command1000->SetDefault(true);
    Command1000->OnClick = [this](forms::Component& s) { Command1_Click(s); };
    Command1001 = NewButton(this, this, "Command1001", "Cancel", 556, 524, 75);
    Command1001->SetCancel(true);
    Command1001->OnClick = [this](forms::Component& s) { Command1_Click(s); };
    Command6 = NewButton(this, this, "Command6", "&Help", 640, 524, 75);
    Command6->OnClick = [this](forms::Component&) { Command6_Click(); };

    Timer1 = new forms::Timer(this);
    Timer1->SetName("Timer1");
    Timer1->SetInterval(0);
    Timer1->OnTimer = [this](forms::Component&) { Timer1_Timer(); };

    CenterOnOwner();
    Form_Load();
}

TfrmFormPropsCls::~TfrmFormPropsCls() = default;

void TfrmFormPropsCls::CreateBackgroundGroup() {
    auto* group = new forms::GroupBox(this, this);
    group->SetName("GroupBack");
    group->SetCaption("Menu Background Image");
    group->SetBounds(12, 60, 490, 290);

    ToolBar1 = new forms::ToolBar(this, group);
    ToolBar1->SetName("ToolBar1");
    ToolBar1->SetImages(LoadGlyphs(this, glyph::kStandardGlyphResource));
    ToolBar1->SetBounds(10, 18, 300, 26);
    // The bar holds windowed controls only: the label sits in a panel.
    auto* menuBackPanel = new forms::Panel(this, ToolBar1);
    menuBackPanel->SetName("pnlMenuBack");
    menuBackPanel->SetBevelOuter(forms::PanelBevel::None);
    menuBackPanel->SetBounds(0, 0, 64, 16);
    auto* menuBack = new forms::Label(this, menuBackPanel);
    menuBack->SetName("lblMenuBack");
    menuBack->SetAutoSize(false);
    menuBack->SetCaption("Menu Back");
    menuBack->SetHint("Menu Background Image (Menu will be the size of this image)");
    menuBack->SetBounds(0, 0, 64, 16);
    (new forms::ToolButton(this, ToolBar1))->SetControl(menuBackPanel);
    ToolButton1 = NewToolButton(this, ToolBar1, "ToolButton1", "Open", glyph::StandardGlyph::Open);
    ToolButton1->OnClick = [this](forms::Component&) { OpenBackImage(); };
    ToolButton3 = NewToolButton(this, ToolBar1, "ToolButton3", "Save", glyph::StandardGlyph::Save);
    ToolButton3->OnClick = [this](forms::Component&) { SaveBackImage(); };
    NewSeparator(this, ToolBar1);
    ToolButton5 = NewToolButton(this, ToolBar1, "ToolButton5", "Copy", glyph::StandardGlyph::Copy);
    ToolButton5->OnClick = [this](forms::Component&) { ToolButton5Click(); };
    ToolButton6 = NewToolButton(this, ToolBar1, "ToolButton6", "Paste", glyph::StandardGlyph::Paste);
    ToolButton6->OnClick = [this](forms::Component&) { ToolButton6Click(); };
    NewSeparator(this, ToolBar1);
    ToolButton8 = NewToolButton(this, ToolBar1, "ToolButton8", "Background Image Wizard", glyph::StandardGlyph::Wizard);
    ToolButton8->SetCaption("Wizard");
    ToolButton8->OnClick = [this](forms::Component&) { ToolButton8Click(); };

    picBack = new forms::Panel(this, group);
    picBack->SetName("picBack");
    picBack->SetBevelOuter(forms::PanelBevel::Lowered);
    picBack->SetColor(kAppWorkSpace);
    picBack->SetBounds(12, 48, kPreviewPanelWidth, kPreviewPanelHeight);
    Image1 = new forms::Image(this, picBack);
    Image1->SetName("Image1");
    Image1->SetBounds(1, 1, kPreviewPanelWidth - 2, kPreviewPanelHeight - 2);
    lblNoImage = new forms::Label(this, picBack);
    lblNoImage->SetName("lblNoImage");
    lblNoImage->SetTransparent(true);
    lblNoImage->SetCaption("(Image not set)");
    lblNoImage->SetBounds(190, 96, 100, 16);

    NewLabel(this, group, "Transparent Color", 12, 264, 100, 16);
    Panel7 = new forms::Panel(this, group);
    Panel7->SetName("Panel7");
    Panel7->SetBevelOuter(forms::PanelBevel::Lowered);
    Panel7->SetBounds(116, 260, 40, 21);
    Panel7->OnClick = [this](forms::Component&) { BitBtn9Click(); };
    BitBtn9 = NewButton(this, group, "BitBtn9", "...", 160, 258, 28);
    BitBtn9->OnClick = [this](forms::Component&) { BitBtn9Click(); };
}

void TfrmFormPropsCls::CreateLocationGroup() {
    auto* group = new forms::GroupBox(this, this);
    group->SetName("GroupLocation");
    group->SetCaption("Menu - Location");
    group->SetBounds(512, 60, 206, 290);
    NewLabel(this, group, "Where would you like the menu to appear?", 8, 18, 190, 30);
    constexpr int kPictureLeft = 3;
    constexpr int kPictureTop = 50;
    picMonitor = new forms::Image(this, group);
    picMonitor->SetName("picMonitor");
    picMonitor->SetBounds(kPictureLeft, kPictureTop, 200, 164);
    picMonitor->SetPicture(LoadResourcePicture(glyph::kMonitorPictureResource, glyph::kGlyphMaskColor));
    static_assert(glyph::kMonitorScreenWidth == editor::kMonitorScreenWidth &&
                      glyph::kMonitorScreenHeight == editor::kMonitorScreenHeight,
                  "the monitor picture's screen and the option places must agree");
    for (int k = 0; k < editor::kScreenPositionCount; ++k) {
        auto* option = new forms::RadioButton(this, group);
        option->SetName("Option" + std::to_string(1000 + k));
        option->SetHint(editor::ScreenPositionText(k));
        const editor::SpotPos spot = editor::PositionSpot(k);
        option->SetBounds(kPictureLeft + glyph::kMonitorScreenLeft + spot.X,
                          kPictureTop + glyph::kMonitorScreenTop + spot.Y, editor::kPositionOptionSize,
                          editor::kPositionOptionSize);
        option->OnClick = [this](forms::Component& s) { Option1_Click(s); };
        Options[static_cast<size_t>(k)] = option;
    }
    PosiLabel = NewLabel(this, group, "", 8, 222, 190, 16);
    PosiLabel->SetName("PosiLabel");
    PosiLabel->SetAlignment(forms::Alignment::Center);

    NewLabel(this, this, "Animation Rate", 330, 12, 100, 16);
    Text7 = new forms::Edit(this, this);
    Text7->SetName("Text7");
    Text7->SetBounds(330, 30, 60, 21);
    Text7->SetTabStop(true);
    Text7->OnExit = [this](forms::Component&) { Text7_LostFocus(); };
    NewLabel(this, this, "(Delay between frames in milliseconds)", 396, 33, 220, 16);
    Check1 = new forms::CheckBox(this, this);
    Check1->SetName("Check1");
    Check1->SetCaption("Animate Caption");
    Check1->SetBounds(524, 356, 190, 20);
    CheckBox1 = new forms::CheckBox(this, this);
    CheckBox1->SetName("CheckBox1");
    CheckBox1->SetCaption("Use Default Menu Sounds");
    CheckBox1->SetBounds(524, 380, 190, 20);
}

void TfrmFormPropsCls::CreateTextGroup() {
    auto* group = new forms::GroupBox(this, this);
    group->SetName("GroupText");
    group->SetCaption("Default Menu Text");
    group->SetBounds(12, 354, 490, 160);

    ToolBar4 = new forms::ToolBar(this, group);
    ToolBar4->SetName("ToolBar4");
    ToolBar4->SetCaption("Formatting Toolbar");
    textGlyphs_ = LoadGlyphs(this, glyph::kFormattingGlyphResource);
    ToolBar4->SetImages(textGlyphs_);
    ToolBar4->SetBounds(8, 18, 474, 26);
    cmbTB000 = new forms::ComboBox(this, ToolBar4, forms::ComboStyle::DropDown);
    cmbTB000->SetName("cmbTB000");
    cmbTB000->SetHint("Font");
    cmbTB000->SetBounds(0, 0, 140, 21);
    cmbTB000->SetDropDownCount(24);
    WireFontNameBox(*cmbTB000, [this] { cmbTB000Change(); },
                    [this] { return RichEdit1->SelectionFormat().fontName; });
    (new forms::ToolButton(this, ToolBar4))->SetControl(cmbTB000);
    cmbTB001 = new forms::ComboBox(this, ToolBar4, forms::ComboStyle::DropDown);
    cmbTB001->SetName("cmbTB001");
    cmbTB001->SetHint("Font Size");
    cmbTB001->SetBounds(0, 0, 45, 21);
    cmbTB001->SetDropDownCount(16);
    WireFontSizeBox(*cmbTB001, [this] { cmbTB001Change(); });
    (new forms::ToolButton(this, ToolBar4))->SetControl(cmbTB001);
    ToolButton27 = NewToolButton(this, ToolBar4, "ToolButton27", "Text Color", glyph::FormattingGlyph::TextColor,
                                 forms::ToolButtonStyle::DropDown);
    ToolButton27->OnClick = [this](forms::Component&) { ToolButton27Click(); };
    auto* popup = new forms::PopupMenu(this);
    popup->SetName("PopupMenu4");
    popup->OnPopup = [this](forms::Component&) { ToolButton27Click(); };
    ToolButton27->SetDropdownMenu(popup);
    ToolButton29 = NewToolButton(this, ToolBar4, "ToolButton29", "Bold", glyph::FormattingGlyph::Bold,
                                 forms::ToolButtonStyle::Check);
    ToolButton29->OnClick = [this](forms::Component&) { StyleButtonClick(ToolButton29, forms::fsBold); };
    ToolButton30 = NewToolButton(this, ToolBar4, "ToolButton30", "Italic", glyph::FormattingGlyph::Italic,
                                 forms::ToolButtonStyle::Check);
    ToolButton30->OnClick = [this](forms::Component&) { StyleButtonClick(ToolButton30, forms::fsItalic); };
    ToolButton31 = NewToolButton(this, ToolBar4, "ToolButton31", "Underline", glyph::FormattingGlyph::Underline,
                                 forms::ToolButtonStyle::Check);
    ToolButton31->OnClick = [this](forms::Component&) { StyleButtonClick(ToolButton31, forms::fsUnderline); };
    NewSeparator(this, ToolBar4);
    ToolButton33 = NewToolButton(this, ToolBar4, "ToolButton33", "Align Left", glyph::FormattingGlyph::AlignLeft,
                                 forms::ToolButtonStyle::CheckGroup);
    ToolButton33->OnClick = [this](forms::Component&) { SetTextAlign(0); };
    ToolButton34 = NewToolButton(this, ToolBar4, "ToolButton34", "Center", glyph::FormattingGlyph::AlignCenter,
                                 forms::ToolButtonStyle::CheckGroup);
    ToolButton34->OnClick = [this](forms::Component&) { SetTextAlign(2); };
    ToolButton35 = NewToolButton(this, ToolBar4, "ToolButton35", "Align Right", glyph::FormattingGlyph::AlignRight,
                                 forms::ToolButtonStyle::CheckGroup);
    ToolButton35->OnClick = [this](forms::Component&) { SetTextAlign(1); };
    NewSeparator(this, ToolBar4);
    ToolButton20 = new forms::Button(this, ToolBar4);
    ToolButton20->SetName("ToolButton20");
    ToolButton20->SetCaption("Select All");
    ToolButton20->SetHint("Set the format of this button to be the default for new buttons");
    ToolButton20->SetBounds(0, 0, 70, 22);
    ToolButton20->OnClick = [this](forms::Component&) { RichEdit1->SelectAll(); };
    (new forms::ToolButton(this, ToolBar4))->SetControl(ToolButton20);

    RichEdit1 = new forms::RichEdit(this, group);
    RichEdit1->SetName("RichEdit1");
    RichEdit1->SetBounds(8, 48, 474, 104);
    RichEdit1->SetFont(forms::Font("Segoe UI", 10, false, false, false, forms::clBlack));
    RichEdit1->SetTabStop(true);
    RichEdit1->OnSelectionChange = [this](forms::Component&) {
        if (!formatting_) ShowSelFormat();
    };
    RichEdit1->OnMouseDown = [this](forms::Control&, forms::MouseButton button, forms::ShiftState, int x, int y) {
        if (button == forms::MouseButton::Right) RichEdit1MouseDown(x, y);
    };
}

// ---- loading and closing ----

void TfrmFormPropsCls::Form_Load() {
    cmbTB000->SetItems(forms::ScreenFonts());
    std::vector<std::string> sizes;
    for (int size = 4; size <= 144; ++size) sizes.push_back(std::to_string(size));
    cmbTB001->SetItems(sizes);
    MenuPropsCancelled = 1;
    SetShowHint(EditorOptions.ShowToolTips);
    back_ = forms::Bitmap();

    TMenuDocument* doc = main_.CurrentDoc();
    if (!doc) return;
    const TAQMenu& menu = doc->Menu;
    UpdateTransColor(menu.TransColor);
    Text1->SetText(menu.MenuTitle);
    RichEdit1->SetRTF(menu.AccRTF);
    RichEdit1->SetSelection(0, 0);
    RichEdit1->SetBackgroundColor(editor::TextBoxBackFor(forms::ColorToRGB(RichEdit1->SelectionFormat().color)));
    if (main_.GetBtnPic(0, Up, 0, 1) == 1) back_ = SharedBmp;
    ShowBackPreview();
    const int position = menu.ScreenPos >= 0 && menu.ScreenPos < editor::kScreenPositionCount ? menu.ScreenPos : 0;
    Options[static_cast<size_t>(position)]->SetChecked(true);
    Option1_Click(*Options[static_cast<size_t>(position)]);
    Text7->SetText(std::to_string(menu.AnimInterval));
    Check1->SetChecked(menu.ScrollTitle == 1);
    CheckBox1->SetChecked(menu.SoundsOn == 1);
    Timer1->SetInterval(10);
}

void TfrmFormPropsCls::Timer1_Timer() {
    if (!Visible()) return;
    Timer1->SetInterval(0);
    RichEdit1->SetSelection(0, 0);
    ShowSelFormat();
    ShowTip(0);
    if (WizardMode == 1 && Visible()) RunBackWizard(*this);
}

void TfrmFormPropsCls::Command1_Click(forms::Component& sender) {
    if (NameNumber(sender.Name()) != 0) {
        SetModalResult(forms::mrCancel);
        return;
    }
    if (!HasBackImage()) {
        const int answer = EditorMsg(kNoBackQuestion, TMsgDlgType::mtInformation, TMsgDlgButtons::mbYesNoCancel);
        if (answer == mrYes) RunBackWizard(*this);
        SetModalResult(forms::mrNone);
        return;
    }
    const std::optional<int32_t> rate = editor::ParseAnimationRate(Text7->Text());
    if (!rate) {
        Text7_LostFocus();
        SetModalResult(forms::mrNone);
        return;
    }
    TMenuDocument* doc = main_.CurrentDoc();
    if (!doc) {
        SetModalResult(forms::mrCancel);
        return;
    }
    TAQMenu& menu = doc->Menu;
    menu.AnimInterval = *rate;
    menu.ScrollTitle = Check1->Checked() ? 1 : 0;
    menu.SoundsOn = CheckBox1->Checked() ? 1 : 0;
    main_.SetBtnPic(0, Up, 0, SharedBmp);
    menu.MenuTitle = Text1->Text();
    menu.AccRTF = RichEdit1->RTF();
    menu.TransColor = transNumber_;
    menu.ScreenPos = SelectedPosition();
    main_.ShowMenuBack();
    MenuPropsCancelled = 0;
    SetModalResult(forms::mrOk);
}

void TfrmFormPropsCls::Command6_Click() { ShowHelpPage("quor2bjj"); }

void TfrmFormPropsCls::Option1_Click(forms::Component& sender) {
    PosiLabel->SetCaption(editor::ScreenPositionText(NameNumber(sender.Name())));
}

int TfrmFormPropsCls::SelectedPosition() const {
    for (int k = 0; k < editor::kScreenPositionCount; ++k)
        if (Options[static_cast<size_t>(k)]->Checked()) return k;
    return 0;
}

void TfrmFormPropsCls::Text7_LostFocus() {
    if (editor::ParseAnimationRate(Text7->Text())) return;
    forms::Beep();
    Text7->SetText(editor::kDefaultAnimationRate);
}

// ---- the background ----

bool TfrmFormPropsCls::HasBackImage() {
    if (back_.Empty()) return false;
    SharedBmp = back_;
    return true;
}

bool TfrmFormPropsCls::SetBackImage(const forms::Bitmap& picture) {
    if (!editor::MenuHoldsPicture(picture.Width(), picture.Height())) {
        EditorMsg(editor::PictureTooLargeText(picture.Width(), picture.Height()), TMsgDlgType::mtWarning,
                  TMsgDlgButtons::mbOK);
        return false;
    }
    back_ = picture;
    editor::UseStoredPixelLayout(back_);
    return true;
}

void TfrmFormPropsCls::ShowBackPreview() {
    if (back_.Empty()) {
        Image1->SetVisible(false);
        lblNoImage->SetVisible(true);
        return;
    }
    const int pw = picBack->Width() - 2;
    const int ph = picBack->Height() - 2;
    const editor::PreviewRect fit = editor::FitPreview(back_.Width(), back_.Height(), pw, ph);
    forms::Bitmap preview(pw, ph, 0xFF000000u | static_cast<uint32_t>(SwapRedBlue(static_cast<int32_t>(forms::ColorToRGB(kAppWorkSpace)))));
    // Nearest-pixel scaling into the fitted rectangle.
    for (int y = 0; y < fit.Height; ++y) {
        const uint32_t* src = back_.ScanLine(static_cast<int>(static_cast<int64_t>(y) * back_.Height() / fit.Height));
        uint32_t* dst = preview.ScanLine(fit.Top + y) + fit.Left;
        for (int x = 0; x < fit.Width; ++x)
            dst[x] = src[static_cast<int64_t>(x) * back_.Width() / fit.Width] | 0xFF000000u;
    }
    Image1->SetPicture(preview);
    Image1->SetVisible(true);
    lblNoImage->SetVisible(false);
}

bool TfrmFormPropsCls::LoadBackFile(const std::string& path) {
    forms::Bitmap picture;
    if (!forms::LoadPictureFile(path, picture) || picture.Empty()) {
        EditorMsg(kUnreadablePicture, TMsgDlgType::mtWarning, TMsgDlgButtons::mbOK);
        return false;
    }
    if (!SetBackImage(picture)) return false;
    SharedBmp = back_;
    return true;
}

void TfrmFormPropsCls::OpenBackImage() {
    forms::OpenDialog dialog(this);
    dialog.SetFilter(PictureOpenFilter("Photo"));
    dialog.SetTitle("Open Photo...");
    dialog.SetOptions(forms::ofOverwritePrompt | forms::ofPathMustExist | forms::ofNoReadOnlyReturn);
    // A cancelled or unreadable choice leaves the background as it was.
    if (!RunBackOpenDialog(dialog) || !LoadBackFile(dialog.FileName())) return;
    ShowBackPreview();
}

void TfrmFormPropsCls::SaveBackImage() {
    if (back_.Empty()) {
        EditorMsg(kNoImage, TMsgDlgType::mtInformation, TMsgDlgButtons::mbOK);
        return;
    }
    saveCopy_ = back_;
    forms::SaveDialog dialog(this);
    dialog.SetFilter("Bitmaps (*.bmp)|*.bmp");
    dialog.SetTitle("Save Image As...");
    dialog.SetOptions(forms::ofOverwritePrompt | forms::ofPathMustExist | forms::ofNoReadOnlyReturn);
    if (!RunBackSaveDialog(dialog)) return;
    const std::string name = editor::BackImageSaveName(dialog.FileName());
    if (forms::FileExists(name) &&
        EditorMsg("Are you sure you wish to overwrite the existing " + name + " image?", TMsgDlgType::mtWarning,
                  TMsgDlgButtons::mbYesNoCancel) != mrYes)
        return;
    if (!forms::SaveBmpFile(saveCopy_, name))
        EditorMsg("The image could not be saved as " + name + ".", TMsgDlgType::mtWarning, TMsgDlgButtons::mbOK);
}

void TfrmFormPropsCls::ToolButton5Click() {
    if (!HasBackImage()) {
        EditorMsg(kNoImage, TMsgDlgType::mtInformation, TMsgDlgButtons::mbOK);
        return;
    }
    forms::SetClipboardBitmap(SharedBmp);
}

void TfrmFormPropsCls::ToolButton6Click() {
    forms::Bitmap picture;
    if (!forms::ClipboardHasBitmap() || !forms::GetClipboardBitmap(picture) || picture.Empty() ||
        !SetBackImage(picture))
        return;
    ShowBackPreview();
}

void TfrmFormPropsCls::ToolButton8Click() { RunBackWizard(*this); }

// ---- colours ----

void TfrmFormPropsCls::ColorDelivered(int32_t target) {
    if (target == ClrTargetMenuText) {
        UpdateColor();
    } else if (target == ClrTargetObjBack) {
        RichEdit1->SetBackgroundColor(CurClr);
    } else if (target == ClrTargetTransparent) {
        UpdateTransColor(TransIndex);
    }
}

void TfrmFormPropsCls::UpdateTransColor(int32_t index) {
    transNumber_ = index;
    Panel7->SetColor(TransPanelColor(index));
}

void TfrmFormPropsCls::BitBtn9Click() {
    TransRequester = 2;
    TransIndex = transNumber_;
    const POINT p = Panel7->ClientToScreen(POINT{0, Panel7->Height() + 1});
    RunTransPicker(transNumber_, *this, p.x, p.y);
}

void TfrmFormPropsCls::ToolButton27Click() {
    const POINT p = ScreenPointUnder(*ToolButton27);
    RequestColor(ClrTargetMenuText, RichEdit1->SelectionFormat().color, *this, p.x, p.y);
}

void TfrmFormPropsCls::RichEdit1MouseDown(int x, int y) {
    const POINT p = RichEdit1->ClientToScreen(POINT{x, y});
    RequestColor(ClrTargetObjBack, RichEdit1->BackgroundColor(), *this, p.x, p.y);
}

void TfrmFormPropsCls::UpdateColor() {
    const forms::Color colour = CurClr;
    FormatText([colour](forms::RichEdit& edit) { edit.SetSelectionColor(colour); });
    SetBoxColor(colour, 1);
    RichEdit1->SetBackgroundColor(editor::TextBoxBackFor(forms::ColorToRGB(colour)));
}

void TfrmFormPropsCls::SetBoxColor(forms::Color colour, int which) {
    const int index = which == 1 ? ToolButton27->ImageIndex() : 0;
    if (!textGlyphs_ || index < 0 || index >= textGlyphs_->Count()) return;
    const uint32_t rgb = forms::ColorToRGB(colour) & 0xFFFFFF;
    const auto mask = static_cast<forms::Color>(editor::ColorBarMask(rgb));
    forms::Bitmap cell = textGlyphs_->GetBitmap(index, mask);
    if (cell.Width() < 16 || cell.Height() < 16) return;
    const uint32_t pixel = 0xFF000000u | static_cast<uint32_t>(SwapRedBlue(static_cast<int32_t>(rgb)));
    for (int y = 12; y < 16; ++y) std::fill_n(cell.ScanLine(y), 16, pixel);
    textGlyphs_->ReplaceMasked(index, cell, mask);
    ToolBar4->Invalidate();
}

// ---- default text formatting ----

void TfrmFormPropsCls::FormatText(const std::function<void(forms::RichEdit&)>& change) {
    formatting_ = true;
    if (RichEdit1->SelLength() == 0) {
        RichEdit1->SelectAll();
        change(*RichEdit1);
        RichEdit1->SetSelection(0, 0);
    } else {
        change(*RichEdit1);
    }
    formatting_ = false;
}

void TfrmFormPropsCls::StyleButtonClick(forms::ToolButton* button, unsigned bit) {
    const bool on = button->Down();
    FormatText([bit, on](forms::RichEdit& edit) {
        const forms::FontStyles style = edit.SelectionFormat().style;
        edit.SetSelectionStyle(on ? (style | bit) : (style & ~bit));
    });
}

void TfrmFormPropsCls::cmbTB000Change() {
    const int row = cmbTB000->ItemIndex();
    if (row < 0) return;
    const std::string name = cmbTB000->Item(row);
    FormatText([&name](forms::RichEdit& edit) { edit.SetSelectionFontName(name); });
}

void TfrmFormPropsCls::cmbTB001Change() {
    const std::optional<int> size = editor::ParseFontSize(cmbTB001->Text());
    if (!size) return;
    FormatText([&size](forms::RichEdit& edit) { edit.SetSelectionSize(*size); });
}

void TfrmFormPropsCls::SetTextAlign(uint8_t alignment) {
    const forms::Alignment value =
        alignment == 1 ? forms::Alignment::Right : alignment == 2 ? forms::Alignment::Center : forms::Alignment::Left;
    FormatText([value](forms::RichEdit& edit) { edit.SetSelectionAlignment(value); });
    ToolButton33->SetDown(value == forms::Alignment::Left);
    ToolButton34->SetDown(value == forms::Alignment::Center);
    ToolButton35->SetDown(value == forms::Alignment::Right);
}

void TfrmFormPropsCls::ShowSelFormat() {
    const forms::CharFormat format = RichEdit1->SelectionFormat();
    ShowFontName(*cmbTB000, format.fontName);
    cmbTB001->SetText(std::to_string(format.size));
    ToolButton29->SetDown((format.style & forms::fsBold) != 0);
    ToolButton30->SetDown((format.style & forms::fsItalic) != 0);
    ToolButton31->SetDown((format.style & forms::fsUnderline) != 0);
    const forms::Alignment alignment = RichEdit1->SelectionAlignment();
    ToolButton33->SetDown(alignment == forms::Alignment::Left);
    ToolButton34->SetDown(alignment == forms::Alignment::Center);
    ToolButton35->SetDown(alignment == forms::Alignment::Right);
    SetBoxColor(format.color, 1);
}
