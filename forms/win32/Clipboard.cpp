#include "forms/win32/Clipboard.h"

#include <windows.h>

#include "forms/win32/Application.h"
#include "forms/win32/GdiScope.h"
#include "forms/win32/PaintBuffer.h"

namespace forms {
namespace {

// Larger pictures are refused rather than allocated.
constexpr long long kMaxPixels = 64LL * 1024 * 1024;

// Holds the clipboard open for one operation. Another program may hold it
// for a moment, so opening is tried a few times.
class OpenedClipboard {
public:
    OpenedClipboard() {
        for (int attempt = 0; attempt < 10 && !open_; ++attempt) {
            open_ = OpenClipboard(Application().UtilityWindow()) != FALSE;
            if (!open_) Sleep(10);
        }
    }
    ~OpenedClipboard() {
        if (open_) CloseClipboard();
    }
    OpenedClipboard(const OpenedClipboard&) = delete;
    OpenedClipboard& operator=(const OpenedClipboard&) = delete;
    bool IsOpen() const { return open_; }

private:
    bool open_ = false;
};

}  // namespace

bool ClipboardHasBitmap() { return IsClipboardFormatAvailable(CF_BITMAP) != FALSE; }

bool SetClipboardBitmap(const Bitmap& picture) {
    if (picture.Empty()) return false;
    ScopedGetDC screen(nullptr);
    if (!screen.get()) return false;
    HBITMAP bitmap = CreateCompatibleBitmap(screen.get(), picture.Width(), picture.Height());
    if (!bitmap) return false;
    const BITMAPINFO info = TopDownDibInfo(picture.Width(), picture.Height());
    bool ok = SetDIBits(screen.get(), bitmap, 0, static_cast<UINT>(picture.Height()), picture.Data(), &info,
                        DIB_RGB_COLORS) == picture.Height();
    if (ok) {
        OpenedClipboard clipboard;
        ok = clipboard.IsOpen() && EmptyClipboard() && SetClipboardData(CF_BITMAP, bitmap) != nullptr;
    }
    // On success the clipboard owns the bitmap.
    if (!ok) DeleteObject(bitmap);
    return ok;
}

bool GetClipboardBitmap(Bitmap& out) {
    OpenedClipboard clipboard;
    if (!clipboard.IsOpen()) return false;
    // The clipboard keeps the bitmap; it is only read here.
    HBITMAP bitmap = static_cast<HBITMAP>(GetClipboardData(CF_BITMAP));
    BITMAP header{};
    if (!bitmap || GetObjectA(bitmap, sizeof(header), &header) != sizeof(header)) return false;
    const int width = header.bmWidth, height = header.bmHeight < 0 ? -header.bmHeight : header.bmHeight;
    if (width <= 0 || height <= 0 || static_cast<long long>(width) * height > kMaxPixels) return false;
    ScopedGetDC screen(nullptr);
    if (!screen.get()) return false;
    Bitmap pixels(width, height);
    BITMAPINFO info = TopDownDibInfo(width, height);
    if (GetDIBits(screen.get(), bitmap, 0, static_cast<UINT>(height), pixels.Data(), &info, DIB_RGB_COLORS) != height)
        return false;
    for (size_t i = 0; i < pixels.PixelCount(); ++i) pixels.Data()[i] |= 0xFF000000u;
    out = std::move(pixels);
    return true;
}

}  // namespace forms
