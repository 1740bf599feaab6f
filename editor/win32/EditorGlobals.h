// Editor-wide state that the main window, its documents, the dialogs and the
// small start-up windows share. The main window sets these up at start-up
// (and from the settings file) and owns the pictures; the windows that own a
// value of their own (the splash's SplashDone, the tips' TipShown, the start
// dialog's choice) declare it in their own headers.
#pragma once
#include <cstdint>
#include <memory>
#include <string>

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
