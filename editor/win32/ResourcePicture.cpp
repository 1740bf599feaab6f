#include "editor/win32/ResourcePicture.h"

#include <windows.h>

#include "forms/win32/Application.h"
#include "forms/win32/PaintBuffer.h"

namespace {

// The pixels of the named resource; empty when it is missing or unreadable.
forms::Bitmap LoadResourcePixels(const char* resourceName) {
    HANDLE loaded = LoadImageA(forms::Application().Instance(), resourceName, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION);
    if (!loaded) return forms::Bitmap();
    HBITMAP bitmap = static_cast<HBITMAP>(loaded);
    forms::Bitmap pixels;
    BITMAP info{};
    if (GetObjectA(bitmap, sizeof info, &info) == sizeof info && info.bmWidth > 0 && info.bmHeight > 0) {
        const int width = info.bmWidth, height = info.bmHeight;
        pixels.SetSize(width, height);
        BITMAPINFO header = forms::TopDownDibInfo(width, height);
        HDC screen = GetDC(nullptr);
        const int rows =
            GetDIBits(screen, bitmap, 0, static_cast<UINT>(height), pixels.Data(), &header, DIB_RGB_COLORS);
        ReleaseDC(nullptr, screen);
        if (rows != height) pixels = forms::Bitmap();
    }
    DeleteObject(bitmap);
    return pixels;
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
