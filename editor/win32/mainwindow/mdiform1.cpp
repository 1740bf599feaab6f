// The main window's construction: the window itself, the status bar, the
// document area, the hidden parking place of the shared editing controls,
// the timers; then the menu bar and toolbars (mdiform1_commands.cpp).
#include "editor/win32/mainwindow/mdiform1.h"

#include "editor/logic/EditorTexts.h"
#include "shared/TextParts.h"
#include "editor/win32/common/EditorGlobals.h"
#include "forms/portable/FileSystem.h"
#include "forms/win32/Application.h"
#include "forms/win32/Button.h"
#include "forms/win32/ComboBox.h"
#include "forms/win32/FileListBox.h"
#include "forms/win32/Label.h"
#include "forms/win32/PageControl.h"
#include "forms/win32/Panel.h"
#include "forms/win32/RichEdit.h"
#include "forms/win32/Screen.h"
#include "forms/win32/Shape.h"
#include "forms/win32/StatusBar.h"
#include "forms/win32/Timer.h"
#include "forms/win32/ToolBar.h"
#include "shared/win32/mdlfilebin_win32.h"

TMDIForm1Cls::TMDIForm1Cls(bool runStartup) : runStartup_(runStartup) {
    SetName("MDIForm1");
    SetCaption("Autorun Quorvel Menu Editor");
    SetFont(forms::Font("Tahoma", 8));
    SetMinSize(640, 400);
    SetBounds(0, 0, 800, 600);
    CreateStatusBar();
    CreateDocumentArea();
    CreateDrawer();
    CreateCommands();
    CreateMenuBar();
    CreateToolBars();
    CreateTimers();
    OnCloseQuery = [this](forms::Component&, bool& canClose) { FormCloseQuery(canClose); };
    OnClose = [this](forms::Component&, forms::CloseAction& action) { FormClose(action); };
    OnCreate = [this](forms::Component&) { FormCreate(); };
    LayoutBars();
    SetWindowState(forms::WindowState::Maximized);
    SetVisible(true);
}

TMDIForm1Cls::~TMDIForm1Cls() {
    // The documents' controls are owned by the window; free them while the
    // window's parts still exist, without following the tabs as they go.
    PageControl1->OnChange = nullptr;
    DestroyComponents();
}

TMenuDocument* TMDIForm1Cls::MenuDoc(int slot) {
    if (slot < 1 || slot > MenuCounter || slot > kMaxDocuments) return nullptr;
    return Menus_[static_cast<size_t>(slot)].get();
}

TMenuDocument* TMDIForm1Cls::CurrentDoc() {
    TMenuDocument* doc = MenuDoc(CurMenu_);
    return doc && !doc->Closed ? doc : nullptr;
}

void TMDIForm1Cls::CreateStatusBar() {
    StatusBar1 = new forms::StatusBar(this, this);
    StatusBar1->SetName("StatusBar1");
    StatusBar1->SetPanels({100, 200});
    StatusBar1->SetPanelText(0, "Autorun Quorvel");
    StatusBar1->SetPanelAlignment(0, forms::Alignment::Center);
    // In with the other panels, so that the bar shows it from its first paint.
    StatusBar1->SetPanelText(1, " Version: " + GetFileVersion(forms::ExecutablePath(), 1));
}

void TMDIForm1Cls::CreateDocumentArea() {
    Panel1 = new forms::Panel(this, this);
    Panel1->SetName("Panel1");
    Panel1->SetBevelOuter(forms::PanelBevel::None);
    Panel1->SetAlign(forms::Align::Client);
    PageControl1 = new forms::PageControl(this, Panel1);
    PageControl1->SetName("PageControl1");
    PageControl1->SetAlign(forms::Align::Client);
    PageControl1->OnChange = [this](forms::Component&) { PageControl1Change(); };
}

