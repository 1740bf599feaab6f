// The main window's command set built: one command per operation, shown by
// its menu item, its tool button and its shortcut alike; the menu bar, the
// three toolbars with their glyphs, and the text box bar.
#include <windows.h>

#include "EditorResources.h"
#include "editor/logic/EditorTexts.h"
#include "editor/win32/common/ControlNames.h"
#include "editor/win32/common/EditorHelp.h"
#include "editor/win32/smallwindows/ResourcePicture.h"
#include "editor/win32/mainwindow/mdiform1.h"
#include "forms/win32/ComboBox.h"
#include "forms/win32/Command.h"
#include "forms/win32/ImageList.h"
#include "forms/win32/Label.h"
#include "forms/win32/MainMenu.h"
#include "forms/win32/Menus.h"
#include "forms/win32/Panel.h"
#include "forms/win32/ToolBar.h"
#include "forms/win32/ToolButton.h"

namespace {

using forms::MakeShortCut;
using forms::scCtrl;
using forms::ToolButtonStyle;

constexpr const char* kScreenPositions[11] = {
    "&0 Center",           "&1 Upper Left Corner",  "&2 Upper Right Corner", "&3 Lower Left Corner",
    "&4 Lower Right Corner", "&5 Middle Upper Left", "&6 Middle Upper Right", "&7 Middle Lower Left",
    "&8 Middle Lower Right", "&9 Upper Middle Left", "10 &Upper Middle Right",
};

constexpr const char* kGridItemNames[7] = {"N21", "N31", "N41", "N51", "N61", "N71", "N82"};

}  // namespace

// ---- building the commands, menus and bars ----

forms::Command* TMDIForm1Cls::AddCommand(const std::string& name, const std::string& caption, const std::string& hint,
                                         uint32_t shortCut, std::function<void()> run) {
    auto* command = new forms::Command(this);
    command->SetName(name);
    command->SetCaption(caption);
    command->SetHint(hint);
    command->SetShortCut(shortCut);
    command->OnExecute = [run](forms::Component&) { run(); };
    return command;
}

forms::Command* TMDIForm1Cls::DeclareCommand(const std::string& name, const std::string& caption,
                                             const std::string& hint, uint32_t shortCut) {
    auto* command = new forms::Command(this);
    command->SetName(name);
    command->SetCaption(caption);
    command->SetHint(hint);
    command->SetShortCut(shortCut);
    command->SetEnabled(false);
    return command;
}

forms::Command* TMDIForm1Cls::WireCommand(const std::string& name, std::function<void()> run) {
    forms::Command* command = Cmd(name);
    command->OnExecute = [run = std::move(run)](forms::Component&) { run(); };
    return command;
}

forms::MenuItem* TMDIForm1Cls::AddMenuItem(forms::MenuItem* parent, const std::string& name,
                                           forms::Command* command) {
    auto* item = new forms::MenuItem(this);
    item->SetName(name);
    item->SetCommand(command);
    parent->Add(item);
    return item;
}

forms::MenuItem* TMDIForm1Cls::AddMenuItem(forms::MenuItem* parent, const std::string& name,
                                           const std::string& caption,
                                           std::function<void(forms::Component&)> onClick) {
    auto* item = new forms::MenuItem(this);
    item->SetName(name);
    item->SetCaption(caption);
    item->OnClick = std::move(onClick);
    parent->Add(item);
    return item;
}

