#include "editor/win32/common/DialogControls.h"
#include "editor/win32/buttonprops/frmproperties.h"

#include <windows.h>

#include <shellapi.h>
#include <shlwapi.h>

#include "editor/logic/ButtonFrames.h"
#include "editor/win32/common/ControlNames.h"
#include "editor/win32/common/EditorGlobals.h"
#include "editor/win32/common/EditorHelp.h"
#include "editor/win32/common/FontBoxes.h"
#include "editor/win32/smallwindows/ResourcePicture.h"
#include "editor/win32/buttonprops/frmbtnwiz.h"
#include "editor/win32/smallwindows/frmfutip.h"
#include "EditorResources.h"
#include "forms/portable/FileSystem.h"
#include "forms/win32/Application.h"
#include "forms/win32/Button.h"
#include "forms/win32/CheckBox.h"
#include "forms/win32/ComboBox.h"
#include "forms/win32/Edit.h"
#include "forms/win32/FileDialogs.h"
#include "forms/win32/Image.h"
#include "forms/win32/ImageList.h"
#include "forms/win32/Label.h"
#include "forms/win32/Menus.h"
#include "forms/win32/Panel.h"
#include "forms/win32/RadioButton.h"
#include "forms/win32/RichEdit.h"
#include "forms/win32/ScrollBar.h"
#include "forms/win32/Shape.h"
#include "forms/win32/TabControl.h"
#include "forms/win32/Timer.h"
#include "forms/win32/ToolBar.h"
#include "forms/win32/ToolButton.h"
#include "shared/TextParts.h"
#include "shared/win32/mdlfilebin_win32.h"

namespace {

namespace glyph = editor_resources;

constexpr int kClientWidth = 572;
constexpr int kClientHeight = 456;
constexpr int kBarHeight = 28;
// Page panels lie over the tab control's display area.
constexpr int kPageLeft = 10;
constexpr int kPageTop = 62;
constexpr int kPageWidth = 552;
constexpr int kPageHeight = 346;

const char* const kTabNames[5] = {"Appearance", "Execution", "Description", "Viewer", "Position"};
const char* const kNoUpImage = "You must have at least one default Up image for a graphical button.";
const char* const kCDInCommand =
    "The %CD% variable is only used in Commandline Arguments, not in the command. Please read Help closely "
    "regarding the proper use of Commandline Arguments and the %CD% variable.";
const char* const kCommandCorrected = " has attempted to correct the command, please check and adjust if necessary.";
const char* const kShortcutInUse =
    "The selected keyboard shortcut is already in use by another button, it will therefore be set to \"none\". "
    "Continue?";
const char* const kAnimationOff =
    "You currently have animation frames for this button, but\rimage animation is set to \"Do Not Animate "
    "Images\".\rWould you like to return to change this now?";
const char* const kBadSize = "The width and height must be whole numbers from 1 to 2000.";
const char* const kCommandHelpQuestion =
    "For full information on commands, please see\rhelp under \"Button Command Summary\"\r\rAlternatively, click "
    "the Command Wizard\rand it will fill out your command for you.\r\r\n\r\nWould you like to go to Help now?";

forms::Edit* NewEdit(forms::Component* owner, forms::WinControl* parent, const std::string& name, int left, int top,
                     int width) {
    auto* edit = new forms::Edit(owner, parent);
    edit->SetName(name);
    edit->SetBounds(left, top, width, 21);
    return edit;
}

forms::CheckBox* NewCheck(forms::Component* owner, forms::WinControl* parent, const std::string& name,
                          const std::string& caption, int left, int top, int width) {
    auto* check = new forms::CheckBox(owner, parent);
    check->SetName(name);
    check->SetCaption(caption);
    check->SetBounds(left, top, width, 17);
    return check;
}

forms::Panel* NewPanel(forms::Component* owner, forms::WinControl* parent, const std::string& name, int left,
                       int top, int width, int height) {
    auto* panel = new forms::Panel(owner, parent);
    panel->SetName(name);
    panel->SetBevelOuter(forms::PanelBevel::None);
    panel->SetBounds(left, top, width, height);
    return panel;
}

forms::ScrollBar* NewBar(forms::Component* owner, forms::WinControl* parent, const char* name,
                         forms::ScrollBarKind kind, int min, int max, int start, int left, int top, int width,
                         int height) {
    auto* bar = new forms::ScrollBar(owner, parent, kind);
    bar->SetName(name);
    bar->SetRange(min, max);
    bar->SetPosition(start);
    bar->SetLargeChange(5);
    bar->SetBounds(left, top, width, height);
    return bar;
}

// The shortcut list: "none", "0".."9", "A".."Z".
std::vector<std::string> ShortcutItems() {
    std::vector<std::string> items{"none"};
    for (char c = '0'; c <= '9'; ++c) items.emplace_back(1, c);
    for (char c = 'A'; c <= 'Z'; ++c) items.emplace_back(1, c);
    return items;
}

// Cells of several glyph strips, side by side in one strip.
forms::ImageList* LoadDialogGlyphs(forms::Component* owner,
                                   const std::vector<std::pair<const char*, int>>& cells) {
    auto* list = new forms::ImageList(owner);
    forms::Bitmap strip(glyph::kGlyphSize * static_cast<int>(cells.size()), glyph::kGlyphSize,
                        0xFF000000u | 0x00FF00u);
    int at = 0;
    for (const auto& [resource, index] : cells) {
        const forms::Picture source = LoadResourcePicture(resource);
        const forms::Bitmap& pixels = source.Pixels();
        const int x0 = index * glyph::kGlyphSize;
        if (pixels.Width() >= x0 + glyph::kGlyphSize && pixels.Height() >= glyph::kGlyphSize)
            for (int y = 0; y < glyph::kGlyphSize; ++y)
                for (int x = 0; x < glyph::kGlyphSize; ++x)
                    strip.SetPixel(at * glyph::kGlyphSize + x, y, pixels.Pixel(x0 + x, y));
        ++at;
    }
    list->AddMasked(strip, glyph::kGlyphMaskColor);
    return list;
}

// The program that opens a file like the one named: the program registered
// for its extension, else the one the shell finds for its bare name (which
// finds one only when such a file lies in the working folder); "" for none.
std::string ViewerProgramFor(const std::string& name) {
    const size_t dot = name.find_last_of('.');
    if (dot != std::string::npos) {
        const std::string extension = name.substr(dot);
        char program[MAX_PATH + 1] = {};
        DWORD size = sizeof program;
        if (AssocQueryStringA(ASSOCF_NONE, ASSOCSTR_EXECUTABLE, extension.c_str(), "open", program, &size) == S_OK &&
            forms::FileExists(program))
            return program;
    }
    char found[MAX_PATH + 1] = {};
    return reinterpret_cast<INT_PTR>(FindExecutableA(name.c_str(), "", found)) > 32 ? found : "";
}

}  // namespace

