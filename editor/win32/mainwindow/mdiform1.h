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
//   mdiform1_saveload.cpp   reading and writing menu files
//   mdiform1_objects.cpp    the design-time controls of a menu's objects
//   mdiform1_surface.cpp    selecting, dragging, resizing, nudging, stepping
//   mdiform1_objectcmds.cpp adding, deleting, clipboard, picture size, shapes
//   mdiform1_order.cpp      stacking order and tab order
//   mdiform1_boxes.cpp      dragging the accessory boxes and the clock labels
//   mdiform1_undo.cpp       undo and redo through snapshot files
//   mdiform1_createexe.cpp  the Create Autorun EXE command
//   mdiform1_textformat.cpp text formatting, the in-place text box, rendering texts
//   mdiform1_objprops.cpp   the properties dialog of placed images, texts and shapes
//   mdiform1_colors.cpp     the colour commands, their pop-ups and applying colours
//   mdiform1_menuprops.cpp  Menu Properties, the wizards after it, the background shown
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
#include "editor/logic/SurfaceGeometry.h"
#include "editor/win32/common/ColorRequest.h"
#include "editor/win32/common/EditorDocument.h"
#include "editor/win32/menuprops/MenuPropsHost.h"
#include "forms/win32/Form.h"

namespace forms {
class Button;
class Command;
class ComboBox;
class Font;
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

class TMDIForm1Cls : public forms::Form, public ColorReceiver, public MenuPropsHost {
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
    TMenuDocument* CurrentDoc() override;

    // Creates a document in the next slot and makes it current; false (with
    // a message) when all 100 slots of this run are taken. withDialog 1
    // opens Menu Properties for it.
    bool NewMenu(uint8_t withDialog);
    // Closes the current document's slot (no question).
    void FreeMenu();
    // New: a new menu made through Menu Properties and the wizards; wizard
    // mode ends however that chain ends.
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

    // Writes the current document to folder + fileName. A user's save (not
    // quiet) shows the status pop-up, renders the texts still waiting to be
    // rendered, names the tab, warns when the menu has no exit button and
    // clears Modified; a quiet save (an undo snapshot) only writes. Without
    // images the file has no picture section. False when nothing was
    // written: the old file, if any, is kept.
    bool SaveMenu(const std::string& folder, const std::string& fileName, bool withImages, bool quiet);
    // Reads folder + fileName into a new document, or with reload over the
    // current one (keeping its tab, names, Modified and undo counts). The
    // whole file is read before any document changes: a file that cannot be
    // read whole leaves no document behind and the current one untouched,
    // after the failure was reported. False then, and while another load
    // runs.
    bool LoadMenu(const std::string& fileName, const std::string& folder, bool reload);
    // 1 while LoadMenu runs.
    uint8_t MenuLoading() const { return MenuLoading_; }

    // ---- objects ----
    // Creates the controls of object n of the current document, hidden.
    void CreateObjControls(int n);
    // Brings every object's controls in line with its record and shows them.
    void RefreshObjects();

