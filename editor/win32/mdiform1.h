// The editor's main window: one tab per menu document, the menu bar, three
// toolbars and the status bar, and the start-up sequence that leads to the
// first document. It owns every document (slots 1..100, a closed slot is
// never reused) and the editor-wide pictures and options.
//
// The window's work is split over files by concern:
//   mdiform1.cpp            construction and the fixed controls
//   mdiform1_startup.cpp    start-up sequence, timers, closing the editor
//   mdiform1_documents.cpp  creating, switching, closing and saving documents
//   mdiform1_bars.cpp       the commands with their menu bar, toolbars, shortcuts
//   mdiform1_commands.cpp   the window's own small commands
//   mdiform1_settings.cpp   the settings file applied to menus and toolbars
//   mdiform1_menufile.cpp   reading and writing menu files
//   mdiform1_createexe.cpp  the Create Autorun EXE command
//
// Every command that needs a document does nothing while none is open
// (CurMenu below 1); the commands of operations not built yet are shown
// disabled.
#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "editor/logic/DataFolders.h"
#include "editor/logic/EditorSettings.h"
#include "editor/win32/EditorDocument.h"
#include "forms/win32/Form.h"

namespace forms {
class Button;
class Command;
class ComboBox;
class FileListBox;
class Label;
class MainMenu;
class MenuItem;
class PageControl;
class Panel;
class PopupMenu;
class RichEdit;
class Shape;
class StatusBar;
class Timer;
class ToolBar;
class ToolButton;
}  // namespace forms

// Capacity of one run of the editor.
constexpr int kMaxDocuments = 100;
// Height of each of the window's toolbars.
constexpr int kToolBarHeight = 26;

class TMDIForm1Cls : public forms::Form {
public:
    // runStartup false leaves out the start-up sequence on Timer2 (splash,
    // markers and handles, tip, start dialog), for programs that drive the
    // window themselves; the settings are read either way.
    explicit TMDIForm1Cls(bool runStartup = true);
    ~TMDIForm1Cls() override;

    // ---- documents ----
    // Slot of the current document: 1..100; 0 when every document is
    // closed; -1 before the first document exists.
    int CurMenu() const { return CurMenu_; }
    // The document of a slot taken (open or closed), or nullptr.
    TMenuDocument* MenuDoc(int slot);
    // The current document when one is open, else nullptr.
    TMenuDocument* CurrentDoc();

    // Creates a document in the next slot and makes it current; false (with
    // a message) when all 100 slots of this run are taken. withDialog 1 is
    // meant to open Menu Properties, which comes with that dialog; until
    // then the document is made without it.
    bool NewMenu(uint8_t withDialog);
    // Closes the current document's slot (no question).
    void FreeMenu();
    void mnuNew_Click();
    void mnuClose_Click();
    // Save and Save As of the current document; true when it was saved.
    bool mnuSaveClick();
    bool mnuSaveAsClick();
    void SaveAll1Click();
    void mnuOpen_Click();
    void PageControl1Change();
    void SyncMenuTools();
    void EnableToolbars(uint8_t enabled, uint8_t force);
    void LoadMenuList();
    void mnuMenuName_Click(forms::Component& sender);

    // Writes the document of slot CurMenu to folder + fileName; reads a menu
    // file into a new document. False after reporting a failure.
    bool SaveMenu(const std::string& folder, const std::string& fileName, bool withImages, bool quiet);
    bool LoadMenu(const std::string& fileName, const std::string& folder, bool reload);

    // ---- start-up, timers and closing ----
    void FormCreate();
    void Timer2Timer();
    void Timer1Timer();
    void Timer3Timer();
    void FormCloseQuery(bool& canClose);
    void FormClose(forms::CloseAction& action);
    void ShowStartDlg();

    // ---- commands ----
    void mnuScreenPos_Click(forms::Component& sender);
    void N21Click(forms::Component& sender);
    void StandardToolbar1Click();
    void FormattingToolbar1Click();
    void ButtonToolbar1Click();
    void mnuToolTipsClick();
    void mnuAutoAutoClick();
    void mnuResetTipsClick();
    void ToolButton19Click();
    void mnuFindControls_Click();
    // Puts the current document's lost parts back on its background.
    void FindControls();
    void mnuHelpContents_Click();
    void mnuMainHelp_Click(forms::Component& sender);
    // Create Autorun EXE: offers to save each modified menu, then shows the
    // Create Autorun Application wizard for the current one.
    void ToolButton6Click();
    void mnuAbout_Click();
    void mnuExit_Click();
    void Menu1Click();