std::function<bool(const std::string& folder, std::string& path)> AskPicturePath =
    [](const std::string& folder, std::string& path) {
        forms::OpenDialog dialog(nullptr);
        dialog.SetFilter(PictureOpenFilter("All Images"));
        dialog.SetTitle("Open Image...");
        dialog.SetInitialDir(folder);
        dialog.SetOptions(forms::ofPathMustExist | forms::ofFileMustExist | forms::ofHideReadOnly);
        if (!dialog.Execute()) return false;
        path = dialog.FileName();
        return true;
    };

std::function<int(TfrmPropertiesCls& dialog)> RunButtonPropertiesDialog = [](TfrmPropertiesCls& dialog) {
    return dialog.ShowModal();
};

TfrmPropertiesCls::TfrmPropertiesCls(TAQMenu& menu, int object, TAQButton& defButton, std::vector<std::string> fonts,
                                     std::vector<std::string> sizes)
    : Menu_(menu), Object_(object), DefButton_(defButton), Fonts_(std::move(fonts)), Sizes_(std::move(sizes)) {
    SetName("frmProperties");
    SetCaption("Button Properties");
    SetBorderStyle(forms::BorderStyle::Single);
    SetBorderIcons(forms::biSystemMenu);
    SetFont(forms::Font("Tahoma", 8));
    SetClientSize(kClientWidth, kClientHeight);
    CenterOnScreen();
    SetShowHint(EditorOptions.ShowToolTips);
    Busy_ = 1;
    ObjPropsCancelled = 1;

    Glyphs_ = LoadDialogGlyphs(
        this, {{glyph::kTextBoxGlyphResource, glyph::TextBoxGlyph::Previous},
               {glyph::kTextBoxGlyphResource, glyph::TextBoxGlyph::Next},
               {glyph::kStandardGlyphResource, glyph::StandardGlyph::Copy},
               {glyph::kObjectGlyphResource, glyph::ObjectGlyph::First},
               {glyph::kObjectGlyphResource, glyph::ObjectGlyph::Previous},
               {glyph::kObjectGlyphResource, glyph::ObjectGlyph::Next},
               {glyph::kObjectGlyphResource, glyph::ObjectGlyph::Last},
               {glyph::kStandardGlyphResource, glyph::StandardGlyph::InsertImage},
               {glyph::kStandardGlyphResource, glyph::StandardGlyph::New},
               {glyph::kStandardGlyphResource, glyph::StandardGlyph::AutoSeek},
               {glyph::kObjectGlyphResource, glyph::ObjectGlyph::SendBackward},
               {glyph::kObjectGlyphResource, glyph::ObjectGlyph::BringForward},
               {glyph::kStandardGlyphResource, glyph::StandardGlyph::DeleteObject},
               {glyph::kStandardGlyphResource, glyph::StandardGlyph::HelpTopics},
               {glyph::kFormattingGlyphResource, glyph::FormattingGlyph::TextColor},
               {glyph::kFormattingGlyphResource, glyph::FormattingGlyph::Bold},
               {glyph::kFormattingGlyphResource, glyph::FormattingGlyph::Italic},
               {glyph::kFormattingGlyphResource, glyph::FormattingGlyph::Underline},
               {glyph::kFormattingGlyphResource, glyph::FormattingGlyph::AlignLeft},
               {glyph::kFormattingGlyphResource, glyph::FormattingGlyph::AlignCenter},
               {glyph::kFormattingGlyphResource, glyph::FormattingGlyph::AlignRight},
               {glyph::kStandardGlyphResource, glyph::StandardGlyph::ObjectProperties}});
    TextColorGlyph_ = 14;

    HelpTopicsMenu = new forms::PopupMenu(this);
    HelpTopicsMenu->SetName("HelpTopicsMenu");
    const std::pair<const char*, const char*> topics[] = {
        {"General Button Information", "quor7c32"}, {"Creating Your Button Command", "quor67jh"},
        {"Working with Button Images", "quor8q7n"}, {"Animating Your Buttons", "quor2yqx"},
        {"Using the AutoFill Feature", "quor5sz0"}};
    for (const auto& [caption, page] : topics) {
        const std::string name = page;
        HelpTopicsMenu->AddItem("", caption, [name](forms::Component&) { ShowHelpPage(name); });
    }
    CreatePictureBar(Glyphs_);
    CreateFormattingBar(Glyphs_);
    Panel11 = NewPanel(this, this, "Panel11", 0, 0, kClientWidth, kBarHeight);
    Panel11->SetCaption("The format of Windows buttons is defined by the user and the operating system.");
    Panel9 = NewPanel(this, this, "Panel9", 0, 0, kClientWidth, kBarHeight);
    Panel9->SetCaption("(Click the Appearance tab to reactivate the appearance toolbar.)");
    Panel9->SetVisible(false);

    TabControl1 = new forms::TabControl(this, this);
    TabControl1->SetName("TabControl1");
    TabControl1->SetBounds(4, kBarHeight + 4, kClientWidth - 8, kPageTop + kPageHeight - kBarHeight);
    for (const char* tab : kTabNames) TabControl1->AddTab(tab);
    TabControl1->SetTabIndex(0);
    TabControl1->OnChange = [this](forms::Component&) { TabControl1Change(); };
    for (int i = 0; i < 5; ++i) {
        pnlProp[static_cast<size_t>(i)] =
            NewPanel(this, this, "pnlProp0" + std::to_string(i),
                     kPageLeft, kPageTop, kPageWidth, kPageHeight);
        pnlProp[static_cast<size_t>(i)]->SetVisible(i == 0);
    }
    CreateAppearancePage();
    CreateExecutionPage();
    CreateDescriptionPage();
    CreateViewerPage();
    CreatePositionPage();

    RichEditTransP = new forms::RichEdit(this, this);
    RichEditTransP->SetName("RichEditTransP");
    RichEditTransP->SetVisible(false);
    RichEditTransP->SetFont(DefaultTextFont());

    Command1000 = NewButton(this, this, "Command1000", "&OK", 326, kClientHeight - 36, 75);
    Command1000->SetDefault(true);
    Command1000->SetModalResult(mrOk);
    Command1000->OnClick = [this](forms::Component&) { Command1_Click(); };
    Command1001 = NewButton(this, this, "Command1001", "&Cancel", 408, kClientHeight - 36, 75);
    Command1001->SetCancel(true);
    Command1001->SetModalResult(mrCancel);
    Command1001->OnClick = [this](forms::Component&) { Command2_Click(); };
    Command6 = NewButton(this, this, "Command6", "&Help", 490, kClientHeight - 36, 75);
    Command6->OnClick = [](forms::Component&) { ShowHelpPage("quor7c32"); };

    OnClose = [this](forms::Component&, forms::CloseAction&) {
        if (ModalResult() != mrOk) ObjPropsCancelled = 1;
    };
    Scratch_ = forms::Bitmap(1, 1);
    Timer1 = new forms::Timer(this);
    Timer1->OnTimer = [this](forms::Component&) {
        if (!Visible()) return;
        Timer1->SetInterval(0);
        ShowTip(1);
    };
    Timer1->SetInterval(100);
    Timer2 = new forms::Timer(this);
    Timer2->OnTimer = [this](forms::Component&) { Timer2Timer(); };
    Timer2->SetInterval(10);
}

