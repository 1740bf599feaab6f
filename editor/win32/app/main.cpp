// Autorun Quorvel Menu Editor: creates the main window, whose start-up
// sequence then leads to the first document, and runs the message loop.
#include <windows.h>

#include "editor/win32/mainwindow/mdiform1.h"
#include "forms/win32/Application.h"
#include "shared/TarvikUtils.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    forms::Application().SetTitle("Autorun Quorvel Menu Editor");
    // The icon of every window of the editor; the application owns it.
    forms::Application().SetIcon(
        static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(1), IMAGE_ICON, 0, 0, LR_DEFAULTSIZE)));
    DlgCaption = forms::Application().Title();
    forms::Application().CreateForm<TMDIForm1Cls>();
    forms::Application().Run();
    return 0;
}