    // ---- design surface (mdiform1_surface.cpp) ----
    // The selection frame and the eight sizing handles follow SelRect; the
    // object toolbar shows the selected object and its place. Every handler
    // acts on the current document and does nothing without one.
    void SnapPos();
    // Shows SelRect in the position label, places the handles and the frame;
    // apply 1 also gives the selected object (or the accessory text box)
    // the rectangle's place and size.
    void ApplySelRect(uint8_t apply);
    void ShowSelHandles(uint8_t visible);
    // Commits an in-place text edit to the object it belongs to, then (unless
    // keepSel) ends the selection; hideMarkers hides frame and handles.
    void DeselectObj(uint8_t keepSel, uint8_t hideMarkers);
    void UpdateButtonBar();
    void EnableObjToolbar(uint8_t enable);
    // The object toolbar with nothing selected: read-outs "(na)", greyed.
    void ShowNoSelection();
    void ShowCommandStatus(int n);
    void MsgNoSelection();
    // The document's selected object, or 0 after saying that none is selected.
    int SelectedObjectOrSay(const TMenuDocument& doc);
    void ImgBtnMouseDown(forms::Control& sender, forms::MouseButton button, forms::ShiftState shift, int x, int y);
    void ImgBtnMouseMove(forms::Control& sender, forms::ShiftState shift, int x, int y);
    void ImgBtnMouseUp(forms::Control& sender, forms::MouseButton button, forms::ShiftState shift, int x, int y);
    void cmdButton_MouseDown(forms::Control& sender, forms::MouseButton button, forms::ShiftState shift, int x, int y);
    void cmdButton_MouseMove(forms::Control& sender, forms::ShiftState shift, int x, int y);
    void cmdButton_MouseUp(forms::Control& sender, forms::MouseButton button, forms::ShiftState shift, int x, int y);
    void cmdButton_KeyDown(forms::Control& sender, uint16_t& key, forms::ShiftState shift);
    void shpHandleMouseDown(forms::Control& sender, forms::MouseButton button, forms::ShiftState shift, int x, int y);
    void shpHandleMouseMove(forms::Control& sender, forms::ShiftState shift, int x, int y);
    void shpHandleMouseUp(forms::Control& sender, forms::MouseButton button, forms::ShiftState shift, int x, int y);
    void MenPnlClick();
    // The accessory text box, the accessory image box, and the time and date
    // labels are dragged with the left button.
    void mmoAccPNGMouseDown(forms::Control& sender, forms::MouseButton button, forms::ShiftState shift, int x, int y);
    void mmoAccPNGMouseMove(forms::Control& sender, forms::ShiftState shift, int x, int y);
    void mmoAccPNGEditMouseUp(forms::Control& sender, forms::MouseButton button, forms::ShiftState shift, int x, int y);
    void AccImgMouseDown(forms::Control& sender, forms::MouseButton button, forms::ShiftState shift, int x, int y);
    void AccImgMouseMove(forms::Control& sender, forms::ShiftState shift, int x, int y);
    void AccImgMouseUp(forms::Control& sender, forms::MouseButton button, forms::ShiftState shift, int x, int y);
    void ControlDragMouseDown(forms::Control& sender, forms::MouseButton button, forms::ShiftState shift, int x, int y);
    void ControlDragMouseMove(forms::Control& sender, forms::ShiftState shift, int x, int y);
    void ControlDragMouseUp(forms::Control& sender, forms::MouseButton button, forms::ShiftState shift, int x, int y);
    // A press on the selection frame acts as a press on what it frames: the
    // selected object or label, or the accessory text box while that box is
    // the selection. The rest of that press goes to the same control.
    void WireSelectionFrame();
    forms::Control* FramedControl();
    // Nudge of the selected object by one pixel (Move Left/Right/Up/Down).
    void ToolButton47Click(editor::Nudge direction);
    // First, Previous, Next, Last object.
    void ToolButton48Click(editor::Navigate step);
    // The sizing handle k (0..7), made when first needed.
    forms::Shape* SelHandle(int k);
    // The current selection rectangle (left, right, top, bottom).
    const editor::SelBox& SelRect() const { return SelRect_; }

    // ---- objects (mdiform1_objectcmds.cpp) ----
    // Insert Button opens Button Properties for the new button; a cancelled
    // dialog takes the button away again and leaves no undo step. The three
    // Add commands' dialogs come later: the new object keeps its defaults.
    void AddButton() override;
    // Object Properties of the selected object (mdiform1_properties.cpp):
    // Button Properties for a button, after an undo step.
    void ShowObjProps();
    // Moves the selected graphical button to where its Up picture best
    // matches the background, with the progress pop-up (argument: 1).
    void DoAutoSeek(uint8_t interactive);
    void AddPlcImage();
    void AddPlcText();
    void AddPlcShape();
    void CopyObject();
    void CutObject();
    void PasteObject();
    void DeleteObject();
    // Original Image Size: the object takes the size of its picture.
    void ToolButton64Click();
    // Fits the selected placed image's picture to the selection size.
    void ShowPicImg();
    // Draws the selected placed shape again.
    void DoPNGShape();
    // Properties of the selected placed image, text or shape: records an
    // undo step, then runs the placed-object properties dialog on it
    // (mdiform1_objprops.cpp).
    void ShowPlacedObjProps();
    // 1 when that picture of the current document exists and has pixels;
    // copy 1 also copies it into SharedBmp. 0 for a slot out of range.
    uint8_t GetBtnPic(int object, int state, int frame, uint8_t copy) override;
    // Stores a copy of bitmap in that picture slot of the current document
    // (the slot's previous picture is let go; the caller keeps its own).
    void SetBtnPic(int object, int state, int frame, const forms::Bitmap& bitmap) override;

