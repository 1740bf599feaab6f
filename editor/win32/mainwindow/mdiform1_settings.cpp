// The settings file applied to the window: read at start-up into the
// editor's options and shown in the menus and toolbars (tooltips, automatic
// placement, toolbars shown, snap and grid size, the menu folder), and
// written back from them when the window closes. The file lives beside the
// editor, or in the per-user folder when the editor's folder cannot be
// written.
#include <windows.h>

#include "editor/logic/EditorSettings.h"
#include "editor/win32/common/EditorDataFolders.h"
#include "editor/win32/common/EditorGlobals.h"
#include "editor/win32/mainwindow/mdiform1.h"
#include "forms/portable/FileSystem.h"
#include "forms/win32/Command.h"
#include "forms/win32/FileListBox.h"
#include "forms/win32/Menus.h"
#include "forms/win32/Screen.h"
#include "forms/win32/ToolBar.h"

namespace {

std::string SettingsPath(const editor::DataFolders& folders) {
    return editor::SettingsFilePath(forms::ExecutablePath(), folders.Settings);
}

}  // namespace

editor::SettingsLoad TMDIForm1Cls::LoadSettings() {
    DataFolders_ = LocateDataFolders(EditorFolder);
    EditorOptions = editor::DefaultSettings(EditorFolder, forms::ScreenWidth(), forms::ScreenHeight());
    const editor::SettingsLoad result = editor::LoadSettingsFile(SettingsPath(DataFolders_), EditorOptions);

    mnuToolTips->SetChecked(EditorOptions.ShowToolTips);
    ApplyShowHint();
    mnuAutoAuto->SetChecked(EditorOptions.AutoPlaceButtons);
    SetToolbarShown(ToolBar1, StandardToolbar1, EditorOptions.StandardToolbar);
    SetToolbarShown(ToolBar2, FormattingToolbar1, EditorOptions.FormattingToolbar);
    SetToolbarShown(ToolBar3, ButtonToolbar1, EditorOptions.ObjectToolbar);
    Cmd("cmdSnapToGrid")->SetChecked(EditorOptions.SnapToGrid);
    SnapToGrid = EditorOptions.SnapToGrid ? 1 : 0;
    GridSize = editor::ValidGridSize(EditorOptions.GridSize);
    const int checkedItem = editor::GridSizeItemIndex(GridSize);
    for (int i = 0; i < 7; ++i) GridSizeItems_[static_cast<size_t>(i)]->SetChecked(i == checkedItem);

    MenuFolder = editor::StartMenuFolder(EditorOptions.MenuFolder, EditorFolder, FolderHasEntries);
    File1->SetDirectory(MenuFolder);
    return result;
}

bool TMDIForm1Cls::SaveSettings() {
    EditorOptions.ShowToolTips = mnuToolTips->Checked();
    EditorOptions.AutoPlaceButtons = mnuAutoAuto->Checked();
    EditorOptions.MenuFolder = MenuFolder;
    EditorOptions.StandardToolbar = StandardToolbar1->Checked();
    EditorOptions.FormattingToolbar = FormattingToolbar1->Checked();
    EditorOptions.ObjectToolbar = ButtonToolbar1->Checked();
    EditorOptions.SnapToGrid = Cmd("cmdSnapToGrid")->Checked();
    EditorOptions.GridSize = GridSize;
    return editor::SaveSettingsFile(SettingsPath(DataFolders_), EditorOptions);
}
