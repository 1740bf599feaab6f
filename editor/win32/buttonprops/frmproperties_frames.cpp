// The picture tools of the Button Properties dialog: the four picture states
// of a graphical button with their runs of frames, the state previews, the
// picture picker and AutoFill, which reads a whole named set of pictures.
// Everything acts on the dialog's working copy.
#include <windows.h>

#include "editor/logic/ButtonFrames.h"
#include "editor/logic/CoreGraphics.h"
#include "editor/logic/StoredPicture.h"
#include "editor/win32/common/EditorGlobals.h"
#include "editor/win32/smallwindows/frmfutip.h"
#include "editor/win32/buttonprops/frmproperties.h"
#include "forms/portable/FileSystem.h"
#include "forms/portable/PictureFile.h"
#include "forms/win32/Application.h"
#include "forms/win32/Clipboard.h"
#include "forms/win32/Edit.h"
#include "forms/win32/Image.h"
#include "forms/win32/Label.h"
#include "forms/win32/Panel.h"
#include "forms/win32/Shape.h"
#include "shared/TextParts.h"

namespace {

constexpr int kPreviewWidth = 233;
constexpr int kPreviewHeight = 67;
const char* const kStateNames[4] = {"Up", "Active", "Down", "Acc."};
const char* const kFrameLimit = "Only 100 frames allowed for each button type.";

// The work-space colour as a pixel (red in the third byte).
uint32_t WorkspacePixel() {
    const COLORREF c = GetSysColor(COLOR_APPWORKSPACE);
    return 0xFF000000u | (static_cast<uint32_t>(GetRValue(c)) << 16) | (static_cast<uint32_t>(GetGValue(c)) << 8) |
           GetBValue(c);
}

void Inform(const std::string& text) { EditorMsg(text, TMsgDlgType::mtInformation, TMsgDlgButtons::mbOK); }

}  // namespace

bool TfrmPropertiesCls::HasFrame(int state, int frame, uint8_t copy) {
    if (state < 0 || state >= kPicStates) return false;
    const editor::FrameRow& row = WorkButton_.Pics[state];
    if (!editor::HasFrame(row, frame)) return false;
    if (copy) SharedBmp = *row[frame];
    return true;
}

void TfrmPropertiesCls::StoreFrame(const forms::Bitmap& picture) {
    const int frame = CurFrame_[static_cast<size_t>(CurState_)];
    if (frame < 0 || frame > kMaxFrame) return;
    WorkButton_.Pics[CurState_][frame] = std::make_shared<forms::Bitmap>(picture);
    if (CurState_ == Up && frame == 0) {
        Text1[2]->SetText(std::to_string(picture.Width()));
        Text1[3]->SetText(std::to_string(picture.Height()));
    }
}

void TfrmPropertiesCls::ShowState() {
    const forms::Panel* panel = pnlBtnCon[static_cast<size_t>(CurState_)];
    shpSelect->SetBounds(panel->Left() - 2, panel->Top() - 2, panel->Width() + 4, panel->Height() + 4);
    txtTB001->SetText(std::to_string(CurFrame_[static_cast<size_t>(CurState_)] + 1));
    txtTB000->SetText(kStateNames[CurState_]);
    DrawStatePreview(CurState_);
}

void TfrmPropertiesCls::DrawStatePreview(int state) {
    if (state < 0 || state >= kPicStates) return;
    forms::Image* image = picBtn[static_cast<size_t>(state)];
    forms::Label* notSet = lblNotSet[static_cast<size_t>(state)];
    if (!HasFrame(state, CurFrame_[static_cast<size_t>(state)], 1)) {
        image->SetVisible(false);
        notSet->SetVisible(true);
        return;
    }
    const editor::PreviewPlace place =
        editor::PlacePreview(SharedBmp.Width(), SharedBmp.Height(), kPreviewWidth, kPreviewHeight);
    forms::Bitmap shown;
    if (place.Width == SharedBmp.Width() && place.Height == SharedBmp.Height()) {
        shown = SharedBmp;
    } else {
        editor::ScaleCache cache;
        if (!editor::ScaleBitmapHQ(SharedBmp, shown, place.Width, place.Height, true, cache)) return;
    }
    forms::Bitmap preview(kPreviewWidth, kPreviewHeight, WorkspacePixel());
    for (int y = 0; y < shown.Height() && place.Top + y < kPreviewHeight; ++y)
        for (int x = 0; x < shown.Width() && place.Left + x < kPreviewWidth; ++x)
            preview.SetPixel(place.Left + x, place.Top + y, shown.Pixel(x, y) | 0xFF000000u);
    image->SetPicture(preview);
    image->SetVisible(true);
    notSet->SetVisible(false);
}

void TfrmPropertiesCls::SelectState(int state) {
    CurState_ = state & 3;
    ShowState();
}

void TfrmPropertiesCls::StepState(int delta) {
    CurState_ = (CurState_ + delta + kPicStates) % kPicStates;
    ShowState();
}

void TfrmPropertiesCls::FirstFrame() {
    CurFrame_[static_cast<size_t>(CurState_)] = 0;
    ShowState();
}

void TfrmPropertiesCls::PreviousFrame() {
    int& cur = CurFrame_[static_cast<size_t>(CurState_)];
    if (cur > 0) --cur;
    else MessageBeep(MB_OK);
    ShowState();
}

void TfrmPropertiesCls::NextFrame() {
    switch (editor::NextFrame(WorkButton_.Pics[CurState_], CurFrame_[static_cast<size_t>(CurState_)])) {
        case editor::FrameMove::Refused: MessageBeep(MB_OK); break;
        case editor::FrameMove::FrameLimit: Inform(kFrameLimit); break;
        case editor::FrameMove::Moved: break;
    }
    ShowState();
}

