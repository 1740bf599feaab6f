#include "editor/win32/common/EditorGlobals.h"

#include "forms/win32/FileDialogs.h"

int32_t MenuCounter = 0;
std::string EditorFolder;
std::string EditorDrive;
std::string MenuFolder;
uint8_t WizardMode = 0;
std::string StartFileName;

editor::EditorSettings EditorOptions;
uint8_t SnapToGrid = 1;
int32_t GridSize = editor::kDefaultGridSize;
uint8_t UndoBusy = 0;
uint8_t ObjPropsCancelled = 0;
int32_t LastBtnKind = 0;
int32_t DraggedObject = -1;
int32_t DraggedHandle = -1;
uint8_t FlashOn = 0;
int32_t SaturationPos = 100;
TAQButton ClipButton;
forms::Bitmap SharedBmp;
forms::Bitmap ScaleCache;
forms::Bitmap PicWork1;
forms::Bitmap PicWork2;

namespace {

// The menu-file dialogs of Open and Save As: same options, own filter and title.
bool RunMenuFileDialog(forms::FileDialog& dialog, const char* filter, const char* title, std::string& path) {
    dialog.SetFilter(filter);
    dialog.SetTitle(title);
    dialog.SetInitialDir(MenuFolder);
    dialog.SetFileName("");
    dialog.SetOptions(forms::ofOverwritePrompt | forms::ofPathMustExist | forms::ofNoReadOnlyReturn |
                      forms::ofHideReadOnly);
    if (!dialog.Execute()) return false;
    path = dialog.FileName();
    return true;
}

}  // namespace

std::function<int(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons)> EditorMsg =
    [](const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons) {
        return ShowMsgDlg(text, type, buttons, DlgCaption);
    };

void EditorLoadWarning(const std::string& text) {
    // An empty caption gives the dialog its type's own; the title comes
    // back however the dialog ends.
    struct CaptionRestore {
        std::string kept = DlgCaption;
        ~CaptionRestore() { DlgCaption = kept; }
    } restore;
    DlgCaption.clear();
    EditorMsg(text, TMsgDlgType::mtWarning, TMsgDlgButtons::mbOK);
}

std::function<bool(std::string& path)> AskSaveMenuPath = [](std::string& path) {
    forms::SaveDialog dialog(nullptr);
    return RunMenuFileDialog(dialog, "Autorun Quorvel Menus (*.mnu)|*.MNU", "Save Menu As...", path);
};

std::function<bool(std::string& path)> AskOpenMenuPath = [](std::string& path) {
    forms::OpenDialog dialog(nullptr);
    return RunMenuFileDialog(dialog, "Autorun Quorvel Menu (*.mnu)|*.MNU", "Open Menu...", path);
};
