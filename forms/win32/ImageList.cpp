#include "forms/win32/ImageList.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

#include "forms/portable/ColorKey.h"
#include "forms/win32/GdiScope.h"
#include "forms/win32/PaintBuffer.h"

namespace forms {
namespace {

HBITMAP ColourBitmap(const Bitmap& colour) {
    const BITMAPINFO bi = TopDownDibInfo(colour.Width(), colour.Height());
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap) std::memcpy(bits, colour.Data(), colour.PixelCount() * sizeof(uint32_t));
    return bitmap;
}

// The colour and mask bitmaps that GDI draws a colour-keyed picture from,
// deleted on exit.
struct MaskedBitmaps {
    MaskedBitmaps(const Bitmap& picture, Color maskColor)
        : planes(SplitByColorKey(picture, ColorToPixel(maskColor))),
          colour(ColourBitmap(planes.colour)),
          mask(CreateBitmap(picture.Width(), picture.Height(), 1, 1, planes.mask.data())) {}
    bool Valid() const { return colour.get() && mask.get(); }
    HBITMAP Colour() const { return static_cast<HBITMAP>(colour.get()); }
    HBITMAP Mask() const { return static_cast<HBITMAP>(mask.get()); }

    KeyedPlanes planes;
    ScopedGdiObject colour;
    ScopedGdiObject mask;
};

}  // namespace

ImageList::ImageList(Component* owner, int cellWidth, int cellHeight)
    : Component(owner), cellWidth_(std::max(cellWidth, 1)), cellHeight_(std::max(cellHeight, 1)) {
    list_ = ImageList_Create(cellWidth_, cellHeight_, ILC_COLOR32 | ILC_MASK, 8, 8);
    if (!list_) throw std::runtime_error("Cannot create an image list");
}

ImageList::~ImageList() {
    Notify(ImageListChange::Destroyed);
    ImageList_Destroy(list_);
}

int ImageList::Count() const { return ImageList_GetImageCount(list_); }

int ImageList::AddMasked(const Bitmap& strip, Color maskColor) {
    const int cells = strip.Width() / cellWidth_;
    if (cells <= 0 || strip.Height() != cellHeight_) return -1;
    Bitmap whole(cells * cellWidth_, cellHeight_);
    for (int y = 0; y < cellHeight_; ++y)
        std::copy_n(strip.ScanLine(y), whole.Width(), whole.ScanLine(y));
    const MaskedBitmaps bitmaps(whole, maskColor);
    if (!bitmaps.Valid()) return -1;
    const int first = ImageList_Add(list_, bitmaps.Colour(), bitmaps.Mask());
    if (first >= 0) Notify(ImageListChange::Cells);
    return first;
}

Bitmap ImageList::GetBitmap(int index, Color background) const {
    if (index < 0 || index >= Count()) return Bitmap();
    DibBuffer surface;
    if (!surface.Create(cellWidth_, cellHeight_)) return Bitmap();
    const size_t pixels = static_cast<size_t>(cellWidth_) * static_cast<size_t>(cellHeight_);
    std::fill_n(surface.bits(), pixels, ColorToPixel(background));
    ImageList_Draw(list_, index, surface.dc(), 0, 0, ILD_NORMAL);
    GdiFlush();
    Bitmap out(cellWidth_, cellHeight_);
    std::copy_n(surface.bits(), pixels, out.Data());
    for (size_t i = 0; i < pixels; ++i) out.Data()[i] |= 0xFF000000u;
    return out;
}

bool ImageList::ReplaceMasked(int index, const Bitmap& cell, Color maskColor) {
    if (index < 0 || index >= Count() || cell.Width() != cellWidth_ || cell.Height() != cellHeight_) return false;
    const MaskedBitmaps bitmaps(cell, maskColor);
    if (!bitmaps.Valid() || !ImageList_Replace(list_, index, bitmaps.Colour(), bitmaps.Mask())) return false;
    Notify(ImageListChange::Cells);
    return true;
}

int ImageList::Subscribe(Observer observer) {
    const int token = nextToken_++;
    observers_[token] = std::move(observer);
    return token;
}

void ImageList::Unsubscribe(int token) { observers_.erase(token); }

void ImageList::Notify(ImageListChange change) {
    // Copied first: an observer may unsubscribe while it is called.
    const auto observers = observers_;
    for (const auto& entry : observers)
        if (entry.second) entry.second(change);
}

}  // namespace forms
