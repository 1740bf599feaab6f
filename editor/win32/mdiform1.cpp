#include "editor/win32/mdiform1.h"

#include "editor/logic/PathText.h"
#include "editor/win32/EditorGlobals.h"
#include "forms/portable/FileSystem.h"
#include "forms/win32/Application.h"

TMDIForm1Cls::TMDIForm1Cls() {
    SetName("MDIForm1");
    SetCaption(forms::Application().Title());
    SetBounds(0, 0, 800, 600);
    CenterOnScreen();
    EditorFolder = editor::WithTrailingBackslash(editor::FolderPart(forms::ExecutablePath()));
    EditorDrive = EditorFolder.substr(0, 2);
    LoadSettings();
    OnClose = [this](forms::Component&, forms::CloseAction&) { SaveSettings(); };
    SetVisible(true);
}
