// AutorunQuorvel: shows the menus packed behind its own executable.
#include <windows.h>

#include <cstdlib>

#include "forms/portable/FileSystem.h"
#include "forms/win32/Application.h"
#include "player/win32/PlayerGlobals.h"
#include "player/win32/frmmenu.h"
#include "shared/TextParts.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    PlayerExePath = forms::ExecutablePath();
    StartArgument = __argc > 1 ? __argv[1] : "";
    // The window reads its first menu from the same file, by the same path.
    StartMenu.Start(WithTrailingBackslash(FolderPart(PlayerExePath)) + FileNamePart(PlayerExePath), StartArgument);

    forms::Application().SetTitle("Autorun Quorvel");
    forms::Application().SetIcon(LoadIconA(instance, MAKEINTRESOURCEA(1)));
    forms::Application().CreateForm<TfrmMenuCls>();
    forms::Application().Run();
    return 0;
}
