// Menu documents: creating one in the next slot with its controls on a new
// tab, switching tabs, the File menu's list, Open, Save, Save As, Save All,
// and closing a document with its save question. The toolbars and menus
// follow the current document (SyncMenuTools, EnableToolbars). Whenever
// another document becomes current (New, Open, a tab picked by the user or
// chosen by a command), the one left ends its edit and its selection: a
// document is shown with nothing selected.
//
// A document whose save question is answered Yes stays open when the save
// does not happen (Save As cancelled, or the write failed): closing never
// loses work silently.
#include <windows.h>

#include "editor/logic/DocumentNames.h"
#include "shared/TextParts.h"
#include "editor/win32/common/ControlNames.h"
#include "editor/win32/common/EditorGlobals.h"
#include "editor/win32/common/LocaleClock.h"
#include "editor/win32/menuprops/frmformprops.h"
#include "editor/win32/smallwindows/frmsave.h"
#include "editor/win32/mainwindow/mdiform1.h"
#include "forms/portable/FileSystem.h"
#include "forms/win32/Application.h"
#include "forms/win32/ComboBox.h"
#include "forms/win32/Command.h"
#include "forms/win32/FileListBox.h"
#include "forms/win32/Image.h"
#include "forms/win32/Label.h"
#include "forms/win32/Menus.h"
#include "forms/win32/PageControl.h"
#include "forms/win32/Panel.h"
#include "forms/win32/RichEdit.h"
#include "forms/win32/Screen.h"
#include "forms/win32/ScrollBox.h"
#include "forms/win32/Shape.h"
#include "forms/win32/ToolBar.h"

namespace {

forms::Label* NewDynamicLabel(forms::Component* owner, forms::WinControl* parent, const std::string& name,
                              int left, const std::string& caption, const std::string& hint) {
    auto* label = new forms::Label(owner, parent);
    label->SetName(name);
    label->SetTransparent(true);
    // The label takes the size of its text, so a bigger font never cuts it.
    label->SetAutoSize(true);
    label->SetBounds(left, 200, 60, 17);
    label->SetCaption(caption);
    label->SetHint(hint);
    return label;
}

template <class T>
void FreeControl(T*& control) {
    if (control) control->Free();
    control = nullptr;
}

}  // namespace

// ---- creating and freeing ----

bool TMDIForm1Cls::NewMenu(uint8_t withDialog) {
    if (MenuCounter >= kMaxDocuments) {
        EditorMsg("The editor holds up to 100 menus in one session. Please save your work and restart the editor "
                  "to create or open more menus.",
                  TMsgDlgType::mtInformation, TMsgDlgButtons::mbOK);
        return false;
    }
    // The new document becomes the current one: an edit and the selection in
    // the old one end.
    LeaveCurrentDocument();
    MenuPropsCancelled = 0;
    MenuCounter = MenuCounter + 1;
    const int slot = MenuCounter;
    Menus_[static_cast<size_t>(slot)] = std::make_unique<TMenuDocument>();
    TMenuDocument& doc = *Menus_[static_cast<size_t>(slot)];
    doc.FileName = editor::NewDocumentName(slot);
    doc.HasFile = 0;
    CreateDocumentControls(doc, slot);

    doc.SelObject = kSelNone;
    doc.Menu.BtnCount = 0;
    doc.Menu.TransColor = -1;
    doc.Menu.AnimInterval = 100;
    doc.Closed = 0;
    doc.Modified = 1;
    doc.UndoCount = 0;
    doc.RedoCount = 0;
    doc.Menu.ShadowDepth = 0;
    doc.Menu.ShadowColor = 0;
    doc.Menu.SoundsOn = 1;
    // The accessory picture is the menu's empty text as rendered.
    doc.Menu.AccPNG = RenderRichText(doc.Menu, std::string(), 40, 40);
    GiveClockDefaults(doc.Menu);
    ShowClockLabels(doc);

    CurMenu_ = slot;
    ShowMenuBack();
    doc.TabSheet->SetCaption(doc.FileName);
    PageControl1->SetActivePage(doc.TabSheet);
    forms::Application().ProcessMessages();
    EnableToolbars(1, 0);
    SyncMenuTools();
    if (withDialog == 1) ShowMenuProps();
    return true;
}