void TMDIForm1Cls::CreateCommands() {
    // File
    AddCommand("cmdNew", "&New Menu", "New", MakeShortCut('N', scCtrl), [this] { mnuNew_Click(); });
    AddCommand("cmdOpen", "&Open Menu...", "Open", MakeShortCut('O', scCtrl), [this] { mnuOpen_Click(); });
    DocCommands_.push_back(AddCommand("cmdClose", "&Close Menu", "", 0, [this] { mnuClose_Click(); }));
    DocCommands_.push_back(
        AddCommand("cmdSave", "&Save Menu", "Save", MakeShortCut('S', scCtrl), [this] { mnuSaveClick(); }));
    DocCommands_.push_back(AddCommand("cmdSaveAs", "Save Menu &As...", "", 0, [this] { mnuSaveAsClick(); }));
    DocCommands_.push_back(AddCommand("cmdSaveAll", "Save A&ll", "", 0, [this] { SaveAll1Click(); }));
    AddCommand("cmdCreateEXE", "Create Autorun &EXE...", "Create Autorun EXE", MakeShortCut('E', scCtrl),
               [this] { ToolButton6Click(); });
    AddCommand("cmdExit", "E&xit", "", 0, [this] { mnuExit_Click(); });
    // Edit
    DocCommands_.push_back(
        AddCommand("cmdUndo", "&Undo", "Undo", MakeShortCut('Z', scCtrl), [this] { mnuUndo_Click(); }));
    DocCommands_.push_back(
        AddCommand("cmdRedo", "&Redo", "Redo", MakeShortCut('Y', scCtrl), [this] { mnuRedo_Click(); }));
    DeclareCommand("cmdCut", "Cu&t", "Cut", MakeShortCut('X', scCtrl));
    DeclareCommand("cmdCopy", "&Copy", "Copy", MakeShortCut('C', scCtrl));
    DeclareCommand("cmdPaste", "&Paste", "Paste", MakeShortCut('V', scCtrl));
    // Menu
    DeclareCommand("cmdMenuProps", "&Menu Properties...", "Menu Properties", MakeShortCut(VK_F2));
    DeclareCommand("cmdBtnProps", "&Object Properties...", "Object Properties", MakeShortCut(VK_F3));
    DeclareCommand("cmdInsertBtn", "&Add Button", "Insert Button", 0);
    DeclareCommand("cmdAddImage", "Add Image", "Insert Image", 0);
    DeclareCommand("cmdAddText", "Add Text", "Insert Text", 0);
    DeclareCommand("cmdAddShape", "Add Shape", "Insert Shape", 0);
    DeclareCommand("cmdDelete", "&Delete Button", "Delete Object", MakeShortCut(VK_DELETE));
    DeclareCommand("cmdAutoSeek", "AutoSeek Position", "AutoSeek Button Placement", 0);
    DeclareCommand("cmdSelectNext", "Select Next", "Next", 0);
    DeclareCommand("cmdSelectPrevious", "Select Previous", "Previous", 0);
    DeclareCommand("cmdShowTime", "Show Time", "Show/Hide Time", 0);
    DeclareCommand("cmdShowDate", "Show Date", "Show/Hide Date", 0);
    DeclareCommand("cmdTabOrder", "Tab Order", "Show/Set Tab Order", 0);
    // Tools
    DocCommands_.push_back(AddCommand("cmdFindControls", "&Find Controls...", "Find Controls",
                                      MakeShortCut(VK_F12), [this] { mnuFindControls_Click(); }));
    DocCommands_.push_back(AddCommand("cmdSnapToGrid", "Snap to Grid", "Snap to Grid", 0, [this] {
        ToolButton19Click();
    }));
    // Help
    AddCommand("cmdHelpContents", "Contents and Index", "", MakeShortCut(VK_F1), [this] { mnuHelpContents_Click(); });
    // Toolbar-only operations.
    DeclareCommand("cmdOriginalSize", "", "Original Image Size", 0);
    for (const char* name : {"cmdTextColor", "cmdBold", "cmdItalic", "cmdUnderline", "cmdAlignLeft", "cmdAlignCenter",
                             "cmdAlignRight", "cmdShadowColor", "cmdShadowDepth", "cmdDateTimeColor",
                             "cmdTransColor", "cmdFirst", "cmdPrevious", "cmdNext", "cmdLast", "cmdMoveLeft", "cmdMoveRight", "cmdMoveUp",
                             "cmdMoveDown", "cmdBringToFront", "cmdSendToBack", "cmdBringForward",
                             "cmdSendBackward", "cmdTextPrevious", "cmdTextNext", "cmdCloseTextBox"})
        DeclareCommand(name, "", "", 0);
    const std::pair<const char*, const char*> hints[] = {
        {"cmdTextColor", "Text Color"},     {"cmdBold", "Bold"},
        {"cmdItalic", "Italic"},            {"cmdUnderline", "Underline"},
        {"cmdAlignLeft", "Align Left"},     {"cmdAlignCenter", "Center"},
        {"cmdAlignRight", "Align Right"},   {"cmdShadowColor", "Shadow Color"},
        {"cmdShadowDepth", "Shadow Depth"}, {"cmdDateTimeColor", "Date/Time Color"},
        {"cmdTransColor", "Transparent Color"}, {"cmdFirst", "First"},
        {"cmdPrevious", "Previous"},        {"cmdNext", "Next"},
        {"cmdLast", "Last"},                {"cmdMoveLeft", "Move Left"},
        {"cmdMoveRight", "Move Right"},     {"cmdMoveUp", "Move Up"},
        {"cmdMoveDown", "Move Down"},       {"cmdBringToFront", "Bring to Front"},
        {"cmdSendToBack", "Send To Back"},  {"cmdBringForward", "Bring Forward"},
        {"cmdSendBackward", "Send Backward"}, {"cmdTextPrevious", "Previous"},
        {"cmdTextNext", "Next"},            {"cmdCloseTextBox", "Close Editing Box"},
    };
    for (const auto& [name, hint] : hints) Cmd(name)->SetHint(hint);
    WireSurfaceCommands();
}