    // ---- text formatting and the text box (mdiform1_textformat.cpp) ----
    // Bold, Italic, Underline: the style bit follows the button's down state.
    // Font and size commands record an undo step, then format the selected
    // clock label or else the text box's selection (all its text when none
    // is selected). All do nothing while no document is open.
    void ToolButton29Click();
    void ToolButton30Click();
    void ToolButton31Click();
    // The font list's row (the separator row means row 0); a Format > Font
    // item. A typed name or size applies once confirmed (FontBoxes.h).
    void cmbTB000Change();
    void Arial1Click(forms::Component& sender);
    // The size box's text; a text that is no whole number is refused with a
    // message. A Format > Size item puts its number in the box first.
    void cmbTB001Change();
    void N81Click(forms::Component& sender);
    // Paragraph alignment of the text box's selection: 0 left, 1 right, 2 centre.
    void SetTextAlign(uint8_t alignment);
    // The toolbar shows a label's font, or the text box selection's format.
    void ShowFontFormat(const forms::Font& font);
    void ShowSelFormat(forms::RichEdit& edit);
    void EnableFmtToolbar(uint8_t enabled);
    // Paints colour as the bar at the bottom of a colour button's glyph:
    // which 1 Text Color, 2 Date/Time Color, 3 Transparent Color, 4 Shadow Color.
    void SetClrBar(forms::Color colour, int which);
    // Opens the text box over the accessory text box on the menu's own text.
    void BeginAccTextEdit(TMenuDocument& doc);
    // The text box bar: stores the edited text into the text it was opened
    // for, then 65 closes the box, 67 steps to the previous and 68 to the
    // next text (the menu's own and the buttons', wrapping with a beep).
    void ToolButton67Click(int button);
    void RichAccEditChange();
    void RichAccEditSelectionChange();
    // Hides the text box and its bar; the accessory box shows the menu's text.
    void RichAccEditExit();
    // Shows accessory text n (0 or less: the menu's own) in the accessory
    // box, rendered again when marked or of another size than the box.
    void RenderAccText(int n);
    // Renders the look of text button or placed text n again when marked or
    // of another size than the object.
    void RenderObjText(int n);
    // The pointer left a button for the background: the menu's own text again.
    void MenPnlMouseMove();
    // The edited accessory text: -1 none, 0 the menu's own, n object n's.
    int EditedAccText() const { return EditedAcc_; }

    // ---- colours (mdiform1_colors.cpp) ----
    // The colour openers of the Formatting bar: Text Color (the text box's
    // selection), Date/Time Color, Shadow Color, Transparent Color (through
    // the transparency pop-up) and Shadow Depth (its own pop-up), each under
    // its button. All do nothing while no document is open.
    void ToolButton27Click();
    void ToolButton39Click();
    void ToolButton40Click();
    void ToolButton42Click();
    void ToolButton54Click();
    // Applies CurClr (TransIndex for 31) to the current document by target
    // code: 4 shadow colour, 18 text box selection, 28 time and date labels,
    // 31 transparent colour; undo 1 records an undo step first. Nothing
    // without an open document.
    void ApplyPickedClr(int32_t target, uint8_t undo);
    void ColorDelivered(int32_t target) override { ApplyPickedClr(target, 1); }
    // Sets the current document's shadow depth (0..5) as one undo step and
    // renders every text again.
    void SetShadowDepth(int depth);
    // Renders every text of the current document again (after a shadow
    // change) and ends any editing.
    void RenderAllTexts();
    // The colour bars show the current document's colours.
    void ShowMenuColors(TMenuDocument& doc);

    // ---- Menu Properties (mdiform1_menuprops.cpp) ----
    // Records an undo step, runs Menu Properties for the current document,
    // then renders its own text again; after a valid OK it runs the Menu
    // Creation Wizard (wizard mode) and Find Controls. A cancel in wizard
    // mode discards the new document.
    void ShowMenuProps();
    // The current document's background, frame and shadow on the surface;
    // all three hidden while the menu has no text of its own yet.
    void ShowMenuBack() override;
    // A right click on the background: Menu Properties.
    void MenPnlMouseDown(forms::MouseButton button);