TfrmPropertiesCls::~TfrmPropertiesCls() = default;

// ---- construction ----

void TfrmPropertiesCls::CreateAppearancePage() {
    forms::Panel* page = pnlProp[0];
    NewLabel(this, page, "Button Type", 8, 4, 120, 14);
    const char* const kinds[3] = {"Graphical", "Windows", "Text"};
    for (int i = 0; i < 3; ++i) {
        auto* kind = new forms::RadioButton(this, page);
        kind->SetName("BtnType0" + std::to_string(i));
        kind->SetCaption(kinds[i]);
        kind->SetBounds(8 + i * 96, 20, 90, 17);
        kind->OnClick = [this](forms::Component& s) { BtnType00Click(s); };
        BtnType[static_cast<size_t>(i)] = kind;
    }
    for (int i = 0; i < 3; ++i) {
        PictureKind[static_cast<size_t>(i)] =
            NewPanel(this, page, "Picture100" + std::to_string(i), 0, 42, kPageWidth, kPageHeight - 42);
        PictureKind[static_cast<size_t>(i)]->SetVisible(false);
    }
    CreateGraphicalPage(PictureKind[0]);
    CreateWindowsPage(PictureKind[1]);
    CreateTextPage(PictureKind[2]);
    Label1 = NewLabel(this, page, "Reading Properties...", 8, 60, 300, 16);
    Label1->SetName("Label1");
}

void TfrmPropertiesCls::CreateGraphicalPage(forms::Panel* page) {
    const char* const captions[4] = {"Up Images", "Active Images", "Down Images", "Accessory Image"};
    const forms::Color workspace = static_cast<forms::Color>(GetSysColor(COLOR_APPWORKSPACE));
    shpSelect = new forms::Shape(this, page);
    shpSelect->SetName("shpSelect");
    shpSelect->SetBrushStyle(forms::BrushStyle::Clear);
    shpSelect->SetPenColor(forms::clWhite);
    shpSelect->SetPenWidth(2);
    for (int i = 0; i < 4; ++i) {
        const int left = 8 + (i % 2) * 260;
        const int top = 18 + (i / 2) * 90;
        NewLabel(this, page, captions[i], left, top - 15, 200, 14);
        forms::Panel* panel = NewPanel(this, page, NumberedName("pnlBtnCon", i), left, top, 233, 67);
        panel->SetColor(workspace);
        auto* image = new forms::Image(this, panel);
        image->SetName(NumberedName("picBtn", i));
        image->SetBounds(0, 0, 233, 67);
        image->SetVisible(false);
        forms::Label* notSet = NewLabel(this, panel, "(Right-click to set)", 60, 26, 120, 14);
        notSet->SetName(NumberedName("lblNotSet", i));
        notSet->SetAlignment(forms::Alignment::Center);
        notSet->SetTransparent(true);
        pnlBtnCon[static_cast<size_t>(i)] = panel;
        picBtn[static_cast<size_t>(i)] = image;
        lblNotSet[static_cast<size_t>(i)] = notSet;
        const auto press = [this, i](forms::Control&, forms::MouseButton button, forms::ShiftState shift, int, int) {
            SelectState(i);
            if (button != forms::MouseButton::Right) return;
            if (shift & forms::ssShift) SetNewImage();
            else SetCurrentImage();
        };
        panel->OnMouseDown = press;
        image->OnMouseDown = press;
        notSet->OnMouseDown = press;
        panel->OnDblClick = [this](forms::Component&) { SetCurrentImage(); };
    }
    shpSelect->OnMouseDown = [this](forms::Control&, forms::MouseButton button, forms::ShiftState shift, int, int) {
        if (button != forms::MouseButton::Right) return;
        if (shift & forms::ssShift) SetNewImage();
        else SetCurrentImage();
    };
    shpSelect->BringToFront();
    NewLabel(this, page, "Image Type", 8, 196, 70, 14);
    txtTB000 = NewEdit(this, page, "txtTB000", 80, 193, 50);
    txtTB000->SetEnabled(false);
    NewLabel(this, page, "Image Frame", 138, 196, 76, 14);
    txtTB001 = NewEdit(this, page, "txtTB001", 216, 193, 40);
    txtTB001->SetEnabled(false);
    ToolButton22 = NewButton(this, page, "ToolButton22", "AutoFill", 268, 191, 80);
    ToolButton22->SetHint("AutoFill Images");
    ToolButton22->OnClick = [this](forms::Component&) { AutoFill(); };
    Button1 = NewButton(this, page, "Button1", "Make Original Size", 360, 191, 140);
    Button1->OnClick = [this](forms::Component&) { MakeOriginalSize(); };
    NewLabel(this, page, "Image Animation", 8, 232, 100, 14);
    Combo2 = new forms::ComboBox(this, page, forms::ComboStyle::DropDownList);
    Combo2->SetName("Combo2");
    Combo2->SetBounds(112, 228, 220, 21);
    for (const char* mode : AnimModeText) Combo2->AddItem(mode);
    Combo2->SetItemIndex(0);
    NewLabel(this, page, "Keyboard Shortcut:  ALT +", 8, 264, 140, 14);
    Combo3 = new forms::ComboBox(this, page, forms::ComboStyle::DropDownList);
    Combo3->SetName("Combo3");
    Combo3->SetBounds(152, 260, 80, 21);
    Combo3->OnChange = [this](forms::Component&) { Combo3a->SetItemIndex(Combo3->ItemIndex()); };
}