forms::Command* TMDIForm1Cls::Cmd(const std::string& name) const {
    return static_cast<forms::Command*>(FindComponent(name));
}

void TMDIForm1Cls::CreateMenuBar() {
    mainmenu1 = new forms::MainMenu(this);
    mainmenu1->SetName("mainmenu1");
    forms::MenuItem* root = &mainmenu1->Items();
    auto sub = [this](forms::MenuItem* parent, const std::string& name, const std::string& caption) {
        return AddMenuItem(parent, name, caption, nullptr);
    };
    auto separator = [this, sub](forms::MenuItem* parent) { sub(parent, "", "-"); };

    forms::MenuItem* file = sub(root, "mnuFile", "&File");
    AddMenuItem(file, "mnuNew", Cmd("cmdNew"));
    AddMenuItem(file, "mnuOpen", Cmd("cmdOpen"));
    AddMenuItem(file, "mnuClose", Cmd("cmdClose"));
    separator(file);
    AddMenuItem(file, "mnuSave", Cmd("cmdSave"));
    AddMenuItem(file, "mnuSaveAs", Cmd("cmdSaveAs"));
    AddMenuItem(file, "SaveAll1", Cmd("cmdSaveAll"));
    separator(file);
    AddMenuItem(file, "mnuCreateEXE", Cmd("cmdCreateEXE"));
    separator(file);
    for (int i = 0; i < 20; ++i) {
        forms::MenuItem* item = AddMenuItem(file, NumberedName("mnuMenuName", i), i == 0 ? "No Menus Found" : "",
                                            [this](forms::Component& s) { mnuMenuName_Click(s); });
        item->SetVisible(i == 0);
        ListItems_[static_cast<size_t>(i)] = item;
    }
    mnuMenuName000 = ListItems_[0];
    separator(file);
    AddMenuItem(file, "mnuExit", Cmd("cmdExit"));

    forms::MenuItem* edit = sub(root, "mnuEdit", "&Edit");
    AddMenuItem(edit, "mnuUndo", Cmd("cmdUndo"));
    AddMenuItem(edit, "mnuRedo", Cmd("cmdRedo"));
    separator(edit);
    AddMenuItem(edit, "mnuCut", Cmd("cmdCut"));
    AddMenuItem(edit, "mnuCopy", Cmd("cmdCopy"));
    AddMenuItem(edit, "mnuPaste", Cmd("cmdPaste"));

    forms::MenuItem* format = sub(root, "mnuFormat", "F&ormat");
    AddFormatMenuItems(format);

    forms::MenuItem* menu = sub(root, "Menu1", "&Menu");
    menu->OnClick = [this](forms::Component&) { Menu1Click(); };
    AddMenuItem(menu, "mnuMenuProps", Cmd("cmdMenuProps"));
    AddMenuItem(menu, "mnuBtnProps", Cmd("cmdBtnProps"));
    forms::MenuItem* objects = sub(menu, "Objects1", "Objects");
    AddMenuItem(objects, "mnuInsertBtn", Cmd("cmdInsertBtn"));
    AddMenuItem(objects, "AddImage1", Cmd("cmdAddImage"));
    AddMenuItem(objects, "AddText1", Cmd("cmdAddText"));
    AddMenuItem(objects, "AddShape1", Cmd("cmdAddShape"));
    AddMenuItem(objects, "mnuDelete", Cmd("cmdDelete"));
    separator(objects);
    AddMenuItem(objects, "AutoSeekPosition1", Cmd("cmdAutoSeek"));
    separator(objects);
    AddMenuItem(objects, "SelectNext1", Cmd("cmdSelectNext"));
    AddMenuItem(objects, "SelectPrevious1", Cmd("cmdSelectPrevious"));
    mnuScrPos = sub(menu, "mnuScrPos", "&Screen Position");
    for (int i = 0; i < 11; ++i) {
        forms::MenuItem* item = AddMenuItem(mnuScrPos, NumberedName("mnuScreenPos", i), kScreenPositions[i],
                                            [this](forms::Component& s) { mnuScreenPos_Click(s); });
        item->SetRadioItem(true);
        ListItems_[static_cast<size_t>(20 + i)] = item;
    }
    separator(menu);
    // These two flip their button before running it, so they are no faces of
    // its command: Menu1Click gives them its caption and state.
    N8 = AddMenuItem(menu, "N8", "Show Time", [this](forms::Component&) { N8Click(); });
    ShowDate1 = AddMenuItem(menu, "ShowDate1", "Show Date", [this](forms::Component&) { ShowDate1Click(); });
    AddMenuItem(menu, "abOrder1", Cmd("cmdTabOrder"))->SetAutoCheck(true);

    forms::MenuItem* tools = sub(root, "mnuTools", "&Tools");
    AddMenuItem(tools, "mnuFindControls", Cmd("cmdFindControls"));
    forms::MenuItem* options = sub(tools, "Options1", "Options");
    mnuAutoAuto = sub(options, "mnuAutoAuto", "&Automatically place new buttons");
    mnuAutoAuto->OnClick = [this](forms::Component&) { mnuAutoAutoClick(); };
    mnuToolTips = sub(options, "mnuToolTips", "Show &ToolTips");
    mnuToolTips->OnClick = [this](forms::Component&) { mnuToolTipsClick(); };
    sub(options, "mnuResetTips", "Reset Tip &Messages")->OnClick = [this](forms::Component&) {
        mnuResetTipsClick();
    };
    forms::MenuItem* grid = sub(tools, "GridSize1", "Grid Size");
    for (int i = 0; i < 7; ++i) {
        forms::MenuItem* item = AddMenuItem(grid, kGridItemNames[i], std::to_string(editor::kMinGridSize + i),
                                            [this](forms::Component& s) { N21Click(s); });
        item->SetRadioItem(true);
        GridSizeItems_[static_cast<size_t>(i)] = item;
    }
    forms::MenuItem* view = sub(tools, "View1", "View");
    StandardToolbar1 = sub(view, "StandardToolbar1", "Standard Toolbar");
    StandardToolbar1->OnClick = [this](forms::Component&) { StandardToolbar1Click(); };
    FormattingToolbar1 = sub(view, "FormattingToolbar1", "Formatting Toolbar");
    FormattingToolbar1->OnClick = [this](forms::Component&) { FormattingToolbar1Click(); };
    ButtonToolbar1 = sub(view, "ButtonToolbar1", "Object Toolbar");
    ButtonToolbar1->OnClick = [this](forms::Component&) { ButtonToolbar1Click(); };

    forms::MenuItem* help = sub(root, "mnuHelp", "&Help");
    AddMenuItem(help, "mnuHelpContents", Cmd("cmdHelpContents"));
    separator(help);
    sub(help, "mnuGotoWeb", "Quorvel on the Web...")->OnClick = [this](forms::Component&) {
        OpenWebPage(Handle(), WebPage::Product);
    };
    sub(help, "mnuFeedback", "Submit Online Feedback...")->OnClick = [this](forms::Component&) {
        OpenWebPage(Handle(), WebPage::Feedback);
    };
    separator(help);
    sub(help, "mnuAbout", "About Autorun Quorvel...")->OnClick = [this](forms::Component&) { mnuAbout_Click(); };
    forms::Form::SetMenu(mainmenu1);

    // Help Topics, the drop-down of the Standard toolbar.
    PopupMenu2 = new forms::PopupMenu(this);
    PopupMenu2->SetName("PopupMenu2");
    for (int i = 0; i < kHelpTopicCount; ++i)
        PopupMenu2->AddItem(NumberedName("mnuMainHelp", i), kHelpTopics[i].Caption,
                            [this](forms::Component& s) { mnuMainHelp_Click(s); });
    PopupMenu2->AddItem("", "-", nullptr);
    PopupMenu2->AddItem("mnuOnline", "Online Troubleshooter...", [this](forms::Component&) {
        OpenWebPage(Handle(), WebPage::Troubleshooter);
    });
}

