#include "forms/win32/Picture.h"

#include <algorithm>
#include <utility>

#include "forms/win32/GdiScope.h"
#include "forms/win32/PaintBuffer.h"

namespace forms {
namespace {

inline uint32_t Premultiply(uint32_t b, uint32_t g, uint32_t r, uint32_t a) {
    b = (b * a + 127) / 255;
    g = (g * a + 127) / 255;
    r = (r * a + 127) / 255;
    return b | (g << 8) | (r << 16) | (a << 24);
}

}  // namespace

Picture::Picture(const Bitmap& opaque) : Picture(Bitmap(opaque)) {}

Picture::Picture(Bitmap&& opaque) : pixels_(std::move(opaque)), alpha_(false) {
    // The fourth byte is not part of an opaque picture: make it 255 so that
    // whatever copies these rows sees opaque pixels.
    uint32_t* p = pixels_.Data();
    for (size_t i = 0, n = pixels_.PixelCount(); i < n; ++i) p[i] |= 0xFF000000u;
}

Picture::Picture(const PngImage& rgba) : alpha_(true) {
    pixels_.SetSize(rgba.Width(), rgba.Height());
    for (int y = 0; y < rgba.Height(); ++y) {
        const uint8_t* src = rgba.Row(y);
        uint32_t* dst = pixels_.ScanLine(y);
        for (int x = 0; x < rgba.Width(); ++x, src += 4)
            dst[x] = Premultiply(src[2], src[1], src[0], src[3]);
    }
}

Picture Picture::FromAlphaBitmap(const Bitmap& bgra) {
    Picture p;
    p.alpha_ = true;
    p.pixels_ = bgra;
    uint32_t* px = p.pixels_.Data();
    for (size_t i = 0, n = p.pixels_.PixelCount(); i < n; ++i) {
        uint32_t v = px[i];
        px[i] = Premultiply(v & 0xFF, (v >> 8) & 0xFF, (v >> 16) & 0xFF, v >> 24);
    }
    return p;
}

Picture Picture::FromPremultiplied(Bitmap bgra) {
    Picture p;
    p.alpha_ = true;
    p.pixels_ = std::move(bgra);
    return p;
}

Bitmap Picture::ToBitmap() const {
    Bitmap out = pixels_;
    if (!alpha_) return out;
    uint32_t* px = out.Data();
    for (size_t i = 0, n = out.PixelCount(); i < n; ++i) {
        uint32_t v = px[i];
        uint32_t a = v >> 24;
        if (a == 0) {
            px[i] = 0;
            continue;
        }
        if (a == 255) continue;
        auto un = [a](uint32_t c) { return std::min<uint32_t>(255, (c * 255 + a / 2) / a); };
        px[i] = un(v & 0xFF) | (un((v >> 8) & 0xFF) << 8) | (un((v >> 16) & 0xFF) << 16) | (a << 24);
    }
    return out;
}

Picture IconToPicture(HICON icon, int size) {
    if (!icon || size <= 0) return Picture();
    // Drawing the icon once on black and once on white gives both its colour
    // (premultiplied, as seen on black) and its coverage (the difference).
    const BITMAPINFO bi = TopDownDibInfo(size, size);
    MemoryDC dc;
    void* bits[2] = {nullptr, nullptr};
    ScopedGdiObject onBlackBitmap(CreateDIBSection(dc, &bi, DIB_RGB_COLORS, &bits[0], nullptr, 0));
    ScopedGdiObject onWhiteBitmap(CreateDIBSection(dc, &bi, DIB_RGB_COLORS, &bits[1], nullptr, 0));
    if (!dc.get() || !onBlackBitmap.get() || !onWhiteBitmap.get()) return Picture();
    const HGDIOBJ bitmaps[2] = {onBlackBitmap.get(), onWhiteBitmap.get()};
    for (int i = 0; i < 2; ++i) {
        std::fill_n(static_cast<uint32_t*>(bits[i]), static_cast<size_t>(size) * size, i == 0 ? 0u : 0x00FFFFFFu);
        ScopedSelectObject selected(dc, bitmaps[i]);
        DrawIconEx(dc, 0, 0, icon, size, size, 0, nullptr, DI_NORMAL);
        GdiFlush();
    }
    Bitmap premultiplied(size, size);
    const uint32_t* onBlack = static_cast<const uint32_t*>(bits[0]);
    const uint32_t* onWhite = static_cast<const uint32_t*>(bits[1]);
    uint32_t* out = premultiplied.Data();
    for (size_t i = 0, n = premultiplied.PixelCount(); i < n; ++i) {
        uint32_t k = onBlack[i], w = onWhite[i];
        int diff = 0;
        for (int s = 0; s < 24; s += 8)
            diff = std::max(diff, static_cast<int>((w >> s) & 0xFF) - static_cast<int>((k >> s) & 0xFF));
        uint32_t a = static_cast<uint32_t>(255 - std::clamp(diff, 0, 255));
        out[i] = (k & 0xFFFFFF) | (a << 24);
    }
    // The colours seen on black are premultiplied already.
    return Picture::FromPremultiplied(std::move(premultiplied));
}

}  // namespace forms
