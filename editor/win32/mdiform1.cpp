#include "editor/win32/mdiform1.h"

#include "forms/win32/Application.h"

TMDIForm1Cls::TMDIForm1Cls() {
    SetName("MDIForm1");
    SetCaption(forms::Application().Title());
    SetBounds(0, 0, 800, 600);
    CenterOnScreen();
    SetVisible(true);
}