void TMDIForm1Cls::CreateDocumentControls(TMenuDocument& doc, int slot) {
    // Windows of these controls are made only when the tab is first shown.
    doc.TabSheet = new forms::TabSheet(this, PageControl1);
    doc.TabSheet->SetTag(slot);
    doc.ScrollBox = new forms::ScrollBox(this, nullptr);
    doc.ScrollBox->SetAlign(forms::Align::Client);
    doc.ScrollBox->SetColor(forms::clWindow);
    doc.ShadowShape = new forms::Shape(this, doc.ScrollBox);
    doc.ShadowShape->SetBrushColor(forms::SystemColor(COLOR_INACTIVEBORDER));
    doc.ShadowShape->SetPenStyle(forms::PenStyle::Clear);
    doc.FramePanel = new forms::Panel(this, doc.ScrollBox);
    doc.FramePanel->SetBevelInner(forms::PanelBevel::Lowered);
    doc.FramePanel->SetColor(forms::clBtnFace);
    doc.ClientPanel = new forms::Panel(this, doc.FramePanel);
    doc.ClientPanel->SetAlign(forms::Align::Client);
    doc.ClientPanel->SetBevelOuter(forms::PanelBevel::None);
    doc.ClientPanel->SetColor(forms::clBtnFace);
    doc.BackImage = new forms::Image(this, doc.ClientPanel);
    doc.BackImage->SetAutoSize(true);
    doc.AccessoryImage = new forms::Image(this, doc.ClientPanel);
    doc.AccessoryImage->SetAutoSize(true);
    doc.AccessoryImage->SetHint("Accessory Image\r (Shows dynamic button content)");
    doc.AccessoryText = new forms::Image(this, doc.ClientPanel);
    doc.AccessoryText->SetAutoSize(false);
    doc.AccessoryText->SetStretch(false);
    doc.AccessoryText->SetBounds(40, 40, 200, 100);
    doc.AccessoryText->SetHint("Accessory Text\r (Shows dynamic button content)\r Right-click to edit.");
    doc.TimeLabel = NewDynamicLabel(this, doc.ClientPanel, NumberedName("TimLbl", slot), 20, LocaleTimeText(),
                                    "Dynamic Time\r (Shows current time)");
    doc.DateLabel = NewDynamicLabel(this, doc.ClientPanel, NumberedName("DatLbl", slot), 95, LocaleDateText(),
                                    "Dynamic Date\r (Shows current date)");
    // Shown only when the menu shows its time and date.
    doc.TimeLabel->SetVisible(doc.Menu.TimeVisible);
    doc.DateLabel->SetVisible(doc.Menu.DateVisible);
    WireSurfaceControls(doc);
    doc.ScrollBox->SetParent(doc.TabSheet);
}

void TMDIForm1Cls::ParkSharedEditors() {
    // The selection frame, the handles, the tab-order markers, the in-place
    // text box and its bar live on the current document while it is edited;
    // put them back in the drawer before a document's controls go away.
    shpSelection->SetParent(pnlDrawer);
    for (size_t k = 0; k < 8; ++k)
        if (SelHandles_[k]) SelHandles_[k]->SetParent(pnlDrawer);
    for (forms::Panel* marker : TabOrdPanels_)
        if (marker) marker->SetParent(pnlDrawer);
    TabOrdMenu_ = -1;
    RichAccEdit->SetVisible(false);
    RichAccEdit->SetParent(pnlDrawer);
    ToolBar6->SetVisible(false);
    ToolBar6->SetParent(pnlDrawer);
}

void TMDIForm1Cls::FreeDocumentControls(TMenuDocument& doc) {
    // Children first, the tab last.
    FreeObjControls(doc);
    FreeControl(doc.DateLabel);
    FreeControl(doc.TimeLabel);
    FreeControl(doc.AccessoryText);
    FreeControl(doc.AccessoryImage);
    FreeControl(doc.BackImage);
    FreeControl(doc.ClientPanel);
    FreeControl(doc.FramePanel);
    FreeControl(doc.ShadowShape);
    FreeControl(doc.ScrollBox);
    FreeControl(doc.TabSheet);
}

void TMDIForm1Cls::FreeMenu() {
    TMenuDocument* doc = CurrentDoc();
    if (!doc || PageControl1->PageCount() == 0) {
        forms::Beep();
        return;
    }
    DeleteUndoFiles();
    doc->Closed = 1;
    for (forms::Panel* marker : TabOrdPanels_)
        if (marker) marker->SetVisible(false);
    DeselectObj(0, 1);
    ParkSharedEditors();
    // Every picture of the menu goes: the objects', the background's (slot
    // 0) and the scratch slot's; the records stay for the closed slot.
    for (TAQButton& object : doc->Menu.Buttons) {
        object.Pics.Clear();
        object.LookPNG = forms::PngImage();
        object.AccPNG = forms::PngImage();
    }
    doc->Menu.BtnCount = 0;
    FreeDocumentControls(*doc);
    forms::Application().ProcessMessages();
    forms::TabSheet* active = PageControl1->ActivePage();
    CurMenu_ = active ? active->Tag() : 0;
    PageControl1Change();
}

