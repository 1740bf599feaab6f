#include "forms/win32/Image.h"

#include <cstring>
#include <utility>

#include "forms/win32/WinControl.h"

namespace forms {

Image::Image(Component* owner, WinControl* parent) : GraphicControl(owner, parent) { StoreBounds(0, 0, 105, 105); }

void Image::SetPicture(const Picture& picture) {
    picture_ = picture;
    PictureChanged();
}

void Image::SetPicture(Picture&& picture) {
    picture_ = std::move(picture);
    PictureChanged();
}

void Image::SetAutoSize(bool on) {
    if (on == autoSize_) return;
    autoSize_ = on;
    if (autoSize_ && !picture_.Empty()) SetBounds(Left(), Top(), picture_.Width(), picture_.Height());
}

void Image::SetStretch(bool on) {
    if (on == stretch_) return;
    stretch_ = on;
    Invalidate();
}

void Image::PictureChanged() {
    stretchSource_.Release();
    Invalidate();
    if (autoSize_ && !picture_.Empty()) SetBounds(Left(), Top(), picture_.Width(), picture_.Height());
}

void Image::Paint(PaintTarget& target, int x, int y) {
    if (picture_.Empty()) return;
    const int w = Width(), h = Height();
    const int pw = picture_.Width(), ph = picture_.Height();
    RECT area{x, y, x + w, y + h}, clip;
    if (!IntersectRect(&clip, &area, &target.clip)) return;
    if (!stretch_ || (pw == w && ph == h)) {
        GdiFlush();  // earlier GDI drawing must land before the rows are touched
        DrawPictureRows(target, picture_, x, y, clip);
        return;
    }
    const Bitmap& px = picture_.Pixels();
    if (!picture_.HasAlpha()) {
        const BITMAPINFO bi = TopDownDibInfo(pw, ph);
        SetStretchBltMode(target.dc, COLORONCOLOR);
        StretchDIBits(target.dc, x, y, w, h, 0, 0, pw, ph, px.Data(), &bi, DIB_RGB_COLORS, SRCCOPY);
        return;
    }
    if (!stretchSource_.dc()) {
        if (!stretchSource_.Create(pw, ph)) return;
        std::memcpy(stretchSource_.bits(), px.Data(), px.PixelCount() * 4);
    }
    BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    AlphaBlend(target.dc, x, y, w, h, stretchSource_.dc(), 0, 0, pw, ph, blend);
}

}  // namespace forms