namespace {

namespace glyph = editor_resources;

forms::ToolButton* AddButton(forms::Component* owner, forms::ToolBar* bar, const std::string& name,
                             forms::Command* command, int image, ToolButtonStyle style = ToolButtonStyle::Button) {
    auto* button = new forms::ToolButton(owner, bar);
    button->SetName(name);
    button->SetStyle(style);
    button->SetImageIndex(image);
    if (command) button->SetCommand(command);
    return button;
}

void AddSeparator(forms::Component* owner, forms::ToolBar* bar) {
    auto* separator = new forms::ToolButton(owner, bar);
    separator->SetStyle(ToolButtonStyle::Separator);
}

// A drop-down button whose arrow runs the same operation as the button; its
// pop-up menu stays empty.
void AddDropDown(forms::Component* owner, forms::ToolBar* bar, const std::string& name, forms::Command* command,
                 int image, const std::string& popupName) {
    forms::ToolButton* button = AddButton(owner, bar, name, command, image, ToolButtonStyle::DropDown);
    auto* popup = new forms::PopupMenu(owner);
    popup->SetName(popupName);
    popup->OnPopup = [command](forms::Component&) { command->Execute(); };
    button->SetDropdownMenu(popup);
}

forms::Label* AddLabel(forms::Component* owner, forms::ToolBar* bar, const std::string& panelName,
                       const std::string& name, const std::string& caption, int width) {
    // A bar holds windowed controls only: the label sits in a panel of its size.
    auto* panel = new forms::Panel(owner, bar);
    panel->SetName(panelName);
    panel->SetBevelOuter(forms::PanelBevel::None);
    panel->SetBounds(0, 0, width, 16);
    auto* label = new forms::Label(owner, panel);
    label->SetName(name);
    label->SetAutoSize(false);
    label->SetCaption(caption);
    label->SetBounds(0, 0, width, 16);
    auto* holder = new forms::ToolButton(owner, bar);
    holder->SetControl(panel);
    return label;
}

// The glyphs of a bar from the strip resource of that name.
forms::ImageList* LoadGlyphs(forms::Component* owner, const char* resourceName) {
    auto* glyphs = new forms::ImageList(owner);
    const forms::Picture strip = LoadResourcePicture(resourceName);
    if (!strip.Empty()) glyphs->AddMasked(strip.Pixels(), glyph::kGlyphMaskColor);
    return glyphs;
}

}  // namespace

