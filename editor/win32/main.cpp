// Autorun Quorvel Menu Editor: creates the main window and runs the message loop.
#include <windows.h>

#include "editor/win32/mdiform1.h"
#include "forms/win32/Application.h"
#include "shared/TarvikUtils.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    forms::Application().SetTitle("Autorun Quorvel Menu Editor");
    DlgCaption = forms::Application().Title();
    forms::Application().CreateForm<TMDIForm1Cls>();
    forms::Application().Run();
    return 0;
}