    // ---- settings ----
    // Where the settings, presets and undo snapshots are kept.
    const editor::DataFolders& DataFolders() const { return DataFolders_; }
    // Reads the settings file over the defaults and shows the options in the
    // menus and toolbars; MenuFolder takes the settings' folder, or
    // EditorFolder when that one holds nothing. Returns how much was read.
    editor::SettingsLoad LoadSettings();
    // Writes the settings file whole from the menus, toolbars and options;
    // false (the old file kept) on failure.
    bool SaveSettings();

private:
    // Construction of the fixed controls (mdiform1.cpp).
    void CreateStatusBar();
    void CreateDrawer();
    void CreateDocumentArea();
    void CreateTimers();
    // Gives the visible toolbars their places, top to bottom in fixed order.
    void LayoutBars();
    // The first step of the start-up: splash, editor state, markers and
    // handles, the File menu's list, the command-line document.
    void SetUpEditor();
    // Commands, menu bar and toolbars (mdiform1_bars.cpp).
    void CreateCommands();
    void CreateMenuBar();
    void CreateToolBars();
    forms::Command* AddCommand(const std::string& name, const std::string& caption, const std::string& hint,
                               uint32_t shortCut, std::function<void()> run);
    forms::Command* AddLaterCommand(const std::string& name, const std::string& caption, const std::string& hint,
                                    uint32_t shortCut);
    forms::MenuItem* AddMenuItem(forms::MenuItem* parent, const std::string& name, forms::Command* command);
    forms::MenuItem* AddMenuItem(forms::MenuItem* parent, const std::string& name, const std::string& caption,
                                 std::function<void(forms::Component&)> onClick);
    // The command of that name.
    forms::Command* Cmd(const std::string& name) const;
    // The formatting toolbar's font and size boxes follow the text edit.
    void EnableFormattingControls(bool enabled);
    // The window's own small commands (mdiform1_commands.cpp): a toolbar
    // shown or hidden with its View item; tooltips on or off everywhere.
    void SetToolbarShown(forms::ToolBar* bar, forms::MenuItem* item, bool shown);
    void ApplyShowHint();
    // Documents (mdiform1_documents.cpp).
    void CreateDocumentControls(TMenuDocument& doc, int slot);
    void FreeDocumentControls(TMenuDocument& doc);
    // Puts the selection frame, handles, text box and its bar back in the
    // drawer before a document's controls go.
    void ParkSharedEditors();
    // Asks the save question of the current document; true when it may close
    // (No, or Yes and saved), false to keep it (Cancel, or a save that failed).
    bool ConfirmCloseCurrent();
    // Makes slot current and its tab active.
    void MakeCurrent(int slot);

    editor::DataFolders DataFolders_;
    // Where the start-up sequence on Timer2's ticks has come.
    enum class StartupStep { SetUp, AwaitSplash, StartDialog, Done };
    StartupStep StartupStep_ = StartupStep::SetUp;
    int CurMenu_ = -1;
    std::array<std::unique_ptr<TMenuDocument>, kMaxDocuments + 1> Menus_;
    bool runStartup_ = true;

    // State of the design surface.
    int HandleOfs_ = 3;
    int ShapeDelay_ = -1;
    int PlacingSel_ = 0;
    uint8_t ToolsEnabled_ = 0;
    TAQButton DefButton_;
    forms::Label* DefButtonLabel_ = nullptr;
    forms::Button* DefButtonButton_ = nullptr;
    std::array<forms::Shape*, 16> SelHandles_{};
    std::array<forms::Panel*, kMaxDocuments + 1> TabOrdPanels_{};
    // The File menu's list and the screen-position items, indexable.
    std::array<forms::MenuItem*, 31> ListItems_{};
    std::array<std::string, 20> MenuListPaths_;

    // Fixed controls.
    forms::MainMenu* mainmenu1 = nullptr;
    forms::ToolBar* ToolBar1 = nullptr;
    forms::ToolBar* ToolBar2 = nullptr;
    forms::ToolBar* ToolBar3 = nullptr;
    forms::ToolBar* ToolBar6 = nullptr;
    forms::StatusBar* StatusBar1 = nullptr;
    forms::Panel* Panel1 = nullptr;
    forms::PageControl* PageControl1 = nullptr;
    forms::Panel* pnlDrawer = nullptr;
    forms::Shape* shpSelection = nullptr;
    forms::Panel* Panel4 = nullptr;
    forms::FileListBox* File1 = nullptr;
    forms::RichEdit* RichEdit2 = nullptr;
    forms::RichEdit* RichAccEdit = nullptr;
    forms::Panel* Panel10 = nullptr;
    forms::RichEdit* RichEditTrans = nullptr;
    forms::ComboBox* cmbTB000 = nullptr;
    forms::ComboBox* cmbTB001 = nullptr;
    forms::Label* Label2 = nullptr;
    forms::Label* Label3 = nullptr;
    forms::PopupMenu* PopupMenu2 = nullptr;
    forms::Timer* Timer1 = nullptr;
    forms::Timer* Timer2 = nullptr;
    forms::Timer* Timer3 = nullptr;

    // Menu items the code changes.
    forms::MenuItem* mnuMenuName000 = nullptr;
    forms::MenuItem* mnuToolTips = nullptr;
    forms::MenuItem* mnuAutoAuto = nullptr;
    forms::MenuItem* StandardToolbar1 = nullptr;
    forms::MenuItem* FormattingToolbar1 = nullptr;
    forms::MenuItem* ButtonToolbar1 = nullptr;
    forms::MenuItem* mnuScrPos = nullptr;
    std::array<forms::MenuItem*, 7> GridSizeItems_{};
    forms::ToolButton* ToolButton25 = nullptr;  // Help Topics
    forms::ToolButton* ToolButton37 = nullptr;  // Show/Hide Time
    forms::ToolButton* ToolButton38 = nullptr;  // Show/Hide Date

    // Commands that need an open document (EnableToolbars switches them);
    // commands of operations still to be built stay disabled.
    std::vector<forms::Command*> DocCommands_;
    std::vector<forms::Command*> LaterCommands_;
};
