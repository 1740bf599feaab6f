// Editor-wide state that the main window, its documents, the dialogs and the
// small start-up windows share. The main window sets these up at start-up
// (and from the settings file) and owns the pictures; the windows that own a
// value of their own (the splash's SplashDone, the tips' TipShown, the start
// dialog's choice) declare it in their own headers.
//
// The calls through which the editor reaches the user and the outside world
// for questions, file names, help and web pages are kept here as replaceable
// functions, so tests can answer them instead of a person.
#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "editor/logic/EditorSettings.h"
#include "forms/portable/Bitmap.h"
#include "shared/MenuType.h"
#include "shared/TarvikUtils.h"

// Number of document slots taken since the editor started (slots 1..100;
// a closed slot is never reused).
extern int32_t MenuCounter;
// The editor's own folder with a trailing "\", and its first two characters.
extern std::string EditorFolder;
extern std::string EditorDrive;
// Folder of the File menu's list, the start dialog and the last Open/Save As.
extern std::string MenuFolder;
// 1 while a new menu is made through New, Menu Properties and the wizards.
extern uint8_t WizardMode;
// Name handed between the start dialog, the File menu's list and the loader
// ("null": the start dialog was cancelled, "": open through the Open dialog).
extern std::string StartFileName;

// The options kept in the settings file between runs (custom colours,
// tooltips, folders, tip flags, toolbars, snap, grid size, palette page).
// Read at start-up, written when the main window closes.
extern editor::EditorSettings EditorOptions;
// Objects snap to the grid while this is 1; the grid step is 2..8.
extern uint8_t SnapToGrid;
extern int32_t GridSize;
// 1 while an undo or redo step is being applied.
extern uint8_t UndoBusy;
// 1 when the last Button Properties or Object Properties dialog ended
// without a valid OK (also: the picture picker chose nothing).
extern uint8_t ObjPropsCancelled;
// Kind given to the next inserted button.
extern int32_t LastBtnKind;
// Object and sizing handle being dragged on the design surface; -1 none.
extern int32_t DraggedObject;
extern int32_t DraggedHandle;
// Blink phase of the selection frame.
extern uint8_t FlashOn;
// Slider position of the colour chooser's saturation.
extern int32_t SaturationPos;
// The object clipboard: one object; empty while its ObjHeight is 0.
extern TAQButton ClipButton;
// Background picture passed between the Background Wizard, Menu Properties
// and the main window; work pictures of the resampler and the image preview.
extern forms::Bitmap SharedBmp;
extern forms::Bitmap ScaleCache;
extern forms::Bitmap PicWork1;
extern forms::Bitmap PicWork2;

// Shows a message dialog captioned with the application title and returns
// the button chosen (mrYes, mrNo, mrCancel, mrOk).
extern std::function<int(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons)> EditorMsg;
// Shows a warning through EditorMsg captioned with the dialog type's own
// caption ("Warning") instead of the application title: the two warnings of
// a menu load that failed part way.
void EditorLoadWarning(const std::string& text);
// Asks for the path of a menu file to save (Save As) or to open; false when
// the user cancelled. path holds the chosen full path on success.
extern std::function<bool(std::string& path)> AskSaveMenuPath;
extern std::function<bool(std::string& path)> AskOpenMenuPath;