void TfrmPropertiesCls::CreateWindowsPage(forms::Panel* page) {
    NewLabel(this, page, "Caption", 8, 4, 100, 14);
    Text4 = NewEdit(this, page, "Text4", 8, 20, 300);
    Text4->OnChange = [this](forms::Component&) { cmdSample->SetCaption(Text4->Text()); };
    // Written with accelerator marks, as the caption it speaks of: "&&" shows one ampersand.
    NewLabel(this, page, "Enter an ampersand (&&) before a character to create a keyboard shortcut to this button.",
             8, 46, 520, 14)
        ->SetShowAccelChar(true);
    NewLabel(this, page, "Size", 8, 70, 40, 14);
    lblBtnDimen = NewLabel(this, page, "89 x 25", 56, 70, 100, 14);
    lblBtnDimen->SetName("lblBtnDimen");
    HScroll1 = NewBar(this, page, "HScroll1", forms::ScrollBarKind::Horizontal, 10, 480, 89, 8, 88, 500, 17);
    VScroll1 = NewBar(this, page, "VScroll1", forms::ScrollBarKind::Vertical, 10, 120, 25, 516, 88, 17, 160);
    HScroll1->OnChange = [this](forms::Component&) { VScroll1Change(); };
    VScroll1->OnChange = [this](forms::Component&) { VScroll1Change(); };
    Panel5 = NewPanel(this, page, "Panel5", 8, 110, 500, 136);
    cmdSample = NewButton(this, Panel5, "cmdSample", "Sample", 8, 8, 89);
    NewLabel(this, page,
             "The color of the button and text placed on it are set by the user's computer settings.", 8, 256, 520,
             14);
}

void TfrmPropertiesCls::CreateTextPage(forms::Panel* page) {
    NewLabel(this, page, "Type your button caption below", 8, 4, 200, 14);
    NewLabel(this, page, "Size", 220, 4, 40, 14);
    lblBtnDimen2 = NewLabel(this, page, "89 x 25", 260, 4, 100, 14);
    lblBtnDimen2->SetName("lblBtnDimen2");
    ScrollBar1 = NewBar(this, page, "ScrollBar1", forms::ScrollBarKind::Horizontal, 10, 480, 89, 8, 22, 500, 17);
    ScrollBar2 = NewBar(this, page, "ScrollBar2", forms::ScrollBarKind::Vertical, 10, 120, 25, 516, 22, 17, 150);
    ScrollBar1->OnChange = [this](forms::Component&) { HScroll1->SetPosition(ScrollBar1->Position()); };
    ScrollBar2->OnChange = [this](forms::Component&) { VScroll1->SetPosition(ScrollBar2->Position()); };
    Panel7 = NewPanel(this, page, "Panel7", 8, 42, 500, 136);
    Panel7->SetColor(forms::clWhite);
    shpSampleOutline = new forms::Shape(this, Panel7);
    shpSampleOutline->SetName("shpSampleOutline");
    shpSampleOutline->SetBrushStyle(forms::BrushStyle::Clear);
    shpSampleOutline->SetPenStyle(forms::PenStyle::Dot);
    Panel7->OnMouseDown = [this](forms::Control& s, forms::MouseButton b, forms::ShiftState, int x, int y) {
        if (b != forms::MouseButton::Right) return;
        const POINT p = s.ClientToScreen({x, y});
        AskColor(ClrTargetBtnBack, Panel7->GetColor(), p.x, p.y);
    };
    NewLabel(this, page, "Keyboard Shortcut:  ALT +", 8, 190, 140, 14);
    Combo3a = new forms::ComboBox(this, page, forms::ComboStyle::DropDownList);
    Combo3a->SetName("Combo3a");
    Combo3a->SetBounds(152, 186, 80, 21);
    Combo3a->OnChange = [this](forms::Component&) { Combo3->SetItemIndex(Combo3a->ItemIndex()); };
    NewLabel(this, page,
             "The background color will automatically change to allow the sample text to be visible. Alternatively "
             "you can right-click on the area to set the color manually. The background color is used for the "
             "preview only.",
             8, 216, 520, 44);
}

void TfrmPropertiesCls::CreateExecutionPage() {
    forms::Panel* page = pnlProp[1];
    NewLabel(this, page, "Button Command", 8, 8, 200, 14);
    Text2000 = NewEdit(this, page, "Text2000", 8, 24, 400);
    Text2000->SetHint("Command to execute when button clicked");
    auto* info = NewButton(this, page, "ToolButton23", "?", 412, 22, 24);
    info->SetHint("Command Information");
    info->OnClick = [](forms::Component&) {
        if (EditorMsg(kCommandHelpQuestion, TMsgDlgType::mtInformation, TMsgDlgButtons::mbYesNo) == mrYes)
            ShowHelpPage("quor67jh");
    };
    ToolButton24 = NewButton(this, page, "ToolButton24", "Command Wizard", 440, 22, 104);
    ToolButton24->SetHint("Fill out Execution details using a Wizard");
    ToolButton24->OnClick = [this](forms::Component&) {
        TfrmBtnWizCls wizard(*Text2000, *Text2001, *Check1[0], *Check1[1], *Check1[2], *Check1[3]);
        wizard.ShowModal();
    };
    NewLabel(this, page, "CommandLine Arguments (advanced users only)", 8, 56, 300, 14);
    Text2001 = NewEdit(this, page, "Text2001", 8, 72, 400);
    auto* argsInfo = NewButton(this, page, "ToolButton37", "?", 412, 70, 24);
    argsInfo->SetHint("Command Information");
    argsInfo->OnClick = [](forms::Component&) { ShowHelpPage("quor4mhz"); };
    const char* const captions[4] = {"When clicked the menu should minimize.",
                                     "Exit the menu system when this button is clicked.",
                                     "Restore menu when the launched window closes.", "Maximize launched window."};
    const int tops[4] = {110, 158, 134, 182};
    for (int i = 0; i < 4; ++i) {
        forms::CheckBox* check = NewCheck(this, page, "Check100" + std::to_string(i), captions[i], 8, tops[i], 400);
        check->OnClick = [this](forms::Component& s) { Check1_Click(s); };
        Check1[static_cast<size_t>(i)] = check;
    }
    Check1[1]->SetHint("Terminate Autorun Quorvel");
}