// ---- current document ----

void TMDIForm1Cls::LeaveCurrentDocument() {
    EndTextEdits();
    if (CurrentDoc())
        DeselectObj(0, 1);
    else
        ShowNoSelection();
}

void TMDIForm1Cls::MakeCurrent(int slot) {
    TMenuDocument* doc = MenuDoc(slot);
    if (!doc || doc->Closed) return;
    // Choosing the page by program runs no change event.
    if (slot != CurMenu_) LeaveCurrentDocument();
    CurMenu_ = slot;
    PageControl1->SetActivePage(doc->TabSheet);
}

void TMDIForm1Cls::PageControl1Change() {
    // The edit and the selection belong to the document that was shown
    // (still the current one when the user picked the tab): they end there.
    LeaveCurrentDocument();
    forms::TabSheet* active = PageControl1->ActivePage();
    if (!active) {
        CurMenu_ = 0;
        EnableToolbars(0, 0);
        return;
    }
    CurMenu_ = active->Tag();
    EnableToolbars(1, 0);
    SyncMenuTools();
}

void TMDIForm1Cls::SyncMenuTools() {
    TMenuDocument* doc = CurrentDoc();
    if (!doc) return;
    for (int i = 0; i < 11; ++i) ListItems_[static_cast<size_t>(20 + i)]->SetChecked(i == doc->Menu.ScreenPos);
    // The text box's format: font, size, styles and alignment.
    const forms::CharFormat format = RichAccEdit->SelectionFormat();
    ShowFontInBoxes(format.fontName, format.size);
    Cmd("cmdBold")->SetChecked((format.style & forms::fsBold) != 0);
    Cmd("cmdItalic")->SetChecked((format.style & forms::fsItalic) != 0);
    Cmd("cmdUnderline")->SetChecked((format.style & forms::fsUnderline) != 0);
    const forms::Alignment alignment = RichAccEdit->SelectionAlignment();
    Cmd("cmdAlignLeft")->SetChecked(alignment == forms::Alignment::Left);
    Cmd("cmdAlignCenter")->SetChecked(alignment == forms::Alignment::Center);
    Cmd("cmdAlignRight")->SetChecked(alignment == forms::Alignment::Right);
    Cmd("cmdShowTime")->SetChecked(doc->TimeLabel->Visible());
    Cmd("cmdShowDate")->SetChecked(doc->DateLabel->Visible());
    Cmd("cmdTabOrder")->SetChecked(doc->TabOrderShown == 1);
    ShowMenuColors(*doc);
}

void TMDIForm1Cls::EnableToolbars(uint8_t enabled, uint8_t force) {
    if (enabled == ToolsEnabled_ && !force) return;
    ToolsEnabled_ = enabled;
    for (forms::Command* command : DocCommands_) command->SetEnabled(enabled != 0);
    mnuScrPos->SetEnabled(enabled != 0);
    // Without a document nothing is selected or being formatted.
    if (!enabled) {
        EnableObjToolbar(0);
        EnableFmtToolbar(0);
    }
}

// ---- the File menu's list ----

void TMDIForm1Cls::LoadMenuList() {
    // A folder that cannot be listed shows no menus rather than those of the
    // folder listed before.
    std::vector<std::string> names;
    for (std::string& path : MenuListPaths_) path.clear();
    // Pointing the list at the folder lists it afresh.
    if (File1->SetDirectory(MenuFolder)) names = editor::MenuListNames(File1->Items());
    mnuMenuName000->SetEnabled(true);
    if (names.empty()) {
        mnuMenuName000->SetEnabled(false);
        mnuMenuName000->SetCaption("No menus found");
        mnuMenuName000->SetVisible(true);
        for (size_t i = 1; i < 20; ++i) ListItems_[i]->SetVisible(false);
        return;
    }
    for (size_t i = 0; i < 20; ++i) {
        if (i < names.size()) {
            MenuListPaths_[i] = MenuFolder + names[i];
            ListItems_[i]->SetCaption(names[i]);
            ListItems_[i]->SetVisible(true);
        } else {
            ListItems_[i]->SetVisible(false);
        }
    }
}

