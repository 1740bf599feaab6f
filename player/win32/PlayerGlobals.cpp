#include "player/win32/PlayerGlobals.h"

#include <mmsystem.h>

#include "forms/win32/Dialogs.h"

std::string AppFolder;
std::string ExeFileName;
std::string SourcePath;
std::string StartTitle;
player::PackDirectory Pack;
bool ReportNotFound = true;
bool ReportNoViewer = true;

std::string PlayerExePath;
std::string StartArgument;
player::StartMenuRead StartMenu;

std::function<int(const std::string&, TMsgDlgType, const std::string&)> ShowPlayerMsg =
    [](const std::string& text, TMsgDlgType type, const std::string& caption) {
        return ShowMsgDlg(text, type, TMsgDlgButtons::mbOK, caption);
    };

std::function<BOOL(LPCSTR, HMODULE, DWORD)> PlaySoundRequest = [](LPCSTR sound, HMODULE module, DWORD flags) {
    return PlaySoundA(sound, module, flags);
};

std::function<bool(const std::string&, const std::string&, std::string&)> AskDriveLetter =
    [](const std::string& caption, const std::string& prompt, std::string& value) {
        return forms::InputQuery(caption, prompt, value);
    };

int PlayerMsg(const std::string& text, TMsgDlgType type) { return ShowPlayerMsg(text, type, StartTitle); }