void TfrmPropertiesCls::CreateDescriptionPage() {
    forms::Panel* page = pnlProp[2];
    NewLabel(this, page, "Accessory Text", 8, 4, 200, 14);
    Panel10 = NewPanel(this, page, "Panel10", 4, 20, 545, 249);
    Panel10->SetColor(forms::clWhite);
    Panel10->OnMouseDown = [this](forms::Control& s, forms::MouseButton b, forms::ShiftState, int x, int y) {
        if (b != forms::MouseButton::Right) return;
        const POINT p = s.ClientToScreen({x, y});
        AskColor(ClrTargetBtnBack, Panel7->GetColor(), p.x, p.y);
    };
    REProp1 = new forms::RichEdit(this, Panel10);
    REProp1->SetName("REProp1");
    REProp1->SetBounds(4, 4, 537, 241);
    REProp1->SetBorder(false);
    // A text started in an empty box takes the default object's font.
    REProp1->SetFont(DefaultTextFont());
    REProp1->OnChange = [this](forms::Component&) { REProp1Change(); };
    REProp1->OnSelectionChange = [this](forms::Component&) { PropSetFormatStates(); };
    REProp1->OnMouseDown = [this](forms::Control& s, forms::MouseButton b, forms::ShiftState, int x, int y) {
        if (b != forms::MouseButton::Right) return;
        const POINT p = s.ClientToScreen({x, y});
        AskColor(ClrTargetAccBack, REProp1->BackgroundColor(), p.x, p.y);
    };
    NewLabel(this, page,
             "The text above will show in the Accessory Text box when the user either moves their mouse over the "
             "button, or presses TAB to activate the button.",
             8, 274, 536, 28);
    NewLabel(this, page,
             "The background color has been automatically for editing purposes. Alternatively you can right-click "
             "on the area to set the color manually. The background color is used for the preview only.",
             8, 304, 536, 28);
}

void TfrmPropertiesCls::CreateViewerPage() {
    forms::Panel* page = pnlProp[3];
    CheckBox5 = NewCheck(this, page, "CheckBox5", "This file requires a specific viewer", 8, 8, 300);
    CheckBox5->OnClick = [this](forms::Component&) { CheckBox5Click(); };
    Button4 = NewButton(this, page, "Button4", "Retrieve", 320, 4, 80);
    Button4->OnClick = [this](forms::Component&) { Button4Click(); };
    NewLabel(this, page, "Viewer Name", 8, 40, 100, 14)->SetName("lblViewerName");
    Edit9 = NewEdit(this, page, "Edit9", 112, 36, 300);
    Edit9->SetText("N/A");
    NewLabel(this, page, "Viewer Version", 8, 68, 100, 14)->SetName("lblViewerVersion");
    Edit11 = NewEdit(this, page, "Edit11", 112, 64, 120);
    Edit11->SetText("N/A");
    CheckBox6 = NewCheck(this, page, "CheckBox6", "Requires this version OR ABOVE", 112, 92, 300);
    for (forms::Control* c : {static_cast<forms::Control*>(Button4), static_cast<forms::Control*>(Edit9),
                              static_cast<forms::Control*>(Edit11), static_cast<forms::Control*>(CheckBox6),
                              FindControl("lblViewerName"), FindControl("lblViewerVersion")})
        c->SetEnabled(false);
}

void TfrmPropertiesCls::CreatePositionPage() {
    forms::Panel* page = pnlProp[4];
    NewLabel(this, page, "Location", 8, 4, 100, 14);
    const char* const captions[4] = {"Left Edge", "Top Edge", "Width", "Height"};
    for (int i = 0; i < 4; ++i) {
        NewLabel(this, page, captions[i], 8, 28 + i * 28, 80, 14);
        forms::Edit* edit = NewEdit(this, page, "Text100" + std::to_string(i), 96, 24 + i * 28, 80);
        edit->OnChange = [this](forms::Component& s) { PositionTextChange(s); };
        Text1[static_cast<size_t>(i)] = edit;
    }
    Check2 = NewCheck(this, page, "Check2", "Make this the default button.", 8, 140, 300);
    NewLabel(this, page, "Tab Index:", 8, 172, 80, 14);
    Edit3 = NewEdit(this, page, "Edit3", 96, 168, 60);
    Edit3->SetText("(na)");
    Edit3->SetHint("Button's place in the Tab Order");
    Edit3->SetEnabled(false);
}

void TfrmPropertiesCls::CreatePictureBar(forms::ImageList* glyphs) {
    ToolBar1 = new forms::ToolBar(this, this);
    ToolBar1->SetName("ToolBar1");
    ToolBar1->SetAlign(forms::Align::None);
    ToolBar1->SetBounds(0, 0, kClientWidth, kBarHeight);
    ToolBar1->SetImages(glyphs);
    const std::pair<const char*, std::function<void()>> tools[] = {
        {"Previous Image Type", [this] { StepState(-1); }},
        {"Next Image Type", [this] { StepState(1); }},
        {"Copy Current Image to Clipboard", [this] { CopyFrameToClipboard(); }},
        {"First Frame", [this] { FirstFrame(); }},
        {"Previous Frame", [this] { PreviousFrame(); }},
        {"Next Frame", [this] { NextFrame(); }},
        {"Last Frame", [this] { LastFrame(); }},
        {"Set Current Image", [this] { SetCurrentImage(); }},
        {"Set New Image", [this] { SetNewImage(); }},
        {"AutoFill Images", [this] { AutoFill(); }},
        {"Move Image Back in Queue", [this] { MoveImageBack(); }},
        {"Move Image Forward in Queue", [this] { MoveImageForward(); }},
        {"Delete Current Image", [this] { DeleteCurrentImage(); }},
    };
    int image = 0;
    for (const auto& [hint, run] : tools) {
        auto* button = new forms::ToolButton(this, ToolBar1);
        button->SetName(NumberedName("tbPicture", image));
        button->SetImageIndex(image++);
        button->SetHint(hint);
        button->OnClick = [run = run](forms::Component&) { run(); };
    }
    auto* help = new forms::ToolButton(this, ToolBar1);
    help->SetName("tbPictureHelp");
    help->SetStyle(forms::ToolButtonStyle::DropDown);
    help->SetImageIndex(image);
    help->SetHint("Help Topics");
    help->SetDropdownMenu(HelpTopicsMenu);
    help->OnClick = [help](forms::Component&) { help->DropDown(); };
}

