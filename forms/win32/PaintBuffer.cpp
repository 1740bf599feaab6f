#include "forms/win32/PaintBuffer.h"

#include <algorithm>
#include <cstring>

namespace forms {

BITMAPINFO TopDownDibInfo(int width, int height) {
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
    bi.bmiHeader.biWidth = width;
    bi.bmiHeader.biHeight = -height;  // top-down rows
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    return bi;
}

bool DibBuffer::Create(int width, int height) {
    Release();
    if (width <= 0 || height <= 0) return false;
    const BITMAPINFO bi = TopDownDibInfo(width, height);
    dc_ = CreateCompatibleDC(nullptr);
    if (!dc_) return false;
    void* bits = nullptr;
    bitmap_ = CreateDIBSection(dc_, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!bitmap_) {
        DeleteDC(dc_);
        dc_ = nullptr;
        return false;
    }
    old_ = SelectObject(dc_, bitmap_);
    bits_ = static_cast<uint32_t*>(bits);
    width_ = width;
    height_ = height;
    return true;
}

void DibBuffer::Release() {
    if (dc_) {
        SelectObject(dc_, old_);
        DeleteDC(dc_);
    }
    if (bitmap_) DeleteObject(bitmap_);
    dc_ = nullptr;
    bitmap_ = nullptr;
    old_ = nullptr;
    bits_ = nullptr;
    width_ = height_ = 0;
}

uint32_t ColorToPixel(Color color) {
    uint32_t rgb = ColorToRGB(color);
    return 0xFF000000u | ((rgb & 0xFF) << 16) | (rgb & 0xFF00) | ((rgb >> 16) & 0xFF);
}

void FillPixels(PaintTarget& target, const RECT& rect, uint32_t pixel) {
    for (int y = rect.top; y < rect.bottom; ++y) {
        uint32_t* row = target.bits + static_cast<size_t>(y) * target.width;
        std::fill(row + rect.left, row + rect.right, pixel);
    }
}

void DrawFrame(PaintTarget& target, const RECT& rect, uint32_t topLeft, uint32_t bottomRight) {
    if (rect.right <= rect.left || rect.bottom <= rect.top) return;
    auto fill = [&target](RECT edge, uint32_t pixel) {
        RECT r;
        if (IntersectRect(&r, &edge, &target.clip)) FillPixels(target, r, pixel);
    };
    fill(RECT{rect.left, rect.top, rect.right, rect.top + 1}, topLeft);
    fill(RECT{rect.left, rect.top, rect.left + 1, rect.bottom}, topLeft);
    fill(RECT{rect.left, rect.bottom - 1, rect.right, rect.bottom}, bottomRight);
    fill(RECT{rect.right - 1, rect.top, rect.right, rect.bottom}, bottomRight);
}

void DrawPictureRows(PaintTarget& target, const Picture& picture, int x, int y, const RECT& clip) {
    RECT pic{x, y, x + picture.Width(), y + picture.Height()};
    RECT surface{0, 0, target.width, target.height};
    RECT r;
    if (!IntersectRect(&r, &pic, &clip) || !IntersectRect(&r, &r, &surface)) return;
    const Bitmap& px = picture.Pixels();
    const int count = r.right - r.left;
    for (int row = r.top; row < r.bottom; ++row) {
        const uint32_t* src = px.ScanLine(row - y) + (r.left - x);
        uint32_t* dst = target.bits + static_cast<size_t>(row) * target.width + r.left;
        if (!picture.HasAlpha()) {
            std::memcpy(dst, src, static_cast<size_t>(count) * 4);
            continue;
        }
        for (int i = 0; i < count; ++i) {
            const uint32_t s = src[i];
            const uint32_t a = s >> 24;
            if (a == 255) {
                dst[i] = s;
            } else if (a != 0) {
                // Premultiplied "over": result = source + destination * (1 - alpha).
                const uint32_t inv = 255 - a;
                const uint32_t d = dst[i];
                uint32_t out = 0xFF000000u;
                for (int shift = 0; shift < 24; shift += 8) {
                    uint32_t c = ((s >> shift) & 0xFF) + (((d >> shift) & 0xFF) * inv + 127) / 255;
                    out |= std::min<uint32_t>(c, 255) << shift;
                }
                dst[i] = out;
            }
        }
    }
}

}  // namespace forms
