// The player's unit-level state, alive for the whole run: where the player
// and the medium's content are, the title every message carries, the pack
// directory read from the player's own file, the err.txt switches, and the
// seams through which messages and sounds leave the program (tests replace
// them to record what the player would show or play).
#pragma once
#include <windows.h>

#include <functional>
#include <string>

#include "player/logic/PackReader.h"
#include "player/logic/StartMenuRead.h"
#include "shared/TarvikUtils.h"

extern std::string AppFolder;     // folder of the player's executable, ending in "\"
extern std::string ExeFileName;   // the executable's file name without folder
extern std::string SourcePath;    // folder of the medium's content, ending in "\"
extern std::string StartTitle;    // the application title taken at start-up
extern player::PackDirectory Pack;
extern bool ReportNotFound;
extern bool ReportNoViewer;

// The program's own file and its first command-line argument. The program
// entry fills them; tests point them at a pack of their own.
extern std::string PlayerExePath;
extern std::string StartArgument;
// The first menu, read while the window is made (the program entry starts
// it; the first LoadMenu takes it). Tests that do not start it read as before.
extern player::StartMenuRead StartMenu;

// Every message dialog of the player goes through here (caption StartTitle
// unless the caller passes another). Returns the modal result.
extern std::function<int(const std::string& text, TMsgDlgType type, const std::string& caption)> ShowPlayerMsg;
// Every sound request goes through here (the arguments of PlaySoundA).
extern std::function<BOOL(LPCSTR sound, HMODULE module, DWORD flags)> PlaySoundRequest;
// The drive-letter prompt (the forms layer's input box).
extern std::function<bool(const std::string& caption, const std::string& prompt, std::string& value)> AskDriveLetter;

// Shows text with caption StartTitle.
int PlayerMsg(const std::string& text, TMsgDlgType type);