void TfrmPropertiesCls::CreateFormattingBar(forms::ImageList* glyphs) {
    ToolBar4 = new forms::ToolBar(this, this);
    ToolBar4->SetName("ToolBar4");
    ToolBar4->SetHint("Formatting Toolbar");
    ToolBar4->SetAlign(forms::Align::None);
    ToolBar4->SetBounds(0, 0, kClientWidth, kBarHeight);
    ToolBar4->SetImages(glyphs);
    ToolBar4->SetVisible(false);
    cmbTB000 = new forms::ComboBox(this, ToolBar4, forms::ComboStyle::DropDownList);
    cmbTB000->SetName("cmbTB000");
    cmbTB000->SetBounds(0, 0, 150, 21);
    cmbTB000->OnChange = [this](forms::Component&) { FontBoxChange(false); };
    (new forms::ToolButton(this, ToolBar4))->SetControl(cmbTB000);
    cmbTB001 = new forms::ComboBox(this, ToolBar4, forms::ComboStyle::DropDown);
    cmbTB001->SetName("cmbTB001");
    cmbTB001->SetBounds(0, 0, 50, 21);
    WireFontSizeBox(*cmbTB001, [this] { FontBoxChange(true); });
    (new forms::ToolButton(this, ToolBar4))->SetControl(cmbTB001);
    const auto add = [this](const char* name, const char* hint, int image, forms::ToolButtonStyle style) {
        auto* button = new forms::ToolButton(this, ToolBar4);
        button->SetName(name);
        button->SetHint(hint);
        button->SetImageIndex(image);
        button->SetStyle(style);
        return button;
    };
    TextColorButton = add("tbTextColor", "Text Color", TextColorGlyph_, forms::ToolButtonStyle::DropDown);
    const auto askTextColor = [this] {
        const RECT r = TextColorButton->BoundsRect();
        const POINT p = ToolBar4->ClientToScreen({r.left + 1, r.bottom + 1});
        REProp1->SetFocus();
        AskColor(ClrTargetBtnText, REProp1->SelectionFormat().color, p.x, p.y);
    };
    TextColorButton->OnClick = [askTextColor](forms::Component&) { askTextColor(); };
    auto* colourMenu = new forms::PopupMenu(this);
    colourMenu->OnPopup = [askTextColor](forms::Component&) { askTextColor(); };
    TextColorButton->SetDropdownMenu(colourMenu);
    BoldButton = add("tbBold", "Bold", 15, forms::ToolButtonStyle::Check);
    BoldButton->OnClick = [this](forms::Component&) { StyleClick(BoldButton, forms::fsBold); };
    ItalicButton = add("tbItalic", "Italic", 16, forms::ToolButtonStyle::Check);
    ItalicButton->OnClick = [this](forms::Component&) { StyleClick(ItalicButton, forms::fsItalic); };
    UnderlineButton = add("tbUnderline", "Underline", 17, forms::ToolButtonStyle::Check);
    UnderlineButton->OnClick = [this](forms::Component&) { StyleClick(UnderlineButton, forms::fsUnderline); };
    const char* const alignNames[3] = {"tbAlignLeft", "tbCenter", "tbAlignRight"};
    const char* const alignHints[3] = {"Align Left", "Center", "Align Right"};
    const int alignCodes[3] = {0, 2, 1};
    for (int i = 0; i < 3; ++i) {
        forms::ToolButton* button = add(alignNames[i], alignHints[i], 18 + i, forms::ToolButtonStyle::CheckGroup);
        const int code = alignCodes[i];
        button->OnClick = [this, code](forms::Component&) { SetAccAlignment(code); };
        AlignButton[static_cast<size_t>(i)] = button;
    }
    ToolButton20 = add("ToolButton20", "Set the format of this button to be the default for new buttons", 21,
                       forms::ToolButtonStyle::Button);
    ToolButton20->OnClick = [this](forms::Component&) { ToolButton20Click(); };
    forms::ToolButton* help = add("tbFormatHelp", "Help Topics", 13, forms::ToolButtonStyle::DropDown);
    help->SetDropdownMenu(HelpTopicsMenu);
    help->OnClick = [help](forms::Component&) { help->DropDown(); };
}

// ---- the opening pass ----

void TfrmPropertiesCls::Timer2Timer() {
    Timer2->SetInterval(0);
    if (Loaded_ || Opening_) return;
    Opening_ = 1;
    CurFrame_ = {0, 0, 0, 0};
    CurState_ = Up;
    WorkButton_ = TAQButton();
    TAQButton& source = Menu_.Buttons[static_cast<size_t>(Object_)];
    CopyButton(source, WorkButton_);
    HScroll1->SetPosition(WorkButton_.ObjWidth);
    VScroll1->SetPosition(WorkButton_.ObjHeight);
    for (int state = 0; state < kPicStates; ++state) DrawStatePreview(state);
    ShowState();
    Text2000->SetText(WorkButton_.ButtonCommand);
    Text2001->SetText(WorkButton_.ButtonArgs);
    AccRTF_ = WorkButton_.AccRTF;
    Check1[0]->SetChecked(WorkButton_.MinimizeOnClick != 0);
    Check1[1]->SetChecked(WorkButton_.ExitOnClick != 0);
    Check1[2]->SetChecked(WorkButton_.RestoreOnClose != 0);
    Check1[3]->SetChecked(WorkButton_.MaximizeLaunched != 0);
    Text1[0]->SetText(std::to_string(source.Left));
    Text1[1]->SetText(std::to_string(source.Top));
    Text1[2]->SetText(std::to_string(WorkButton_.ObjWidth));
    Text1[3]->SetText(std::to_string(WorkButton_.ObjHeight));
    Check2->SetChecked(Menu_.DefaultBtn == Object_);
    Combo2->SetItemIndex(WorkButton_.AnimMode >= 0 && WorkButton_.AnimMode < kAnimModeCount ? WorkButton_.AnimMode
                                                                                           : 0);
    const std::vector<std::string> keys = ShortcutItems();
    Combo3->SetItems(keys);
    Combo3a->SetItems(keys);
    const int key = std::max(0, Combo3->IndexOf(WorkButton_.ShortcutKey));
    Combo3->SetItemIndex(key);
    Combo3a->SetItemIndex(key);
    Edit3->SetText(std::to_string(Object_));
    if (WorkButton_.Caption.empty()) WorkButton_.Caption = "Button " + std::to_string(Menu_.BtnCount);
    if (WorkButton_.ObjectKind == TextButton) {
        CaptionRTF_ = WorkButton_.Caption;
        RichEditTransP->SetRTF(CaptionRTF_);
        Text4->SetText(RichEditTransP->Text());
    } else {
        Text4->SetText(WorkButton_.Caption);
        RichEditTransP->SetText(WorkButton_.Caption);
        CaptionRTF_ = RichEditTransP->RTF();
    }
    cmbTB000->SetItems(Fonts_);
    cmbTB001->SetItems(Sizes_);
    if (cmbTB000->ItemCount() > 0) cmbTB000->SetItemIndex(0);
    if (cmbTB001->ItemCount() > 9) cmbTB001->SetItemIndex(9);
    Busy_ = 0;
    SetRTFUse(1);
    SetRTFUse(2);
    cmdSample->SetCaption(Text4->Text());
    VScroll1Change();
    CheckBox5->SetChecked(WorkButton_.NeedsViewer != 0);
    Edit9->SetText(WorkButton_.ViewerName.empty() && WorkButton_.NeedsViewer == 0 ? "N/A" : WorkButton_.ViewerName);
    Edit11->SetText(WorkButton_.ViewerVersion.empty() && WorkButton_.NeedsViewer == 0 ? "N/A"
                                                                                      : WorkButton_.ViewerVersion);
    ShownViewerName_ = Edit9->Text();
    ShownViewerVersion_ = Edit11->Text();
    CheckBox6->SetChecked(WorkButton_.VersionOrAbove != 0);
    Text1[0]->SetText(std::to_string(source.Left));
    Text1[1]->SetText(std::to_string(source.Top));
    Kind_ = WorkButton_.ObjectKind >= GraphicalButton && WorkButton_.ObjectKind <= TextButton ? WorkButton_.ObjectKind
                                                                                              : GraphicalButton;
    BtnType[static_cast<size_t>(Kind_)]->SetChecked(true);
    BtnType00Click(*BtnType[static_cast<size_t>(Kind_)]);
    Loaded_ = 1;
    Opening_ = 0;
    Label1->SetVisible(false);
}