    // ---- order (mdiform1_order.cpp) ----
    void ToolButton22Click();  // Bring to Front
    void ToolButton73Click();  // Send To Back
    void ToolButton72Click();  // Bring Forward
    void ToolButton71Click();  // Send Backward
    // Tab-order markers shown or hidden (the Show/Set Tab Order button).
    void ToolButton56Click();
    void ShowTabOrder(uint8_t show);
    // One click on a tab-order marker.
    void Panel4Click(forms::Component& sender);

    // ---- undo and redo ----
    // Records the current document as the next undo step before an edit
    // (skipImages: the edit changes no pictures, the snapshot holds none);
    // marks the document modified and empties the redo stack.
    void PushUndo(uint8_t skipImages);
    void DoUndo();
    void DoRedo();
    void mnuUndo_Click() { DoUndo(); }
    void mnuRedo_Click() { DoRedo(); }
    // Deletes the current document's undo and redo snapshot files and
    // empties both stacks.
    void DeleteUndoFiles();

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

    // ---- time and date labels (mdiform1_clock.cpp) ----
    // Show/Hide Time and Show/Hide Date: record an undo step, then the label
    // is shown exactly while its button is down.
    void ToolButton37Click();
    void ToolButton38Click();
    // Menu > Show Time / Show Date: flip the button, then run it.
    void N8Click();
    void ShowDate1Click();

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
    // A command whose handler the file of its concern sets with WireCommand;
    // it stays disabled until the document state enables it.
    forms::Command* DeclareCommand(const std::string& name, const std::string& caption, const std::string& hint,
                                   uint32_t shortCut);
    // Gives the declared command of that name its handler; returns it.
    forms::Command* WireCommand(const std::string& name, std::function<void()> run);
    forms::MenuItem* AddMenuItem(forms::MenuItem* parent, const std::string& name, forms::Command* command);
    forms::MenuItem* AddMenuItem(forms::MenuItem* parent, const std::string& name, const std::string& caption,
                                 std::function<void(forms::Component&)> onClick);
    // The command of that name.
    forms::Command* Cmd(const std::string& name) const;
    void WireMenuPropsCommand();
    // Text formatting (mdiform1_textformat.cpp): binds the formatting
    // commands, boxes and text box events; the formatting controls start off.
    void WireTextCommands();
    // Colours (mdiform1_colors.cpp): binds the colour commands and installs
    // the colour chooser.
    void WireColorCommands();
    // The screen point one pixel below the bottom-left corner of a tool
    // button, moved dx to the right.
    POINT PointUnderButton(const char* name, int dx) const;
    void AddFormatMenuItems(forms::MenuItem* format);
    void ApplyFontChange(const std::function<void(forms::RichEdit&)>& toText,
                         const std::function<void(forms::Font&)>& toLabel);
    void ApplyToFormatTarget(const std::function<void(forms::RichEdit&)>& toText,
                             const std::function<void(forms::Font&)>& toLabel);
    void ApplyStyleButton(const char* command, unsigned bit);
    void ShowAlignment(forms::Alignment alignment);
    void StoreAccTextEdit();
    // Ends in-place editing, of the text box and of a placed text, each
    // storing its text into the object it was opened for (in its own
    // document, marked modified when the text changed). Every way out of a
    // document (closing, exiting, another tab, saving, packing) runs it first.
    void EndTextEdits();
    // Shows a font's name and size in the font and size boxes.
    void ShowFontInBoxes(const std::string& name, int points);
    // The font name of the formatting target: the selected clock label's,
    // else that of the text box's selection.
    std::string TargetFontName();
    void RenderObjText(TMenuDocument& doc, int n);
    // Fills the font and size boxes of the Formatting bar and shows them.
    // With the start-up sequence this waits until the window has been shown
    // and painted once: the boxes' windows and the font list are the
    // costliest part of the bars.
    void ShowFormattingBoxes();
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
    // Menu files (mdiform1_saveload.cpp).
    // Turns an older file's plain accessory and caption texts into RTF.
    void ConvertPlainTexts(TAQMenu& menu, int version);
    // Puts the labels, boxes, background and frame of doc where its record says.
    void ShowMenuLayout(TMenuDocument& doc);
    // Renders doc's placed texts, text buttons and shapes marked to be
    // rendered again, and with accessoryTexts its accessory texts so marked.
    void RenderMissingPictures(TMenuDocument& doc, bool accessoryTexts);
    // rtf rendered as the menu shows texts: width x height with its shadow.
    forms::PngImage RenderRichText(const TAQMenu& menu, const std::string& rtf, int width, int height);
    // Objects (mdiform1_objects.cpp).
    void CreateObjControls(TMenuDocument& doc, int n);
    // Controls for objects 1..BtnCount after the records were replaced: a
    // slot that has controls keeps them, set from its new record as new ones
    // would be (and still stacked by slot), which spares making them all
    // again on every undo; slots above BtnCount lose theirs.
    void RenewObjControls(TMenuDocument& doc);
    void FreeObjControls(TMenuDocument& doc);
    // Frees one slot's controls and leaves the slot without any.
    static void FreeSlotControls(TObjControls& ctl);
    void RefreshObjects(TMenuDocument& doc);
    // Design surface: command wiring, the object toolbar's own commands.
    void WireSurfaceCommands();
    // Time and date labels: binds the Show/Hide Time and Date commands.
    void WireClockCommands();
    void ShowClockLabel(bool time, bool shown);
    // A new menu's labels in the labels' own font, named in its record.
    static void GiveClockDefaults(TAQMenu& menu);
    // Draws doc's time and date labels from its record: font, colour and
    // place; each label takes the size of its text.
    void ShowClockLabels(TMenuDocument& doc);
    // Changes the record's font of the time (or date) label, marks the
    // document modified, shows the label and fits the frame around it.
    void FormatClockLabel(TMenuDocument& doc, bool time, const std::function<void(forms::Font&)>& change);
    // The colour both labels share, into the record and onto the labels.
    void SetClockColor(TMenuDocument& doc, forms::Color color);
    // Binds the surface handlers of a new document's background, boxes and
    // labels (mdiform1_boxes.cpp).
    void WireSurfaceControls(TMenuDocument& doc);
    // Reads the object number of a control's name; 0 when it is no object
    // of doc.
    int ObjectOfControl(const TMenuDocument& doc, const forms::Component& sender) const;
    // The pointer over button n: its command in the status bar, its
    // accessory picture in the accessory image box.
    void ShowButtonHover(TMenuDocument& doc, int n);
    // Starts the drag protocol after a left press on an object's control;
    // a drag shows the four-way arrow over the grabbed control.
    void StartObjectDrag(forms::Control& grabbed, int x, int y);
    // A press at (x, y) of a control that the pointer may drag. The drag
    // begins only once the pointer, in the same control's coordinates, has
    // left the system's drag rectangle around that point: a click selects
    // and never moves.
    void ArmDrag(int x, int y);
    bool DragUnderway(int x, int y);
    // The arrow keys nudge the selected object as the Move buttons do,
    // unless the focused control uses the arrows itself.
    void SurfaceKeyDown(uint16_t& key, forms::ShiftState shift);
    // The control that shows object n of doc (the push button of a Windows
    // button, the image of every other kind).
    static forms::Control* ObjectControl(TMenuDocument& doc, int n);
    // Ends the current document's text edit and selection before another
    // document becomes current: frame and handles hidden, read-out "(na)".
    void LeaveCurrentDocument();
    // Moves the selected object's controls and record to DragX, DragY.
    void PlaceSelectedObject(TMenuDocument& doc);
    // Frame around a control: bounds - 2 / + 4.
    void FrameAround(int left, int top, int width, int height);
    // The frame around the selected object's shown control.
    void FrameSelectedObject();
    // Starts and ends the in-place edit of a placed text.
    void BeginPlacedTextEdit(TMenuDocument& doc, int n);
    // Puts the in-place text editor just inside a control of the surface,
    // borderless, on the average colour of the background beneath it, so
    // that the text reads as it will show.
    void PlaceTextEditor(TMenuDocument& doc, const forms::Control& over);
    void CommitPlacedTextEdit(TMenuDocument& doc);
    // Frees the controls of slot n and clears its record.
    void ClearObjectSlot(TMenuDocument& doc, int n);
    // Makes object n of the current document selected with frame and handles.
    void SelectPlacedObject(TMenuDocument& doc, int n, uint8_t handles);
    // The common start of the Add commands: a new slot with its controls.
    // snapshotFirst: record the undo step before the object exists (buttons
    // and placed objects record theirs only once their dialog was accepted).
    int NewObjectSlot(TMenuDocument& doc, int kind, const char* limitMessage, bool snapshotFirst = true);
    // Shows Button Properties for button n of doc; true after a valid OK,
    // when the object's controls, accessory text and selection follow.
    bool RunButtonProps(TMenuDocument& doc, int n);
    // Runs the placed-object properties dialog on object n of doc; on OK the
    // object's control shows the result and the object is selected with its
    // handles. True on OK.
    bool RunPlacedObjDialog(TMenuDocument& doc, int n);
    // Ends a placed-object add: on cancel the new slot n is freed and
    // cleared; on OK the undo step is recorded without the new object.
    void FinishPlacedAdd(TMenuDocument& doc, int n, bool accepted);
    // Puts the objects of doc in the order given (order[k] = old number of
    // the object that becomes k) and brings the controls up to date.
    void ReorderObjects(TMenuDocument& doc, const std::vector<int>& order);
    void RunRestack(editor::Restack command);
    // Tab-order marker n (1..100), made when first needed.
    forms::Panel* TabOrdMarker(int n);
    // Undo and redo (mdiform1_undo.cpp): saves the current document quietly
    // as a snapshot; loads one back over it.
    bool SaveSnapshot(const std::string& name, bool withImages);
    bool LoadSnapshot(const std::string& name);