void TfrmPropertiesCls::LastFrame() {
    CurFrame_[static_cast<size_t>(CurState_)] = editor::LastFrame(WorkButton_.Pics[CurState_]);
    ShowState();
}

void TfrmPropertiesCls::CopyFrameToClipboard() {
    const int frame = CurFrame_[static_cast<size_t>(CurState_)];
    if (!editor::HasFrame(WorkButton_.Pics[CurState_], frame)) {
        Inform("No image selected.");
        return;
    }
    Scratch_ = *WorkButton_.Pics[CurState_][frame];
    forms::SetClipboardBitmap(Scratch_);
}

void TfrmPropertiesCls::SetCurrentImage() {
    PickPicture();
    if (!ObjPropsCancelled) StoreFrame(SharedBmp);
    ShowState();
}

void TfrmPropertiesCls::SetNewImage() {
    editor::FrameRow& row = WorkButton_.Pics[CurState_];
    int& cur = CurFrame_[static_cast<size_t>(CurState_)];
    const int before = cur;
    const bool roomMade = editor::HasFrame(row, before);
    if (editor::MakeRoomAfter(row, cur) == editor::FrameMove::FrameLimit) {
        Inform(kFrameLimit);
        ShowState();
        return;
    }
    PickPicture();
    if (!ObjPropsCancelled) {
        StoreFrame(SharedBmp);
    } else if (roomMade) {
        // Nothing was picked: the room made for it goes again.
        editor::DeleteFrame(row, cur);
        cur = before;
    }
    if (!editor::HasFrame(row, cur) && cur > 0) --cur;
    ShowState();
}

void TfrmPropertiesCls::MoveImageBack() {
    if (editor::MoveFrameBack(WorkButton_.Pics[CurState_], CurFrame_[static_cast<size_t>(CurState_)]) !=
        editor::FrameMove::Moved)
        Inform("Image at beginning of list.");
    ShowState();
}

void TfrmPropertiesCls::MoveImageForward() {
    if (editor::MoveFrameForward(WorkButton_.Pics[CurState_], CurFrame_[static_cast<size_t>(CurState_)]) !=
        editor::FrameMove::Moved)
        Inform("Image at end of list.");
    ShowState();
}

void TfrmPropertiesCls::DeleteCurrentImage() {
    editor::DeleteFrame(WorkButton_.Pics[CurState_], CurFrame_[static_cast<size_t>(CurState_)]);
    ShowState();
}

void TfrmPropertiesCls::MakeOriginalSize() {
    if (!HasFrame(Up, CurFrame_[Up], 1)) return;
    Text1[2]->SetText(std::to_string(SharedBmp.Width()));
    Text1[3]->SetText(std::to_string(SharedBmp.Height()));
}

bool TfrmPropertiesCls::ReadPicture(const std::string& path) {
    if (!forms::LoadPictureFile(path, Scratch_)) return false;
    editor::UseStoredPixelLayout(Scratch_);
    return true;
}

void TfrmPropertiesCls::PickPicture() {
    std::string path;
    if (!AskPicturePath(EditorOptions.PictureFolder, path)) {
        ObjPropsCancelled = 1;
        return;
    }
    forms::Application().ProcessMessages();
    ObjPropsCancelled = 0;
    if (!forms::FileExists(path)) {
        Inform("The image \"" + path + "\" could not be found.");
        ObjPropsCancelled = 1;
        return;
    }
    if (!ReadPicture(path)) {
        EditorMsg("The image \"" + path + "\" could not be read.", TMsgDlgType::mtError, TMsgDlgButtons::mbOK);
        ObjPropsCancelled = 1;
        return;
    }
    int width = 0, height = 0;
    if (editor::FitPickedPicture(Scratch_.Width(), Scratch_.Height(), width, height)) {
        editor::ScaleCache cache;
        if (!editor::ScaleBitmapHQ(Scratch_, SharedBmp, width, height, true, cache)) {
            ObjPropsCancelled = 1;
            return;
        }
    } else {
        SharedBmp = Scratch_;
    }
    PickedFolder_ = WithTrailingBackslash(FolderPart(path));
    PickedName_ = FileNamePart(path);
    EditorOptions.PictureFolder = PickedFolder_;
    if (GetWindowState() == forms::WindowState::Normal) {
        EditorOptions.PropsLeft = Left();
        EditorOptions.PropsTop = Top();
        EditorOptions.PropsWidth = Width();
        EditorOptions.PropsHeight = Height();
    }
}

void TfrmPropertiesCls::AutoFill() {
    ShowTip(5);
    PickPicture();
    if (ObjPropsCancelled) return;
    if (PickedName_.empty()) {
        Inform("You must select a file.");
        return;
    }
    const std::string folder = PickedFolder_;
    const std::vector<editor::AutoFillItem> plan =
        editor::PlanAutoFill(PickedName_, [&folder](const std::string& name) { return forms::FileExists(folder + name); });
    size_t loaded = 0;
    for (const editor::AutoFillItem& item : plan) {
        // A file that cannot be read ends the fill; what was read stays.
        if (!ReadPicture(folder + item.Name)) {
            EditorMsg("The image \"" + item.Name + "\" could not be read.", TMsgDlgType::mtError,
                      TMsgDlgButtons::mbOK);
            break;
        }
        CurState_ = item.State;
        CurFrame_[static_cast<size_t>(item.State)] = item.Frame;
        StoreFrame(Scratch_);
        ++loaded;
    }
    CurFrame_ = {0, 0, 0, 0};
    CurState_ = Up;
    ShowState();
    DrawStatePreview(Active);
    DrawStatePreview(Down);
    Inform(editor::AutoFillReport(PickedName_, plan, loaded));
}