void TMDIForm1Cls::mnuMenuName_Click(forms::Component& sender) {
    const int i = NameNumber(sender.Name());
    if (i < 0 || i >= 20) return;
    StartFileName = static_cast<forms::MenuItem&>(sender).Caption();
    const std::string& path = MenuListPaths_[static_cast<size_t>(i)];
    if (!path.empty() && forms::FileExists(path)) {
        const editor::FileLocation where = editor::SplitFileLocation(path);
        LoadMenu(where.Name, where.Folder, false);
    } else {
        EditorMsg("The following menu could no be found:\r\r" + path, TMsgDlgType::mtInformation,
                  TMsgDlgButtons::mbOK);
    }
}

// ---- New, Open, Save ----

void TMDIForm1Cls::mnuNew_Click() {
    // Cleared on every way out of the chain (OK, Cancel, the close box, a
    // refused document), so that no later Menu Properties acts as a wizard.
    struct EndWizardMode {
        ~EndWizardMode() { WizardMode = 0; }
    } endWizardMode;
    WizardMode = 1;
    NewMenu(1);
}

void TMDIForm1Cls::mnuOpen_Click() {
    std::string path;
    if (!AskOpenMenuPath(path)) return;
    ShowStatusPopup("Loading Menu...");
    if (!path.empty() && forms::FileExists(path)) {
        const editor::FileLocation where = editor::SplitFileLocation(path);
        MenuFolder = where.Folder;
        const bool loaded = LoadMenu(where.Name, MenuFolder, false);
        LoadMenuList();
        if (loaded) FinishStatusPopup("Settings Loaded.", 200);
    } else {
        EditorMsg("The menu \"" + FileNamePart(path) + "\" could no be found.", TMsgDlgType::mtInformation,
                  TMsgDlgButtons::mbOK);
    }
}

bool TMDIForm1Cls::mnuSaveClick() {
    TMenuDocument* doc = CurrentDoc();
    if (!doc) return false;
    if (editor::SaveNeedsName(doc->FileName)) return mnuSaveAsClick();
    if (SaveMenu(doc->Folder, doc->FileName, true, false)) return true;
    EditorMsg("A problem occured when saving the menu.", TMsgDlgType::mtInformation, TMsgDlgButtons::mbOK);
    return false;
}

bool TMDIForm1Cls::mnuSaveAsClick() {
    const int slot = CurMenu_;
    if (!CurrentDoc()) return false;
    std::string chosen;
    if (!AskSaveMenuPath(chosen)) return false;
    // The dialog let messages through: the document may have gone meanwhile.
    TMenuDocument* doc = MenuDoc(slot);
    if (!doc || doc->Closed) return false;
    const editor::FileLocation where = editor::SplitFileLocation(editor::SaveAsPath(chosen));
    doc->FileName = where.Name;
    doc->Folder = where.Folder;
    MenuFolder = doc->Folder;
    CurMenu_ = slot;
    const bool saved = SaveMenu(doc->Folder, doc->FileName, true, false);
    if (!saved)
        EditorMsg("A problem occured when saving the menu.", TMsgDlgType::mtInformation, TMsgDlgButtons::mbOK);
    forms::Application().ProcessMessages();
    LoadMenuList();
    return saved;
}

void TMDIForm1Cls::SaveAll1Click() {
    const int original = CurMenu_;
    for (int slot = 1; slot <= MenuCounter; ++slot) {
        TMenuDocument* doc = MenuDoc(slot);
        if (!doc || doc->Closed || doc->Modified != 1) continue;
        MakeCurrent(slot);
        if (doc->HasFile == 1)
            mnuSaveClick();
        else
            mnuSaveAsClick();
    }
    // Back to the document the user was on, tab and all.
    if (TMenuDocument* doc = MenuDoc(original); doc && !doc->Closed) MakeCurrent(original);
    PageControl1Change();
}

// ---- closing ----

bool TMDIForm1Cls::ConfirmCloseCurrent() {
    const int slot = CurMenu_;
    EndTextEdits();
    TMenuDocument* doc = CurrentDoc();
    if (!doc) return false;
    if (doc->Modified != 1) return true;
    const int answer = EditorMsg("Do you want to save the changes you made to " + doc->FileName,
                                 TMsgDlgType::mtWarning, TMsgDlgButtons::mbYesNoCancel);
    if (answer == mrNo) return true;
    if (answer != mrYes) return false;
    const bool saved = doc->HasFile == 1 ? mnuSaveClick() : mnuSaveAsClick();
    // The save's dialogs let messages through; close only the same document.
    CurMenu_ = slot;
    doc = MenuDoc(slot);
    return saved && doc && !doc->Closed;
}

void TMDIForm1Cls::mnuClose_Click() {
    if (!CurrentDoc()) return;
    if (!ConfirmCloseCurrent()) return;
    FreeMenu();
}