    editor::DataFolders DataFolders_;
    // Where the start-up sequence on Timer2's ticks has come.
    enum class StartupStep { SetUp, AwaitSplash, StartDialog, Done };
    StartupStep StartupStep_ = StartupStep::SetUp;
    int CurMenu_ = -1;
    uint8_t MenuLoading_ = 0;
    std::array<std::unique_ptr<TMenuDocument>, kMaxDocuments + 1> Menus_;
    bool runStartup_ = true;

    // State of the design surface.
    editor::SelBox SelRect_;
    // Drag state: -1 idle, -2 pressed while the undo snapshot is written,
    // -3 released meanwhile, 0 or more the grab offset inside the control.
    int GrabX_ = -1;
    int GrabY_ = 0;
    int DragX_ = 0;
    int DragY_ = 0;
    int DragW_ = 0;
    int DragH_ = 0;
    uint8_t MoveBusy_ = 0;
    // Where the pointer was pressed, and whether it has left the drag
    // rectangle around that point since.
    int DragFromX_ = 0;
    int DragFromY_ = 0;
    bool DragLive_ = false;
    // The control a press on the selection frame went to, until the release.
    forms::Control* FramePressTarget_ = nullptr;
    uint8_t SeekBusy_ = 0;
    int HoverObj_ = -1;
    int CascadeOfs_ = 0;
    int ClipLeft_ = 0;
    int ClipTop_ = 0;
    int TabOrdMenu_ = -1;
    int TabOrdNext_ = 0;
    // Object whose text the in-place editor holds (0 none) and its document.
    int EditedObj_ = 0;
    int EditedMenu_ = 0;
    std::vector<forms::Command*> ObjCommands_;
    // The accessory text the text box holds (-1 none) and its document.
    int EditedAcc_ = -1;
    int EditedAccMenu_ = 0;
    // The text box's own RTF of the text it loaded last.
    std::string LoadedAccRTF_;
    // 1 while a font command has selected all of the text box's text.
    uint8_t SelectingAll_ = 0;
    // The commands EnableFmtToolbar switches with the font and size boxes.
    std::vector<forms::Command*> FmtCommands_;
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
    forms::MenuItem* N8 = nullptr;         // Show Time / Hide Time
    forms::MenuItem* ShowDate1 = nullptr;  // Show Date / Hide Date
    std::array<forms::MenuItem*, 7> GridSizeItems_{};
    forms::ToolButton* ToolButton25 = nullptr;  // Help Topics
    forms::ToolButton* ToolButton37 = nullptr;  // Show/Hide Time
    forms::ToolButton* ToolButton38 = nullptr;  // Show/Hide Date

    // Commands that need an open document (EnableToolbars switches them);
    // commands of operations still to be built stay disabled.
    std::vector<forms::Command*> DocCommands_;
};
