#include "editor/win32/ResourcePicture.h"

#include <windows.h>

#include "forms/win32/Application.h"
#include "forms/win32/PaintBuffer.h"

forms::Picture LoadResourcePicture(const char* resourceName) {
    HANDLE loaded = LoadImageA(forms::Application().Instance(), resourceName, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION);
    if (!loaded) return forms::Picture();
    HBITMAP bitmap = static_cast<HBITMAP>(loaded);
    forms::Bitmap pixels;
    BITMAP info{};
    if (GetObjectA(bitmap, sizeof info, &info) == sizeof info && info.bmWidth > 0 && info.bmHeight > 0) {
        const int width = info.bmWidth, height = info.bmHeight;
        pixels.SetSize(width, height);
        BITMAPINFO header = forms::TopDownDibInfo(width, height);
        HDC screen = GetDC(nullptr);
        const int rows = GetDIBits(screen, bitmap, 0, static_cast<UINT>(height), pixels.Data(), &header, DIB_RGB_COLORS);
        ReleaseDC(nullptr, screen);
        if (rows != height) pixels = forms::Bitmap();
    }
    DeleteObject(bitmap);
    return pixels.Empty() ? forms::Picture() : forms::Picture(pixels);
}
