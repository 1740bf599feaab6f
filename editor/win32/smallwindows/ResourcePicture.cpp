#include "editor/win32/smallwindows/ResourcePicture.h"

#include <windows.h>

#include "forms/win32/Application.h"
#include "forms/win32/GdiScope.h"
#include "forms/win32/PaintBuffer.h"

namespace {

// The pixels of the named resource; empty when it is missing or unreadable.
forms::Bitmap LoadResourcePixels(const char* resourceName) {
    forms::ScopedGdiObject bitmap(
        LoadImageA(forms::Application().Instance(), resourceName, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    BITMAP info{};
    if (!bitmap.get() || GetObjectA(bitmap.get(), sizeof info, &info) != sizeof info || info.bmWidth <= 0 ||
        info.bmHeight <= 0)
        return forms::Bitmap();
    forms::Bitmap pixels(info.bmWidth, info.bmHeight);
    BITMAPINFO header = forms::TopDownDibInfo(info.bmWidth, info.bmHeight);
    forms::ScopedGetDC screen(nullptr);
    const int rows = GetDIBits(screen, static_cast<HBITMAP>(bitmap.get()), 0, static_cast<UINT>(info.bmHeight),
                               pixels.Data(), &header, DIB_RGB_COLORS);
    return rows == info.bmHeight ? pixels : forms::Bitmap();
}

}  // namespace

forms::Picture LoadResourcePicture(const char* resourceName) {
    forms::Bitmap pixels = LoadResourcePixels(resourceName);
    return pixels.Empty() ? forms::Picture() : forms::Picture(pixels);
}

forms::Picture LoadResourcePicture(const char* resourceName, forms::Color seeThrough) {
    forms::Bitmap pixels = LoadResourcePixels(resourceName);
    if (pixels.Empty()) return forms::Picture();
    const uint32_t key = forms::ColorToPixel(seeThrough) & 0xFFFFFFu;
    for (int y = 0; y < pixels.Height(); ++y) {
        uint32_t* row = pixels.ScanLine(y);
        for (int x = 0; x < pixels.Width(); ++x) {
            const uint32_t colour = row[x] & 0xFFFFFFu;
            row[x] = colour == key ? 0u : colour | 0xFF000000u;
        }
    }
    return forms::Picture::FromAlphaBitmap(pixels);
}