forms::Font TfrmPropertiesCls::DefaultTextFont() const {
    return forms::Font(DefButton_.FontName, DefButton_.FontSize, false, false, false, forms::clBlack);
}

// ---- kind, tabs, size ----

void TfrmPropertiesCls::BtnType00Click(forms::Component& sender) {
    int kind = -1;
    for (int i = 0; i < 3; ++i)
        if (&sender == BtnType[static_cast<size_t>(i)]) kind = i;
    if (kind < 0) return;
    Kind_ = kind;
    for (int i = 0; i < 3; ++i) PictureKind[static_cast<size_t>(i)]->SetVisible(i == kind);
    if (kind == TextButton) SetRTFUse(2);
    if (kind == WindowsButton) cmdSample->SetCaption(Text4->Text());
    const bool textTools = kind != WindowsButton;
    TextColorButton->SetEnabled(textTools);
    for (forms::ToolButton* b : AlignButton) b->SetEnabled(textTools);
    ShowBars();
}

void TfrmPropertiesCls::ShowBars() {
    const int tab = TabControl1->TabIndex();
    const bool appearance = tab == 0;
    const bool description = tab == 2;
    ToolBar1->SetVisible(appearance && Kind_ == GraphicalButton);
    ToolBar4->SetVisible(description || (appearance && Kind_ == TextButton));
    Panel11->SetVisible(appearance && Kind_ == WindowsButton);
    Panel9->SetVisible(!appearance && !description);
}

void TfrmPropertiesCls::TabControl1Change() {
    const int tab = TabControl1->TabIndex();
    for (int i = 0; i < 5; ++i) pnlProp[static_cast<size_t>(i)]->SetVisible(i == tab);
    if (tab == 2) {
        SetRTFUse(1);
        TextColorButton->SetEnabled(true);
        for (forms::ToolButton* b : AlignButton) b->SetEnabled(true);
    }
    if (tab == 0) {
        SetRTFUse(2);
        TextColorButton->SetEnabled(Kind_ != WindowsButton);
        for (forms::ToolButton* b : AlignButton) b->SetEnabled(Kind_ != WindowsButton);
    }
    ShowBars();
    if (tab == 2 && REProp1->CanFocus()) REProp1->SetFocus();
    if (tab == 1) ShowTip(8);
}

void TfrmPropertiesCls::VScroll1Change() {
    const int width = HScroll1->Position();
    const int height = VScroll1->Position();
    ScrollBar1->SetPosition(width);
    ScrollBar2->SetPosition(height);
    Text1[2]->SetText(std::to_string(width));
    Text1[3]->SetText(std::to_string(height));
    cmdSample->SetBounds(8, 8, width, height);
    if (RTFMode_ == 2) REProp1->SetBounds(8, 8, width, height);
    shpSampleOutline->SetBounds(7, 7, width + 2, height + 2);
    const std::string dimensions = std::to_string(width) + " x " + std::to_string(height);
    lblBtnDimen->SetCaption(dimensions);
    lblBtnDimen2->SetCaption(dimensions);
}

// ---- launch options, position, viewer ----

void TfrmPropertiesCls::Check1_Click(forms::Component& sender) {
    forms::CheckBox* minimise = Check1[0];
    forms::CheckBox* exitMenu = Check1[1];
    forms::CheckBox* restore = Check1[2];
    if (&sender == restore && restore->Checked()) {
        minimise->SetChecked(true);
        if (Loaded_) ShowTip(6);
    } else if (&sender == exitMenu) {
        if (exitMenu->Checked()) {
            SavedRestore_ = restore->Checked();
            SavedMinimise_ = minimise->Checked();
            restore->SetChecked(false);
            minimise->SetChecked(false);
            restore->SetEnabled(false);
            minimise->SetEnabled(false);
        } else {
            restore->SetChecked(SavedRestore_);
            minimise->SetChecked(SavedMinimise_);
            restore->SetEnabled(true);
            minimise->SetEnabled(true);
        }
    }
}

void TfrmPropertiesCls::PositionTextChange(forms::Component& sender) {
    for (int i = 0; i < 4; ++i) {
        forms::Edit* edit = Text1[static_cast<size_t>(i)];
        if (&sender != edit || IsNumeric(edit->Text())) continue;
        MessageBeep(MB_OK);
        const TAQButton& object = Menu_.Buttons[static_cast<size_t>(Object_)];
        const int values[4] = {object.Left, object.Top, object.ObjWidth, object.ObjHeight};
        edit->SetText(std::to_string(values[i]));
    }
}

void TfrmPropertiesCls::CheckBox5Click() {
    const bool on = CheckBox5->Checked();
    for (forms::Control* c : {static_cast<forms::Control*>(Button4), static_cast<forms::Control*>(Edit9),
                              static_cast<forms::Control*>(Edit11), static_cast<forms::Control*>(CheckBox6),
                              FindControl("lblViewerName"), FindControl("lblViewerVersion")})
        c->SetEnabled(on);
    if (on) {
        Button4Click();
    } else {
        Edit9->SetText("N/A");
        Edit11->SetText("N/A");
    }
}

