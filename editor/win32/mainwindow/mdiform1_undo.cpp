// Undo and redo: before each edit the whole menu is saved quietly as the
// next undo snapshot; an undo saves the present state as the next redo
// snapshot and loads the last undo snapshot back over the document, a redo
// the other way round. The snapshots live in the snapshot folder, named by
// document slot and step.
//
// A snapshot that cannot be written or read back leaves the document and
// both stacks as they were, and says so. Every undo and redo marks the
// document modified. A second undo or redo that arrives while one runs (the
// steps let messages through) is ignored.
#include <windows.h>

#include "editor/logic/UndoSnapshots.h"
#include "editor/win32/common/EditorGlobals.h"
#include "editor/win32/mainwindow/mdiform1.h"
#include "forms/win32/Application.h"

bool TMDIForm1Cls::SaveSnapshot(const std::string& name, bool withImages) {
    return SaveMenu(DataFolders_.Undo, name, withImages, true);
}

bool TMDIForm1Cls::LoadSnapshot(const std::string& name) { return LoadMenu(name, DataFolders_.Undo, true); }

void TMDIForm1Cls::PushUndo(uint8_t skipImages) {
    if (UndoBusy || MenuLoading_) return;
    TMenuDocument* doc = CurrentDoc();
    if (!doc) return;
    doc->Modified = 1;
    doc->RedoCount = 0;
    doc->UndoCount = doc->UndoCount + 1;
    // Without its snapshot the step cannot be undone: it is not counted.
    if (!SaveSnapshot(editor::UndoSnapshotName(CurMenu_, doc->UndoCount), skipImages == 0))
        doc->UndoCount = doc->UndoCount - 1;
}

void TMDIForm1Cls::DoUndo() {
    if (UndoBusy || MenuLoading_) return;
    const int slot = CurMenu_;
    TMenuDocument* doc = CurrentDoc();
    if (!doc || doc->UndoCount <= 0) return;
    UndoBusy = 1;
    forms::Application().ProcessMessages();
    doc = MenuDoc(slot);
    if (doc && !doc->Closed && CurMenu_ == slot) {
        // The text box's text goes into its record first, so that the
        // recorded present state holds it and a redo brings it back; the
        // restored menu starts with nothing selected, and the object toolbar
        // says so.
        DeselectObj(0, 1);
        const int redoStep = doc->RedoCount + 1;
        const bool saved = SaveSnapshot(editor::RedoSnapshotName(slot, redoStep), true);
        if (!saved)
            EditorMsg("The present state could not be recorded, so the last change was not undone.",
                      TMsgDlgType::mtWarning, TMsgDlgButtons::mbOK);
        // A snapshot that cannot be read is reported by the load itself.
        if (saved && LoadSnapshot(editor::UndoSnapshotName(slot, doc->UndoCount))) {
            doc->RedoCount = redoStep;
            doc->UndoCount = doc->UndoCount - 1;
            doc->Modified = 1;
            doc->SelObject = kSelNone;
        }
    }
    UndoBusy = 0;
}

void TMDIForm1Cls::DoRedo() {
    if (UndoBusy || MenuLoading_) return;
    const int slot = CurMenu_;
    TMenuDocument* doc = CurrentDoc();
    if (!doc || doc->RedoCount <= 0) return;
    UndoBusy = 1;
    forms::Application().ProcessMessages();
    doc = MenuDoc(slot);
    if (doc && !doc->Closed && CurMenu_ == slot) {
        DeselectObj(0, 1);
        const int undoStep = doc->UndoCount + 1;
        const bool saved = SaveSnapshot(editor::UndoSnapshotName(slot, undoStep), true);
        if (!saved)
            EditorMsg("The present state could not be recorded, so the change was not redone.",
                      TMsgDlgType::mtWarning, TMsgDlgButtons::mbOK);
        if (saved && LoadSnapshot(editor::RedoSnapshotName(slot, doc->RedoCount))) {
            doc->UndoCount = undoStep;
            doc->RedoCount = doc->RedoCount - 1;
            doc->Modified = 1;
        }
    }
    UndoBusy = 0;
}

void TMDIForm1Cls::DeleteUndoFiles() {
    TMenuDocument* doc = CurrentDoc();
    if (!doc) return;
    const std::string& folder = DataFolders_.Undo;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "?D*.und").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
            if (!editor::IsSnapshotOfSlot(found.cFileName, CurMenu_)) continue;
            const std::string path = folder + found.cFileName;
            SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileA(path.c_str());
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    doc->UndoCount = 0;
    doc->RedoCount = 0;
}