void TMDIForm1Cls::CreateToolBars() {
    auto newBar = [this](const std::string& name, const std::string& caption, const char* glyphs) {
        auto* bar = new forms::ToolBar(this, this);
        bar->SetName(name);
        bar->SetCaption(caption);
        bar->SetHeight(kToolBarHeight);
        bar->SetImages(LoadGlyphs(this, glyphs));
        return bar;
    };
    ToolBar1 = newBar("ToolBar1", "Standard Toolbar", glyph::kStandardGlyphResource);
    ::AddButton(this, ToolBar1, "ToolButton1", Cmd("cmdNew"), glyph::StandardGlyph::New);
    ::AddButton(this, ToolBar1, "ToolButton3", Cmd("cmdOpen"), glyph::StandardGlyph::Open);
    ::AddButton(this, ToolBar1, "ToolButton4", Cmd("cmdSave"), glyph::StandardGlyph::Save);
    ::AddButton(this, ToolBar1, "ToolButton6", Cmd("cmdCreateEXE"), glyph::StandardGlyph::CreateAutorunExe);
    AddSeparator(this, ToolBar1);
    ::AddButton(this, ToolBar1, "ToolButton7", Cmd("cmdCut"), glyph::StandardGlyph::Cut);
    ::AddButton(this, ToolBar1, "ToolButton8", Cmd("cmdCopy"), glyph::StandardGlyph::Copy);
    ::AddButton(this, ToolBar1, "ToolButton10", Cmd("cmdPaste"), glyph::StandardGlyph::Paste);
    AddSeparator(this, ToolBar1);
    ::AddButton(this, ToolBar1, "ToolButton12", Cmd("cmdUndo"), glyph::StandardGlyph::Undo);
    ::AddButton(this, ToolBar1, "ToolButton13", Cmd("cmdRedo"), glyph::StandardGlyph::Redo);
    AddSeparator(this, ToolBar1);
    ::AddButton(this, ToolBar1, "ToolButton52", Cmd("cmdMenuProps"), glyph::StandardGlyph::MenuProperties);
    ::AddButton(this, ToolBar1, "ToolButton15", Cmd("cmdBtnProps"), glyph::StandardGlyph::ObjectProperties);
    ::AddButton(this, ToolBar1, "ToolButton16", Cmd("cmdInsertBtn"), glyph::StandardGlyph::InsertButton);
    ::AddButton(this, ToolBar1, "ToolButton61", Cmd("cmdAddImage"), glyph::StandardGlyph::InsertImage);
    ::AddButton(this, ToolBar1, "ToolButton62", Cmd("cmdAddText"), glyph::StandardGlyph::InsertText);
    ::AddButton(this, ToolBar1, "ToolButton63", Cmd("cmdAddShape"), glyph::StandardGlyph::InsertShape);
    ::AddButton(this, ToolBar1, "ToolButton17", Cmd("cmdDelete"), glyph::StandardGlyph::DeleteObject);
    AddSeparator(this, ToolBar1);
    ::AddButton(this, ToolBar1, "ToolButton19", Cmd("cmdSnapToGrid"), glyph::StandardGlyph::SnapToGrid,
              ToolButtonStyle::Check);
    ::AddButton(this, ToolBar1, "ToolButton21", Cmd("cmdAutoSeek"), glyph::StandardGlyph::AutoSeek);
    ::AddButton(this, ToolBar1, "ToolButton64", Cmd("cmdOriginalSize"), glyph::StandardGlyph::OriginalImageSize);
    ::AddButton(this, ToolBar1, "ToolButton56", Cmd("cmdTabOrder"), glyph::StandardGlyph::TabOrder,
              ToolButtonStyle::Check);
    AddSeparator(this, ToolBar1);
    ToolButton25 = ::AddButton(this, ToolBar1, "ToolButton25", nullptr, glyph::StandardGlyph::HelpTopics,
                             ToolButtonStyle::DropDown);
    ToolButton25->SetHint("Help Topics");
    ToolButton25->SetDropdownMenu(PopupMenu2);
    ToolButton25->OnClick = [this](forms::Component&) { ToolButton25->DropDown(); };

    ToolBar2 = newBar("ToolBar2", "Formatting Toolbar", glyph::kFormattingGlyphResource);
    cmbTB000 = new forms::ComboBox(this, ToolBar2, forms::ComboStyle::DropDown);
    cmbTB000->SetName("cmbTB000");
    cmbTB000->SetHint("Font");
    cmbTB000->SetBounds(0, 0, 150, 21);
    cmbTB000->SetDropDownCount(24);
    cmbTB000->SetVisible(false);  // shown by ShowFormattingBoxes
    (new forms::ToolButton(this, ToolBar2))->SetControl(cmbTB000);
    cmbTB001 = new forms::ComboBox(this, ToolBar2, forms::ComboStyle::DropDown);
    cmbTB001->SetName("cmbTB001");
    cmbTB001->SetHint("Font Size");
    cmbTB001->SetBounds(0, 0, 45, 21);
    cmbTB001->SetDropDownCount(16);
    cmbTB001->SetVisible(false);
    (new forms::ToolButton(this, ToolBar2))->SetControl(cmbTB001);
    AddDropDown(this, ToolBar2, "ToolButton27", Cmd("cmdTextColor"), glyph::FormattingGlyph::TextColor, "PopupMenu4");
    ::AddButton(this, ToolBar2, "ToolButton29", Cmd("cmdBold"), glyph::FormattingGlyph::Bold, ToolButtonStyle::Check);
    ::AddButton(this, ToolBar2, "ToolButton30", Cmd("cmdItalic"), glyph::FormattingGlyph::Italic,
              ToolButtonStyle::Check);
    ::AddButton(this, ToolBar2, "ToolButton31", Cmd("cmdUnderline"), glyph::FormattingGlyph::Underline,
              ToolButtonStyle::Check);
    AddSeparator(this, ToolBar2);
    ::AddButton(this, ToolBar2, "ToolButton33", Cmd("cmdAlignLeft"), glyph::FormattingGlyph::AlignLeft,
              ToolButtonStyle::CheckGroup);
    ::AddButton(this, ToolBar2, "ToolButton34", Cmd("cmdAlignCenter"), glyph::FormattingGlyph::AlignCenter,
              ToolButtonStyle::CheckGroup);
    ::AddButton(this, ToolBar2, "ToolButton35", Cmd("cmdAlignRight"), glyph::FormattingGlyph::AlignRight,
              ToolButtonStyle::CheckGroup);
    AddSeparator(this, ToolBar2);
    AddDropDown(this, ToolBar2, "ToolButton40", Cmd("cmdShadowColor"), glyph::FormattingGlyph::ShadowColor,
                "PopupMenu7");
    AddDropDown(this, ToolBar2, "ToolButton54", Cmd("cmdShadowDepth"), glyph::FormattingGlyph::ShadowDepth,
                "PopupMenu3");
    AddSeparator(this, ToolBar2);
    ToolButton37 = ::AddButton(this, ToolBar2, "ToolButton37", Cmd("cmdShowTime"), glyph::FormattingGlyph::ShowTime,
                             ToolButtonStyle::Check);
    ToolButton38 = ::AddButton(this, ToolBar2, "ToolButton38", Cmd("cmdShowDate"), glyph::FormattingGlyph::ShowDate,
                             ToolButtonStyle::Check);
    AddDropDown(this, ToolBar2, "ToolButton39", Cmd("cmdDateTimeColor"), glyph::FormattingGlyph::DateTimeColor,
                "PopupMenu5");
    AddSeparator(this, ToolBar2);
    AddDropDown(this, ToolBar2, "ToolButton42", Cmd("cmdTransColor"), glyph::FormattingGlyph::TransparentColor,
                "PopupMenu6");

    ToolBar3 = newBar("ToolBar3", "Object Toolbar", glyph::kObjectGlyphResource);
    ::AddButton(this, ToolBar3, "ToolButton46", Cmd("cmdFindControls"), glyph::ObjectGlyph::FindControls);
    AddSeparator(this, ToolBar3);
    ::AddButton(this, ToolBar3, "ToolButton48", Cmd("cmdFirst"), glyph::ObjectGlyph::First);
    ::AddButton(this, ToolBar3, "ToolButton43", Cmd("cmdPrevious"), glyph::ObjectGlyph::Previous);
    Label2 = AddLabel(this, ToolBar3, "Panel7", "Label2", "(na)", 40);
    ::AddButton(this, ToolBar3, "ToolButton44", Cmd("cmdNext"), glyph::ObjectGlyph::Next);
    ::AddButton(this, ToolBar3, "ToolButton45", Cmd("cmdLast"), glyph::ObjectGlyph::Last);
    AddSeparator(this, ToolBar3);
    ::AddButton(this, ToolBar3, "ToolButton47", Cmd("cmdMoveLeft"), glyph::ObjectGlyph::MoveLeft);
    ::AddButton(this, ToolBar3, "ToolButton49", Cmd("cmdMoveRight"), glyph::ObjectGlyph::MoveRight);
    ::AddButton(this, ToolBar3, "ToolButton50", Cmd("cmdMoveUp"), glyph::ObjectGlyph::MoveUp);
    ::AddButton(this, ToolBar3, "ToolButton51", Cmd("cmdMoveDown"), glyph::ObjectGlyph::MoveDown);
    Label3 = AddLabel(this, ToolBar3, "Panel3", "Label3", "(na)", 180);
    AddSeparator(this, ToolBar3);
    ::AddButton(this, ToolBar3, "ToolButton22", Cmd("cmdBringToFront"), glyph::ObjectGlyph::BringToFront);
    ::AddButton(this, ToolBar3, "ToolButton73", Cmd("cmdSendToBack"), glyph::ObjectGlyph::SendToBack);
    ::AddButton(this, ToolBar3, "ToolButton72", Cmd("cmdBringForward"), glyph::ObjectGlyph::BringForward);
    ::AddButton(this, ToolBar3, "ToolButton71", Cmd("cmdSendBackward"), glyph::ObjectGlyph::SendBackward);

    // The bar of the in-place text box; parked in the drawer until a text is edited.
    ToolBar6 = new forms::ToolBar(this, pnlDrawer);
    ToolBar6->SetName("ToolBar6");
    ToolBar6->SetImages(LoadGlyphs(this, glyph::kTextBoxGlyphResource));
    ToolBar6->SetBounds(0, 0, 210, 24);
    ToolBar6->SetVisible(false);
    ::AddButton(this, ToolBar6, "ToolButton67", Cmd("cmdTextPrevious"), glyph::TextBoxGlyph::Previous);
    ::AddButton(this, ToolBar6, "ToolButton68", Cmd("cmdTextNext"), glyph::TextBoxGlyph::Next);
    AddLabel(this, ToolBar6, "pnlCurrentText", "Label4", "Current Text", 80);
    ::AddButton(this, ToolBar6, "ToolButton65", Cmd("cmdCloseTextBox"), glyph::TextBoxGlyph::CloseEditing);
}