void TfrmPropertiesCls::Button4Click() {
    const std::string path = ViewerProgramFor(FileNamePart(Text2000->Text()));
    if (!path.empty()) {
        Edit11->SetText(GetFileVersion(path, 3));
        std::string name;
        GetFileVerName(path, false, name);
        Edit9->SetText(name);
    } else {
        Edit9->SetText("No Viewer Found");
        Edit11->SetText("N/A");
        CheckBox6->SetChecked(false);
    }
}

// ---- OK and Cancel ----

bool TfrmPropertiesCls::CheckPictures() {
    if (Kind_ != GraphicalButton || HasFrame(Up, 0, 0)) return true;
    EditorMsg(kNoUpImage, TMsgDlgType::mtInformation, TMsgDlgButtons::mbOK);
    return false;
}

bool TfrmPropertiesCls::CheckCommand() {
    const std::string command = Text2000->Text();
    const size_t at = command.find("%CD%");
    if (at == std::string::npos || command.find("%NOPROC%") != std::string::npos) return true;
    Text2000->SetText(at == 0 ? command.substr(4) : std::string());
    EditorMsg(kCDInCommand, TMsgDlgType::mtWarning, TMsgDlgButtons::mbOK);
    EditorMsg(std::string("Autorun Quorvel Menu Editor") + kCommandCorrected, TMsgDlgType::mtInformation,
              TMsgDlgButtons::mbOK);
    return false;
}

bool TfrmPropertiesCls::CheckShortcut() {
    const std::string key = Combo3->Text();
    if (Combo3->ItemIndex() <= 0) return true;
    bool inUse = false;
    for (int j = 1; j <= Menu_.BtnCount && j <= kMaxObjects; ++j)
        if (j != Object_ && Menu_.Buttons[static_cast<size_t>(j)].ShortcutKey == key) inUse = true;
    if (!inUse) return true;
    if (EditorMsg(kShortcutInUse, TMsgDlgType::mtWarning, TMsgDlgButtons::mbYesNoCancel) == mrCancel) return false;
    Combo3->SetItemIndex(0);
    Combo3a->SetItemIndex(0);
    return true;
}

bool TfrmPropertiesCls::CheckAnimation() {
    if (Combo2->ItemIndex() != AnimNone || Kind_ != GraphicalButton) return true;
    bool frames = false;
    for (int state = 0; state < kPicStates; ++state) frames = frames || HasFrame(state, 1, 0);
    if (!frames) return true;
    return EditorMsg(kAnimationOff, TMsgDlgType::mtConfirmation, TMsgDlgButtons::mbYesNoCancel) == mrNo;
}

bool TfrmPropertiesCls::CheckSizes(int& left, int& top, int& width, int& height) {
    const TAQButton& object = Menu_.Buttons[static_cast<size_t>(Object_)];
    if (!ReadNumeric(Text1[0]->Text(), left)) left = object.Left;
    if (!ReadNumeric(Text1[1]->Text(), top)) top = object.Top;
    if (editor::ValidObjectSide(Text1[2]->Text(), width) && editor::ValidObjectSide(Text1[3]->Text(), height))
        return true;
    EditorMsg(kBadSize, TMsgDlgType::mtInformation, TMsgDlgButtons::mbOK);
    return false;
}

void TfrmPropertiesCls::Command1_Click() {
    forms::Application().ProcessMessages();
    ObjPropsCancelled = 0;
    int left = 0, top = 0, width = 0, height = 0;
    if (!CheckPictures() || !CheckCommand() || !CheckShortcut() || !CheckAnimation() ||
        !CheckSizes(left, top, width, height)) {
        SetModalResult(forms::mrNone);
        return;
    }
    const auto flag = [](const forms::CheckBox* box) { return box->Checked() ? -1 : 0; };
    WorkButton_.ButtonCommand = Text2000->Text();
    WorkButton_.ButtonArgs = Text2001->Text();
    WorkButton_.AccRTF = AccRTF_;
    WorkButton_.MinimizeOnClick = flag(Check1[0]);
    WorkButton_.ExitOnClick = flag(Check1[1]);
    WorkButton_.AnimMode = std::max(0, Combo2->ItemIndex());
    WorkButton_.ShortcutKey = Combo3->ItemIndex() >= 0 ? Combo3->Item(Combo3->ItemIndex()) : "none";
    WorkButton_.MaximizeLaunched = flag(Check1[3]);
    WorkButton_.RestoreOnClose = flag(Check1[2]);
    WorkButton_.ObjectKind = Kind_;
    WorkButton_.Caption = Kind_ == TextButton ? CaptionRTF_ : Text4->Text();
    WorkButton_.NeedsViewer = CheckBox5->Checked() ? 1 : 0;
    // A box still showing what it showed at opening keeps the stored value;
    // "N/A" stands for no value and is not stored.
    const auto viewerValue = [](const std::string& shown, const std::string& now, const std::string& stored) {
        if (now == shown) return stored;
        return now == "N/A" ? std::string() : now;
    };
    WorkButton_.ViewerName = viewerValue(ShownViewerName_, Edit9->Text(), WorkButton_.ViewerName);
    WorkButton_.ViewerVersion = viewerValue(ShownViewerVersion_, Edit11->Text(), WorkButton_.ViewerVersion);
    WorkButton_.VersionOrAbove = CheckBox6->Checked() ? 1 : 0;
    WorkButton_.ObjWidth = width;
    WorkButton_.ObjHeight = height;
    WorkButton_.AccDirty = 1;
    WorkButton_.LookDirty = 1;
    TAQButton& object = Menu_.Buttons[static_cast<size_t>(Object_)];
    CopyButton(WorkButton_, object);
    // The copy keeps the object's place; the Position page gives it a new one.
    object.Left = left;
    object.Top = top;
    if (Check2->Checked()) Menu_.DefaultBtn = Object_;
    SetModalResult(mrOk);
}

void TfrmPropertiesCls::Command2_Click() {
    forms::Application().ProcessMessages();
    ObjPropsCancelled = 1;
}

void TfrmPropertiesCls::ToolButton20Click() {
    DefButton_.Caption = Kind_ == TextButton ? CaptionRTF_ : Text4->Text();
    DefButton_.AccRTF = AccRTF_;
    DefButton_.ObjectKind = Kind_;
    DefButton_.ObjWidth = ScrollBar1->Position();
    DefButton_.ObjHeight = ScrollBar2->Position();
}
