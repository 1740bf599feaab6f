// The menu window's place on the screen, its shape and dragging it by the
// background.
#include "player/logic/Placement.h"
#include "player/logic/RegionRuns.h"
#include "player/win32/frmmenu.h"
#include "shared/TarvikUtils.h"

namespace {

int TransColorValue(int32_t index) { return index < 1 ? -1 : static_cast<int>(QBColor(index)); }

}  // namespace

void TfrmMenuCls::PositionWindow(int code) {
    const int w = MenBck->GetPicture().Width();
    const int h = MenBck->GetPicture().Height();
    const player::WindowPos pos =
        player::PositionWindow(code, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), w, h);
    SetBounds(pos.left, pos.top, w, h);
}

void TfrmMenuCls::ApplyWinRgn() {
    const int transColor = TransColorValue(Menu.TransColor);
    const player::RegionKind kind = player::DecideRegion(RegionApplied == 1, transColor);
    if (kind == player::RegionKind::Keep) return;
    HRGN region = kind == player::RegionKind::Shaped
                      ? MakeWinRgn()
                      : CreateRectRgn(0, 0, MenBck->GetPicture().Width(), MenBck->GetPicture().Height());
    SetWindowRegion(region, true);
    RegionApplied = 1;
}

HRGN TfrmMenuCls::MakeWinRgn() const {
    const player::RegionRuns runs = player::ParseWinRgnString(Menu.WinRgnString);
    if (!runs.valid) return CreateRectRgn(0, 0, MenBck->GetPicture().Width(), MenBck->GetPicture().Height());
    HRGN region = CreateRectRgn(0, 0, runs.width, runs.height);
    for (const player::RegionRect& r : runs.holes) {
        HRGN hole = CreateRectRgn(r.left, r.top, r.right, r.bottom);
        CombineRgn(region, region, hole, RGN_DIFF);
        DeleteObject(hole);
    }
    return region;
}

void TfrmMenuCls::MenBckMouseDown(forms::Control&, forms::MouseButton button, forms::ShiftState, int x, int y) {
    if (button != forms::MouseButton::Left) return;
    dragStart_ = POINT{x, y};
    dragging_ = 2;
    MenBck->SetCursor(forms::Cursor::SizeAll);
}

void TfrmMenuCls::MenBckMouseMove(forms::Control&, forms::ShiftState, int x, int y) {
    if (bckMoving_ || !Ready()) return;
    bckMoving_ = true;
    SelectButton(-1);
    ShowAccessory(-2);
    if ((x != lastMouse_.x || y != lastMouse_.y) && dragging_ == 2) {
        SetBounds(Left() + x - dragStart_.x, Top() + y - dragStart_.y, Width(), Height());
    }
    lastMouse_ = POINT{x, y};
    bckMoving_ = false;
}

void TfrmMenuCls::MenBckMouseUp(forms::Control&, forms::MouseButton, forms::ShiftState, int, int) {
    dragStart_ = POINT{0, 0};
    dragging_ = 0;
    MenBck->SetCursor(forms::Cursor::Default);
}
