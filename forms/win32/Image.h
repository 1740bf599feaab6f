// A windowless picture control. Opaque pictures are copied, alpha pictures
// (PNG) are blended over what lies below by their per-pixel alpha. Without
// Stretch the picture is drawn at its own size from the top-left corner
// (clipped); with Stretch it fills the control. AutoSize makes the control
// take the picture's size whenever the picture changes.
#pragma once
#include "forms/win32/Control.h"
#include "forms/win32/PaintBuffer.h"
#include "forms/win32/Picture.h"

namespace forms {

class Image : public GraphicControl {
public:
    Image(Component* owner, WinControl* parent);

    const Picture& GetPicture() const { return picture_; }
    void SetPicture(const Picture& picture);
    void SetPicture(Picture&& picture);
    void SetPicture(const Bitmap& opaque) { SetPicture(Picture(opaque)); }
    void SetPicture(const PngImage& rgba) { SetPicture(Picture(rgba)); }
    void ClearPicture() { SetPicture(Picture()); }

    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool on);
    bool Stretch() const { return stretch_; }
    void SetStretch(bool on);

    void Paint(PaintTarget& target, int x, int y) override;

protected:
    bool ShowsSomething() const override { return !picture_.Empty(); }

private:
    void PictureChanged();

    Picture picture_;
    bool autoSize_ = false;
    bool stretch_ = false;
    // The alpha picture as a GDI surface, for scaled blending; made on demand.
    DibBuffer stretchSource_;
};

}  // namespace forms
