// AutoSeek: moves the selected graphical button to the place in the
// background picture whose pixels best match the button's Up picture, with
// the progress pop-up shown while the search runs.
//
// The search lets queued messages through after every column, so the user
// may close the document or change the selection meanwhile: the result is
// applied only when the same document is still current and the object still
// exists, and a second AutoSeek cannot start while one runs.
#include "editor/logic/AutoSeek.h"
#include "editor/win32/common/EditorGlobals.h"
#include "editor/win32/smallwindows/frmfutip.h"
#include "editor/win32/smallwindows/frmsearchn.h"
#include "editor/win32/mainwindow/mdiform1.h"
#include "forms/win32/Application.h"
#include "forms/win32/Button.h"
#include "forms/win32/Image.h"
#include "forms/win32/Screen.h"
#include "forms/win32/Timer.h"
#include "shared/UBmpArray.h"

namespace {

// Feeds the search's progress to the pop-up's bar (when the pop-up could be
// made) and keeps the windows alive.
class PopupProgress : public editor::SeekProgress {
public:
    explicit PopupProgress(TfrmSearchnCls* popup) : popup_(popup) {}
    void ShowProgress(int percent) override {
        if (popup_) popup_->ProgressBar1->SetPosition(percent);
    }
    void ProcessMessages() override { forms::Application().ProcessMessages(); }

private:
    TfrmSearchnCls* popup_;
};

// The pixels of picture (an empty array when there is none).
TBmpArray PixelsOf(const PicRef& picture) {
    TBmpArray a;
    if (HasPic(picture)) {
        a.Bitmap = *picture;
        BmpToArray(a);
    }
    return a;
}

}  // namespace

void TMDIForm1Cls::DoAutoSeek(uint8_t) {
    if (CurMenu_ < 1 || SeekBusy_) return;
    ShowTip(3);
    const int slot = CurMenu_;
    TMenuDocument* doc = MenuDoc(slot);
    if (!doc || doc->Closed) return;
    const int n = SelectedObjectOrSay(*doc);
    if (n == 0) return;
    if (doc->Menu.Buttons[static_cast<size_t>(n)].ObjectKind != GraphicalButton) {
        EditorMsg("This function only works on graphical buttons.", TMsgDlgType::mtInformation,
                  TMsgDlgButtons::mbOK);
        return;
    }
    PushUndo(1);
    SeekBusy_ = 1;

    auto* popup = forms::Application().CreateForm<TfrmSearchnCls>();
    if (popup) {
        popup->Panel1->SetCaption("Searching for best location...");
        popup->Show();
    }
    Timer1->SetInterval(0);
    forms::Application().ProcessMessages();

    editor::SeekResult found;
    int width = 0;
    int height = 0;
    doc = MenuDoc(slot);
    if (doc && !doc->Closed && n <= doc->Menu.BtnCount) {
        const TBmpArray background = PixelsOf(doc->Menu.Buttons[0].Pics[Up][0]);
        const TBmpArray button = PixelsOf(doc->Menu.Buttons[static_cast<size_t>(n)].Pics[Up][0]);
        width = button.Width;
        height = button.Height;
        PopupProgress progress(popup);
        found = editor::FindBestPlace(background, button, progress);
    }
    if (popup) popup->Close();
    SeekBusy_ = 0;
    Timer1->SetInterval(500);

    doc = MenuDoc(slot);
    if (!doc || doc->Closed || CurMenu_ != slot || n > doc->Menu.BtnCount) return;
    // The record and both controls take the place; each control keeps its size.
    TAQButton& object = doc->Menu.Buttons[static_cast<size_t>(n)];
    TObjControls& ctl = doc->Ctl[static_cast<size_t>(n)];
    object.Left = found.X;
    object.Top = found.Y;
    if (ctl.ImgBtn) ctl.ImgBtn->SetBounds(found.X, found.Y, ctl.ImgBtn->Width(), ctl.ImgBtn->Height());
    if (ctl.WinBtn) ctl.WinBtn->SetBounds(found.X, found.Y, ctl.WinBtn->Width(), ctl.WinBtn->Height());
    // A selection changed while the search ran keeps its frame.
    if (doc->SelObject != n) return;
    FrameAround(found.X, found.Y, width, height);
    forms::Beep();
    ShowSelHandles(0);
    UpdateButtonBar();
}