void TMDIForm1Cls::CreateDrawer() {
    // The parking place of the controls that move between documents; hidden.
    pnlDrawer = new forms::Panel(this, this);
    pnlDrawer->SetName("pnlDrawer");
    pnlDrawer->SetVisible(false);
    shpSelection = new forms::Shape(this, pnlDrawer);
    shpSelection->SetName("shpSelection");
    shpSelection->SetBrushStyle(forms::BrushStyle::Clear);
    shpSelection->SetPenStyle(forms::PenStyle::Dot);
    shpSelection->SetPenMode(forms::PenMode::Not);
    WireSelectionFrame();
    Panel4 = new forms::Panel(this, pnlDrawer);
    Panel4->SetName("Panel4");
    File1 = new forms::FileListBox(this, pnlDrawer);
    File1->SetName("File1");
    File1->SetMask("*.mnu");
    RichEdit2 = new forms::RichEdit(this, pnlDrawer);
    RichEdit2->SetName("RichEdit2");
    RichAccEdit = new forms::RichEdit(this, pnlDrawer);
    RichAccEdit->SetName("RichAccEdit");

    Panel10 = new forms::Panel(this, this);
    Panel10->SetName("Panel10");
    Panel10->SetVisible(false);
    RichEditTrans = new forms::RichEdit(this, Panel10);
    RichEditTrans->SetName("RichEditTrans");
}

void TMDIForm1Cls::CreateTimers() {
    Timer1 = new forms::Timer(this);
    Timer1->SetName("Timer1");
    Timer1->OnTimer = [this](forms::Component&) { Timer1Timer(); };
    Timer1->SetInterval(500);
    Timer2 = new forms::Timer(this);
    Timer2->SetName("Timer2");
    Timer2->OnTimer = [this](forms::Component&) { Timer2Timer(); };
    Timer3 = new forms::Timer(this);
    Timer3->SetName("Timer3");
    Timer3->OnTimer = [this](forms::Component&) { Timer3Timer(); };
    Timer3->SetInterval(10);
}

void TMDIForm1Cls::LayoutBars() {
    // The toolbars are aligned to the top, where they stack in the order of
    // their places: the visible ones get their places in the fixed order
    // Standard, Formatting, object, whichever was shown last.
    int top = 0;
    for (forms::ToolBar* bar : {ToolBar1, ToolBar2, ToolBar3}) {
        if (!bar || !bar->Visible()) continue;
        bar->SetTop(top);
        top += bar->Height();
    }
}

void TMDIForm1Cls::FormCreate() {
    ShapeDelay_ = -1;
    HandleOfs_ = 3;
    PlacingSel_ = 0;

    // The default-object template with its own label and push button.
    DefButton_.FontName = "Arial";
    DefButton_.FontSize = 10;
    DefButton_.FontColor = 0;
    DefButton_.TextAlign = kAlignLeft;
    DefButton_.ObjWidth = 97;
    DefButton_.ObjHeight = 25;
    DefButtonLabel_ = new forms::Label(this, nullptr);
    DefButtonLabel_->SetFont(forms::Font("Arial", 10, false, false, false, forms::clBlack));
    DefButtonLabel_->SetAlignment(forms::Alignment::Left);
    DefButtonButton_ = new forms::Button(this, nullptr);
    DefButtonButton_->SetBounds(0, 0, 97, 25);
    // A text typed into an empty text box starts in the default object's font.
    RichAccEdit->SetFont(forms::Font(DefButton_.FontName, DefButton_.FontSize, false, false, false, forms::clBlack));

    EditorFolder = WithTrailingBackslash(FolderPart(forms::ExecutablePath()));
    DlgCaption = forms::Application().Title();

    // The options are read before the window takes any input, so that a
    // close at any moment writes back what was read.
    SnapToGrid = 1;
    GridSize = editor::kDefaultGridSize;
    LoadSettings();

    ClipButton = TAQButton();
    WireTextCommands();
    WireClockCommands();
    WireColorCommands();
    WireMenuPropsCommand();
    EnableToolbars(0, 1);
    if (runStartup_)
        Timer2->SetInterval(10);
    else
        ShowFormattingBoxes();
}

void TMDIForm1Cls::ShowFormattingBoxes() {
    if (cmbTB000->Visible()) return;
    cmbTB000->SetItems(editor::FontComboItems(forms::ScreenFonts()));
    cmbTB000->SetItemIndex(0);
    std::vector<std::string> sizes;
    for (int size = 4; size <= 72; ++size) sizes.push_back(std::to_string(size));
    cmbTB001->SetItems(sizes);
    cmbTB001->SetItemIndex(10);
    cmbTB000->SetVisible(true);
    cmbTB001->SetVisible(true);
}
