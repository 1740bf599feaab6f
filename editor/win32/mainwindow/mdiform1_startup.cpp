// The start-up sequence on Timer2's ticks (splash, editor state, tab-order
// markers and sizing handles, the File menu's list, then the command-line
// document, or tip 2 and the start dialog once the splash has closed), the
// clock and selection blink of Timer1, the shape countdown of Timer3, and
// closing the editor with a save question for each modified document.
#include <windows.h>

#include <cstdlib>

#include "editor/logic/DocumentNames.h"
#include "editor/win32/common/ControlNames.h"
#include "editor/win32/common/EditorGlobals.h"
#include "editor/win32/common/LocaleClock.h"
#include "editor/win32/smallwindows/frmfutip.h"
#include "editor/win32/smallwindows/frmsave.h"
#include "editor/win32/smallwindows/frmsplash.h"
#include "editor/win32/smallwindows/frmstart.h"
#include "editor/win32/mainwindow/mdiform1.h"
#include "forms/win32/Application.h"
#include "forms/win32/Label.h"
#include "forms/win32/Panel.h"
#include "forms/win32/Shape.h"
#include "forms/win32/Timer.h"

namespace {

// The program's first command-line argument, or "" without one.
std::string FirstArgument() { return __argc > 1 && __argv[1] ? __argv[1] : ""; }

}  // namespace

void TMDIForm1Cls::Timer2Timer() {
    // The start-up runs in three ticks, so that each window it shows and
    // frees is gone before the next one comes: the set-up, the tip once the
    // splash has closed, then the start dialog.
    if (forms::Application().Terminated()) return;
    switch (StartupStep_) {
    case StartupStep::SetUp:
        Timer2->SetInterval(0);
        ShowFormattingBoxes();
        SetUpEditor();
        return;
    case StartupStep::AwaitSplash:
        if (!SplashDone) return;
        StartupStep_ = StartupStep::StartDialog;
        ShowTip(2);
        return;
    case StartupStep::StartDialog:
        Timer2->SetInterval(0);
        StartupStep_ = StartupStep::Done;
        ShowStartDlg();
        return;
    case StartupStep::Done: return;
    }
}

void TMDIForm1Cls::SetUpEditor() {
    // A close request handled meanwhile ends the start-up.
    forms::Application().ProcessMessages();
    if (forms::Application().Terminated()) return;

    auto* splash = forms::Application().CreateForm<TfrmSplashCls>();
    if (splash) splash->Show();
    forms::Application().ProcessMessages();
    if (forms::Application().Terminated()) return;

    ClipButton = TAQButton();
    LastBtnKind = 0;
    DraggedObject = -1;
    DraggedHandle = -1;
    UndoBusy = 0;
    SharedBmp = forms::Bitmap();
    ScaleCache = forms::Bitmap();
    PicWork1 = forms::Bitmap();
    PicWork2 = forms::Bitmap();
    MenuCounter = 0;
    CurMenu_ = -1;

    // Tab-order markers and sizing handles (made on first use otherwise).
    for (int n = 1; n <= kMaxDocuments; ++n) TabOrdMarker(n);
    for (int k = 0; k < 16; ++k) SelHandle(k);

    forms::Application().ProcessMessages();
    if (forms::Application().Terminated()) return;
    EditorDrive = EditorFolder.substr(0, 2);
    SaturationPos = 100;
    LoadMenuList();
    if (splash) splash->Timer1->SetInterval(330);

    const std::string argument = FirstArgument();
    if (editor::ArgumentNamesFile(argument)) {
        const editor::FileLocation where = editor::SplitFileLocation(argument);
        StartFileName = where.Name;
        MenuFolder = where.Folder;
        StartupStep_ = StartupStep::Done;
        LoadMenu(where.Name, where.Folder, false);
        return;
    }
    // Without a splash there is nothing to wait for.
    if (!splash) SplashDone = 1;
    StartupStep_ = StartupStep::AwaitSplash;
    Timer2->SetInterval(10);
}

void TMDIForm1Cls::ShowStartDlg() {
    StartNewMenu = 0;
    StartFileName = "";
    {
        TfrmStartCls start;
        start.ShowModal();
    }
    if (StartNewMenu == 1) {
        mnuNew_Click();
    } else if (StartFileName == "null") {
        return;
    } else if (!StartFileName.empty()) {
        ShowStatusPopup("Loading Menu...");
        if (LoadMenu(StartFileName, MenuFolder, false)) FinishStatusPopup("Settings Loaded.", 200);
    } else {
        mnuOpen_Click();
    }
}

void TMDIForm1Cls::Timer1Timer() {
    forms::Application().ProcessMessages();
    TMenuDocument* doc = CurrentDoc();
    if (!doc) return;
    doc->TimeLabel->SetCaption(LocaleTimeText());
    doc->DateLabel->SetCaption(LocaleDateText());
    if (doc->SelObject >= 1 && doc->SelObject <= doc->Menu.BtnCount) {
        FlashOn = FlashOn ? 0 : 1;
        shpSelection->SetPenStyle(FlashOn ? forms::PenStyle::Dot : forms::PenStyle::Clear);
        shpSelection->SetVisible(true);
    }
}

void TMDIForm1Cls::Timer3Timer() {
    if (ShapeDelay_ < 0) return;
    // A resized shape is drawn again once the resizing has paused.
    if (--ShapeDelay_ == 0) DoPNGShape();
}

void TMDIForm1Cls::FormCloseQuery(bool& canClose) {
    // A text still being typed makes its document modified before the
    // documents are asked about.
    EndTextEdits();
    for (int slot = 1; slot <= MenuCounter; ++slot) {
        TMenuDocument* doc = MenuDoc(slot);
        if (!doc || doc->Closed) continue;
        CurMenu_ = slot;
        if (doc->Modified == 1) {
            MakeCurrent(slot);
            // Cancel, or a Yes whose save did not happen, keeps the editor
            // open on this document.
            if (!ConfirmCloseCurrent()) {
                canClose = false;
                PageControl1Change();
                return;
            }
        }
    }
}

void TMDIForm1Cls::FormClose(forms::CloseAction& action) {
    action = forms::CloseAction::Free;
    SaveSettings();
    // The undo history of every open document goes with the editor.
    for (int slot = 1; slot <= MenuCounter; ++slot) {
        TMenuDocument* doc = MenuDoc(slot);
        if (!doc || doc->Closed) continue;
        CurMenu_ = slot;
        DeleteUndoFiles();
    }
}
